#include "mainwindow.h"
#include "model/stores.h"
#include "restartloop.h"
#include "support/windowtest.h"

#include <QAction>
#include <QListWidget>
#include <QStackedWidget>
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

// Runs the loop; for pass n (0-based) the step at n acts on the shown window.
int runPasses(const QVector<std::function<void(MainWindow &)>> &steps, int *passes)
{
    static char name[] = "tst_restart";
    static char *argv[] = {name, nullptr};
    int argc = 1;
    *passes = 0;
    return runRestartLoop(argc, argv, [&](MainWindow &window) {
        const auto &step = steps.at(qMin(*passes, steps.size() - 1));
        ++*passes;
        MainWindow *target = &window;
        QTimer::singleShot(0, target, [target, step] { step(*target); });
    });
}

} // namespace

class RestartTest : public QObject
{
    Q_OBJECT

private slots:
    void restartBuildsAFreshWindowThenExitReturnsZero();
    void otherExitCodesEndTheLoop_data();
    void otherExitCodesEndTheLoop();
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
    QCOMPARE(runPasses({restart, checkAndExit}, &passes), 0);
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
    QCOMPARE(runPasses({exitWithCode}, &passes), code);
    QCOMPARE(passes, 1);
}

QTEST_APPLESS_MAIN(RestartTest)
#include "tst_restart.moc"
