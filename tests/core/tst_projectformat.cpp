#include "model/catalogue.h"
#include "model/clock.h"
#include "model/consistency.h"
#include "model/stores.h"
#include "project/envelope.h"
#include "project/projectdocument.h"
#include "project/recovery.h"
#include "tests/support/blankproject.h"
#include "tests/support/sampleproject.h"

#include <QJsonArray>
#include <QJsonDocument>
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

QByteArray document(const QByteArray &members)
{
    return R"({"PlatformType": "MV211", "Version": "v2.0.2", )" + members + "}";
}

QJsonObject parse(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).object();
}

// Every claimed catalogue row, e.g. "IN3 1", "C4 1 locked", "C1 1 pulse".
QStringList claims()
{
    QStringList found;
    for (const InputEntry &e : InputCatalogue::instance().rows()) {
        if (e.useCount)
            found << QString("%1 %2").arg(e.name).arg(e.useCount);
    }
    for (const OutputEntry &e : OutputCatalogue::instance().rows()) {
        if (e.useCount)
            found << QString("%1 %2%3%4")
                         .arg(e.name)
                         .arg(e.useCount)
                         .arg(e.pulseUseCount ? " pulse" : "")
                         .arg(e.masterOffLocked && e.welcomeLocked ? " locked" : "");
    }
    return found;
}

// Imports whatever the bytes hold; giving the project back must leave no claim.
void importAndEmpty(const QByteArray &bytes)
{
    const ProjectFileContent content = checkProjectBytes(bytes, version);
    if (content.check == ProjectCheck::Accepted)
        rebuildProject(content.document);
    releaseAllRecords();
    QCOMPARE(claims(), QStringList());
}

} // namespace

class ProjectFormatTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetToBlankProject(); }
    void cleanup() { Clock::release(); }

    void workedExampleIsByteExact();
    void spaceRunsLoseTheirPairs();
    void elementsHaveTheControllersKeys();
    void numbersReadSafely();
    void fileChecks_data();
    void fileChecks();
    void oversizedAndEndlessFilesAreRefused();
    void skipRules_data();
    void skipRules();
    void claimsMatchTheEditors();
    void repeatedNamesAreSkippedBeforeClaiming();
    void countLimitsAreNotEnforced();
    void wrongTypesAnywhereKeepClaimsInStep();
    void randomAndDamagedFilesKeepClaimsInStep();
    void hugeInputsStayFast();
    void recoveryCopiesKeepToTheirPlaces();
};

void ProjectFormatTest::workedExampleIsByteExact()
{
    lightingStore().add(
        {"Entrance", "IN3", "50 ms", "ON/OFF", "", "C1", "", "", "", "", "", "", ""});
    welcomeStore().add({"Welcome-1", "ENABLE", "DISABLE", "DISABLE", "DISABLE", "DISABLE",
                        "DISABLE", "DISABLE", "DISABLE"});
    Clock::fix(QDateTime(QDate(2026, 12, 8), QTime(10, 15, 0)));

    const QByteArray text = projectText(buildProjectDocument("MV211", version, Clock::now()));
    QCOMPARE(text, QByteArray(workedExample));
    QCOMPARE(text.size(), 802);
    QByteArray file = text;
    QVERIFY(encryptProjectData(file));
    QCOMPARE(file.size(), 816);
    QVERIFY(decryptProjectData(file));
    QCOMPARE(file, text + QByteArray(14, ' '));
}

void ProjectFormatTest::spaceRunsLoseTheirPairs()
{
    const auto text = [](const char *name) {
        return projectText(QJsonObject{{"name", QString::fromUtf8(name)}});
    };
    QCOMPARE(text("A  B"), QByteArray(R"({"name": "AB"})"));
    QCOMPARE(text("A   B"), QByteArray(R"({"name": "A B"})"));
    QCOMPARE(text("Küche     灯"), QByteArray(R"({"name": "Küche 灯"})"));
}

// The controller reads these keys; numbers are marked '#'.
void ProjectFormatTest::elementsHaveTheControllersKeys()
{
    const QString outs = "ControlOut-C1,ControlOut-C2,ControlOut-C3,ControlOut-C4,ControlOut-C5,"
                         "ControlOut-C6,ControlOut-C7,ControlOut-C8,";
    const QStringList expected{
        "AirConditioner: BalconySensorDebounceTime,BalconySensorEnableDisable,ContactType,Input,"
        "MotionSensorContactType,MotionSensorDebounceTime,MotionSensorEnableDisable,"
        "MotionSensorInput,OffDelay#,OnDelay#,Output,OutputContactType,OutputControlType,"
        "PulseDelay#,name",
        "DNDMUR: BellOutput,ContactType,ControlType,DndDebounceTime,DndInput,DndOutput,"
        "MurDebounceTime,MurInput,MurOutput,OccupancyOutput,OffDelay#,OnDelay#,name",
        "DigitalIO: ContactType,DebounceTime,Input,OffDelay#,OnDelay#,Output,name",
        "EnergySaving: CardHolderDebounceTime,ContactType,ControlType,DoorSensorDebounceTime,"
        "DoorSensorInput,EnableDisable,Input,MotionSensorContactType,MotionSensorDebounceTime,"
        "MotionSensorInput,MotionSensorPulseDuration#,OffDelay#,OnDelay#,PresenceEnableDisable,"
        "name",
        "Lighting: " + outs + "ControlType,DebounceTime,Input,OutputControlPriority,name",
        "Logic: Input1,Input1ControlType,Input1DebounceTime,Input1Polarity,Input2,"
        "Input2ControlType,Input2DebounceTime,Input2Polarity,Input3,Input3ControlType,"
        "Input3DebounceTime,Input3Polarity,LogicType,OffDelay#,OnDelay#,Output,name",
        "MasterOff: " + outs + "DebounceTime,Input,LedOutput,name",
        "Shutter: DownDebounceTime,DownInput,DownOutput,MoveDuration#,StepTime#,UpDebounceTime,"
        "UpInput,UpOutput,name",
        "VoltageInput: DebounceTime,Input,OffDelay#,OnDelay#,Output,name",
        "Welcome: " + outs + "name"};
    SampleProject::fill();
    const QJsonObject project = buildProjectDocument("MV211", version, Clock::now());
    QStringList found;
    for (auto member = project.begin(); member != project.end(); ++member) {
        const QJsonObject element = member.value().toArray().first().toObject();
        QStringList keys;
        for (auto it = element.begin(); it != element.end(); ++it)
            keys << it.key() + (it.value().isDouble() ? "#" : it.value().isString() ? "" : "?");
        if (!keys.isEmpty())
            found << member.key() + ": " + keys.join(',');
    }
    QCOMPARE(found, expected);
}

void ProjectFormatTest::numbersReadSafely()
{
    const QPair<const char *, int> cases[] = {{"600", 600},
                                              {"2147483647", 2147483647},
                                              {"-2147483648", int(-2147483648LL)},
                                              {"2147483648", 0},
                                              {"-2147483649", 0},
                                              {"1e300", 0},
                                              {"3.0", 3},
                                              {"1.7", 0},
                                              {"-0.5", 0},
                                              {"1e-300", 0},
                                              {"\"12\"", 0},
                                              {"null", 0}};
    for (const auto &c : cases) {
        ShutterRecord record;
        fromJson(parse(QByteArray(R"({"MoveDuration": )") + c.first + "}"), record);
        QCOMPARE(record.MoveDuration, c.second);
        QCOMPARE(record.StepTime, 0); // missing
    }
}

void ProjectFormatTest::fileChecks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ProjectCheck>("check");
    QTest::addColumn<QString>("reason");
    QByteArray exampleFile(workedExample);
    encryptProjectData(exampleFile);
    QByteArray garbled = exampleFile;
    garbled[0] = char(garbled[0] ^ 1);
    const auto row = [](const char *tag, const QByteArray &bytes, ProjectCheck check,
                        const char *reason = "") {
        QTest::newRow(tag) << bytes << check << QString::fromUtf8(reason);
    };
    row("empty", "", ProjectCheck::NotValid, "the file is empty");
    row("array at top", "[]", ProjectCheck::NotValid,
        "2 bytes is not a whole number of 16-byte blocks, and the text is a JSON array, not an "
        "object");
    row("truncated", QByteArray(workedExample).left(401), ProjectCheck::NotValid,
        "401 bytes is not a whole number of 16-byte blocks, and the text is not JSON: "
        "unterminated string at offset 402");
    row("garbled block", garbled, ProjectCheck::NotValid,
        "the deciphered text is not JSON: illegal value at offset 1");
    row("deep nesting", document(R"("Logic": )" + QByteArray(5000, '[') + QByteArray(5000, ']')),
        ProjectCheck::NotValid);
    row("too many functions",
        document(R"("Welcome": [)" + QByteArray("{},").repeated(maxElementsPerType) + "{}]"),
        ProjectCheck::NotValid, "Welcome holds 1,001 functions; at most 1,000 are read");
    row("no platform", R"({"Version": "v2.0.2"})", ProjectCheck::NoPlatformType,
        "PlatformType is missing");
    row("numeric platform", R"({"PlatformType": 211, "Version": "v2.0.2"})",
        ProjectCheck::NoPlatformType, "PlatformType is not text");
    row("no version", R"({"PlatformType": "MV211"})", ProjectCheck::WrongVersion,
        "this file carries no version; this program reads only \"v2.0.2\", and the two must "
        "match exactly");
    row("version case", R"({"PlatformType": "MV211", "Version": "V2.0.2"})",
        ProjectCheck::WrongVersion,
        "this file was written by \"V2.0.2\"; this program reads only \"v2.0.2\", and the two "
        "must match exactly");
    row("plain, not whole blocks", workedExample, ProjectCheck::Accepted);
    row("plain, padded to whole blocks", workedExample + QByteArray(14, ' '),
        ProjectCheck::Accepted);
    row("plain in whole blocks, broken", QByteArray(workedExample).left(800),
        ProjectCheck::NotValid,
        "the text deciphers to no JSON, and as it stands it is not JSON: unterminated array at "
        "offset 800");
    row("enciphered", exampleFile, ProjectCheck::Accepted);
}

void ProjectFormatTest::fileChecks()
{
    QFETCH(QByteArray, bytes);
    QFETCH(ProjectCheck, check);
    QFETCH(QString, reason);
    const ProjectFileContent content = checkProjectBytes(bytes, version);
    QCOMPARE(content.check, check);
    // Every refusal says why; rows without a reason only check that one is given.
    QCOMPARE(content.reason.isEmpty(), check == ProjectCheck::Accepted);
    if (!reason.isEmpty())
        QCOMPARE(content.reason, reason);
    // A parsed document stays readable even when refused (the companion tool shows it).
    const bool parsed = check != ProjectCheck::NotValid;
    QCOMPARE(content.document.isEmpty(), !parsed);
}

void ProjectFormatTest::oversizedAndEndlessFilesAreRefused()
{
    QTemporaryDir dir;
    QFile big(dir.filePath("big.rccfg"));
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(maxProjectFileSize + 1));
    big.close();
    const ProjectFileContent content = readProjectFile(big.fileName(), version);
    QCOMPARE(content.check, ProjectCheck::NotValid);
    QCOMPARE(
        rejectionDetails(big.fileName(), content),
        "File: " + big.fileName() +
            "\nReason: the file is larger than 16,777,216 bytes, the most a project file holds");
    if (QFile::exists("/dev/zero")) // no size and no end
        QCOMPARE(readProjectFile("/dev/zero", version).check, ProjectCheck::NotValid);
}

void ProjectFormatTest::skipRules_data()
{
    QTest::addColumn<QByteArray>("member");
    QTest::addColumn<int>("imported");
    const auto row = [](const char *tag, const QByteArray &member, int imported) {
        QTest::newRow(tag) << member << imported;
    };
    const QByteArray dnd = R"("DndInput": "CH1", "MurInput": "CH2", "DndOutput": "DND", )"
                           R"("MurOutput": "MUR"}])";
    row("lighting, outputs off",
        R"("Lighting": [{"name": "L", "Input": "IN3", "ControlOut-C1": "DISABLE"}])", 0);
    row("lighting, output in lower case",
        R"("Lighting": [{"name": "L", "Input": "IN3", "ControlOut-C1": "enable"}])", 0);
    row("lighting", R"("Lighting": [{"name": "L", "Input": "IN3", "ControlOut-C8": "ENABLE"}])", 1);
    row("logic, unknown third input",
        R"("Logic": [{"name": "G", "Input1": "IN1", "Input2": "IN2", "Input3": "X", "Output": "C1"}])",
        1);
    row("shutter, unknown down output",
        R"("Shutter": [{"name": "S", "UpInput": "IN1", "DownInput": "IN2", "UpOutput": "C1",)"
        R"( "DownOutput": "C9"}])",
        0);
    row("DND/MUR", R"("DNDMUR": [{"name": "N", )" + dnd, 1);
    row("DND/MUR, unknown bell", R"("DNDMUR": [{"name": "N", "BellOutput": "C9", )" + dnd, 0);
    row("DND/MUR, unknown occupancy",
        R"("DNDMUR": [{"name": "N", "OccupancyOutput": "BELL", )" + dnd, 0);
    row("energy saving, name only", R"("EnergySaving": [{"name": "E"}])", 1);
    row("energy saving, unknown card holder", R"("EnergySaving": [{"name": "E", "Input": "X"}])",
        0);
    row("energy saving, unknown door",
        R"("EnergySaving": [{"name": "E", "Input": "IN21", "DoorSensorInput": "X"}])", 0);
    row("air con without balcony", R"("AirConditioner": [{"name": "A", "Output": "C1"}])", 1);
    row("air con, unknown balcony",
        R"("AirConditioner": [{"name": "A", "Input": "AIR C.IN1", "Output": "C1"}])", 0);
    row("master off without LED", R"("MasterOff": [{"name": "M", "Input": "IN1"}])", 1);
    row("master off, unknown LED",
        R"("MasterOff": [{"name": "M", "Input": "IN1", "LedOutput": "LED"}])", 0);
    row("welcome, empty name", R"("Welcome": [{"name": ""}])", 0);
    row("element not an object", R"("Welcome": ["W"])", 0);
    row("member not an array", R"("Welcome": {"name": "W"})", 0);
}

void ProjectFormatTest::skipRules()
{
    QFETCH(QByteArray, member);
    QFETCH(int, imported);
    const ImportedNames names = rebuildProject(parse(document(member)));
    const int count = names.shutter.size() + names.logic.size() + names.lighting.size() +
                      names.dndMur.size() + names.energySaving.size() + names.airCon.size() +
                      names.masterOff.size() + names.welcome.size();
    QCOMPARE(count, imported);
    if (!imported)
        QCOMPARE(claims(), QStringList());
}

void ProjectFormatTest::claimsMatchTheEditors()
{
    SampleProject::fill();
    // Welcome may control a Master Off LED (C3) in the editors, so also when read back.
    welcomeStore().find(QStringLiteral("Welcome-1"))->controlOutC3 = QStringLiteral("ENABLE");
    const QByteArray text = projectText(buildProjectDocument("MV211", version, Clock::now()));
    releaseAllRecords();
    rebuildProject(parse(text));
    // Shutter outputs are locked for Master Off and Welcome, the Master Off LED
    // is not; PULSE lighting outputs count their pulse users.
    QCOMPARE(claims(),
             (QStringList{"IN1 1",       "IN2 1",        "IN3 1",     "IN4 1",    "IN5 1",
                          "IN6 1",       "IN7 1",        "IN8 1",     "IN9 1",    "IN10 1",
                          "IN11 1",      "AIR C. IN1 1", "DND IN 1",  "MUR IN 1", "CH1 1",
                          "IN21 1",      "C1 1 pulse",   "C2 1",      "C3 1",     "C4 1 locked",
                          "C5 1 locked", "C6 1",         "C7 1",      "C8 1",     "DND 1",
                          "MUR 1",       "AIR CON1 1",   "AIR CON2 1"}));
    QCOMPARE(checkConsistency(), QStringList());
}

void ProjectFormatTest::repeatedNamesAreSkippedBeforeClaiming()
{
    const ImportedNames names = rebuildProject(
        parse(document(R"("DigitalIO": [{"name": "D", "Input": "IN1", "Output": "C1"},)"
                       R"({"name": "D", "Input": "IN2", "Output": "C2"},)"
                       R"({"name": "d", "Input": "IN3", "Output": "C3"}])")));
    QCOMPARE(names.digitalIO, (QStringList{"D", "d"}));
    QCOMPARE(digitalIOStore().find("D")->Input, QStringLiteral("IN1"));
    QCOMPARE(claims(), (QStringList{"IN1 1", "IN3 1", "C1 1", "C3 1"}));
}

void ProjectFormatTest::countLimitsAreNotEnforced()
{
    QByteArray masterOffs;
    for (int i = 1; i <= 5; ++i)
        masterOffs += QString(R"({"name": "M%1", "Input": "IN%1"},)").arg(i).toUtf8();
    masterOffs.chop(1);
    const ImportedNames names = rebuildProject(parse(document(
        R"("MasterOff": [)" + masterOffs + R"(], "Welcome": [{"name": "W1"}, {"name": "W2"}])")));
    QCOMPARE(names.masterOff, (QStringList{"M1", "M2", "M3", "M4", "M5"}));
    QCOMPARE(masterOffStore().size(), 5);
    QCOMPARE(welcomeStore().size(), 2);
}

// Every member of every element, and every type member, replaced by every
// wrong JSON type: the import takes or skips, and what it claims it gives back.
void ProjectFormatTest::wrongTypesAnywhereKeepClaimsInStep()
{
    SampleProject::fill();
    const QJsonObject project = buildProjectDocument("MV211", version, Clock::now());
    releaseAllRecords();
    const QJsonValue wrongValues[] = {5,
                                      true,
                                      QJsonValue(),
                                      QJsonArray{1},
                                      QJsonObject{{"a", 1}},
                                      QString::fromUtf8("ÄÖ") + QChar(0) +
                                          QString::fromUtf8("\xF0\x9F\x92\xA1")};
    for (auto member = project.begin(); member != project.end(); ++member) {
        const QJsonObject element = member.value().toArray().first().toObject();
        for (const QJsonValue &wrong : wrongValues) {
            for (auto field = element.begin(); field != element.end(); ++field) {
                QJsonObject broken = element;
                broken.insert(field.key(), wrong);
                QJsonObject hostile = project;
                hostile.insert(member.key(), QJsonArray{broken, wrong});
                importAndEmpty(QJsonDocument(hostile).toJson());
            }
            QJsonObject hostile = project;
            hostile.insert(member.key(), wrong);
            importAndEmpty(QJsonDocument(hostile).toJson());
        }
    }
}

void ProjectFormatTest::randomAndDamagedFilesKeepClaimsInStep()
{
    SampleProject::fill();
    const QByteArray text = projectText(buildProjectDocument("MV211", version, Clock::now()));
    releaseAllRecords();
    QByteArray file = text;
    encryptProjectData(file);
    QRandomGenerator generator(4711);
    for (int length = 0; length <= text.size(); length += 7)
        importAndEmpty(text.left(length));
    for (int length = 0; length <= file.size(); length += 16)
        importAndEmpty(file.left(length));
    for (int round = 0; round < 300; ++round) {
        QByteArray noise(generator.bounded(2000), Qt::Uninitialized);
        for (char &byte : noise)
            byte = char(generator.bounded(256));
        importAndEmpty(noise);
        QByteArray damaged = text;
        for (int flips = generator.bounded(1, 4); flips > 0; --flips)
            damaged[generator.bounded(damaged.size())] = char(generator.bounded(256));
        importAndEmpty(damaged);
    }
}

// Nearly 16 MiB of one array is refused quickly; a type at its limit still imports.
void ProjectFormatTest::hugeInputsStayFast()
{
    const QByteArray zeros = QByteArray("0,").repeated(maxProjectFileSize / 2 - 100) + "0";
    QCOMPARE(checkProjectBytes(document(R"("Lighting": [)" + zeros + "]"), version).check,
             ProjectCheck::NotValid);

    QByteArray welcomes;
    for (int i = 0; i < maxElementsPerType; ++i)
        welcomes += "{\"name\": \"W" + QByteArray::number(i) + "\"},";
    welcomes.chop(1);
    QCOMPARE(rebuildProject(parse(document(R"("Welcome": [)" + welcomes + "]"))).welcome.size(),
             maxElementsPerType);
}

// Two running programs keep a place each; a copy whose program ended is offered
// once, newest first, and never written over by a program that starts.
void ProjectFormatTest::recoveryCopiesKeepToTheirPlaces()
{
    const QTemporaryDir folder;
    auto first = RecoveryCopy::takeFreePlace(folder.path());
    auto second = RecoveryCopy::takeFreePlace(folder.path());
    QVERIFY(first && second && first->projectPath() != second->projectPath());
    QByteArray bytes = workedExample;
    encryptProjectDataQuietly(bytes);
    QString errorText;
    QVERIFY(first->save(bytes, {"/stick/site.rccfg", Clock::now()}, errorText));
    QVERIFY(!RecoveryCopy::takeLeftOver(folder.path()));
    const QString firstCopy = first->projectPath();
    first.reset();

    QVERIFY(RecoveryCopy::takeFreePlace(folder.path())->projectPath() != firstCopy);
    const auto leftOver = RecoveryCopy::takeLeftOver(folder.path());
    QCOMPARE(leftOver->projectPath(), firstCopy);
    QCOMPARE(leftOver->note().sourcePath, "/stick/site.rccfg");
    QVERIFY(leftOver->summary().startsWith("site.rccfg, 2 functions, ended "));
    QCOMPARE(readProjectFile(firstCopy, version).check, ProjectCheck::Accepted);
    QVERIFY(!RecoveryCopy::takeLeftOver(folder.path()));
    QVERIFY(leftOver->remove(errorText) && !leftOver->exists());
}

QTEST_APPLESS_MAIN(ProjectFormatTest)

#include "tst_projectformat.moc"
