#include "report/configurationreport.h"

#include <QtTest>
#include <utility>

// Expected texts are assembled from literals with a padding helper of the
// test's own (QString::leftJustified), not with the stream the report uses.
namespace
{

using Cell = std::pair<QString, int>;

QString row(std::initializer_list<Cell> cells)
{
    QString line;
    for (const Cell &cell : cells)
        line += cell.first.leftJustified(cell.second);
    return line + QLatin1Char('\n');
}

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

QString title(const QString &text, int before, int after)
{
    return blanks(before) + text + blanks(after) + QLatin1Char('\n');
}

const QString rule = QString(210, QLatin1Char('-')) + QLatin1Char('\n');

const QDateTime moment(QDate(2024, 2, 1), QTime(13, 4, 5));

const QString heading = blanks(85) + "ZAREN800 Room Controller Configuration\n" + blanks(86) +
                        "\n" + "MV211" + "    v2.0.2     " + "01-02-2024 13:04:05 " + "\n";

// Empty stores of every type, filled per test.
struct Project {
    FunctionStore<LightingRecord> lighting;
    FunctionStore<ShutterRecord> shutter;
    FunctionStore<DigitalIORecord> digitalIO;
    FunctionStore<LogicRecord> logic;
    FunctionStore<VoltageInputRecord> voltageInput;
    FunctionStore<EnergySavingRecord> energySaving;
    FunctionStore<AirConRecord> airCon;
    FunctionStore<DndMurRecord> dndMur;
    FunctionStore<MasterOffRecord> masterOff;
    FunctionStore<WelcomeRecord> welcome;

    QString report(const QString &platform = QStringLiteral("MV211")) const
    {
        const ReportSource source{lighting,     shutter, digitalIO, logic,     voltageInput,
                                  energySaving, airCon,  dndMur,    masterOff, welcome};
        return buildConfigurationReport(source, platform, QStringLiteral("v2.0.2"), moment);
    }
};

LightingRecord lighting(const QString &name, const QString &controlType, const QString &priority)
{
    LightingRecord r;
    r.name = name;
    r.Input = "IN3";
    r.DebounceTime = "50 ms";
    r.ControlType = controlType;
    r.OutputControlPriority = priority;
    r.outputC1 = "C1";
    r.outputC4 = "C4";
    return r;
}

LogicRecord logic(const QString &input3)
{
    LogicRecord r;
    r.name = "Logic-1";
    r.Input1 = "IN1";
    r.Input1DebounceTime = "20 ms";
    r.Input1Polarity = "Normal";
    r.Input1ControlType = "ON/OFF";
    r.Input2 = "IN2";
    r.Input2DebounceTime = "1000 ms";
    r.Input2Polarity = "Inverted";
    r.Input2ControlType = "PULSE";
    r.Input3 = input3;
    r.Input3DebounceTime = "30 ms";
    r.Input3Polarity = "Normal";
    r.Input3ControlType = "ON/OFF";
    r.Output = "C2";
    r.LogicType = "NXOR";
    r.OnDelay = 0;
    r.OffDelay = 999999;
    return r;
}

EnergySavingRecord energySaving(const QString &cardHolder, const QString &presence,
                                const QString &doorInput)
{
    EnergySavingRecord r;
    r.name = "EnergySaving-1";
    r.EnableDisable = cardHolder;
    r.Input = "IN4";
    r.CardHolderDebounceTime = "100 ms";
    r.ControlType = "PULSE";
    r.ContactType = "NC";
    r.PresenceEnableDisable = presence;
    r.MotionSensorInput = "Sensor";
    r.MotionSensorContactType = "NO";
    r.MotionSensorDebounceTime = "250 ms";
    r.MotionSensorPulseDuration = 30;
    r.DoorSensorInput = doorInput;
    r.DoorSensorDebounceTime = "75 ms";
    r.OnDelay = 1;
    r.OffDelay = 120;
    return r;
}

MasterOffRecord masterOff(const QString &led)
{
    MasterOffRecord r;
    r.name = "MasterOff-1";
    r.Input = "IN7";
    r.DebounceTime = "500 ms";
    r.LedOutput = led;
    for (int n = 1; n <= 8; ++n)
        r.controlOut(n) = "DISABLE";
    r.controlOutC1 = "ENABLE";
    r.controlOutC3 = "ENABLE";
    return r;
}

// Compares report texts line by line, so that a failure names the first
// differing line and column instead of a truncated 1000-character string.
void compareReport(const QString &actual, const QString &expected)
{
    const QStringList actualLines = actual.split('\n');
    const QStringList expectedLines = expected.split('\n');
    for (int i = 0; i < qMin(actualLines.size(), expectedLines.size()); ++i) {
        const QString &a = actualLines.at(i);
        const QString &e = expectedLines.at(i);
        int column = 0;
        while (column < a.size() && column < e.size() && a.at(column) == e.at(column))
            ++column;
        const QString where = QString("line %1, column %2").arg(i + 1).arg(column + 1);
        QVERIFY2(a == e, qPrintable(where + ": \"" + a.mid(column, 40) + "\" instead of \"" +
                                    e.mid(column, 40) + "\""));
    }
    QCOMPARE(actualLines.size(), expectedLines.size());
}

} // namespace

class ReportTest : public QObject
{
    Q_OBJECT

private slots:
    void emptyProjectIsTheHeadingAlone();
    void lightingFollowsTheHeadingDirectly();
    void welcomeAlonePrecededByEmptyLine();
    void sectionsKeepTheirOrderAndSpacing();
    void shutterWritesUnitsAfterNumbers();
    void logicThirdInputUnused();
    void energySavingDisabledParts();
    void airConDisabledSensors();
    void dndMurOptionalOutputsUnused();
    void masterOffCellsAndMissingLed();
    void longValueShiftsOnlyItsOwnRow();
};

void ReportTest::emptyProjectIsTheHeadingAlone()
{
    const Project project;
    compareReport(project.report(), heading);
    QCOMPARE(project.report("MV210"), QString(heading).replace("MV211", "MV210"));
    QCOMPARE(heading.count('\n'), 3);
}

void ReportTest::lightingFollowsTheHeadingDirectly()
{
    Project project;
    // An ON/OFF record carrying a priority (as an import may deliver) shows none.
    project.lighting.add(lighting("Lighting-1", "ON/OFF", "Active"));
    project.lighting.add(lighting("Lighting-2", "PULSE", "LastState"));

    const QString expected =
        heading + title("LIGHTING", 101, 101) + "Name" + blanks(16) +
        "Input | DebounceTime | Control Type | Output Control Priority | Outputs To Be "
        "Controlled\n" +
        "Lighting-1          IN3     50 ms          ON/OFF                                   "
        "C1       C4             \n" +
        "Lighting-2          IN3     50 ms          PULSE          LastState                 "
        "C1       C4             \n" +
        rule;
    compareReport(project.report(), expected);
}

void ReportTest::welcomeAlonePrecededByEmptyLine()
{
    Project project;
    WelcomeRecord welcome;
    welcome.name = "Welcome-1";
    for (int n = 1; n <= 8; ++n)
        welcome.controlOut(n) = (n == 2 || n == 8) ? "ENABLE" : "DISABLE";
    project.welcome.add(welcome);

    const QString expected = heading + "\n" + title("WELCOME", 101, 102) + "Name" + blanks(16) +
                             "Outputs To Be Controlled\n" + "Welcome-1" + blanks(11) +
                             "   C2                C8 \n" + rule;
    compareReport(project.report(), expected);
}

void ReportTest::sectionsKeepTheirOrderAndSpacing()
{
    Project project;
    // Filled in reverse of the report order, to show the order is the report's own.
    WelcomeRecord welcome;
    welcome.name = "W";
    project.welcome.add(welcome);
    project.masterOff.add(masterOff(""));
    DndMurRecord dndMur;
    dndMur.name = "D";
    project.dndMur.add(dndMur);
    AirConRecord airCon;
    airCon.name = "A";
    project.airCon.add(airCon);
    project.energySaving.add(energySaving("ENABLE", "ENABLE", "IN9"));
    VoltageInputRecord voltage;
    voltage.name = "V";
    project.voltageInput.add(voltage);
    project.logic.add(logic(""));
    DigitalIORecord digitalIO;
    digitalIO.name = "DIO";
    project.digitalIO.add(digitalIO);
    ShutterRecord shutter;
    shutter.name = "S";
    project.shutter.add(shutter);
    project.lighting.add(lighting("L", "PULSE", "Active"));

    const QStringList lines = project.report().split('\n');
    const QStringList titles = {"LIGHTING",      "SHUTTER/BLIND", "DIGITALIO",       "LOGIC",
                                "VOLTAGE INPUT", "ENERGY SAVING", "AIR CONDITIONER", "DND/MUR",
                                "MASTER OFF",    "WELCOME"};
    // Heading (3 lines), then per section: [empty], title, headings, one row, rule.
    int line = 3;
    for (const QString &name : titles) {
        if (name != "LIGHTING")
            QCOMPARE(lines.at(line++), QString());
        QCOMPARE(lines.at(line).trimmed(), name);
        QCOMPARE(lines.at(line).size(), 210);
        line += 3;
        QCOMPARE(lines.at(line++), QString(210, '-'));
    }
    QCOMPARE(lines.at(line), QString()); // the text ends with the last rule's line feed
    QCOMPARE(lines.size(), line + 1);
}

void ReportTest::shutterWritesUnitsAfterNumbers()
{
    Project project;
    ShutterRecord r;
    r.name = "Shutter-1";
    r.UpInput = "IN1";
    r.UpDebounceTime = "20 ms";
    r.UpOutput = "C1";
    r.DownInput = "IN2";
    r.DownDebounceTime = "3000 ms";
    r.DownOutput = "C2";
    r.MoveDuration = 5;
    r.StepTime = 300;
    project.shutter.add(r);

    const QString expected =
        heading + "\n" + title("SHUTTER/BLIND", 98, 99) + "Name" + blanks(16) +
        "Up-Input | Up-Debounce Time | Up-Output | Down-Input | Down-Debounce Time | "
        "Down-Output | Movement Duration | Step Time\n" +
        row({{"Shutter-1", 20},
             {"IN1", 11},
             {"20 ms", 19},
             {"C1", 12},
             {"IN2", 13},
             {"3000 ms", 21},
             {"C2", 14},
             {"5 sec", 20},
             {"300 ms", 9}}) +
        rule;
    compareReport(project.report(), expected);
}

void ReportTest::logicThirdInputUnused()
{
    Project project;
    project.logic.add(logic(""));
    LogicRecord full = logic("IN3");
    full.name = "Logic-2";
    project.logic.add(full);

    const auto logicRow = [](const QString &name, const QString &in3, const QString &deb3,
                             const QString &pol3, const QString &ctrl3) {
        return row({{name, 20},
                    {"IN1", 7},
                    {"20 ms", 13},
                    {"Normal", 10},
                    {"ON/OFF", 15},
                    {"IN2", 7},
                    {"1000 ms", 13},
                    {"Inverted", 10},
                    {"PULSE", 15},
                    {in3, 7},
                    {deb3, 13},
                    {pol3, 10},
                    {ctrl3, 15},
                    {"C2", 6},
                    {"NXOR", 13},
                    {"0 sec", 12},
                    {"999999 sec", 9}});
    };
    const QString expected =
        heading + "\n" + title("LOGIC", 102, 103) + "Name" + blanks(16) +
        "In1  | In1 Deb Tm | In1 Pol | In1 Ctrl Typ | In2  | In2 Deb Tm | In2 Pol | In2 Ctrl "
        "Typ | In3  | In3 Deb Tm | In3 Pol | In3 Ctrl Typ | Out | Logic Type | On Delay  | "
        "Off Delay\n" +
        logicRow("Logic-1", "unused", "unused", "unused", "unused") +
        logicRow("Logic-2", "IN3", "30 ms", "Normal", "ON/OFF") + rule;
    compareReport(project.report(), expected);
}

void ReportTest::energySavingDisabledParts()
{
    const QString headings =
        "Name" + blanks(16) +
        "CardH. E/D | Input | CardH. Deb Tm | Contl Ty | Contt Ty | Pres S E/D | Mot S Input | "
        "Mot S Contt Ty | Mot S Deb Tm | Mot S Pul Dur | Door S Inp | Door S Deb Tm | On Delay  "
        "| Off Delay\n";
    const auto energyRow = [](std::initializer_list<QString> middle) {
        const int widths[] = {13, 8, 16, 11, 11, 13, 14, 17, 15, 16, 13, 16};
        QString line = QString("EnergySaving-1").leftJustified(20);
        int i = 0;
        for (const QString &cell : middle)
            line += cell.leftJustified(widths[i++]);
        return line + row({{"1 sec", 12}, {"120 sec", 9}});
    };
    const QString sectionStart = heading + "\n" + title("ENERGY SAVING", 98, 99) + headings;

    Project cardHolderOff;
    cardHolderOff.energySaving.add(energySaving("DISABLE", "ENABLE", "IN9"));
    compareReport(cardHolderOff.report(),
                  sectionStart +
                      energyRow({"DISABLE", "unused", "unused", "unused", "unused", "ENABLE",
                                 "Sensor", "NO", "250 ms", "30 sec", "IN9", "75 ms"}) +
                      rule);

    Project presenceOff;
    presenceOff.energySaving.add(energySaving("ENABLE", "DISABLE", "IN9"));
    compareReport(presenceOff.report(),
                  sectionStart +
                      energyRow({"ENABLE", "IN4", "100 ms", "PULSE", "NC", "DISABLE", "unused",
                                 "unused", "unused", "unused", "unused", "unused"}) +
                      rule);

    // Without a door input the door debounce time is still shown.
    Project noDoor;
    noDoor.energySaving.add(energySaving("ENABLE", "ENABLE", ""));
    compareReport(noDoor.report(),
                  sectionStart +
                      energyRow({"ENABLE", "IN4", "100 ms", "PULSE", "NC", "ENABLE", "Sensor", "NO",
                                 "250 ms", "30 sec", "unused", "75 ms"}) +
                      rule);
}

void ReportTest::airConDisabledSensors()
{
    Project project;
    AirConRecord r;
    r.name = "AirCon-1";
    r.BalconySensorEnableDisable = "DISABLE";
    r.Input = "AC1";
    r.ContactType = "NO";
    r.BalconySensorDebounceTime = "40 ms";
    r.MotionSensorEnableDisable = "ENABLE";
    r.MotionSensorInput = "Sensor";
    r.MotionSensorContactType = "NC";
    r.MotionSensorDebounceTime = "750 ms";
    r.Output = "ACO1";
    r.OutputControlType = "PULSE";
    r.OutputContactType = "NO";
    r.PulseDelay = 130;
    r.OnDelay = 2;
    r.OffDelay = 3;
    project.airCon.add(r);
    r.name = "AirCon-2";
    r.BalconySensorEnableDisable = "ENABLE";
    r.MotionSensorEnableDisable = "disable"; // anything but "ENABLE" counts as off
    project.airCon.add(r);

    const auto airConRow = [](const QString &name, std::initializer_list<QString> sensors) {
        const int widths[] = {13, 12, 11, 16, 12, 14, 17, 15};
        QString line = name.leftJustified(20);
        int i = 0;
        for (const QString &cell : sensors)
            line += cell.leftJustified(widths[i++]);
        return line + row({{"ACO1", 10},
                           {"PULSE", 15},
                           {"NO", 15},
                           {"130 ms", 12},
                           {"2 sec", 12},
                           {"3 sec", 9}});
    };
    const QString expected =
        heading + "\n" + title("AIR CONDITIONER", 97, 98) + "Name" + blanks(16) +
        "Balc S E/D | Balc S In | Contt Ty | Balc S Deb Tm | Mot S E/D | Mot S Input | Mot S "
        "Contt Ty | Mot S Deb Tm | Output  | Out Contl Ty | Out Contt Ty | Pulse Dly | On Delay  "
        "| Off Delay\n" +
        airConRow("AirCon-1",
                  {"DISABLE", "unused", "unused", "unused", "ENABLE", "Sensor", "NC", "750 ms"}) +
        airConRow("AirCon-2",
                  {"ENABLE", "AC1", "NO", "40 ms", "DISABLE", "unused", "unused", "unused"}) +
        rule;
    compareReport(project.report(), expected);
}

void ReportTest::dndMurOptionalOutputsUnused()
{
    Project project;
    DndMurRecord r;
    r.name = "DndMur-1";
    r.DndInput = "DND";
    r.DndDebounceTime = "50 ms";
    r.DndOutput = "DNDO";
    r.MurInput = "MUR";
    r.MurDebounceTime = "20 ms";
    r.MurOutput = "MURO";
    r.ControlType = "ON/OFF";
    r.ContactType = "NO";
    r.OnDelay = 0;
    r.OffDelay = 10;
    project.dndMur.add(r);

    const QString expected =
        heading + "\n" + title("DND/MUR", 101, 102) + "Name" + blanks(16) +
        "Input-DND | Input-DND Debounce Time | Output-DND | Input-MUR | Input-MUR Debounce Time "
        "| Output-MUR | Control Type | Contact Type | Bell Output | Occ. Output | On Delay  | Off "
        "Delay\n" +
        row({{"DndMur-1", 20},
             {"DND", 12},
             {"50 ms", 26},
             {"DNDO", 13},
             {"MUR", 12},
             {"20 ms", 26},
             {"MURO", 13},
             {"ON/OFF", 15},
             {"NO", 15},
             {"unused", 14},
             {"unused", 14},
             {"0 sec", 12},
             {"10 sec", 9}}) +
        rule;
    compareReport(project.report(), expected);
}

void ReportTest::masterOffCellsAndMissingLed()
{
    Project project;
    project.masterOff.add(masterOff(""));
    MasterOffRecord withLed = masterOff("C8");
    withLed.name = "MasterOff-2";
    project.masterOff.add(withLed);

    const QString expected =
        heading + "\n" + title("MASTER OFF", 100, 100) + "Name" + blanks(16) +
        "Input | Input Debounce Time | Led Output | Outputs To Be Controlled\n" +
        "MasterOff-1         IN7     500 ms                unused       C1    "
        "C3                \n" +
        "MasterOff-2         IN7     500 ms                C8           C1    "
        "C3                \n" +
        rule;
    compareReport(project.report(), expected);
}

void ReportTest::longValueShiftsOnlyItsOwnRow()
{
    Project project;
    LightingRecord longest = lighting("Eighteen-chars-abc", "PULSE", "Active");
    project.lighting.add(longest);
    LightingRecord overlong = lighting("A-name-of-twenty-five-ch", "PULSE", "Passive");
    overlong.Input = "IN10-long";
    project.lighting.add(overlong);
    project.lighting.add(lighting("Lighting-3", "PULSE", "Active"));

    const QString tail = "C1       C4             \n";
    const QString expected =
        heading + title("LIGHTING", 101, 101) + "Name" + blanks(16) +
        "Input | DebounceTime | Control Type | Output Control Priority | Outputs To Be "
        "Controlled\n" +
        "Eighteen-chars-abc  IN3     50 ms          PULSE          Active                    " +
        tail +
        // Each overlong value is written whole and pushes what follows.
        "A-name-of-twenty-five-chIN10-long50 ms          PULSE          Passive                  "
        " " +
        tail +
        "Lighting-3          IN3     50 ms          PULSE          Active                    " +
        tail + rule;
    compareReport(project.report(), expected);
}

QTEST_GUILESS_MAIN(ReportTest)
#include "tst_report.moc"
