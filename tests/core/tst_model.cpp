#include "model/catalogue.h"
#include "model/projectsnapshot.h"
#include "model/stores.h"
#include "tests/support/blankproject.h"
#include "tests/support/sampleproject.h"

#include <QtTest>

class ModelTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cataloguesAreBuiltOnceWithTheirFixedRows();
    void findIsExactAndCaseSensitive_data();
    void findIsExactAndCaseSensitive();
    void platformOffersGeneralPurposeRows();
    void releaseNeverGoesBelowZero();
    void countersDoNotWrap();
    void storeRefusesRepeatedNameAndKeepsOrder();
    void storeFindsReplacesAndRemoves();
    void releaseRecordsGivesBackEveryClaim();
    void releaseKeepsLockFlags();
    void snapshotPutsBackTheWholeProject();
};

namespace
{

ClaimCount inputUse(const char *name)
{
    return InputCatalogue::instance().find(QString::fromLatin1(name))->useCount;
}

ClaimCount outputUse(const char *name)
{
    return OutputCatalogue::instance().find(QString::fromLatin1(name))->useCount;
}

void claimInput(const QString &name)
{
    ++InputCatalogue::instance().find(name)->useCount;
}

void claimOutput(const QString &name)
{
    ++OutputCatalogue::instance().find(name)->useCount;
}

} // namespace

void ModelTest::init()
{
    resetToBlankProject();
}

void ModelTest::cataloguesAreBuiltOnceWithTheirFixedRows()
{
    InputCatalogue &inputs = InputCatalogue::instance();
    QCOMPARE(&InputCatalogue::instance(), &inputs);
    QCOMPARE(inputs.rows().size(), 21);
    const QStringList inputNames = {
        "IN1",        "IN2",        "IN3",    "IN4",    "IN5",  "IN6",  "IN7",
        "IN8",        "IN9",        "IN10",   "IN11",   "IN12", "IN13", "SENSOR IN",
        "AIR C. IN1", "AIR C. IN2", "DND IN", "MUR IN", "CH1",  "CH2",  "IN21"};
    for (int i = 0; i < inputs.rows().size(); ++i) {
        QCOMPARE(int(inputs.rows().at(i).id), i + 1);
        QCOMPARE(inputs.rows().at(i).name, inputNames.at(i));
    }

    OutputCatalogue &outputs = OutputCatalogue::instance();
    QCOMPARE(&OutputCatalogue::instance(), &outputs);
    const QStringList outputNames = {"C1", "C2",  "C3",  "C4",       "C5",       "C6", "C7",
                                     "C8", "DND", "MUR", "AIR CON1", "AIR CON2", "C13"};
    QCOMPARE(outputs.rows().size(), outputNames.size());
    for (int i = 0; i < outputs.rows().size(); ++i) {
        QCOMPARE(int(outputs.rows().at(i).id), i + 1);
        QCOMPARE(outputs.rows().at(i).name, outputNames.at(i));
    }
}

void ModelTest::findIsExactAndCaseSensitive_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("inputId");
    QTest::addColumn<int>("outputId");
    QTest::newRow("IN21") << "IN21" << 21 << 0;
    QTest::newRow("C13") << "C13" << 0 << 13;
    QTest::newRow("SENSOR IN") << "SENSOR IN" << 14 << 0;
    QTest::newRow("other case") << "Sensor IN" << 0 << 0;
    QTest::newRow("lower case output") << "c1" << 0 << 0;
    QTest::newRow("prefix only") << "IN" << 0 << 0;
    QTest::newRow("trailing blank") << "C1 " << 0 << 0;
    QTest::newRow("empty") << "" << 0 << 0;
}

void ModelTest::findIsExactAndCaseSensitive()
{
    QFETCH(QString, name);
    QFETCH(int, inputId);
    QFETCH(int, outputId);
    const InputEntry *input = InputCatalogue::instance().find(name);
    const OutputEntry *output = OutputCatalogue::instance().find(name);
    QCOMPARE(input ? int(input->id) : 0, inputId);
    QCOMPARE(output ? int(output->id) : 0, outputId);
}

void ModelTest::platformOffersGeneralPurposeRows()
{
    QCOMPARE(offeredInputCount(platformFromIndex(1)), 13);
    QCOMPARE(offeredOutputCount(platformFromIndex(1)), 8);
    QCOMPARE(offeredInputCount(platformFromIndex(0)), 2);
    QCOMPARE(offeredOutputCount(platformFromIndex(0)), 1);
    QCOMPARE(platformFromIndex(-1), Platform::MV211);
}

void ModelTest::releaseNeverGoesBelowZero()
{
    InputCatalogue::instance().release(QStringLiteral("IN3"));
    QCOMPARE(inputUse("IN3"), ClaimCount(0));
    OutputCatalogue::instance().releasePulse(QStringLiteral("C2"));
    QCOMPARE(outputUse("C2"), ClaimCount(0));
    QCOMPARE(OutputCatalogue::instance().find("C2")->pulseUseCount, ClaimCount(0));
    InputCatalogue::instance().release(QString()); // unknown names are ignored
}

void ModelTest::countersDoNotWrap()
{
    OutputEntry *c1 = OutputCatalogue::instance().find(QStringLiteral("C1"));
    for (int i = 0; i < 300; ++i) {
        ++c1->useCount;
        ++c1->pulseUseCount;
    }
    QCOMPARE(c1->useCount, ClaimCount(300));
    OutputCatalogue::instance().releasePulse(QStringLiteral("C1"));
    QCOMPARE(c1->useCount, ClaimCount(299));
    QCOMPARE(c1->pulseUseCount, ClaimCount(299));
}

void ModelTest::storeRefusesRepeatedNameAndKeepsOrder()
{
    FunctionStore<DigitalIORecord> store;
    DigitalIORecord first{QStringLiteral("Door"), "IN1", "50 ms", "C1", "NO", 1, 2};
    DigitalIORecord second{QStringLiteral("Hall"), "IN2", "50 ms", "C2", "NC", 3, 4};
    QVERIFY(store.add(first));
    QVERIFY(store.add(second));
    DigitalIORecord repeat = first;
    repeat.Input = QStringLiteral("IN9");
    QVERIFY(!store.add(repeat));
    QCOMPARE(store.size(), 2);
    QCOMPARE(store.records().at(0), first);
    QCOMPARE(store.records().at(1), second);
}

void ModelTest::storeFindsReplacesAndRemoves()
{
    FunctionStore<WelcomeRecord> store;
    WelcomeRecord record;
    record.name = QStringLiteral("Welcome-1");
    QVERIFY(store.add(record));
    QVERIFY(!store.find(QStringLiteral("welcome-1")));
    store.find(QStringLiteral("Welcome-1"))->controlOutC3 = QStringLiteral("ENABLE");
    QCOMPARE(store.records().first().controlOut(3), QStringLiteral("ENABLE"));

    WelcomeRecord renamed = record;
    renamed.name = QStringLiteral("Arrival");
    QVERIFY(store.replace(QStringLiteral("Welcome-1"), renamed));
    QVERIFY(!store.replace(QStringLiteral("Welcome-1"), renamed));
    QCOMPARE(store.records().first(), renamed);
    QVERIFY(!store.remove(QStringLiteral("Welcome-1")));
    QVERIFY(store.remove(QStringLiteral("Arrival")));
    QVERIFY(store.isEmpty());
}

void ModelTest::releaseRecordsGivesBackEveryClaim()
{
    LightingRecord pulse;
    pulse.name = QStringLiteral("Pulse");
    pulse.Input = QStringLiteral("IN1");
    pulse.ControlType = QStringLiteral("PULSE");
    pulse.outputC1 = QStringLiteral("C1");
    pulse.outputC4 = QStringLiteral("C4");
    lightingStore().add(pulse);
    claimInput(pulse.Input);
    for (const char *name : {"C1", "C4"}) {
        claimOutput(QString::fromLatin1(name));
        ++OutputCatalogue::instance().find(QString::fromLatin1(name))->pulseUseCount;
    }

    LogicRecord logic;
    logic.name = QStringLiteral("Gate");
    logic.Input1 = QStringLiteral("IN2");
    logic.Input2 = QStringLiteral("IN3");
    logic.Output = QStringLiteral("C2");
    logicStore().add(logic);
    claimInput(logic.Input1);
    claimInput(logic.Input2);
    claimOutput(logic.Output);

    DndMurRecord dnd;
    dnd.name = QStringLiteral("DND");
    dnd.DndInput = QStringLiteral("DND IN");
    dnd.MurInput = QStringLiteral("MUR IN");
    dnd.DndOutput = QStringLiteral("DND");
    dnd.MurOutput = QStringLiteral("MUR");
    dnd.BellOutput = QStringLiteral("C5");
    dndMurStore().add(dnd);
    for (const QString &name : {dnd.DndInput, dnd.MurInput})
        claimInput(name);
    for (const QString &name : {dnd.DndOutput, dnd.MurOutput, dnd.BellOutput})
        claimOutput(name);

    QVERIFY(releaseLightingRecords());
    QVERIFY(releaseLogicRecords());
    QVERIFY(releaseDndMurRecords());
    QVERIFY(lightingStore().isEmpty() && logicStore().isEmpty() && dndMurStore().isEmpty());
    for (const InputEntry &entry : InputCatalogue::instance().rows())
        QCOMPARE(entry.useCount, ClaimCount(0));
    for (const OutputEntry &entry : OutputCatalogue::instance().rows()) {
        QCOMPARE(entry.useCount, ClaimCount(0));
        QCOMPARE(entry.pulseUseCount, ClaimCount(0));
    }
}

void ModelTest::releaseKeepsLockFlags()
{
    ShutterRecord shutter{
        QStringLiteral("Blind"), "IN1", "50 ms", "C5", "IN2", "50 ms", "C6", 50, 2000};
    shutterStore().add(shutter);
    for (const char *name : {"C5", "C6"}) {
        OutputEntry *entry = OutputCatalogue::instance().find(QString::fromLatin1(name));
        ++entry->useCount;
        entry->masterOffLocked = 1;
        entry->welcomeLocked = 1;
    }
    releaseAllRecords();
    const OutputEntry *c5 = OutputCatalogue::instance().find(QStringLiteral("C5"));
    QCOMPARE(c5->useCount, ClaimCount(0));
    QCOMPARE(int(c5->masterOffLocked), 1);
    QCOMPARE(int(c5->welcomeLocked), 1);
}

// Stores with their order, counters, the locks of a deleted shutter and the
// Master Off LED memory all come back, whatever happened in between.
void ModelTest::snapshotPutsBackTheWholeProject()
{
    SampleProject::fill();
    SampleProject::claim();
    ShutterRecord shutter = shutterStore().records().first();
    releaseShutterRecords();
    shutter.name = QStringLiteral("Second Blind");
    shutterStore().add(shutter);
    masterOffLedMemory() = QStringLiteral("C3");
    const ProjectSnapshot taken = takeProjectSnapshot();
    const SampleProject::Snapshot records;
    const QVector<OutputEntry> outputs = OutputCatalogue::instance().rows();
    const QVector<InputEntry> inputs = InputCatalogue::instance().rows();

    startBlankProject();
    masterOffLedMemory().clear();
    lightingStore().add(LightingRecord{});
    restoreProjectSnapshot(taken);

    QCOMPARE(masterOffLedMemory(), QStringLiteral("C3"));
    QVERIFY(SampleProject::Snapshot() == records);
    QVERIFY(OutputCatalogue::instance().rows() == outputs);
    QVERIFY(InputCatalogue::instance().rows() == inputs);
}

QTEST_APPLESS_MAIN(ModelTest)
#include "tst_model.moc"
