#include "model/catalogue.h"
#include "model/clock.h"
#include "model/stores.h"
#include "project/envelope.h"
#include "project/projectdocument.h"
#include "tests/support/sampleproject.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(ProjectCheck)

namespace
{

const QString version = QStringLiteral("v2.0.2");

const char workedExample[] =
    R"({"AirConditioner": [],"CreateTime": "08-12-2026 10:15:00","DNDMUR": [],"DigitalIO": [],)"
    R"("EnergySaving": [],"Lighting": [{"ControlOut-C1": "ENABLE","ControlOut-C2": "DISABLE",)"
    R"("ControlOut-C3": "DISABLE","ControlOut-C4": "DISABLE","ControlOut-C5": "DISABLE",)"
    R"("ControlOut-C6": "DISABLE","ControlOut-C7": "DISABLE","ControlOut-C8": "DISABLE",)"
    R"("ControlType": "ON/OFF","DebounceTime": "50 ms","Input": "IN3",)"
    R"("OutputControlPriority": "","name": "Entrance"}],"Logic": [],"MasterOff": [],)"
    R"("PlatformType": "MV211","Shutter": [],"Version": "v2.0.2","VoltageInput": [],)"
    R"("Welcome": [{"ControlOut-C1": "ENABLE","ControlOut-C2": "DISABLE",)"
    R"("ControlOut-C3": "DISABLE","ControlOut-C4": "DISABLE","ControlOut-C5": "DISABLE",)"
    R"("ControlOut-C6": "DISABLE","ControlOut-C7": "DISABLE","ControlOut-C8": "DISABLE",)"
    R"("name": "Welcome-1"}]})";

void resetCatalogues()
{
    emptyProject();
    for (InputEntry &entry : InputCatalogue::instance().rows())
        entry.useCount = 0;
    for (OutputEntry &entry : OutputCatalogue::instance().rows())
        entry = OutputEntry{entry.id, entry.name, 0, 0, 0, 0};
}

// Non-zero counters and flags of the catalogues, e.g. "IN3" -> "1", "C4" -> "1 locked".
QMap<QString, QString> claims()
{
    QMap<QString, QString> found;
    for (const InputEntry &entry : InputCatalogue::instance().rows()) {
        if (entry.useCount)
            found.insert(entry.name, QString::number(entry.useCount));
    }
    for (const OutputEntry &entry : OutputCatalogue::instance().rows()) {
        QString state;
        if (entry.useCount)
            state = QString::number(entry.useCount);
        if (entry.pulseUseCount)
            state += QStringLiteral(" pulse");
        if (entry.masterOffLocked && entry.welcomeLocked)
            state += QStringLiteral(" locked");
        if (!state.isEmpty())
            found.insert(entry.name, state);
    }
    return found;
}

QJsonObject parse(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).object();
}

QByteArray acceptedDocument(const QByteArray &members)
{
    return R"({"PlatformType": "MV211", "Version": "v2.0.2")" +
           (members.isEmpty() ? QByteArray() : ", " + members) + "}";
}

int importedCount(const ImportedNames &names)
{
    return names.shutter.size() + names.logic.size() + names.lighting.size() +
           names.digitalIO.size() + names.dndMur.size() + names.energySaving.size() +
           names.airCon.size() + names.voltageInput.size() + names.masterOff.size() +
           names.welcome.size();
}

QByteArray randomBytes(QRandomGenerator &generator, int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

// Runs a full import of whatever the bytes hold and checks that giving the
// project back leaves no claim behind.
void importAndEmpty(const QByteArray &bytes)
{
    const ProjectFileContent content = checkProjectBytes(bytes, version);
    if (content.check == ProjectCheck::Accepted)
        rebuildProject(content.document);
    emptyProject();
    for (const InputEntry &entry : InputCatalogue::instance().rows())
        QCOMPARE(entry.useCount, 0u);
    for (const OutputEntry &entry : OutputCatalogue::instance().rows()) {
        QCOMPARE(entry.useCount, 0u);
        QCOMPARE(entry.pulseUseCount, 0u);
    }
}

} // namespace

class ProjectFormatTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetCatalogues(); }
    void cleanup() { Clock::release(); }

    void workedExampleIsByteExact();
    void spaceRunsLoseTheirPairs_data();
    void spaceRunsLoseTheirPairs();
    void elementsHaveTheControllersKeys();
    void lightingOutputsConvertBothWays();
    void numbersReadSafely_data();
    void numbersReadSafely();
    void wholeProjectSurvivesTextAndCipher();

    void fileChecks_data();
    void fileChecks();
    void oversizedAndEndlessFilesAreRefused();
    void unopenableFileGivesTheReason();

    void skipRules_data();
    void skipRules();
    void claimsMatchTheEditors();
    void repeatedNamesAreSkippedBeforeClaiming();
    void countLimitsAreNotEnforced();
    void wrongTypesAnywhereNeverBreakTheClaims();
    void randomAndDamagedFilesNeverBreakTheImport();
    void hugeInputsStayFast();
};

void ProjectFormatTest::workedExampleIsByteExact()
{
    LightingRecord entrance;
    entrance.name = QStringLiteral("Entrance");
    entrance.Input = QStringLiteral("IN3");
    entrance.DebounceTime = QStringLiteral("50 ms");
    entrance.ControlType = QStringLiteral("ON/OFF");
    entrance.outputC1 = QStringLiteral("C1");
    lightingStore().add(entrance);
    WelcomeRecord welcome;
    welcome.name = QStringLiteral("Welcome-1");
    for (int n = 1; n <= 8; ++n)
        welcome.controlOut(n) = n == 1 ? QStringLiteral("ENABLE") : QStringLiteral("DISABLE");
    welcomeStore().add(welcome);
    Clock::fix(QDateTime(QDate(2026, 12, 8), QTime(10, 15, 0)));

    const QByteArray text =
        projectText(buildProjectDocument(QStringLiteral("MV211"), version, Clock::now()));
    QCOMPARE(text, QByteArray(workedExample));
    QCOMPARE(text.size(), 802);

    QByteArray file = text;
    QVERIFY(encryptProjectData(file));
    QCOMPARE(file.size(), 816);
    QVERIFY(decryptProjectData(file));
    QCOMPARE(file, text + QByteArray(14, ' '));
}

void ProjectFormatTest::spaceRunsLoseTheirPairs_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("one") << "A B" << QByteArray(R"({"name": "A B"})");
    QTest::newRow("two") << "A  B" << QByteArray(R"({"name": "AB"})");
    QTest::newRow("three") << "A   B" << QByteArray(R"({"name": "A B"})");
    QTest::newRow("five") << "A     B" << QByteArray(R"({"name": "A B"})");
    QTest::newRow("non-ASCII") << QString::fromUtf8("Küche  灯")
                               << QByteArray(R"({"name": "Küche灯"})");
}

void ProjectFormatTest::spaceRunsLoseTheirPairs()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, text);
    QCOMPARE(projectText(QJsonObject{{QStringLiteral("name"), name}}), text);
}

void ProjectFormatTest::elementsHaveTheControllersKeys()
{
    const auto keysOf = [](const QJsonObject &element) {
        QStringList numbers;
        for (auto it = element.begin(); it != element.end(); ++it) {
            if (it.value().isDouble())
                numbers << it.key();
            else if (!it.value().isString())
                return QStringList{QStringLiteral("unexpected type at ") + it.key()};
        }
        return QStringList{element.keys().join(','), numbers.join(',')};
    };
    const QString outs = QStringLiteral("ControlOut-C1,ControlOut-C2,ControlOut-C3,ControlOut-C4,"
                                        "ControlOut-C5,ControlOut-C6,ControlOut-C7,ControlOut-C8,");
    using namespace SampleProject;

    QCOMPARE(keysOf(toJson(balconyAirCon())),
             (QStringList{"BalconySensorDebounceTime,BalconySensorEnableDisable,ContactType,Input,"
                          "MotionSensorContactType,MotionSensorDebounceTime,"
                          "MotionSensorEnableDisable,MotionSensorInput,OffDelay,OnDelay,Output,"
                          "OutputContactType,OutputControlType,PulseDelay,name",
                          "OffDelay,OnDelay,PulseDelay"}));
    QCOMPARE(keysOf(toJson(dndMur())),
             (QStringList{"BellOutput,ContactType,ControlType,DndDebounceTime,DndInput,DndOutput,"
                          "MurDebounceTime,MurInput,MurOutput,OccupancyOutput,OffDelay,OnDelay,"
                          "name",
                          "OffDelay,OnDelay"}));
    QCOMPARE(keysOf(toJson(digitalIO())),
             (QStringList{"ContactType,DebounceTime,Input,OffDelay,OnDelay,Output,name",
                          "OffDelay,OnDelay"}));
    QCOMPARE(keysOf(toJson(presenceOnlyEnergySaving())),
             (QStringList{"CardHolderDebounceTime,ContactType,ControlType,DoorSensorDebounceTime,"
                          "DoorSensorInput,EnableDisable,Input,MotionSensorContactType,"
                          "MotionSensorDebounceTime,MotionSensorInput,MotionSensorPulseDuration,"
                          "OffDelay,OnDelay,PresenceEnableDisable,name",
                          "MotionSensorPulseDuration,OffDelay,OnDelay"}));
    QCOMPARE(keysOf(toJson(pulseLighting())),
             (QStringList{outs + "ControlType,DebounceTime,Input,OutputControlPriority,name", ""}));
    QCOMPARE(keysOf(toJson(logic())),
             (QStringList{"Input1,Input1ControlType,Input1DebounceTime,Input1Polarity,Input2,"
                          "Input2ControlType,Input2DebounceTime,Input2Polarity,Input3,"
                          "Input3ControlType,Input3DebounceTime,Input3Polarity,LogicType,OffDelay,"
                          "OnDelay,Output,name",
                          "OffDelay,OnDelay"}));
    QCOMPARE(keysOf(toJson(masterOff("M", "IN1", "", {}))),
             (QStringList{outs + "DebounceTime,Input,LedOutput,name", ""}));
    QCOMPARE(keysOf(toJson(shutter())),
             (QStringList{"DownDebounceTime,DownInput,DownOutput,MoveDuration,StepTime,"
                          "UpDebounceTime,UpInput,UpOutput,name",
                          "MoveDuration,StepTime"}));
    QCOMPARE(keysOf(toJson(voltageInput())),
             (QStringList{"DebounceTime,Input,OffDelay,OnDelay,Output,name", "OffDelay,OnDelay"}));
    QCOMPARE(keysOf(toJson(welcome())), (QStringList{outs + "name", ""}));
}

void ProjectFormatTest::lightingOutputsConvertBothWays()
{
    LightingRecord record = SampleProject::pulseLighting();
    record.outputC5 = QStringLiteral("c5"); // only the exact name counts
    const QJsonObject element = toJson(record);
    QCOMPARE(element.value("ControlOut-C1").toString(), QStringLiteral("ENABLE"));
    QCOMPARE(element.value("ControlOut-C2").toString(), QStringLiteral("DISABLE"));
    QCOMPARE(element.value("ControlOut-C5").toString(), QStringLiteral("DISABLE"));

    QJsonObject read = element;
    read.insert("ControlOut-C2", "enable");
    read.insert("ControlOut-C4", "ENABLE");
    LightingRecord back;
    fromJson(read, back);
    QCOMPARE(
        (QStringList{back.outputC1, back.outputC2, back.outputC3, back.outputC4, back.outputC5}),
        (QStringList{"C1", "", "C3", "C4", ""}));

    // Master Off and Welcome keep whatever text the file holds.
    WelcomeRecord welcome;
    fromJson(QJsonObject{{"name", "W"}, {"ControlOut-C1", "maybe"}}, welcome);
    QCOMPARE(welcome.controlOutC1, QStringLiteral("maybe"));
}

void ProjectFormatTest::numbersReadSafely_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("integer") << QByteArray("600") << 600;
    QTest::newRow("negative") << QByteArray("-7") << -7;
    QTest::newRow("largest") << QByteArray("2147483647") << 2147483647;
    QTest::newRow("smallest") << QByteArray("-2147483648") << int(-2147483648LL);
    QTest::newRow("one above") << QByteArray("2147483648") << 0;
    QTest::newRow("one below") << QByteArray("-2147483649") << 0;
    QTest::newRow("huge") << QByteArray("1e300") << 0;
    QTest::newRow("huge integer") << QByteArray("123456789012345678901234567890") << 0;
    QTest::newRow("fraction") << QByteArray("12.9") << 12;
    QTest::newRow("text") << QByteArray("\"12\"") << 0;
    QTest::newRow("null") << QByteArray("null") << 0;
    QTest::newRow("bool") << QByteArray("true") << 0;
    QTest::newRow("array") << QByteArray("[5]") << 0;
}

void ProjectFormatTest::numbersReadSafely()
{
    QFETCH(QByteArray, value);
    QFETCH(int, expected);
    ShutterRecord record;
    fromJson(parse(R"({"MoveDuration": )" + value + "}"), record);
    QCOMPARE(record.MoveDuration, expected);
    QCOMPARE(record.StepTime, 0); // missing
}

void ProjectFormatTest::wholeProjectSurvivesTextAndCipher()
{
    SampleProject::fill();
    const SampleProject::Snapshot before;
    QByteArray file = projectText(buildProjectDocument("MV210", version, Clock::now()));
    encryptProjectData(file);

    const ProjectFileContent content = checkProjectBytes(file, version);
    QCOMPARE(content.check, ProjectCheck::Accepted);
    QCOMPARE(content.platformType, QStringLiteral("MV210"));
    QCOMPARE(platformFromType(content.platformType), Platform::MV210);
    emptyProject();
    const ImportedNames names = rebuildProject(content.document);
    QVERIFY(SampleProject::Snapshot() == before);
    QCOMPARE(names.airCon, (QStringList{"AC-1", "AC-2"}));
    QCOMPARE(names.lighting, (QStringList{"Hall Lights", QString::fromUtf8("Küche Licht")}));
    QCOMPARE(importedCount(names), 13);
}

void ProjectFormatTest::fileChecks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ProjectCheck>("check");
    const QByteArray deep = QByteArray(5000, '[') + QByteArray(5000, ']');
    QByteArray exampleFile(workedExample);
    encryptProjectData(exampleFile);

    QTest::newRow("empty") << QByteArray() << ProjectCheck::NotValid;
    QTest::newRow("spaces") << QByteArray(32, ' ') << ProjectCheck::NotValid;
    QTest::newRow("array at top") << QByteArray("[]") << ProjectCheck::NotValid;
    QTest::newRow("string at top") << QByteArray("\"v2.0.2\"") << ProjectCheck::NotValid;
    QTest::newRow("truncated") << QByteArray(workedExample).left(401) << ProjectCheck::NotValid;
    QTest::newRow("deep nesting") << acceptedDocument(R"("Logic": )" + deep)
                                  << ProjectCheck::NotValid;
    QTest::newRow("no platform") << QByteArray(R"({"Version": "v2.0.2"})")
                                 << ProjectCheck::NoPlatformType;
    QTest::newRow("empty platform") << QByteArray(R"({"PlatformType": "", "Version": "v2.0.2"})")
                                    << ProjectCheck::NoPlatformType;
    QTest::newRow("numeric platform") << QByteArray(R"({"PlatformType": 211, "Version": "v2.0.2"})")
                                      << ProjectCheck::NoPlatformType;
    QTest::newRow("no version") << QByteArray(R"({"PlatformType": "MV211"})")
                                << ProjectCheck::WrongVersion;
    QTest::newRow("version case") << QByteArray(R"({"PlatformType": "MV211", "Version": "V2.0.2"})")
                                  << ProjectCheck::WrongVersion;
    QTest::newRow("too many functions")
        << acceptedDocument(R"("Welcome": [)" + QByteArray("{},").repeated(maxElementsPerType) +
                            "{}]")
        << ProjectCheck::NotValid;
    QTest::newRow("plain, not whole blocks") << QByteArray(workedExample) << ProjectCheck::Accepted;
    QTest::newRow("plain, padded to whole blocks")
        << QByteArray(workedExample) + QByteArray(14, ' ') << ProjectCheck::NotValid;
    QTest::newRow("enciphered") << exampleFile << ProjectCheck::Accepted;
    QTest::newRow("enciphered, last block cut")
        << exampleFile.left(exampleFile.size() - 16) << ProjectCheck::NotValid;
}

void ProjectFormatTest::fileChecks()
{
    QFETCH(QByteArray, bytes);
    QFETCH(ProjectCheck, check);
    const ProjectFileContent content = checkProjectBytes(bytes, version);
    QCOMPARE(content.check, check);
    if (check == ProjectCheck::Accepted)
        QCOMPARE(content.platformType, QStringLiteral("MV211"));
}

void ProjectFormatTest::oversizedAndEndlessFilesAreRefused()
{
    QTemporaryDir dir;
    QFile big(dir.filePath("big.rccfg"));
    QVERIFY(big.open(QIODevice::WriteOnly));
    QVERIFY(big.resize(maxProjectFileSize + 1));
    big.close();
    QCOMPARE(readProjectFile(big.fileName(), version).check, ProjectCheck::NotValid);

    if (QFile::exists("/dev/zero")) // a device without a size and without an end
        QCOMPARE(readProjectFile("/dev/zero", version).check, ProjectCheck::NotValid);
}

void ProjectFormatTest::unopenableFileGivesTheReason()
{
    QTemporaryDir dir;
    const ProjectFileContent content = readProjectFile(dir.filePath("missing.rccfg"), version);
    QCOMPARE(content.check, ProjectCheck::CannotOpen);
    QVERIFY(!content.errorText.isEmpty());
}

void ProjectFormatTest::skipRules_data()
{
    QTest::addColumn<QByteArray>("member");
    QTest::addColumn<bool>("imported");
    const auto row = [](const char *tag, const char *member, bool imported) {
        QTest::newRow(tag) << QByteArray(member) << imported;
    };
    row("lighting, all outputs off",
        R"("Lighting": [{"name": "L", "Input": "IN3", "ControlOut-C1": "DISABLE"}])", false);
    row("lighting, output in lower case",
        R"("Lighting": [{"name": "L", "Input": "IN3", "ControlOut-C1": "enable"}])", false);
    row("lighting, input in lower case",
        R"("Lighting": [{"name": "L", "Input": "in3", "ControlOut-C1": "ENABLE"}])", false);
    row("lighting", R"("Lighting": [{"name": "L", "Input": "IN3", "ControlOut-C8": "ENABLE"}])",
        true);
    row("logic, unknown third input",
        R"("Logic": [{"name": "G", "Input1": "IN1", "Input2": "IN2", "Input3": "IN99",)"
        R"( "Output": "C1"}])",
        true);
    row("logic, no second input", R"("Logic": [{"name": "G", "Input1": "IN1", "Output": "C1"}])",
        false);
    row("shutter, unknown down output",
        R"("Shutter": [{"name": "S", "UpInput": "IN1", "DownInput": "IN2", "UpOutput": "C1",)"
        R"( "DownOutput": "C9"}])",
        false);
    row("digital I/O, no output", R"("DigitalIO": [{"name": "D", "Input": "IN1"}])", false);
    row("voltage input", R"("VoltageInput": [{"name": "V", "Input": "CH2", "Output": "C2"}])",
        true);
    row("DND/MUR without bell or occupancy",
        R"("DNDMUR": [{"name": "N", "DndInput": "CH1", "MurInput": "CH2", "DndOutput": "DND",)"
        R"( "MurOutput": "MUR"}])",
        true);
    row("DND/MUR, unknown bell",
        R"("DNDMUR": [{"name": "N", "DndInput": "CH1", "MurInput": "CH2", "DndOutput": "DND",)"
        R"( "MurOutput": "MUR", "BellOutput": "C9"}])",
        false);
    row("DND/MUR, unknown occupancy",
        R"("DNDMUR": [{"name": "N", "DndInput": "CH1", "MurInput": "CH2", "DndOutput": "DND",)"
        R"( "MurOutput": "MUR", "OccupancyOutput": "BELL"}])",
        false);
    row("energy saving, name only", R"("EnergySaving": [{"name": "E"}])", true);
    row("energy saving, unknown card holder input",
        R"("EnergySaving": [{"name": "E", "Input": "IN22"}])", false);
    row("energy saving, unknown door input",
        R"("EnergySaving": [{"name": "E", "Input": "IN21", "DoorSensorInput": "DOOR"}])", false);
    row("air conditioner without balcony", R"("AirConditioner": [{"name": "A", "Output": "C1"}])",
        true);
    row("air conditioner, unknown balcony input",
        R"("AirConditioner": [{"name": "A", "Input": "AIR C.IN1", "Output": "C1"}])", false);
    row("air conditioner, no output", R"("AirConditioner": [{"name": "A", "Input": "AIR C. IN1"}])",
        false);
    row("master off without LED", R"("MasterOff": [{"name": "M", "Input": "IN1"}])", true);
    row("master off, unknown LED",
        R"("MasterOff": [{"name": "M", "Input": "IN1", "LedOutput": "LED"}])", false);
    row("welcome", R"("Welcome": [{"name": "W"}])", true);
    row("welcome, empty name", R"("Welcome": [{"name": ""}])", false);
    row("welcome, numeric name", R"("Welcome": [{"name": 1}])", false);
    row("element not an object", R"("Welcome": ["W"])", false);
    row("member not an array", R"("Welcome": {"name": "W"})", false);
}

void ProjectFormatTest::skipRules()
{
    QFETCH(QByteArray, member);
    QFETCH(bool, imported);
    const ImportedNames names = rebuildProject(parse(acceptedDocument(member)));
    QCOMPARE(importedCount(names), imported ? 1 : 0);
    if (!imported)
        QCOMPARE(claims(), (QMap<QString, QString>{}));
}

void ProjectFormatTest::claimsMatchTheEditors()
{
    SampleProject::fill();
    const QByteArray text = projectText(buildProjectDocument("MV211", version, Clock::now()));
    emptyProject();
    rebuildProject(parse(text));

    // Shutter outputs, bell, occupancy and Master Off LED are locked for Master
    // Off and Welcome; PULSE lighting outputs count their pulse users.
    const QMap<QString, QString> expected{
        {"IN1", "1"},        {"IN2", "1"},      {"IN3", "1"},       {"IN4", "1"},
        {"IN5", "1"},        {"IN6", "1"},      {"IN7", "1"},       {"IN8", "1"},
        {"IN9", "1"},        {"IN10", "1"},     {"IN11", "1"},      {"CH1", "1"},
        {"AIR C. IN1", "1"}, {"DND IN", "1"},   {"MUR IN", "1"},    {"C1", "1 pulse"},
        {"C2", "2 locked"},  {"C3", "1 pulse"}, {"C4", "1 locked"}, {"C5", "1 locked"},
        {"C6", "2 locked"},  {"C7", "1"},       {"C8", "2 locked"}, {"DND", "1"},
        {"MUR", "1"},        {"AIR CON1", "1"}, {"AIR CON2", "1"}};
    QCOMPARE(claims(), expected);
}

void ProjectFormatTest::repeatedNamesAreSkippedBeforeClaiming()
{
    const ImportedNames names = rebuildProject(
        parse(acceptedDocument(R"("DigitalIO": [{"name": "D", "Input": "IN1", "Output": "C1"},)"
                               R"({"name": "D", "Input": "IN2", "Output": "C2"},)"
                               R"({"name": "d", "Input": "IN3", "Output": "C3"}])")));
    QCOMPARE(names.digitalIO, (QStringList{"D", "d"}));
    QCOMPARE(digitalIOStore().find("D")->Input, QStringLiteral("IN1"));
    QCOMPARE(claims(),
             (QMap<QString, QString>{{"IN1", "1"}, {"IN3", "1"}, {"C1", "1"}, {"C3", "1"}}));
}

void ProjectFormatTest::countLimitsAreNotEnforced()
{
    QByteArray masterOffs;
    for (int i = 1; i <= 5; ++i)
        masterOffs += QString(R"({"name": "M%1", "Input": "IN%1"},)").arg(i).toUtf8();
    masterOffs.chop(1);
    const ImportedNames names = rebuildProject(parse(acceptedDocument(
        R"("MasterOff": [)" + masterOffs + R"(], "Welcome": [{"name": "W1"}, {"name": "W2"}])")));
    QCOMPARE(names.masterOff, (QStringList{"M1", "M2", "M3", "M4", "M5"}));
    QCOMPARE(masterOffStore().size(), 5);
    QCOMPARE(names.welcome.size(), 2);
}

// Every member of every element replaced by every wrong JSON type: the import
// takes or skips the element, and the claims it makes are the ones released.
void ProjectFormatTest::wrongTypesAnywhereNeverBreakTheClaims()
{
    SampleProject::fill();
    const QJsonObject document = buildProjectDocument("MV211", version, Clock::now());
    emptyProject();
    const QJsonValue wrongValues[] = {
        QJsonValue(5),
        QJsonValue(true),
        QJsonValue(),
        QJsonArray{1},
        QJsonObject{{"a", 1}},
        QString::fromUtf8("ÄÖÜ") + QChar(0) + QString::fromUtf8("\xF0\x9F\x92\xA1")};
    for (auto member = document.begin(); member != document.end(); ++member) {
        if (!member.value().isArray())
            continue;
        const QJsonObject element = member.value().toArray().first().toObject();
        for (auto field = element.begin(); field != element.end(); ++field) {
            for (const QJsonValue &wrong : wrongValues) {
                QJsonObject broken = element;
                broken.insert(field.key(), wrong);
                QJsonObject hostile = document;
                hostile.insert(member.key(), QJsonArray{broken, wrong});
                importAndEmpty(QJsonDocument(hostile).toJson());
            }
        }
        for (const QJsonValue &wrong : wrongValues) {
            QJsonObject hostile = document;
            hostile.insert(member.key(), wrong);
            importAndEmpty(QJsonDocument(hostile).toJson());
        }
    }
}

void ProjectFormatTest::randomAndDamagedFilesNeverBreakTheImport()
{
    SampleProject::fill();
    const QByteArray text = projectText(buildProjectDocument("MV211", version, Clock::now()));
    emptyProject();
    QByteArray file = text;
    encryptProjectData(file);
    QRandomGenerator generator(4711);

    for (int length = 0; length <= text.size(); length += 7)
        importAndEmpty(text.left(length));
    for (int length = 0; length <= file.size(); length += 16)
        importAndEmpty(file.left(length));
    for (int round = 0; round < 300; ++round)
        importAndEmpty(randomBytes(generator, generator.bounded(2000)));
    for (int round = 0; round < 300; ++round) {
        QByteArray damaged = text;
        for (int flips = generator.bounded(1, 4); flips > 0; --flips)
            damaged[generator.bounded(damaged.size())] = char(generator.bounded(256));
        importAndEmpty(damaged);
    }
}

void ProjectFormatTest::hugeInputsStayFast()
{
    QElapsedTimer timer;
    timer.start();
    // Nearly 16 MiB of one array, and of one object with distinct keys.
    const int count = (maxProjectFileSize - 100) / 2;
    const QByteArray zeros = QByteArray("0,").repeated(count - 1) + "0";
    QCOMPARE(checkProjectBytes(acceptedDocument(R"("Lighting": [)" + zeros + "]"), version).check,
             ProjectCheck::NotValid);

    QByteArray keys;
    for (int i = 0; keys.size() < maxProjectFileSize - 100; ++i)
        keys += "\"k" + QByteArray::number(i) + "\":0,";
    keys.chop(1);
    QCOMPARE(checkProjectBytes(acceptedDocument(R"("Welcome": [{)" + keys + "}]"), version).check,
             ProjectCheck::Accepted);

    // The most functions a type may hold, all with distinct names.
    QByteArray welcomes;
    for (int i = 0; i < maxElementsPerType; ++i)
        welcomes += "{\"name\": \"W" + QByteArray::number(i) + "\"},";
    welcomes.chop(1);
    const ProjectFileContent content =
        checkProjectBytes(acceptedDocument(R"("Welcome": [)" + welcomes + "]"), version);
    QCOMPARE(content.check, ProjectCheck::Accepted);
    QCOMPARE(rebuildProject(content.document).welcome.size(), maxElementsPerType);
    QVERIFY2(timer.elapsed() < 60000, qPrintable(QString::number(timer.elapsed())));
}

QTEST_APPLESS_MAIN(ProjectFormatTest)

#include "tst_projectformat.moc"
