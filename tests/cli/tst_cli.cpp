#include "app/dialogseam.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "mainwindow.h"
#include "model/clock.h"
#include "model/editorrules.h"
#include "model/stores.h"
#include "model/terminals.h"
#include "project/envelope.h"
#include "project/projectdocument.h"
#include "support/blankproject.h"
#include "support/fullfilesystem.h"
#include "support/sampleproject.h"
#include "support/windowtest.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <cstring>

namespace
{

using DocumentChange = std::function<void(QJsonObject &)>;
using TextEdit = QPair<QByteArray, QByteArray>; // what to replace by what

// What the clock says while a test runs.
const QDateTime runTime(QDate(2027, 1, 2), QTime(3, 4, 5));

struct Run {
    int status;
    QString out;
    QString err;
};

// Runs the tool in-process with its streams pointed at buffers.
Run tool(QStringList arguments)
{
    QBuffer out, err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    Cli::redirectOutput(&out, &err);
    arguments.prepend(QStringLiteral("zaren800-cfg"));
    const int status = ::runTool(arguments);
    Cli::out().flush();
    Cli::err().flush();
    Cli::redirectOutput(nullptr, nullptr);
    return {status, QString::fromUtf8(out.data()), QString::fromUtf8(err.data())};
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The sample project's document as export writes it, with changes made to it.
QJsonObject projectDocument(const DocumentChange &change = {})
{
    resetToBlankProject();
    SampleProject::fill();
    QJsonObject document = buildProjectDocument(QStringLiteral("MV211"), QStringLiteral("v2.0.2"),
                                                QDateTime(QDate(2026, 12, 8), QTime(10, 15)));
    resetToBlankProject();
    if (change)
        change(document);
    return document;
}

QByteArray projectFile(const DocumentChange &change = {})
{
    QByteArray bytes = projectText(projectDocument(change));
    encryptProjectData(bytes);
    return bytes;
}

void setVersion(QJsonObject &document)
{
    document.insert(QStringLiteral("Version"), "V2.0.2");
}

// Sets a member of an element; an undefined value removes it.
void setMember(QJsonObject &document, const char *type, int index, const char *key,
               const QJsonValue &value)
{
    QJsonArray elements = document.value(QLatin1String(type)).toArray();
    QJsonObject element = elements.at(index).toObject();
    if (value.isUndefined())
        element.remove(QLatin1String(key));
    else
        element.insert(QLatin1String(key), value);
    elements[index] = element;
    document.insert(QLatin1String(type), elements);
}

void setDebounce(QJsonObject &document)
{
    setMember(document, "DigitalIO", 0, "DebounceTime", "55 ms");
}

void setSpacedName(QJsonObject &document)
{
    setMember(document, "Lighting", 1, "name", "Hall   Lights");
}

// A file that breaks a rule a Save keeps, and what check says of it.
struct Breach {
    DocumentChange change;
    TextEdit edit;
    QString finding;
};

// Breaches of the pages' own rules: "Member=value" for the type's first
// element, "Type[i].Member=value" for another, joined by ';'.
using T = FunctionType;
using R = EditorRules::Refusal;
const struct {
    T type;
    R refusal;
    const char *members, *finding;
} pageBreaches[] = {
    {T::Welcome, R::NameEmpty, "name=", "import skips it: name is empty"}, // on every page
    {T::Welcome, R::NoControlledOutput,
     "ControlOut-C1=DISABLE;ControlOut-C2=DISABLE;ControlOut-C8=DISABLE",
     "controls no output; the editor refuses to save it (\"Please select at least one"},
    {T::MasterOff, R::NothingToChoose, "Input=CH2", "Input \"CH2\" is not an"},
    {T::MasterOff, R::ChoiceMissing, "Input=", "skips it: Input is empty"},
    {T::MasterOff, R::NoControlledOutput, "ControlOut-C1=DISABLE;ControlOut-C7=DISABLE",
     "\"Master Off-1\": controls no output"},
    {T::MasterOff, R::InputHeld, "Input=IN1", "input IN1 also held by"},
    {T::MasterOff, R::OutputHeld, "LedOutput=C6", "output C6 also held by"},
    {T::MasterOff, R::LedOnlyHolder, "LedOutput=;ControlOut-C3=ENABLE", "C3, which no function"},
    {T::EnergySaving, R::NoFeature,
     "EnableDisable=DISABLE;PresenceEnableDisable=DISABLE;Input=;DoorSensorInput=",
     "has neither the card holder nor the presence sensor on"},
    {T::EnergySaving, R::SensorInputMissing, "DoorSensorInput=", "presence sensor is on without"},
    {T::DndMur, R::NothingToChoose, "DndInput=IN12", "\"IN12\" is not an"},
    {T::DndMur, R::ChoiceMissing, "MurOutput=", "skips it: MurOutput is empty"},
    {T::DndMur, R::SameChoiceTwice, "DndInput=CH2;MurInput=CH2", "input CH2 held twice"},
    {T::AirCon, R::NothingToChoose, "Input=IN12", "Input \"IN12\" is not an"},
    {T::AirCon, R::SensorInputMissing, "Input=", "the balcony sensor is on without its input"},
    {T::AirCon, R::ChoiceMissing, "Output=", "skips it: Output is empty"},
    {T::AirCon, R::SettingMissing, "OutputContactType=", "OutputContactType \"\" is not an"},
    {T::AirCon, R::InputHeld,
     "AirConditioner[1].BalconySensorEnableDisable=ENABLE;AirConditioner[1].Input=AIR C. IN1",
     "input AIR C. IN1 also held by"},
    {T::AirCon, R::OutputHeld, "AirConditioner[1].Output=AIR CON1", "output AIR CON1 also held by"},
    {T::VoltageInput, R::NothingToChoose, "Input=IN12", "\"IN12\" is not an"},
    {T::VoltageInput, R::ChoiceMissing, "Input=", "skips it: Input is empty"},
    {T::VoltageInput, R::InputHeld, "DNDMUR[0].DndInput=CH1", "input CH1 also held by"},
    {T::VoltageInput, R::OutputHeld, "Output=C6", "output C6 also held by"},
    {T::Lighting, R::NothingToChoose, "Input=CH2", "Input \"CH2\" is not an"},
    {T::Lighting, R::ChoiceMissing, "Input=", "skips it: Input is empty"},
    {T::Lighting, R::NoControlledOutput, "ControlOut-C1=DISABLE", "skips it: no output is enabled"},
    {T::Lighting, R::InputHeld, "Input=IN5", "input IN5 also held by"},
    {T::Lighting, R::OutputHeld, "ControlOut-C6=ENABLE", "output C6 also held"},
    {T::Shutter, R::NothingToChoose, "UpInput=CH2", "\"CH2\" is not an"},
    {T::Shutter, R::ChoiceMissing, "UpOutput=", "skips it: UpOutput is empty"},
    {T::Shutter, R::SameChoiceTwice, "DownInput=IN3", "input IN3 held twice"},
    {T::Shutter, R::InputHeld, "UpInput=IN5", "input IN5 also held by"},
    {T::Shutter, R::OutputHeld, "UpOutput=C6", "output C6 also held by"},
    {T::DigitalIO, R::NothingToChoose, "Input=CH2", "Input \"CH2\" is not an"},
    {T::DigitalIO, R::ChoiceMissing, "Output=", "skips it: Output is empty"},
    {T::DigitalIO, R::InputHeld, "Input=IN1", "input IN1 also held by"},
    {T::DigitalIO, R::OutputHeld, "Output=C7", "output C7 also held by"},
    {T::Logic, R::NothingToChoose, "Input1=CH2", "Input1 \"CH2\" is not an"},
    {T::Logic, R::ChoiceMissing, "Input2=", "skips it: Input2 is empty"},
    {T::Logic, R::SameChoiceTwice, "Input3=IN6", "input IN6 held twice"},
    {T::Logic, R::InputHeld, "Input1=IN1", "input IN1 also held by"},
    {T::Logic, R::OutputHeld, "Output=C6", "output C6 also held by"},
};

DocumentChange setMembers(const QString &type, const QString &members)
{
    return [=](QJsonObject &document) {
        static const QRegularExpression place(
            QStringLiteral("^(?:(\\w+)\\[(\\d)\\]\\.)?([^=]+)=(.*)$"));
        for (const QString &member : members.split(QLatin1Char(';'))) {
            const QRegularExpressionMatch m = place.match(member);
            setMember(document, qPrintable(m.captured(1).isEmpty() ? type : m.captured(1)),
                      m.captured(2).toInt(), qPrintable(m.captured(3)), m.captured(4));
        }
    };
}

// Copies of the type's first element up to count elements, renamed unless named.
DocumentChange grow(const QString &type, int count, bool named = false)
{
    return [=](QJsonObject &document) {
        QJsonArray elements = document.value(type).toArray();
        QJsonObject copy = elements.first().toObject();
        while (elements.size() < count) {
            if (!named)
                copy.insert(QStringLiteral("name"), QStringLiteral("Copy %1").arg(elements.size()));
            elements.append(copy);
        }
        document.insert(type, elements);
    };
}

// How a file breaks a refusal: the name rules and the limits alike on every
// page, the rest as the table above says; no finding where nothing does.
Breach breach(T type, R refusal, const QJsonObject &sample)
{
    const QString key = typeLabel(type);
    const QByteArray named = "\"name\": \"" + sample[key][0]["name"].toString().toUtf8();
    if (refusal == R::NameDoubleSpace)
        return {{}, {named, named + "  x"}, "holds two spaces in a row"};
    if (refusal == R::NameTaken)
        return {grow(key, sample[key].toArray().size() + 1, true), {}, "repeats the name of an"};
    if (refusal == R::TooMany)
        return {grow(key, EditorRules::functionLimit(type) + 1), {}, "; the editor saves "};
    for (const auto &page : pageBreaches) {
        if ((page.type == type || page.refusal == R::NameEmpty) && page.refusal == refusal)
            return {setMembers(key, QLatin1String(page.members)), {}, page.finding};
    }
    return {};
}

} // namespace

Q_DECLARE_METATYPE(DocumentChange)
Q_DECLARE_METATYPE(Breach)

// The companion tool, each command on files the test makes.
class CliTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void checkReportsEachKindOfFinding_data();
    void checkReportsEachKindOfFinding();
    void everyRefusalOfASaveIsAFinding_data();
    void everyRefusalOfASaveIsAFinding();
    void diffNamesEachKindOfDifference_data();
    void diffNamesEachKindOfDifference();
    void diffJsonGivesFieldValuesAsJson();
    void unpackThenPackReproducesTheFile();
    void reportEqualsTheWindowsReport();
    void wiringListsEveryTerminal();
    void nothingIsOverwrittenWithoutForce_data();
    void nothingIsOverwrittenWithoutForce();
    void aFullDiskOrOutputFailsAndSaysWhy();
    void everyCommandFollowsTheExitStatusTable_data();
    void everyCommandFollowsTheExitStatusTable();
    void theProgramRunsWithoutADisplay();

private:
    QString write(const QString &name, const QByteArray &bytes);
    // check of the changed sample's file, pack of its JSON: pack's status, or -1 when it erred.
    int checkAndPack(const DocumentChange &change, const TextEdit &edit, Run &checked);

    std::unique_ptr<QTemporaryDir> dir;
};

QString CliTest::write(const QString &name, const QByteArray &bytes)
{
    const QString path = dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void CliTest::init()
{
    dir = std::make_unique<QTemporaryDir>();
    Clock::fix(runTime);
}

void CliTest::cleanup()
{
    Clock::fix(QDateTime());
    resetToBlankProject();
}

void CliTest::checkReportsEachKindOfFinding_data()
{
    using Change = DocumentChange;
    QTest::addColumn<Change>("change");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<TextEdit>("edit"); // of the document's text, for what an object cannot hold
    QTest::addColumn<QStringList>("names"); // of the functions in --json, where a row gives them
    const auto row = [](const char *tag, const Change &change, int status, const QStringList &lines,
                        const TextEdit &edit = {}, const QStringList &names = {}) {
        QTest::newRow(tag) << change << status << lines << edit << names;
    };
    // Members import does not read as written, named by their path.
    const auto member = [](const char *type, int index, const char *key, const QJsonValue &value) {
        return Change([=](QJsonObject &d) { setMember(d, type, index, key, value); });
    };
    row("clean", Change(), 0, {});
    row("skipped element", member("AirConditioner", 1, "Output", "C99"), 1,
        {"AirConditioner[1] \"AC-2\": import skips it: Output \"C99\" is no output"});
    row("input held twice", member("DigitalIO", 0, "Input", "IN1"), 1,
        {"DigitalIO[0] \"Door Relay\": input IN1"});
    row("not on the platform", Change([](QJsonObject &d) {
            d.insert(QStringLiteral("PlatformType"), QStringLiteral("MV210"));
            for (const char *type : {"Shutter", "VoltageInput", "Lighting", "Logic", "MasterOff",
                                     "Welcome", "EnergySaving", "DNDMUR"})
                d.insert(QLatin1String(type), QJsonArray());
        }),
        1,
        {"DigitalIO[0] \"Door Relay\": Input \"IN5\" is not offered on MV210",
         "DigitalIO[0] \"Door Relay\": Output \"C6\" is not offered on MV210"});
    row("editor vocabulary", Change(setDebounce), 1,
        {"DigitalIO[0] \"Door Relay\": DebounceTime \"55 ms\" is not an editor value"});
    row("wrong version", Change(setVersion), 2, {});
    row("fraction", member("AirConditioner", 0, "OffDelay", 1.7), 1,
        {"AirConditioner[0].OffDelay 1.7 is not a whole number; reads as 0"});
    row("number as text", member("DigitalIO", 0, "OffDelay", "5"), 1,
        {"DigitalIO[0].OffDelay \"5\" is text, not a number; reads as 0"});
    row("text, not the range import makes of it", member("Shutter", 0, "MoveDuration", "fifty"), 1,
        {"Shutter[0].MoveDuration \"fifty\" is text, not a number; reads as 0"});
    row("boolean", member("Logic", 0, "Input3", true), 1,
        {"Logic[0].Input3 true is not text; reads as \"\""});
    row("object", member("VoltageInput", 0, "OnDelay", QJsonObject{}), 1,
        {"VoltageInput[0].OnDelay {} is not a number; reads as 0"});
    row("missing", member("DigitalIO", 0, "ContactType", QJsonValue::Undefined), 1,
        {"DigitalIO[0].ContactType is missing; reads as \"\""});
    row("unknown", member("DigitalIO", 0, "Colour", "red"), 1,
        {"DigitalIO[0].Colour is not a member of DigitalIO; import ignores it"});
    row("type not an array",
        Change([](QJsonObject &d) { d.insert(QStringLiteral("Welcome"), "oops"); }), 1,
        {"Welcome \"oops\" is not an array; reads as no functions"});
    row("element not an object",
        Change([](QJsonObject &d) { d.insert(QStringLiteral("Welcome"), QJsonArray{5}); }), 1,
        {"Welcome[0] 5 is not an object; reads as a function with every member empty",
         "Welcome[0] \"\": import skips it: name is empty"});
    row("platform type",
        Change([](QJsonObject &d) { d.insert(QStringLiteral("PlatformType"), "MV999"); }), 1,
        {"PlatformType \"MV999\" is neither \"MV210\" nor \"MV211\"; reads as \"MV211\""});

    // What the text gives twice, and rooms the editors could not have built.
    row("repeated member", Change(), 1,
        {"DigitalIO[0].Input is given more than once: \"IN1\", then \"IN5\"; import reads only "
         "the last"},
        {"\"Input\": \"IN5\"", "\"Input\": \"IN1\",\"Input\": \"IN5\""}, {"Door Relay"});
    row("repeat in a type given again", Change(), 1, {"[0].Input is given", "Lighting is given"},
        {"\"Lighting\": [", "\"Lighting\": [{\"Input\": 1,\"Input\": 2}],\"Lighting\": ["},
        {"", ""});
    row("ON/OFF Lighting, two outputs", member("Lighting", 1, "ControlOut-C8", "ENABLE"), 1,
        {"Lighting[1] \"Küche Licht\": output C8 also held by VoltageInput",
         "Lighting[1] \"Küche Licht\": drives C2, C8; an \"ON/OFF\" Lighting function drives "
         "exactly one output"});
    row("ON/OFF and PULSE Lighting sharing", Change([](QJsonObject &d) {
            setMember(d, "Lighting", 1, "ControlOut-C1", "ENABLE");
            setMember(d, "Lighting", 1, "ControlOut-C2", "DISABLE");
        }),
        1,
        {"Lighting[1] \"Küche Licht\": output C1 also held by Lighting \"Hall Lights\"; only "
         "\"PULSE\" Lighting functions share an output",
         "Welcome[0] \"Welcome-1\": controls C2, which no function holds"});
    row("motion sensor out of step", member("AirConditioner", 0, "MotionSensorContactType", "NC"),
        1,
        {"AirConditioner[0] \"AC-1\": MotionSensorContactType \"NC\" differs from \"NO\" of "
         "EnergySaving \"Energy Saving-1\""});
    row("door sensor, presence off", member("EnergySaving", 0, "PresenceEnableDisable", "DISABLE"),
        1,
        {"EnergySaving[0] \"Energy Saving-1\": DoorSensorInput \"IN9\" is set while the presence "
         "sensor is off"});
    row("balcony input, sensor off", member("AirConditioner", 1, "Input", "AIR C. IN2"), 1,
        {"AirConditioner[1] \"AC-2\": Input \"AIR C. IN2\" is set while the balcony sensor is "
         "off"});
    row("card holder off, its input set", member("EnergySaving", 0, "EnableDisable", "DISABLE"), 1,
        {"EnergySaving[0] \"Energy Saving-1\": Input \"IN21\" is set while the card holder is "
         "off"});
    row("Energy Saving without a feature", Change([](QJsonObject &d) {
            for (const char *key : {"EnableDisable", "PresenceEnableDisable"})
                setMember(d, "EnergySaving", 0, key, "DISABLE");
            for (const char *key : {"Input", "DoorSensorInput"})
                setMember(d, "EnergySaving", 0, key, "");
        }),
        1, {"EnergySaving[0] \"Energy Saving-1\": has neither the card holder nor the presence"});
    row("motion sensor without balcony",
        member("AirConditioner", 1, "MotionSensorEnableDisable", "ENABLE"), 1,
        {"AirConditioner[1] \"AC-2\": the motion sensor is on while the balcony sensor is off"});
    row("more than the editor saves", Change([](QJsonObject &d) {
            QJsonArray welcome = d.value(QStringLiteral("Welcome")).toArray();
            QJsonObject second = welcome.first().toObject();
            second.insert(QStringLiteral("name"), "Welcome-2");
            welcome.append(second);
            d.insert(QStringLiteral("Welcome"), welcome);
        }),
        1, {"Welcome[1] \"Welcome-2\": is Welcome function 2; the editor saves only one"});
    row("name too long", member("DigitalIO", 0, "name", "Door Relay of the hall"), 1,
        {"name \"Door Relay of the hall\" has 22 characters; the name fields take at most 18"});
    row("name with a line break", member("DigitalIO", 0, "name", "Door\nRelay"), 1,
        {"DigitalIO[0] \"Door\\nRelay\": name \"Door\\nRelay\" holds a line break"});
    row("name with two spaces", Change(), 1, {"name \"Door  Relay\" holds two spaces in a row"},
        {"\"Door Relay\"", "\"Door  Relay\""});
    row("ON/OFF Air Conditioner with a pulse delay", member("AirConditioner", 1, "PulseDelay", 530),
        1, {"AirConditioner[1] \"AC-2\": PulseDelay 530 on an \"ON/OFF\" output"});
    row("Master Off on its own LED, as the window allows",
        member("MasterOff", 0, "ControlOut-C3", "ENABLE"), 0, {});
}

// pack refuses what check finds, with the same status; every finding has its place.
int CliTest::checkAndPack(const DocumentChange &change, const TextEdit &edit, Run &checked)
{
    const auto edited = [&edit](QByteArray text) {
        return edit.first.isEmpty() ? text : text.replace(edit.first, edit.second);
    };
    QByteArray file = edited(projectText(projectDocument(change)));
    encryptProjectData(file);
    checked = tool({"check", write(QStringLiteral("site.rccfg"), file)});
    const QString text =
        write(QStringLiteral("site.json"), edited(QJsonDocument(projectDocument(change)).toJson()));
    const QString packed = dir->filePath(QStringLiteral("packed.rccfg"));
    const int status = tool({"pack", text, "-o", packed}).status;
    return QFile::exists(packed) == (status == 0) ? status : -1;
}

void CliTest::checkReportsEachKindOfFinding()
{
    QFETCH(DocumentChange, change);
    QFETCH(int, status);
    QFETCH(QStringList, lines);
    QFETCH(TextEdit, edit);
    QFETCH(QStringList, names);
    Run run;
    QCOMPARE(checkAndPack(change, edit, run), status);
    const QString path = dir->filePath(QStringLiteral("site.rccfg"));
    QCOMPARE(run.status, status);
    const QStringList printed = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(printed.size(), lines.size());
    for (int i = 0; i < lines.size(); ++i)
        QVERIFY2(printed.at(i).startsWith(path + QStringLiteral(": ")) &&
                     printed.at(i).contains(lines.at(i)),
                 qPrintable(printed.at(i)));
    if (status == 2)
        QCOMPARE(run.err, path + QStringLiteral(": this file was written by \"V2.0.2\"; this "
                                                "program reads only \"v2.0.2\", and the two must "
                                                "match exactly\n"));

    const QJsonObject json =
        QJsonDocument::fromJson(tool({"check", "--json", path}).out.toUtf8()).object();
    const QJsonObject checked = json.value(QStringLiteral("files")).toArray().first().toObject();
    const QJsonArray findings = checked.value(QStringLiteral("findings")).toArray();
    QCOMPARE(findings.size(), lines.size());
    for (int i = 0; i < findings.size(); ++i) {
        const QJsonObject finding = findings.at(i).toObject();
        QVERIFY(finding.value(QStringLiteral("path")).toString().startsWith('/'));
        if (!names.isEmpty())
            QCOMPARE(finding.value(QStringLiteral("name")).toString(), names.at(i));
    }
}

// A row for each refusal a page's Save declares: a file breaking it is a finding.
void CliTest::everyRefusalOfASaveIsAFinding_data()
{
    QTest::addColumn<Breach>("breach");
    const QJsonObject sample = projectDocument();
    for (const EditorRules::SaveRefusal &refusal : EditorRules::saveRefusals())
        QTest::newRow(qPrintable(typeLabel(refusal.type) + QStringLiteral(": ") + refusal.text))
            << breach(refusal.type, refusal.refusal, sample);
}

void CliTest::everyRefusalOfASaveIsAFinding()
{
    QFETCH(Breach, breach);
    if (breach.finding.isEmpty())
        QFAIL("no file breaks this refusal here: give it a breach, and check a rule for it");
    Run run;
    QCOMPARE(checkAndPack(breach.change, breach.edit, run), 1);
    QVERIFY2(run.status == 1 && run.out.contains(breach.finding), qPrintable(run.out));
}

void CliTest::diffNamesEachKindOfDifference_data()
{
    using Change = DocumentChange;
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("printed");  // from the sample to the changed project
    QTest::addColumn<QString>("reversed"); // and back
    QTest::newRow("changed field") << Change([](QJsonObject &d) {
        d.insert(QStringLiteral("CreateTime"), "01-01-2030 00:00:00");
        setMember(d, "Logic", 0, "OffDelay", 40);
    }) << "Logic \"Logic-1\": OffDelay 4 -> 40\n"
                                   << "Logic \"Logic-1\": OffDelay 40 -> 4\n";
    QTest::newRow("removed, added") << Change([](QJsonObject &d) {
        d.insert("AirConditioner", QJsonArray{d.value("AirConditioner").toArray().last()});
    }) << "AirConditioner \"AC-1\": removed\n"
                                    << "AirConditioner \"AC-1\": added\n";
    QTest::newRow("reordered") << Change([](QJsonObject &d) {
        const QJsonArray lighting = d.value(QStringLiteral("Lighting")).toArray();
        d.insert("Lighting", QJsonArray{lighting.last(), lighting.first()});
    }) << "Lighting: functions in another order\n"
                               << "Lighting: functions in another order\n";
}

void CliTest::diffNamesEachKindOfDifference()
{
    QFETCH(DocumentChange, change);
    QFETCH(QString, printed);
    QFETCH(QString, reversed);
    const QString a = write(QStringLiteral("a.rccfg"), projectFile());
    QCOMPARE(tool({"diff", a, a}).status, 0);
    const QString b = write(QStringLiteral("b.rccfg"), projectFile(change));
    const Run run = tool({"diff", a, b});
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out, printed);
    QCOMPARE(tool({"diff", b, a}).out, reversed);
    const QJsonObject json =
        QJsonDocument::fromJson(tool({"diff", "--json", a, b}).out.toUtf8()).object();
    QCOMPARE(json.value(QStringLiteral("equal")).toBool(), false);
    QCOMPARE(json.value(QStringLiteral("differences")).toArray().size(), 1);
}

// Field values in --json are JSON values: a number stays a number, a text a text.
void CliTest::diffJsonGivesFieldValuesAsJson()
{
    const QString a = write(QStringLiteral("a.rccfg"), projectFile());
    const QString b = write(QStringLiteral("b.rccfg"), projectFile([](QJsonObject &d) {
                                setMember(d, "DigitalIO", 0, "ContactType", "NO");
                                setMember(d, "Logic", 0, "OffDelay", 40);
                            }));
    const QJsonObject json =
        QJsonDocument::fromJson(tool({"diff", "--json", a, b}).out.toUtf8()).object();
    const QJsonArray differences = json.value(QStringLiteral("differences")).toArray();
    QCOMPARE(differences.at(0).toObject().value("after"), QJsonValue("NO"));
    QCOMPARE(differences.at(1).toObject().value("field"), QJsonValue("OffDelay"));
    QCOMPARE(differences.at(1).toObject().value("before"), QJsonValue(4));
}

void CliTest::unpackThenPackReproducesTheFile()
{
    const QByteArray original = projectFile();
    const QString file = write(QStringLiteral("site.rccfg"), original);
    const QString json = dir->filePath(QStringLiteral("site.json"));
    const QString packed = dir->filePath(QStringLiteral("packed.rccfg"));
    QCOMPARE(tool({"unpack", file, "-o", json}).status, 0);
    const Run run = tool({"pack", json, "-o", packed});
    QCOMPARE(run.status, 0);
    QCOMPARE(readAll(packed), original);
}

void CliTest::reportEqualsTheWindowsReport()
{
    const QString path = write(QStringLiteral("site.rccfg"), projectFile());
    const Run run = tool({"report", path, "--now"});
    QCOMPARE(run.status, 0);

    // Without --now, dated by the file: the same file, the same report.
    const QString report = tool({"report", path}).out;
    QVERIFY(report.contains(QStringLiteral("08-12-2026 10:15:00")));
    Clock::fix(QDateTime(QDate(2030, 5, 6), QTime(7, 8, 9)));
    QCOMPARE(tool({"report", path}).out, report);
    Clock::fix(runTime);

    auto window = WindowTest::openWindow();
    DialogSeam::answerNextFileName(path);
    WindowTest::clickChild(window.get(), "ImportButton");
    QCOMPARE(run.out, window->buildConfigurationReport());

    const QString pdf = dir->filePath(QStringLiteral("site.pdf"));
    QCOMPARE(tool({"report", path, "-o", pdf}).status, 0);
    QVERIFY(readAll(pdf).startsWith("%PDF"));
}

void CliTest::wiringListsEveryTerminal()
{
    const QString path = write(QStringLiteral("site.rccfg"), projectFile());
    const Run run = tool({"wiring", "--json", path});
    QCOMPARE(run.status, 0);
    const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QCOMPARE(json.value("platform"), QJsonValue("MV211"));
    QCOMPARE(json.value("created"), QJsonValue("08-12-2026 10:15:00"));
    const QJsonArray terminals = json.value("terminals").toArray();
    QCOMPARE(terminals.size(), 34);
    const QJsonObject c1 = terminals.at(21).toObject();
    QCOMPARE(c1.value("terminal"), QJsonValue("C1"));
    QCOMPARE(c1.value("uses").toArray().first().toObject().value("function"),
             QJsonValue("Hall Lights"));
    QCOMPARE(c1.value("controlledBy").toArray().size(), 2);

    // Names that need quoting come back from the CSV as the same cells;
    // outputs shared by "PULSE" Lighting functions say so.
    const QString hall = QStringLiteral("Hall\rLights"), kitchen("Küche, \"Licht\"\nhinten");
    const QString tricky = write(QStringLiteral("tricky.rccfg"), projectFile([&](QJsonObject &d) {
                                     setMember(d, "Lighting", 0, "name", hall);
                                     setMember(d, "Lighting", 1, "name", kitchen);
                                 }));
    QVERIFY(tool({"wiring", tricky}).out.contains(QStringLiteral("Lighting (PULSE)")));
    const QString csv = dir->filePath(QStringLiteral("site.csv"));
    QCOMPARE(tool({"wiring", "--csv", tricky, "-o", csv}).status, 0);
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {"-c",
                  "import csv, json, sys; "
                  "print(json.dumps(list(csv.reader(open(sys.argv[1], newline='')))))",
                  csv});
    if (!python.waitForStarted())
        QSKIP("python3, the independent reader of the CSV, is not installed");
    QVERIFY(python.waitForFinished(30000));
    const QJsonArray rows = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
    QCOMPARE(rows.size(), 36); // the header and a line per terminal and use
    const QString welcome = QStringLiteral("Welcome \"Welcome-1\"");
    QVERIFY(rows.contains(QJsonArray{"C1", "output", "held", hall, "Lighting (PULSE)", "output", "",
                                     "", "Master Off \"Master Off-1\", " + welcome}));
    QVERIFY(rows.contains(
        QJsonArray{"C2", "output", "held", kitchen, "Lighting", "output", "", "", welcome}));
    for (const QJsonValue &row : rows)
        QCOMPARE(row.toArray().size(), wiringColumns().size());

    const QString pdf = dir->filePath(QStringLiteral("site.pdf"));
    QCOMPARE(tool({"wiring", path, "-o", pdf}).status, 0);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {"-layout", pdf, "-"});
    if (!pdftotext.waitForFinished(30000))
        QSKIP("pdftotext (poppler-utils) is not installed");
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY2(text.contains("ZAREN800 Wiring Sheet: site.rccfg"), qPrintable(text));
    QVERIFY(text.contains(QRegularExpression("Platform MV211\\s+Created 08-12-2026 10:15:00")));
    for (const QJsonValue &terminal : terminals) {
        const QJsonObject row = terminal.toObject();
        const QString line =
            QStringLiteral("\\n\\s*%1\\s+%2\\s+%3")
                .arg(QRegularExpression::escape(row.value("terminal").toString()),
                     row.value("direction").toString(), row.value("state").toString());
        QVERIFY2(text.contains(QRegularExpression(line)), qPrintable(line));
    }
}

void CliTest::nothingIsOverwrittenWithoutForce_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QByteArray>("written"); // how the file that replaces it begins
    QTest::newRow("unpack") << "unpack"
                            << "kept.json" << QByteArray("{");
    QTest::newRow("wiring sheet") << "wiring"
                                  << "kept.pdf" << QByteArray("%PDF");
}

void CliTest::nothingIsOverwrittenWithoutForce()
{
    QFETCH(QString, command);
    QFETCH(QString, output);
    QFETCH(QByteArray, written);
    const QString path = write(QStringLiteral("site.rccfg"), projectFile());
    const QString target = write(output, "precious");
    const Run run = tool({command, path, "-o", target});
    QCOMPARE(run.status, 2);
    QCOMPARE(run.err, target + QStringLiteral(": exists; give --force to replace it\n"));
    QCOMPARE(readAll(target), QByteArray("precious"));
    QCOMPARE(tool({command, path, "-o", target, "--force"}).status, 0);
    QVERIFY(readAll(target).startsWith(written));
}

// Nothing is taken for written that did not arrive, and a good file stays as it was.
void CliTest::aFullDiskOrOutputFailsAndSaysWhy()
{
    const QString path = write(QStringLiteral("site.rccfg"), projectFile());
    const FullFileSystem disk;
    // Standard output on a full device; Windows has no /dev/full, but a full disk.
    QString fullOutput = QStringLiteral("/dev/full");
    if (!QFile::exists(fullOutput)) {
        if (!disk.unavailable().isEmpty())
            QSKIP(qPrintable(disk.unavailable()));
        fullOutput = disk.filePath("output");
        disk.fillLeaving(0);
    }
    QProcess program;
    program.setStandardOutputFile(fullOutput);
    for (const char *command : {"show", "unpack", "report", "wiring"}) {
        program.start(QStringLiteral(ZAREN800_CFG), {command, path});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), 2);
        // Standard output is the C library's stream, and fails in its words.
        QCOMPARE(program.readAllStandardError(),
                 QByteArray("standard output: ") + QByteArray(std::strerror(ENOSPC)) + "\n");
    }

    if (!disk.unavailable().isEmpty())
        QSKIP(qPrintable(disk.unavailable()));
    disk.fillLeaving(32 * 1024);
    const QString json =
        write(QStringLiteral("site.json"), QJsonDocument(projectDocument()).toJson());
    const QByteArray good(11 * 1024, 'g');
    const QStringList targets{disk.filePath("site.rccfg"), disk.filePath("site.pdf")};
    for (const QString &target : targets) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(good) == good.size());
    }
    disk.fillLeaving(0);
    const Run pack = tool({"pack", json, "-o", targets.at(0), "--force"});
    const Run wiring = tool({"wiring", path, "-o", targets.at(1), "--force"});
    QCOMPARE(pack.err, targets.at(0) + ": " + FullFileSystem::fullDiskReason() + "\n");
    QCOMPARE(wiring.err, targets.at(1) + ": " + FullFileSystem::fullDiskReason() + "\n");
    QCOMPARE(pack.status + wiring.status, 4);
    for (const QString &target : targets)
        QCOMPARE(readAll(target), good);
}

// The man page's table. Arguments name files the test makes in its directory.
void CliTest::everyCommandFollowsTheExitStatusTable_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says"); // on standard output or error
    const auto row = [](const char *name, const QStringList &arguments, int status,
                        const char *says = "") {
        QTest::newRow(name) << arguments << status << QString::fromUtf8(says);
    };
    row("show", {"show", "clean.rccfg"}, 0, "\"Blind-1\"");
    row("show refused", {"show", "old.rccfg"}, 2, "\"V2.0.2\"");
    row("show --raw damaged", {"show", "--raw", "damaged.rccfg"}, 2, "\"Version\": \"v2.0.2\"");
    row("show damaged", {"show", "damaged.rccfg"}, 2, "the deciphered text is not JSON");
    row("check clean", {"check", "clean.rccfg"}, 0);
    row("check plain JSON in whole blocks", {"check", "plain.json"}, 0);
    row("check findings", {"check", "clean.rccfg", "findings.rccfg"}, 1);
    row("check refused", {"check", "findings.rccfg", "old.rccfg"}, 2);
    row("diff equal", {"diff", "clean.rccfg", "clean.rccfg"}, 0);
    row("diff differences", {"diff", "clean.rccfg", "findings.rccfg"}, 1);
    row("diff refused", {"diff", "clean.rccfg", "old.rccfg"}, 2);
    row("report", {"report", "clean.rccfg"}, 0);
    row("report refused", {"report", "old.rccfg"}, 2);
    row("pack", {"pack", "clean.json", "-o", "new.rccfg"}, 0);
    row("pack findings", {"pack", "findings.json", "-o", "new.rccfg"}, 1);
    row("pack refused", {"pack", "old.json", "-o", "new.rccfg"}, 2);
    row("pack two spaces", {"pack", "spaced.json", "-o", "new.rccfg"}, 1,
        "name \"Hall   Lights\" holds two spaces in a row, which export does not keep");
    row("pack not JSON", {"pack", "broken.json", "-o", "new.rccfg"}, 2,
        "broken.json:3:15: not JSON: missing name separator");
    row("pack not JSON, one line", {"pack", "line.json", "-o", "new.rccfg"}, 2,
        "line.json:1:6: not JSON: missing name separator");
    row("unpack", {"unpack", "clean.rccfg", "-o", "new.json"}, 0);
    row("unpack refused", {"unpack", "old.rccfg"}, 2, "\"V2.0.2\"");
    QFile missing(QStringLiteral("missing.rccfg"));
    missing.open(QIODevice::ReadOnly);
    row("unreadable", {"unpack", "missing.rccfg"}, 2, missing.errorString().toUtf8().constData());
    row("existing output", {"unpack", "clean.rccfg", "-o", "clean.json"}, 2, "exists");
    row("command line", {"report"}, 2, "Missing argument");
}

void CliTest::everyCommandFollowsTheExitStatusTable()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, says);
    QByteArray damaged = projectFile();
    damaged[40] = char(damaged.at(40) ^ 1);
    write(QStringLiteral("clean.rccfg"), projectFile());
    write(QStringLiteral("old.rccfg"), projectFile(setVersion));
    write(QStringLiteral("findings.rccfg"), projectFile(setDebounce));
    write(QStringLiteral("damaged.rccfg"), damaged);
    write(QStringLiteral("clean.json"), QJsonDocument(projectDocument()).toJson());
    write(QStringLiteral("old.json"), QJsonDocument(projectDocument(setVersion)).toJson());
    write(QStringLiteral("findings.json"), QJsonDocument(projectDocument(setDebounce)).toJson());
    write(QStringLiteral("spaced.json"), QJsonDocument(projectDocument(setSpacedName)).toJson());
    write(QStringLiteral("broken.json"),
          "{\n    \"Version\": \"v2.0.2\",\n    \"Shutter\" []\n}\n");
    write(QStringLiteral("line.json"), R"({"a" 1})");
    const QByteArray plain = projectText(projectDocument());
    write(QStringLiteral("plain.json"), plain + QByteArray(15 - (plain.size() + 15) % 16, ' '));
    for (int i = 1; i < arguments.size(); ++i) {
        if (!arguments.at(i).startsWith(QLatin1Char('-')))
            arguments[i] = dir->filePath(arguments.at(i));
    }
    const Run run = tool(arguments);
    QVERIFY2(run.out.contains(says) || run.err.contains(says), qPrintable(run.out + run.err));
    QCOMPARE(run.status, status);
}

void CliTest::theProgramRunsWithoutADisplay()
{
    const QString path = write(QStringLiteral("site.rccfg"), projectFile());
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ZAREN800_CFG), {"show", path});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(program.readAllStandardOutput().contains("\"name\": \"Blind-1\""));
    program.start(QStringLiteral(ZAREN800_CFG), {"--version"});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.readAllStandardOutput(), QByteArray("zaren800-cfg v2.0.2\n"));

    // "-" both ways and /dev/stdout through a pipe; the PDF's offscreen
    // platform says nothing about a missing runtime directory.
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    program.setProcessEnvironment(environment);
    QByteArray said;
    const auto run = [&](const QStringList &arguments, const QByteArray &input) {
        program.start(QStringLiteral(ZAREN800_CFG), arguments);
        program.write(input);
        program.closeWriteChannel();
        if (!program.waitForFinished(30000) || program.exitCode() != 0)
            said += arguments.join(' ').toUtf8() + " failed\n";
        said += program.readAllStandardError();
        return program.readAllStandardOutput();
    };
    const QByteArray json = run({"unpack", "-"}, readAll(path));
    QVERIFY(json.contains("\"name\": \"Blind-1\""));
    if (QFile::exists(QStringLiteral("/dev/stdout"))) // not on Windows
        QCOMPARE(run({"unpack", path, "-o", "/dev/stdout"}, {}), json);
    QCOMPARE(run({"pack", "-", "-o", "-"}, json), readAll(path));
    QCOMPARE(run({"report", path, "-o", dir->filePath("site.pdf")}, {}), QByteArray());
    QCOMPARE(said, QByteArray());
}

QTEST_MAIN(CliTest)
#include "tst_cli.moc"
