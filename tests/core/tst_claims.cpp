#include "model/claims.h"
#include "model/terminals.h"
#include "tests/support/blankproject.h"
#include "tests/support/sampleproject.h"

#include <QtTest>

Q_DECLARE_METATYPE(ClaimSet)
Q_DECLARE_METATYPE(Platform)

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

// What each function type holds, as the editors and import claim it, and the
// terminal map built from those claims.
class ClaimsTest : public QObject
{
    Q_OBJECT

private slots:
    void releaseUndoesClaimButKeepsLocks_data();
    void releaseUndoesClaimButKeepsLocks();
    void terminalMapShowsEveryRole_data();
    void terminalMapShowsEveryRole();
    void terminalMapMarksWhatThePlatformLacks_data();
    void terminalMapMarksWhatThePlatformLacks();
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

void ClaimsTest::terminalMapShowsEveryRole_data()
{
    QTest::addColumn<QString>("terminal");
    QTest::addColumn<QString>("summary");
    auto row = [](const char *terminal, const QStringList &lines) {
        QTest::newRow(terminal) << terminal << lines.join('\n');
    };
    // A second "PULSE" function on C1, which Master Off and Welcome control: all four are listed.
    row("C1", {"C1 \u2014 output, held", "Lighting \"Hall Lights\" (PULSE): output",
               "Lighting \"Shared\" (PULSE): output",
               "controlled by Master Off \"Master Off-1\", Welcome \"Welcome-1\""});
    row("IN1", {"IN1 \u2014 input, held", "Lighting \"Hall Lights\": input, 100 ms"});
    row("C2", {"C2 \u2014 output, held", "Lighting \"K\u00fcche Licht\": output",
               "controlled by Welcome \"Welcome-1\""});
    row("IN3", {"IN3 \u2014 input, held", "Shutter/Blind \"Blind-1\": up input, 250 ms"});
    row("C5", {"C5 \u2014 output, locked against Master Off and Welcome",
               "Shutter/Blind \"Blind-1\": down output"});
    row("IN5", {"IN5 \u2014 input, held", "Digital I/O \"Door Relay\": input, 30 ms, NC"});
    row("IN8", {"IN8 \u2014 input, held", "Logic \"Logic-1\": input 3, 250 ms"});
    row("C7", {"C7 \u2014 output, held", "Logic \"Logic-1\": output",
               "controlled by Master Off \"Master Off-1\""});
    row("CH1", {"CH1 \u2014 input, held", "Voltage Input \"Voltage-1\": input, 500 ms"});
    row("IN9",
        {"IN9 \u2014 input, held", "Energy Saving \"Energy Saving-1\": door sensor, 100 ms"});
    // The motion sensor is shared and held by none; the second Air Conditioner has it off.
    row("SENSOR IN", {"SENSOR IN \u2014 input, held",
                      "Energy Saving \"Energy Saving-1\": motion sensor, 150 ms, NO",
                      "Air Conditioner \"AC-1\": motion sensor, 150 ms, NO"});
    row("AIR C. IN1",
        {"AIR C. IN1 \u2014 input, held", "Air Conditioner \"AC-1\": balcony sensor, 1000 ms, NC"});
    row("AIR CON2", {"AIR CON2 \u2014 output, held", "Air Conditioner \"AC-2\": output, NC"});
    row("MUR IN", {"MUR IN \u2014 input, held", "DND/MUR \"DND/MUR-1\": MUR input, 30 ms, NC"});
    row("DND", {"DND \u2014 output, held", "DND/MUR \"DND/MUR-1\": DND output"});
    row("IN11", {"IN11 \u2014 input, held", "Master Off \"Master Off-2\": input, 20 ms"});
    row("C3", {"C3 \u2014 output, held", "Master Off \"Master Off-1\": LED"});
    row("IN21",
        {"IN21 \u2014 input, held", "Energy Saving \"Energy Saving-1\": card holder, 75 ms, NC"});
    row("C13", {"C13 \u2014 output, free"});
}

void ClaimsTest::terminalMapShowsEveryRole()
{
    QFETCH(QString, terminal);
    QFETCH(QString, summary);
    resetToBlankProject();
    SampleProject::fill();
    lightingStore().add(
        {"Shared", "IN12", "20 ms", "PULSE", "Active", "C1", "", "", "", "", "", "", ""});
    SampleProject::claim();
    const QVector<Terminal> terminals = terminalView(Platform::MV211);
    QCOMPARE(terminals.size(), 34);
    const auto found = std::find_if(terminals.cbegin(), terminals.cend(),
                                    [&](const Terminal &t) { return t.name == terminal; });
    QVERIFY(found != terminals.cend());
    QCOMPARE(terminalSummary(*found, 12), summary);
    resetToBlankProject();
}

void ClaimsTest::terminalMapMarksWhatThePlatformLacks_data()
{
    QTest::addColumn<Platform>("platform");
    QTest::addColumn<QStringList>("absent");
    QStringList small;
    for (int n = 3; n <= 13; ++n)
        small << QStringLiteral("IN%1").arg(n);
    for (int n = 2; n <= 8; ++n)
        small << QStringLiteral("C%1").arg(n);
    QTest::newRow("MV210") << Platform::MV210 << small;
    QTest::newRow("MV211") << Platform::MV211 << QStringList();
}

void ClaimsTest::terminalMapMarksWhatThePlatformLacks()
{
    QFETCH(Platform, platform);
    QFETCH(QStringList, absent);
    resetToBlankProject();
    QStringList found;
    for (const Terminal &terminal : terminalView(platform)) {
        if (!terminal.offered)
            found << terminal.name;
        QCOMPARE(onWiringSheet(terminal), terminal.offered);
    }
    QCOMPARE(found, absent);
}

QTEST_APPLESS_MAIN(ClaimsTest)
#include "tst_claims.moc"
