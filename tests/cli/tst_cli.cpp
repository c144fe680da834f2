#include "app/dialogseam.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "mainwindow.h"
#include "model/clock.h"
#include "model/stores.h"
#include "project/envelope.h"
#include "project/projectdocument.h"
#include "support/blankproject.h"
#include "support/sampleproject.h"
#include "support/windowtest.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

using DocumentChange = std::function<void(QJsonObject &)>;

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

} // namespace

Q_DECLARE_METATYPE(DocumentChange)

// The companion tool, each command on files the test makes.
class CliTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void checkReportsEachKindOfFinding_data();
    void checkReportsEachKindOfFinding();
    void diffNamesEachKindOfDifference_data();
    void diffNamesEachKindOfDifference();
    void diffJsonGivesFieldValuesAsJson();
    void unpackThenPackReproducesTheFile();
    void reportEqualsTheWindowsReport();
    void wiringListsEveryTerminal();
    void nothingIsOverwrittenWithoutForce();
    void everyCommandFollowsTheExitStatusTable_data();
    void everyCommandFollowsTheExitStatusTable();
    void theProgramRunsWithoutADisplay();

private:
    QString write(const QString &name, const QByteArray &bytes);

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
    QTest::newRow("clean") << Change() << 0 << QStringList();
    QTest::newRow("skipped element")
        << Change([](QJsonObject &d) { setMember(d, "AirConditioner", 1, "Output", "C99"); }) << 1
        << QStringList{"AirConditioner \"AC-2\": element 2 is skipped: Output \"C99\" is no "
                       "output"};
    QTest::newRow("input held twice")
        << Change([](QJsonObject &d) { setMember(d, "DigitalIO", 0, "Input", "IN1"); }) << 1
        << QStringList{"input IN1"};
    QTest::newRow("not on the platform")
        << Change([](QJsonObject &d) {
               d.insert(QStringLiteral("PlatformType"), QStringLiteral("MV210"));
               d.insert(QStringLiteral("Shutter"), QJsonArray());
               d.insert(QStringLiteral("VoltageInput"), QJsonArray());
               d.insert(QStringLiteral("Lighting"), QJsonArray());
               d.insert(QStringLiteral("Logic"), QJsonArray());
               d.insert(QStringLiteral("MasterOff"), QJsonArray());
               d.insert(QStringLiteral("Welcome"), QJsonArray());
               d.insert(QStringLiteral("EnergySaving"), QJsonArray());
               d.insert(QStringLiteral("DNDMUR"), QJsonArray());
           })
        << 1
        << QStringList{"DigitalIO \"Door Relay\": Input \"IN5\" is not offered on MV210",
                       "DigitalIO \"Door Relay\": Output \"C6\" is not offered on MV210"};
    QTest::newRow("editor vocabulary")
        << Change(setDebounce) << 1
        << QStringList{"DigitalIO \"Door Relay\": DebounceTime \"55 ms\" is not an editor value"};
    QTest::newRow("wrong version") << Change(setVersion) << 2 << QStringList();

    // Members import does not read as written, named by their path.
    const auto member = [](const char *type, const char *key, const QJsonValue &value) {
        return Change([=](QJsonObject &d) { setMember(d, type, 0, key, value); });
    };
    QTest::newRow("fraction")
        << member("AirConditioner", "OffDelay", 1.7) << 1
        << QStringList{"AirConditioner[0].OffDelay 1.7 is not a whole number; reads as 0"};
    QTest::newRow("number as text")
        << member("DigitalIO", "OffDelay", "5") << 1
        << QStringList{"DigitalIO[0].OffDelay \"5\" is text, not a number; reads as 0"};
    QTest::newRow("text, not the range import makes of it")
        << member("Shutter", "MoveDuration", "fifty") << 1
        << QStringList{"Shutter[0].MoveDuration \"fifty\" is text, not a number; reads as 0"};
    QTest::newRow("boolean") << member("Logic", "Input3", true) << 1
                             << QStringList{"Logic[0].Input3 true is not text; reads as \"\""};
    QTest::newRow("object") << member("VoltageInput", "OnDelay", QJsonObject{}) << 1
                            << QStringList{
                                   "VoltageInput[0].OnDelay {} is not a number; reads as 0"};
    QTest::newRow("missing") << member("DigitalIO", "ContactType", QJsonValue::Undefined) << 1
                             << QStringList{"DigitalIO[0].ContactType is missing; reads as \"\""};
    QTest::newRow("unknown") << member("DigitalIO", "Colour", "red") << 1
                             << QStringList{"DigitalIO[0].Colour is not a member of DigitalIO; "
                                            "import ignores it"};
    QTest::newRow("type not an array")
        << Change([](QJsonObject &d) { d.insert(QStringLiteral("Welcome"), "oops"); }) << 1
        << QStringList{"Welcome \"oops\" is not an array; reads as no functions"};
    QTest::newRow("element not an object")
        << Change([](QJsonObject &d) { d.insert(QStringLiteral("Welcome"), QJsonArray{5}); }) << 1
        << QStringList{"Welcome[0] 5 is not an object; reads as a function with every "
                       "member empty",
                       "element 1 is skipped: name is empty"};
    QTest::newRow("platform type")
        << Change([](QJsonObject &d) { d.insert(QStringLiteral("PlatformType"), "MV999"); }) << 1
        << QStringList{"PlatformType \"MV999\" is neither \"MV210\" nor \"MV211\"; reads as "
                       "\"MV211\""};
}

// pack refuses what check finds, with the same status.
void CliTest::checkReportsEachKindOfFinding()
{
    QFETCH(DocumentChange, change);
    QFETCH(int, status);
    QFETCH(QStringList, lines);
    const QString path = write(QStringLiteral("site.rccfg"), projectFile(change));
    const Run run = tool({"check", path});
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
    const QJsonObject file = json.value(QStringLiteral("files")).toArray().first().toObject();
    QCOMPARE(file.value(QStringLiteral("findings")).toArray().size(), lines.size());

    const QString text =
        write(QStringLiteral("site.json"), QJsonDocument(projectDocument(change)).toJson());
    const QString packed = dir->filePath(QStringLiteral("packed.rccfg"));
    QCOMPARE(tool({"pack", text, "-o", packed}).status, status);
    QCOMPARE(QFile::exists(packed), status == 0);
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

void CliTest::nothingIsOverwrittenWithoutForce()
{
    const QString path = write(QStringLiteral("site.rccfg"), projectFile());
    const QString target = write(QStringLiteral("kept.json"), "precious");
    const Run run = tool({"unpack", path, "-o", target});
    QCOMPARE(run.status, 2);
    QCOMPARE(run.err, target + QStringLiteral(": exists; give --force to replace it\n"));
    QCOMPARE(readAll(target), QByteArray("precious"));
    QCOMPARE(tool({"unpack", path, "-o", target, "--force"}).status, 0);
    QVERIFY(readAll(target).startsWith("{"));
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
    row("pack not JSON", {"pack", "broken.json", "-o", "new.rccfg"}, 2,
        "broken.json:3:16: not JSON: missing name separator");
    row("unpack", {"unpack", "clean.rccfg", "-o", "new.json"}, 0);
    row("unpack refused", {"unpack", "old.rccfg"}, 2, "\"V2.0.2\"");
    row("unreadable", {"unpack", "missing.rccfg"}, 2, "No such file");
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
    write(QStringLiteral("broken.json"),
          "{\n    \"Version\": \"v2.0.2\",\n    \"Shutter\" []\n}\n");
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
    QCOMPARE(run({"unpack", path, "-o", "/dev/stdout"}, {}), json);
    QCOMPARE(run({"pack", "-", "-o", "-"}, json), readAll(path));
    QCOMPARE(run({"report", path, "-o", dir->filePath("site.pdf")}, {}), QByteArray());
    QCOMPARE(said, QByteArray());
}

QTEST_MAIN(CliTest)
#include "tst_cli.moc"
