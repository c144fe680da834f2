#include "app/dialogseam.h"
#include "entry.h"
#include "mainwindow.h"
#include "model/stores.h"
#include "project/envelope.h"
#include "project/projectdiff.h"
#include "project/projectdocument.h"
#include "project/recovery.h"
#include "support/programending.h"
#include "support/sampleproject.h"
#include "support/windowtest.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cstdio>

using WindowTest::child;

Q_DECLARE_METATYPE(ProgramEnding::Ending)

namespace
{

const QString programTitle = QStringLiteral("ZAREN800 Room Controller Configurator");
const char *const removed = "EnergySaving \"Energy Saving-1\": removed";

QByteArray sampleFileBytes()
{
    WindowTest::resetProject();
    SampleProject::fill();
    QByteArray bytes = projectText(buildProjectDocument("MV211", "v2.0.2", QDateTime()));
    WindowTest::resetProject();
    encryptProjectDataQuietly(bytes);
    return bytes;
}

QStringList differencesFromSample(const QString &path)
{
    QByteArray sample = sampleFileBytes();
    const ProjectFileContent content = readProjectFile(path, "v2.0.2");
    QStringList lines;
    for (const Difference &difference :
         diffProjects(checkProjectBytes(sample, "v2.0.2").document, content.document))
        lines << difference.toString();
    return content.check == ProjectCheck::Accepted ? lines : QStringList{content.reason};
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// --- The program under test, as a child process (this binary with --child) ---

void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// "work FILE": opens the file, deletes a function, says so, and keeps running.
// "recover FILE": recovers what the last one left, exports it to FILE, and exits.
// Both keep their copies in the data folder dataHome.
int runChild(const QString &scenario, const QString &file, const QString &dataHome)
{
    WindowTest::useDataHome(dataHome);
    ProgramEnding::takeEndingsAsFromConsole();
    DialogSeam::startScripting();
    if (scenario == QLatin1String("recover")) {
        DialogSeam::answerNextBox(QMessageBox::Open);
        DialogSeam::answerNextFileName(file);
    }
    QByteArray arguments[] = {"tst_recovery", file.toLocal8Bit()};
    char *argv[] = {arguments[0].data(), arguments[1].data(), nullptr};
    int argc = scenario == QLatin1String("work") ? 2 : 1;
    return runConfigurator(argc, argv, [&scenario](MainWindow &window) {
        MainWindow *target = &window;
        QTimer::singleShot(0, target, [target, scenario] {
            if (scenario == QLatin1String("work")) {
                WindowTest::clickChild(target, "CardHolderButton");
                WindowTest::clickListItem(child<QListWidget>(target, "listWidget_CardHolder"), 0);
                WindowTest::clickChild(target, "pushButtonCardHolderDelete");
                say(target->windowTitle());
                return;
            }
            say(DialogSeam::shownBoxes().value(0).informativeText);
            WindowTest::clickChild(target, "ExportButton");
            child<QAction>(target, "actionExit")->trigger();
        });
    });
}

QProcess *startChild(const QStringList &arguments, const QString &dataHome, QObject *parent)
{
    auto *program = new QProcess(parent);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QT_LOGGING_RULES", "default.debug=false"); // export's bytes
    program->setProcessEnvironment(environment);
    program->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ProgramEnding::prepare(*program);
    program->start(QCoreApplication::applicationFilePath(),
                   QStringList{"--child"} + arguments + QStringList{dataHome});
    return program;
}

QString readLine(QProcess *program)
{
    while (!program->canReadLine() && program->waitForReadyRead(30000)) {
    }
    return QString::fromLocal8Bit(program->readLine()).trimmed();
}

} // namespace

class RecoveryTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void endedProgramLeavesItsWork_data();
    void endedProgramLeavesItsWork();
    void recoveryBox_data();
    void recoveryBox();
    void copyAndTitleFollowUnexportedWork_data();
    void copyAndTitleFollowUnexportedWork();

private:
    std::unique_ptr<QTemporaryDir> dir;
};

void RecoveryTest::init()
{
    QDir(RecoveryCopy::defaultFolder()).removeRecursively();
    dir = std::make_unique<QTemporaryDir>();
    DialogSeam::startScripting();
    DialogSeam::reset();
}

void RecoveryTest::cleanup()
{
    dir.reset();
    WindowTest::resetProject();
}

void RecoveryTest::endedProgramLeavesItsWork_data()
{
    QTest::addColumn<ProgramEnding::Ending>("ending"); // how 0: killed
    QTest::newRow("killed, then recovered and exported") << ProgramEnding::Ending{"killed", 0};
    for (const ProgramEnding::Ending &ending : ProgramEnding::endings())
        QTest::newRow(qPrintable(ending.name)) << ending;
}

// The copy holds what an export would have written: the sample less the
// function the program deleted.
void RecoveryTest::endedProgramLeavesItsWork()
{
    QFETCH(ProgramEnding::Ending, ending);
    const bool killed = ending.how == 0;
    if (!killed && !ProgramEnding::unavailable().isEmpty())
        QSKIP(qPrintable(ProgramEnding::unavailable()));
    const QString site = dir->filePath("site.rccfg");
    writeFile(site, sampleFileBytes());
    const QString dataHome = dir->filePath("data");
    const QString folder = WindowTest::recoveryFolderUnder(dataHome);
    const QString copy = folder + "/1.rccfg";

    QProcess *program = startChild({"work", site}, dataHome, this);
    QCOMPARE(readLine(program), "site.rccfg[*] \u2013 " + programTitle);
    if (killed) {
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(copy), 4000);
        program->kill();
    } else {
        ProgramEnding::end(*program, ending);
    }
    QVERIFY2(program->waitForFinished(1000), "still running a second after the signal");
    QCOMPARE(differencesFromSample(copy), QStringList{removed});
    if (!killed)
        return;

    QProcess *next = startChild({"recover", dir->filePath("again.rccfg")}, dataHome, this);
    const QString shown = readLine(next);
    QVERIFY(next->waitForFinished(30000));
    const QRegularExpression summary(
        "^site.rccfg, 12 functions, ended \\d\\d-\\d\\d-\\d{4} \\d\\d:\\d\\d$");
    QVERIFY2(shown.contains(summary), qPrintable(shown));
    QCOMPARE(next->exitCode(), 0);
    QCOMPARE(differencesFromSample(dir->filePath("again.rccfg")), QStringList{removed});
    // Exported, the work needs no copy any more.
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList());
}

void RecoveryTest::recoveryBox_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("Recover") << int(QMessageBox::Open);
    QTest::newRow("Discard") << int(QMessageBox::Discard);
    QTest::newRow("no answer") << int(QMessageBox::NoButton);
    QTest::newRow("damaged, discarded") << int(QMessageBox::Discard);
    QTest::newRow("damaged, kept") << int(QMessageBox::Cancel);
}

void RecoveryTest::recoveryBox()
{
    QFETCH(int, answer);
    const bool damaged = QByteArray(QTest::currentDataTag()).startsWith("damaged");
    const bool recovered = answer == QMessageBox::Open;
    const QString site = dir->filePath("site.rccfg");
    writeFile(site, sampleFileBytes());
    QString copyPath, errorText;
    {
        const std::unique_ptr<RecoveryCopy> leftOver = RecoveryCopy::takeFreePlace();
        const QByteArray bytes = sampleFileBytes();
        QVERIFY(leftOver->save(damaged ? bytes.left(96) : bytes, {site, QDateTime()}, errorText));
        copyPath = leftOver->projectPath();
    }
    const auto window = WindowTest::openWindow();
    if (answer != QMessageBox::NoButton)
        DialogSeam::answerNextBox(QMessageBox::StandardButton(answer));
    window->offerRecovery();

    QCOMPARE(DialogSeam::shownBoxes().size(), 1);
    const DialogSeam::ShownBox box = DialogSeam::shownBoxes().first();
    QCOMPARE(box.title, "Recover unexported work");
    QCOMPARE(box.text, damaged ? "The program ended with work that was not exported, but its "
                                 "recovery copy is damaged."
                               : "The program ended with work that was not exported.");
    const QRegularExpression summary(
        damaged ? "^site.rccfg, ended .*, cannot be read: the deciphered text is not JSON"
                : "^site.rccfg, 13 functions, ended ");
    QVERIFY2(box.informativeText.contains(summary), qPrintable(box.informativeText));
    QCOMPARE(box.buttons, damaged ? QMessageBox::Discard | QMessageBox::Cancel
                                  : QMessageBox::Open | QMessageBox::Discard);
    QCOMPARE(box.defaultButton, damaged ? QMessageBox::Discard : QMessageBox::Open);
    QCOMPARE(window->windowTitle(),
             recovered ? "site.rccfg[*] \u2013 " + programTitle : programTitle);
    QCOMPARE(window->isWindowModified(), recovered);
    QCOMPARE(savedFunctionCount(), recovered ? 13 : 0);
    QCOMPARE(QFileInfo::exists(copyPath), answer != QMessageBox::Discard);
    QCOMPARE(WindowTest::findings(window.get()), QStringList());
    // Then a file named on the command line, after the usual question (cancelled here).
    DialogSeam::reset();
    window->openProjectFile(site);
    QCOMPARE(DialogSeam::shownBoxes().size(), recovered ? 1 : 0);
    QCOMPARE(window->windowTitle(), "site.rccfg[*] \u2013 " + programTitle);
}

void RecoveryTest::copyAndTitleFollowUnexportedWork_data()
{
    QTest::addColumn<QString>("blocker"); // a file for the folder, a folder for the note
    QTest::newRow("copy kept") << QString();
    QTest::newRow("folder is a file") << "file";
    QTest::newRow("note is a folder") << "/1.json";
}

// A window never exported shows no sign of work until it holds some; the
// copy is there while the work is, written within two seconds of a change.
// While no copy can be kept the status bar says why, until one is.
void RecoveryTest::copyAndTitleFollowUnexportedWork()
{
    QFETCH(QString, blocker);
    const QString folder = RecoveryCopy::defaultFolder();
    if (!blocker.isNull())
        QDir().mkpath(blocker == "file" ? QFileInfo(folder).path() : folder + blocker);
    if (blocker == "file")
        writeFile(folder, "a file");
    const auto window = WindowTest::openWindow();
    const QLabel *problem = child<QLabel>(window.get(), "labelRecoveryProblem");
    QCOMPARE(problem->isVisible(), blocker == "file");
    const auto copies = [&folder] { return QDir(folder).entryList({"*.rccfg"}, QDir::Files); };
    const auto save = [&window] {
        WindowTest::clickChild(window.get(), "DigitalioButton");
        WindowTest::choose(child<QComboBox>(window.get(), "comboBox_DigitalIOInput"), "IN1");
        WindowTest::choose(child<QComboBox>(window.get(), "comboBox_DigitalIOOutput"), "C1");
        WindowTest::clickChild(window.get(), "pushButtonDigitalIOSave");
    };
    const QString untitled = "Untitled[*] \u2013 " + programTitle;
    QCOMPARE(window->windowTitle(), programTitle);
    save();
    QCOMPARE(window->windowTitle(), untitled);
    QVERIFY(window->isWindowModified());
    if (blocker.isNull())
        QTRY_COMPARE_WITH_TIMEOUT(copies().size(), 1, 3000);
    else
        QTRY_VERIFY_WITH_TIMEOUT(problem->text().contains(QRegularExpression(
                                     "^Unexported work is not kept for recovery: " +
                                     QRegularExpression::escape(QDir::toNativeSeparators(folder)) +
                                     ": \\w")), // and the system's reason
                                 3000);
    QVERIFY(blocker.isNull() || QFile::remove(folder) || QDir().rmdir(folder + blocker));

    WindowTest::clickListItem(child<QListWidget>(window.get(), "listWidget_Dgitialio"), 0);
    WindowTest::clickChild(window.get(), "pushButtonDigitalIODelete");
    QCOMPARE(window->windowTitle(), programTitle);
    QCOMPARE(copies(), QStringList());

    save();
    QTRY_COMPARE_WITH_TIMEOUT(copies().size(), 1, 3000);
    QVERIFY(!problem->isVisible());
    DialogSeam::answerNextBox(QMessageBox::Yes);
    WindowTest::clickChild(window.get(), "SettingsButton");
    QCOMPARE(window->windowTitle(), programTitle);
    QVERIFY(!window->isWindowModified());
    QTest::qWait(2500);
    QCOMPARE(copies(), QStringList());
}

int main(int argc, char *argv[])
{
    if (argc == 5 && qstrcmp(argv[1], "--child") == 0)
        return runChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                        QString::fromLocal8Bit(argv[4]));
    QApplication application(argc, argv);
    RecoveryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"
