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

// The sample project as export writes it, with changes made to its document.
QByteArray projectFile(const DocumentChange &change = {})
{
    resetToBlankProject();
    SampleProject::fill();
    QJsonObject document = buildProjectDocument(QStringLiteral("MV211"), QStringLiteral("v2.0.2"),
                                                QDateTime(QDate(2026, 12, 8), QTime(10, 15)));
    resetToBlankProject();
    if (change)
        change(document);
    QByteArray bytes = projectText(document);
    encryptProjectData(bytes);
    return bytes;
}

void setMember(QJsonObject &document, const char *type, int index, const char *key,
               const QJsonValue &value)
{
    QJsonArray elements = document.value(QLatin1String(type)).toArray();
    QJsonObject element = elements.at(index).toObject();
    element.insert(QLatin1String(key), value);
    elements[index] = element;
    document.insert(QLatin1String(type), elements);
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
    void diffNamesTheChangedField();
    void unpackThenPackReproducesTheFile();
    void reportEqualsTheWindowsReport();
    void wiringListsEveryTerminal();
    void nothingIsOverwrittenWithoutForce();
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
    Clock::fix(QDateTime(QDate(2027, 1, 2), QTime(3, 4, 5)));
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
        << Change([](QJsonObject &d) { setMember(d, "VoltageInput", 0, "Output", "C99"); }) << 1
        << QStringList{"VoltageInput \"Voltage-1\": element 1 is skipped: Output \"C99\" is no "
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
        << Change([](QJsonObject &d) { setMember(d, "DigitalIO", 0, "DebounceTime", "55 ms"); })
        << 1
        << QStringList{"DigitalIO \"Door Relay\": DebounceTime \"55 ms\" is not an editor value"};
    QTest::newRow("wrong version")
        << Change([](QJsonObject &d) { d.insert(QStringLiteral("Version"), "V2.0.2"); }) << 2
        << QStringList();
}

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
        QCOMPARE(run.err, path + QStringLiteral(": The selected file version is not compatible. "
                                                "Version is on the home page.\n"));

    const QJsonObject json =
        QJsonDocument::fromJson(tool({"check", "--json", path}).out.toUtf8()).object();
    const QJsonObject file = json.value(QStringLiteral("files")).toArray().first().toObject();
    QCOMPARE(file.value(QStringLiteral("findings")).toArray().size(), lines.size());
}

void CliTest::diffNamesTheChangedField()
{
    const QString a = write(QStringLiteral("a.rccfg"), projectFile());
    QCOMPARE(tool({"diff", a, a}).status, 0);
    const QString b = write(QStringLiteral("b.rccfg"), projectFile([](QJsonObject &d) {
                                d.insert(QStringLiteral("CreateTime"), "01-01-2030 00:00:00");
                                setMember(d, "Logic", 0, "OffDelay", 40);
                            }));
    const Run run = tool({"diff", a, b});
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out, QStringLiteral("Logic \"Logic-1\": OffDelay 4 -> 40\n"));
    const QJsonObject json =
        QJsonDocument::fromJson(tool({"diff", "--json", a, b}).out.toUtf8()).object();
    QCOMPARE(json.value(QStringLiteral("equal")).toBool(), false);
    QCOMPARE(json.value(QStringLiteral("differences")).toArray().first().toObject().value("field"),
             QJsonValue("OffDelay"));
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
    const Run run = tool({"report", path});
    QCOMPARE(run.status, 0);

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
}

QTEST_MAIN(CliTest)
#include "tst_cli.moc"
