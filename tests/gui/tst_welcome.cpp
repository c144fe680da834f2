#include "app/dialogseam.h"
#include "mainwindow.h"
#include "model/stores.h"
#include "support/windowtest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolBox>
#include <QtTest>

using WindowTest::child;

// The Welcome editor, and how Master Off and Welcome follow Lighting deletes.
class WelcomeTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void nothingToControlWithoutClaimedOutputs();
    void offersClaimedOutputsThatAreNotLocked();
    void onlyOneWelcomeFunction();
    void blankNameIsRefused();
    void proposedNameUpdatesOnlyTheSelectedItem();
    void deleteEmptiesThePage();
    void lightingDeletePrunesWelcomeAndMasterOff();
    void sharedPulseOutputStaysControlled();

private:
    QCheckBox *box(int n) const;
    QString info() const { return child<QLabel>(window.get(), "label_WelcomeUI_Info")->text(); }
    QListWidget *list() const { return child<QListWidget>(window.get(), "listWidget_Welcome"); }
    QVector<bool> enabledBoxes() const;
    void showWelcome();
    void saveWelcome(QVector<int> outputs);
    void saveLighting(const QString &input, QVector<int> outputs, bool pulse = false);
    void deleteLighting(int row);
    void addMasterOff(const QString &name, const QString &input, QVector<int> outputs);

    std::unique_ptr<MainWindow> window;
};

QCheckBox *WelcomeTest::box(int n) const
{
    const QByteArray name = "checkBox_WelcomeOutputC" + QByteArray::number(n);
    return child<QCheckBox>(window.get(), name.constData());
}

QVector<bool> WelcomeTest::enabledBoxes() const
{
    QVector<bool> enabled;
    for (int n = 1; n <= 8; ++n)
        enabled << box(n)->isEnabled();
    return enabled;
}

void WelcomeTest::showWelcome()
{
    WindowTest::clickChild(window.get(), "HomeButton");
    WindowTest::clickChild(window.get(), "WelcomeButton");
}

void WelcomeTest::saveWelcome(QVector<int> outputs)
{
    for (int n : outputs)
        WindowTest::click(box(n));
    WindowTest::clickChild(window.get(), "pushButtonWelcomeSave");
}

void WelcomeTest::saveLighting(const QString &input, QVector<int> outputs, bool pulse)
{
    WindowTest::clickChild(window.get(), "lightingButton");
    WindowTest::choose(child<QComboBox>(window.get(), "comboBox_LightingControlType"),
                       pulse ? "PULSE" : "ON/OFF");
    WindowTest::choose(child<QComboBox>(window.get(), "comboBox_LightingInput"), input);
    for (int n : outputs) {
        const QByteArray name = "checkBox_LightingOutputC" + QByteArray::number(n);
        WindowTest::click(child<QCheckBox>(window.get(), name.constData()));
    }
    WindowTest::clickChild(window.get(), "pushButtonLightingSave");
    QCOMPARE(child<QLabel>(window.get(), "label_LightingUI_Info")->text(),
             QStringLiteral("Saved..."));
}

void WelcomeTest::deleteLighting(int row)
{
    WindowTest::clickChild(window.get(), "lightingButton");
    WindowTest::clickListItem(child<QListWidget>(window.get(), "listWidgetLighting"), row);
    WindowTest::clickChild(window.get(), "pushButtonLightingDelete");
}

// The Master Off editor's Save comes later; put its function in place directly.
void WelcomeTest::addMasterOff(const QString &name, const QString &input, QVector<int> outputs)
{
    MasterOffRecord record;
    record.name = name;
    record.Input = input;
    record.DebounceTime = QStringLiteral("50 ms");
    for (int n = 1; n <= 8; ++n)
        record.controlOut(n) = QLatin1String(outputs.contains(n) ? "ENABLE" : "DISABLE");
    masterOffStore().add(record);
    ++InputCatalogue::instance().find(input)->useCount;
    child<QListWidget>(window.get(), "listWidget_MasterOff")->addItem(name);
}

void WelcomeTest::init()
{
    window = WindowTest::openWindow();
}

void WelcomeTest::cleanup()
{
    window.reset();
    QCOMPARE(DialogSeam::unexpectedCalls(), 0);
    QCOMPARE(DialogSeam::pendingAnswers(), 0);
}

void WelcomeTest::nothingToControlWithoutClaimedOutputs()
{
    showWelcome();
    QCOMPARE(child<QLineEdit>(window.get(), "lineEditWelcomeName")->text(),
             QStringLiteral("Welcome-1"));
    QCOMPARE(enabledBoxes(), QVector<bool>(8, false));
    saveWelcome({1});
    QCOMPARE(info(), QStringLiteral("Please select at least one Controlled Output!"));
    QVERIFY(welcomeStore().isEmpty());
}

void WelcomeTest::offersClaimedOutputsThatAreNotLocked()
{
    saveLighting("IN1", {3});
    OutputEntry *c6 = OutputCatalogue::instance().find(QStringLiteral("C6"));
    ++c6->useCount; // a shutter motor output: claimed and locked
    c6->welcomeLocked = 1;
    showWelcome();
    QCOMPARE(enabledBoxes(),
             QVector<bool>({false, false, true, false, false, false, false, false}));

    saveWelcome({3});
    QCOMPARE(info(), QStringLiteral("Saved..."));
    const WelcomeRecord *saved = welcomeStore().find(QStringLiteral("Welcome-1"));
    QVERIFY(saved);
    QCOMPARE(saved->controlOutC3, QStringLiteral("ENABLE"));
    QCOMPARE(saved->controlOutC1, QStringLiteral("DISABLE"));
    QCOMPARE(child<QToolBox>(window.get(), "toolBox")->itemText(0), QStringLiteral("Welcome [1]"));
    // Welcome claims nothing.
    QCOMPARE(OutputCatalogue::instance().find(QStringLiteral("C3"))->useCount, ClaimCount(1));
}

void WelcomeTest::onlyOneWelcomeFunction()
{
    saveLighting("IN1", {3});
    showWelcome();
    saveWelcome({3});
    list()->setCurrentRow(-1);
    child<QLineEdit>(window.get(), "lineEditWelcomeName")->setText(QStringLiteral("Arrival"));
    saveWelcome({3});
    QCOMPARE(info(), QStringLiteral("You can save only one of this function."));
    QCOMPARE(welcomeStore().size(), 1);
    QCOMPARE(list()->count(), 1);
}

// The project file drops pairs of spaces: "   " would come back as " ".
void WelcomeTest::blankNameIsRefused()
{
    saveLighting("IN1", {3});
    showWelcome();
    child<QLineEdit>(window.get(), "lineEditWelcomeName")->setText(QStringLiteral("   "));
    saveWelcome({3});
    QCOMPARE(info(), QStringLiteral("Item name can not contain two spaces in a row! Please type a "
                                    "valid name."));
    QCOMPARE(welcomeStore().size(), 0);
}

void WelcomeTest::proposedNameUpdatesOnlyTheSelectedItem()
{
    saveLighting("IN1", {3});
    saveLighting("IN2", {4});
    showWelcome();
    saveWelcome({3});
    QCOMPARE(list()->currentRow(), 0); // right after Save

    DialogSeam::answerNextBox(QMessageBox::Save);
    saveWelcome({4});
    QCOMPARE(info(), QStringLiteral("Saved..."));
    QCOMPARE(DialogSeam::shownBoxes().last().text,
             QStringLiteral("Welcome-1 object has been modified."));
    QCOMPARE(welcomeStore().find(QStringLiteral("Welcome-1"))->controlOutC4,
             QStringLiteral("ENABLE"));

    list()->setCurrentRow(-1);
    saveWelcome({3});
    QCOMPARE(info(), QStringLiteral("The name is already used! Please change the item name."));
}

void WelcomeTest::deleteEmptiesThePage()
{
    saveLighting("IN1", {3});
    showWelcome();
    saveWelcome({3});
    child<QToolBox>(window.get(), "toolBox")->setCurrentIndex(0);
    WindowTest::clickListItem(list(), 0);
    QVERIFY(box(3)->isChecked());
    WindowTest::clickChild(window.get(), "pushButtonWelcomeDelete");
    QVERIFY(welcomeStore().isEmpty());
    QCOMPARE(list()->count(), 0);
    QVERIFY(!box(3)->isChecked());
    QCOMPARE(child<QToolBox>(window.get(), "toolBox")->itemText(0), QStringLiteral("Welcome [0]"));
}

void WelcomeTest::lightingDeletePrunesWelcomeAndMasterOff()
{
    saveLighting("IN1", {1});
    saveLighting("IN2", {2});
    showWelcome();
    saveWelcome({1, 2});
    // A file may hold a second Welcome function: it is pruned too, though the first one stays.
    const WelcomeRecord second{"Welcome-2", "ENABLE",  "DISABLE", "DISABLE", "DISABLE",
                               "DISABLE",   "DISABLE", "DISABLE", "DISABLE"};
    welcomeStore().add(second);
    list()->addItem(second.name);
    addMasterOff("MasterOff-1", "IN5", {1});
    addMasterOff("MasterOff-2", "IN6", {1, 2});

    deleteLighting(0); // the only function on C1
    QCOMPARE(welcomeStore().size(), 1);
    QCOMPARE(welcomeStore().find(QStringLiteral("Welcome-1"))->controlOutC1,
             QStringLiteral("DISABLE"));
    QCOMPARE(list()->count(), 1);
    QCOMPARE(child<QToolBox>(window.get(), "toolBox")->itemText(0), QStringLiteral("Welcome [1]"));

    QListWidget *masterOffList = child<QListWidget>(window.get(), "listWidget_MasterOff");
    QCOMPARE(masterOffList->count(), 1);
    QCOMPARE(masterOffList->item(0)->text(), QStringLiteral("MasterOff-2"));
    QVERIFY(!masterOffStore().find(QStringLiteral("MasterOff-1")));
    const MasterOffRecord *kept = masterOffStore().find(QStringLiteral("MasterOff-2"));
    QCOMPARE(kept->controlOutC1, QStringLiteral("DISABLE"));
    QCOMPARE(kept->controlOutC2, QStringLiteral("ENABLE"));
    QCOMPARE(InputCatalogue::instance().find(QStringLiteral("IN5"))->useCount, ClaimCount(0));
    QCOMPARE(child<QToolBox>(window.get(), "toolBox")->itemText(1),
             QStringLiteral("Master Off [1]"));
    QCOMPARE(child<QLineEdit>(window.get(), "lineEditMasterOffName")->text(),
             QStringLiteral("MasterOff-2"));
    QCOMPARE(WindowTest::findings(window.get()), QStringList());
}

void WelcomeTest::sharedPulseOutputStaysControlled()
{
    saveLighting("IN1", {1}, true);
    saveLighting("IN2", {1}, true);
    showWelcome();
    saveWelcome({1});

    deleteLighting(0); // C1 is still driven by the other "PULSE" function
    QCOMPARE(welcomeStore().find(QStringLiteral("Welcome-1"))->controlOutC1,
             QStringLiteral("ENABLE"));
    deleteLighting(0);
    QVERIFY(welcomeStore().isEmpty());
}

QTEST_MAIN(WelcomeTest)
#include "tst_welcome.moc"
