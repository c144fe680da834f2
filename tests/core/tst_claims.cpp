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
    QTest::addColumn<QStringList>("locked");
    resetToBlankProject();
    SampleProject::fill();
    auto row = [](const char *tag, const auto &record, QStringList locked) {
        QTest::newRow(tag) << claimsOf(record) << locked;
    };
    row("Lighting PULSE", lightingStore().records().at(0), {});
    row("Lighting ON/OFF", lightingStore().records().at(1), {});
    row("Shutter", shutterStore().records().at(0), {"C4", "C5"});
    row("DigitalIO", digitalIOStore().records().at(0), {});
    LogicRecord twoInputs = logicStore().records().at(0);
    twoInputs.Input3.clear();
    row("Logic", logicStore().records().at(0), {});
    row("Logic without third input", twoInputs, {});
    row("VoltageInput", voltageInputStore().records().at(0), {});
    row("EnergySaving", energySavingStore().records().at(0), {});
    row("AirCon", airConStore().records().at(0), {});
    DndMurRecord withBell = dndMurStore().records().at(0);
    withBell.BellOutput = QStringLiteral("C6");
    withBell.OccupancyOutput = QStringLiteral("C8");
    row("DndMur", withBell, {"C6", "C8"});
    // The feedback LED is held, not locked: Welcome may still control it.
    row("MasterOff", masterOffStore().records().at(0), {});
    resetToBlankProject();
}

// A release gives back every count and leaves the lock flags set.
void ClaimsTest::releaseUndoesClaimButKeepsLocks()
{
    QFETCH(ClaimSet, editor);
    QFETCH(QStringList, locked);

    resetToBlankProject();
    claim(editor);
    QVERIFY(!allZero(catalogueState().counts));
    release(editor);
    QVERIFY(allZero(catalogueState().counts));
    QCOMPARE(catalogueState().locked, locked);
    resetToBlankProject();
}

QTEST_APPLESS_MAIN(ClaimsTest)
#include "tst_claims.moc"
