#include "model/claims.h"
#include "tests/support/blankproject.h"
#include "tests/support/sampleproject.h"

#include <QtTest>

Q_DECLARE_METATYPE(ClaimSet)

namespace
{

struct CatalogueState {
    QVector<ClaimCount> counts; // every useCount and pulseUseCount
    QStringList locked;         // outputs locked against Master Off and Welcome
};

CatalogueState catalogueState()
{
    CatalogueState state;
    for (const InputEntry &entry : InputCatalogue::instance().rows())
        state.counts << entry.useCount;
    for (const OutputEntry &entry : OutputCatalogue::instance().rows()) {
        state.counts << entry.useCount << entry.pulseUseCount;
        if (entry.masterOffLocked || entry.welcomeLocked)
            state.locked << entry.name + (entry.masterOffLocked && entry.welcomeLocked ? "" : "?");
    }
    return state;
}

bool allZero(const QVector<ClaimCount> &counts)
{
    return std::all_of(counts.cbegin(), counts.cend(), [](ClaimCount c) { return c == 0; });
}

} // namespace

// What each function type holds, as the editors and import claim it.
class ClaimsTest : public QObject
{
    Q_OBJECT

private slots:
    void releaseUndoesClaimButKeepsLocks_data();
    void releaseUndoesClaimButKeepsLocks();
};

void ClaimsTest::releaseUndoesClaimButKeepsLocks_data()
{
    QTest::addColumn<ClaimSet>("editor");
    QTest::addColumn<ClaimSet>("imported");
    QTest::addColumn<QStringList>("locked");
    QTest::addColumn<QStringList>("importLocked");
    resetToBlankProject();
    SampleProject::fill();
    auto row = [](const char *tag, const auto &record, QStringList locked,
                  QStringList importLocked) {
        QTest::newRow(tag) << claimsOf(record) << importClaimsOf(record) << locked << importLocked;
    };
    row("Lighting PULSE", lightingStore().records().at(0), {}, {});
    row("Lighting ON/OFF", lightingStore().records().at(1), {}, {});
    row("Shutter", shutterStore().records().at(0), {"C4", "C5"}, {"C4", "C5"});
    row("DigitalIO", digitalIOStore().records().at(0), {}, {});
    LogicRecord twoInputs = logicStore().records().at(0);
    twoInputs.Input3.clear();
    row("Logic", logicStore().records().at(0), {}, {});
    row("Logic without third input", twoInputs, {}, {});
    row("VoltageInput", voltageInputStore().records().at(0), {}, {});
    row("EnergySaving", energySavingStore().records().at(0), {}, {});
    row("AirCon", airConStore().records().at(0), {}, {});
    DndMurRecord withBell = dndMurStore().records().at(0);
    withBell.BellOutput = QStringLiteral("C6");
    withBell.OccupancyOutput = QStringLiteral("C8");
    row("DndMur", withBell, {"C6", "C8"}, {"C6", "C8"});
    // Only import locks a feedback LED.
    row("MasterOff", masterOffStore().records().at(0), {}, {"C3"});
    resetToBlankProject();
}

// Import counts what the editors count; a release gives back every count
// and leaves the lock flags set.
void ClaimsTest::releaseUndoesClaimButKeepsLocks()
{
    QFETCH(ClaimSet, editor);
    QFETCH(ClaimSet, imported);
    QFETCH(QStringList, locked);
    QFETCH(QStringList, importLocked);

    resetToBlankProject();
    claim(editor);
    const QVector<ClaimCount> claimedCounts = catalogueState().counts;
    QVERIFY(!allZero(claimedCounts));
    release(editor);
    QVERIFY(allZero(catalogueState().counts));
    QCOMPARE(catalogueState().locked, locked);

    resetToBlankProject();
    claim(imported);
    QCOMPARE(catalogueState().counts, claimedCounts);
    release(imported);
    QVERIFY(allZero(catalogueState().counts));
    QCOMPARE(catalogueState().locked, importLocked);
    resetToBlankProject();
}

QTEST_APPLESS_MAIN(ClaimsTest)
#include "tst_claims.moc"
