#include "app/dialogseam.h"
#include "mainwindow.h"
#include "model/stores.h"
#include "support/windowtest.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStackedWidget>
#include <QTextEdit>
#include <QToolBox>
#include <QToolButton>
#include <QtTest>
#include <memory>

using WindowTest::child;

namespace
{

const char *const pageButtonNames[] = {"HomeButton",       "WelcomeButton",  "MasterOffButton",
                                       "CardHolderButton", "DndMurButton",   "AirConButton",
                                       "AcInputButton",    "lightingButton", "shutterButton",
                                       "DigitalioButton",  "LogicButton",    "SettingsButton"};

} // namespace

class NavigationTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsOnHomeWithNothingChecked();
    void constructorCompletesTheForm();
    void homeRebuildsTheReportEveryTime();
    void pageButtonsCheckOneButtonAndFollowWithTheToolBox();
    void homeLeavesTheToolBoxWhereItWas();
    void samePageButtonKeepsTheEditInProgress();
    void listItemOpensItsPageAndShowsTheFunction();
    void listItemWithoutTextChangesNothing();

private:
    QStackedWidget *stack() const { return child<QStackedWidget>(window.get(), "stackedWidget"); }
    QToolBox *toolBox() const { return child<QToolBox>(window.get(), "toolBox"); }
    QStringList checkedPageButtons() const;

    std::unique_ptr<MainWindow> window;
};

QStringList NavigationTest::checkedPageButtons() const
{
    QStringList checked;
    for (const char *name : pageButtonNames) {
        if (child<QToolButton>(window.get(), name)->isChecked())
            checked << QString::fromLatin1(name);
    }
    return checked;
}

void NavigationTest::init()
{
    window = WindowTest::openWindow();
}

void NavigationTest::cleanup()
{
    window.reset();
    QCOMPARE(DialogSeam::unexpectedCalls(), 0);
}

void NavigationTest::startsOnHomeWithNothingChecked()
{
    QCOMPARE(stack()->currentIndex(), 0);
    QCOMPARE(toolBox()->currentIndex(), 0);
    QVERIFY(checkedPageButtons().isEmpty());
    QVERIFY(child<QTextEdit>(window.get(), "textEdit")->toPlainText().isEmpty());

    WindowTest::clickChild(window.get(), "HomeButton");
    QCOMPARE(checkedPageButtons(), QStringList{"HomeButton"});
    QVERIFY(!child<QTextEdit>(window.get(), "textEdit")->toPlainText().isEmpty());
}

void NavigationTest::constructorCompletesTheForm()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("ZAREN800 Room Controller Configurator"));
    QCOMPARE(window->size(), QSize(1420, 676));
    QCOMPARE(window->minimumSize(), window->maximumSize());

    const QStringList titles = {"Welcome [0]",  "Master Off [0]",      "Energy Saving [0]",
                                "DND/MUR [0]",  "Air Conditioner [0]", "Voltage Input [0]",
                                "Lighting [0]", "Shutter/Blind [0]",   "Digital I/O [0]",
                                "Logic [0]"};
    QCOMPARE(toolBox()->count(), titles.size());
    for (int i = 0; i < titles.size(); ++i)
        QCOMPARE(toolBox()->itemText(i), titles.at(i));

    QCOMPARE(child<QLabel>(window.get(), "label_version")->text(), QStringLiteral("v2.0.2"));

    int restartActions = 0;
    for (const QAction *action : window->findChildren<QAction *>()) {
        if (action->text() == QLatin1String("Restart")) {
            ++restartActions;
            QCOMPARE(action->statusTip(), QStringLiteral("Restarts the application"));
        }
    }
    QCOMPARE(restartActions, 1);

    const QTextEdit *report = child<QTextEdit>(window.get(), "textEdit");
    QCOMPARE(report->textInteractionFlags(), Qt::NoTextInteraction);
    QCOMPARE(report->cursorWidth(), 0);

    const QString pageStyle = child<QToolButton>(window.get(), "WelcomeButton")->styleSheet();
    QVERIFY(pageStyle.contains(QLatin1String("QToolButton:hover  {")));
    QVERIFY(!pageStyle.contains(QLatin1String("rgba(225, 225, 225, 255)")));
    QVERIFY(child<QToolButton>(window.get(), "ImportButton")
                ->styleSheet()
                .contains(QLatin1String("background-color: rgba(225, 225, 225, 255);")));
}

void NavigationTest::homeRebuildsTheReportEveryTime()
{
    QTextEdit *report = child<QTextEdit>(window.get(), "textEdit");
    WindowTest::clickChild(window.get(), "HomeButton");
    const QString first = report->toPlainText();
    QVERIFY(first.contains(QLatin1String("ZAREN800 Room Controller Configuration")));

    report->clear();
    WindowTest::clickChild(window.get(), "HomeButton");
    QCOMPARE(stack()->currentIndex(), 0);
    QVERIFY(
        report->toPlainText().contains(QLatin1String("ZAREN800 Room Controller Configuration")));

    // Leaving and coming back rebuilds it as well.
    report->clear();
    WindowTest::clickChild(window.get(), "lightingButton");
    WindowTest::clickChild(window.get(), "HomeButton");
    QVERIFY(!report->toPlainText().isEmpty());
    QCOMPARE(checkedPageButtons(), QStringList{"HomeButton"});
}

void NavigationTest::pageButtonsCheckOneButtonAndFollowWithTheToolBox()
{
    for (int page = 1; page <= 10; ++page) {
        WindowTest::clickChild(window.get(), pageButtonNames[page]);
        QCOMPARE(stack()->currentIndex(), page);
        QCOMPARE(toolBox()->currentIndex(), page - 1);
        QCOMPARE(checkedPageButtons(), QStringList{pageButtonNames[page]});
    }
    // Back down, so every button is also left once.
    for (int page = 9; page >= 1; --page) {
        WindowTest::clickChild(window.get(), pageButtonNames[page]);
        QCOMPARE(checkedPageButtons(), QStringList{pageButtonNames[page]});
    }
}

void NavigationTest::homeLeavesTheToolBoxWhereItWas()
{
    WindowTest::clickChild(window.get(), "LogicButton");
    QCOMPARE(toolBox()->currentIndex(), 9);
    WindowTest::clickChild(window.get(), "HomeButton");
    QCOMPARE(stack()->currentIndex(), 0);
    QCOMPARE(toolBox()->currentIndex(), 9);
}

void NavigationTest::samePageButtonKeepsTheEditInProgress()
{
    WindowTest::clickChild(window.get(), "lightingButton");
    QLineEdit *name = child<QLineEdit>(window.get(), "lineEditLightingName");
    QCOMPARE(name->text(), QStringLiteral("Lighting-1"));
    name->setText(QStringLiteral("Hall lamp"));

    WindowTest::clickChild(window.get(), "lightingButton");
    QCOMPARE(name->text(), QStringLiteral("Hall lamp"));
    QCOMPARE(checkedPageButtons(), QStringList{"lightingButton"});
}

void NavigationTest::listItemOpensItsPageAndShowsTheFunction()
{
    LightingRecord record;
    record.name = QStringLiteral("Entrance");
    record.Input = QStringLiteral("IN3");
    record.DebounceTime = QStringLiteral("100 ms");
    record.ControlType = QStringLiteral("ON/OFF");
    record.outputC2 = QStringLiteral("C2");
    lightingStore().add(record);
    ++InputCatalogue::instance().find(record.Input)->useCount;
    ++OutputCatalogue::instance().find(record.outputC2)->useCount;
    QListWidget *list = child<QListWidget>(window.get(), "listWidgetLighting");
    list->addItem(record.name);

    WindowTest::clickChild(window.get(), "WelcomeButton");
    toolBox()->setCurrentIndex(6); // the user opens the Lighting list
    WindowTest::clickListItem(list, 0);

    QCOMPARE(stack()->currentIndex(), 7);
    QCOMPARE(checkedPageButtons(), QStringList{"lightingButton"});
    QCOMPARE(toolBox()->currentIndex(), 6);
    QCOMPARE(child<QLineEdit>(window.get(), "lineEditLightingName")->text(), record.name);
    QCOMPARE(child<QComboBox>(window.get(), "comboBox_LightingInput")->currentText(), record.Input);
    QCOMPARE(child<QComboBox>(window.get(), "comboBox_LightingDebounceTime")->currentText(),
             record.DebounceTime);
    QVERIFY(child<QCheckBox>(window.get(), "checkBox_LightingOutputC2")->isChecked());
}

void NavigationTest::listItemWithoutTextChangesNothing()
{
    QListWidget *list = child<QListWidget>(window.get(), "listWidgetLighting");
    list->addItem(QString());
    WindowTest::clickChild(window.get(), "WelcomeButton");
    toolBox()->setCurrentIndex(6);
    QLineEdit *welcomeName = child<QLineEdit>(window.get(), "lineEditWelcomeName");
    welcomeName->setText(QStringLiteral("typed"));

    WindowTest::clickListItem(list, 0);
    QCOMPARE(stack()->currentIndex(), 1);
    QCOMPARE(checkedPageButtons(), QStringList{"WelcomeButton"});
    QCOMPARE(welcomeName->text(), QStringLiteral("typed"));
}

QTEST_MAIN(NavigationTest)
#include "tst_navigation.moc"
