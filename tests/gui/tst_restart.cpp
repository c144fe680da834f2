#include "app/dialogseam.h"
#include "entry.h"
#include "mainwindow.h"
#include "model/stores.h"
#include "project/envelope.h"
#include "support/windowtest.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QProcess>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBox>
#include <QtTest>

using WindowTest::child;

namespace
{

QAction *restartActionOf(MainWindow &window)
{
    for (QAction *action : window.findChildren<QAction *>()) {
        if (action->text() == QLatin1String("Restart"))
            return action;
    }
    qFatal("no Restart action");
}

// Runs the program's entry; pass n (0-based) of its restart loop runs step n on the window.
int runPasses(const QStringList &arguments, const QVector<std::function<void(MainWindow &)>> &steps,
              int *passes)
{
    QVector<QByteArray> texts{"tst_restart"};
    for (const QString &argument : arguments)
        texts << argument.toLocal8Bit();
    QVector<char *> argv;
    for (QByteArray &text : texts)
        argv << text.data();
    argv << nullptr;
    int argc = texts.size();
    *passes = 0;
    return runConfigurator(argc, argv.data(), [&](MainWindow &window) {
        const auto &step = steps.at(qMin(*passes, steps.size() - 1));
        ++*passes;
        MainWindow *target = &window;
        QTimer::singleShot(0, target, [target, step] { step(*target); });
    });
}

// Platform, titles and lists: what an import shows.
QStringList shownProject(const MainWindow &window)
{
    QStringList shown{child<QComboBox>(&window, "comboBox_PlatformType")->currentText()};
    for (const ShownType &type : WindowTest::shownWindow(&window))
        shown << type.title + ": " + type.names.join('|');
    return shown;
}

} // namespace

class RestartTest : public QObject
{
    Q_OBJECT

private slots:
    void restartBuildsAFreshWindowThenExitReturnsZero();
    void otherExitCodesEndTheLoop_data();
    void otherExitCodesEndTheLoop();
    void commandLineOutcomes_data();
    void commandLineOutcomes();
    void fileArgumentImportsAsImportDoes_data();
    void fileArgumentImportsAsImportDoes();
};

void RestartTest::restartBuildsAFreshWindowThenExitReturnsZero()
{
    bool freshAfterRestart = false;
    const auto restart = [](MainWindow &window) {
        WelcomeRecord welcome;
        welcome.name = QStringLiteral("Welcome-1");
        welcomeStore().add(welcome);
        child<QListWidget>(&window, "listWidget_Welcome")->addItem(welcome.name);
        child<QStackedWidget>(&window, "stackedWidget")->setCurrentIndex(7);
        restartActionOf(window)->trigger();
    };
    const auto checkAndExit = [&freshAfterRestart](MainWindow &window) {
        const QToolBox *toolBox = child<QToolBox>(&window, "toolBox");
        freshAfterRestart = child<QStackedWidget>(&window, "stackedWidget")->currentIndex() == 0 &&
                            child<QListWidget>(&window, "listWidget_Welcome")->count() == 0 &&
                            toolBox->itemText(0) == QLatin1String("Welcome [0]") &&
                            toolBox->itemText(6) == QLatin1String("Lighting [0]") &&
                            welcomeStore().isEmpty();
        child<QAction>(&window, "actionExit")->trigger();
    };
    int passes = 0;
    QTest::ignoreMessage(QtDebugMsg, "Performing application reboot...");
    QCOMPARE(runPasses({}, {restart, checkAndExit}, &passes), 0);
    QCOMPARE(passes, 2);
    QVERIFY(freshAfterRestart);
}

void RestartTest::otherExitCodesEndTheLoop_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("0") << 0;
    QTest::newRow("1") << 1;
    QTest::newRow("reboot code + 1") << -123456788;
}

void RestartTest::otherExitCodesEndTheLoop()
{
    QFETCH(int, code);
    int passes = 0;
    const auto exitWithCode = [code](MainWindow &) { QCoreApplication::exit(code); };
    QCOMPARE(runPasses({}, {exitWithCode}, &passes), code);
    QCOMPARE(passes, 1);
}

// The real program, without a display: only a window needs one.
void RestartTest::commandLineOutcomes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode"); // -1: ended by a crash, for want of a display
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("version") << QStringList{"--version"} << 0 << "zaren800-configurator v2.0.2\n"
                             << QString();
    QTest::newRow("help") << QStringList{"-h", "a.rccfg"} << 0 << "[options] [FILE]" << QString();
    QTest::newRow("unknown option")
        << QStringList{"--frobnicate", "a.rccfg"} << 2 << QString() << "option 'frobnicate'";
    QTest::newRow("two files") << QStringList{"a.rccfg", "b.rccfg"} << 2 << QString()
                               << "FILE at a time.\n\nUsage:";
    QTest::newRow("file") << QStringList{"a.rccfg"} << -1 << QString()
                          << "could not connect to display";
    // The toolkit's own options, their values not taken for the file.
    for (const char *option : {"platform", "platformtheme", "plugin", "display", "qwindowgeometry",
                               "qwindowtitle", "qwindowicon", "style", "stylesheet", "session"}) {
        const QString value = option == QByteArray("platform") ? "xcb" : "value";
        QTest::newRow(option) << QStringList{QLatin1Char('-') + option, value, "a.rccfg"} << -1
                              << QString() << "could not connect to display";
    }
    QTest::newRow("reverse") << QStringList{"-reverse", "a.rccfg"} << -1 << QString()
                             << "could not connect to display";
}

void RestartTest::commandLineOutcomes()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    if (exitCode == -1 && QSysInfo::productType() == QLatin1String("windows"))
        QSKIP("the X11 platform, whose failure without a display shows that the toolkit took "
              "the command line, is Linux's");
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.insert("QT_QPA_PLATFORM", "xcb");
    program.setProcessEnvironment(environment);
    program.start(ZAREN800_CONFIGURATOR, arguments);
    QVERIFY(program.waitForFinished(30000));
    // Windows' text mode ends lines with CR LF.
    const QString shownOut =
        QString::fromLocal8Bit(program.readAllStandardOutput()).replace("\r\n", "\n");
    const QString shownErr =
        QString::fromLocal8Bit(program.readAllStandardError()).replace("\r\n", "\n");
    QCOMPARE(program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1, exitCode);
    QVERIFY2(out.isEmpty() ? shownOut.isEmpty() : shownOut.contains(out), qPrintable(shownOut));
    QVERIFY2(err.isEmpty() ? shownErr.isEmpty() : shownErr.contains(err), qPrintable(shownErr));
}

void RestartTest::fileArgumentImportsAsImportDoes_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("box");
    const QByteArray accepted(
        R"({"PlatformType":"MV210","Version":"v2.0.2","Welcome":[{"name":"Hi"}]})");
    QTest::newRow("accepted") << QStringList() << accepted << QString();
    QTest::newRow("after -platform offscreen")
        << QStringList{"-platform", "offscreen"} << accepted << QString();
    QTest::newRow("other version")
        << QStringList() << QByteArray(R"({"PlatformType":"MV210","Version":"v2.0.3"})")
        << "The selected file version is not compatible. Version is on the home page.";
}

// The project the file argument gives is the one Import Project then gives
// from the same file; a restart starts empty.
void RestartTest::fileArgumentImportsAsImportDoes()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, document);
    QFETCH(QString, box);
    QTemporaryDir dir;
    QFile file(dir.filePath("site.rccfg"));
    encryptProjectData(document);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(document) == document.size());
    file.close();
    const QString path = file.fileName();
    DialogSeam::startScripting();
    DialogSeam::reset();
    DialogSeam::answerNextBox(QMessageBox::Ok); // one for each import, if refused
    DialogSeam::answerNextBox(QMessageBox::Ok);
    QStringList fromArgument, fromImport, afterRestart;
    QString boxFromArgument;
    const auto importAgainThenRestart = [&](MainWindow &window) {
        fromArgument = shownProject(window);
        boxFromArgument = DialogSeam::shownBoxes().value(0).text;
        DialogSeam::answerNextFileName(path);
        WindowTest::clickChild(&window, "ImportButton");
        fromImport = shownProject(window);
        restartActionOf(window)->trigger();
    };
    const auto checkAndExit = [&](MainWindow &window) {
        afterRestart = shownProject(window);
        child<QAction>(&window, "actionExit")->trigger();
    };
    int passes = 0;
    QTest::ignoreMessage(QtDebugMsg, "Performing application reboot...");
    QCOMPARE(runPasses(options << path, {importAgainThenRestart, checkAndExit}, &passes), 0);

    QCOMPARE(boxFromArgument, box);
    QCOMPARE(DialogSeam::shownBoxes().size(), box.isEmpty() ? 0 : 2); // the button's too
    QCOMPARE(fromArgument, fromImport);
    QCOMPARE(fromArgument.contains("Welcome [1]: Hi"), box.isEmpty());
    QVERIFY(afterRestart.contains("Welcome [0]: "));
    QCOMPARE(DialogSeam::unexpectedCalls(), 0);
}

QTEST_APPLESS_MAIN(RestartTest)
#include "tst_restart.moc"
