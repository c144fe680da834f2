#include "app/dialogseam.h"
#include "mainwindow.h"
#include "model/stores.h"
#include "support/windowtest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolBox>
#include <QtTest>

using WindowTest::child;

class LightingTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newItemProposesDefaults();
    void onOffDrivesASingleOutput();
    void eachBoxDrivesItsOwnOutput_data();
    void eachBoxDrivesItsOwnOutput();
    void pulseFunctionsShareOutputs();
    void validationMessagesChangeNothing_data();
    void validationMessagesChangeNothing();
    void infoLabelIsClearedAfterItsTime();
    void savedItemIsNotShownAfterSave();
    void updateNeedsConfirmation();
    void updateRefusesAnInputOwnedElsewhere();
    void renamingIsANewItem();
    void proposedNameAfterDeleteCanCollide();
    void smallPlatformOffersThreeRows();
    void deletingEverythingFreesEveryCounter();

private:
    QCheckBox *box(int n) const;
    QComboBox *combo(const char *name) const { return child<QComboBox>(window.get(), name); }
    QLineEdit *nameField() const { return child<QLineEdit>(window.get(), "lineEditLightingName"); }
    QListWidget *list() const { return child<QListWidget>(window.get(), "listWidgetLighting"); }
    QString info() const { return child<QLabel>(window.get(), "label_LightingUI_Info")->text(); }
    QVector<bool> enabledBoxes() const;
    void save() { WindowTest::clickChild(window.get(), "pushButtonLightingSave"); }
    void remove() { WindowTest::clickChild(window.get(), "pushButtonLightingDelete"); }
    // Fills the form and saves it as a user would; returns the info text.
    QString saveFunction(const QString &input, QVector<int> outputs, bool pulse = false);

    std::unique_ptr<MainWindow> window;
};

QCheckBox *LightingTest::box(int n) const
{
    const QByteArray name = "checkBox_LightingOutputC" + QByteArray::number(n);
    return child<QCheckBox>(window.get(), name.constData());
}

QVector<bool> LightingTest::enabledBoxes() const
{
    QVector<bool> enabled;
    for (int n = 1; n <= 8; ++n)
        enabled << box(n)->isEnabled();
    return enabled;
}

QString LightingTest::saveFunction(const QString &input, QVector<int> outputs, bool pulse)
{
    WindowTest::choose(combo("comboBox_LightingControlType"), pulse ? "PULSE" : "ON/OFF");
    WindowTest::choose(combo("comboBox_LightingInput"), input);
    for (int n : outputs)
        WindowTest::click(box(n));
    save();
    return info();
}

void LightingTest::init()
{
    window = WindowTest::openWindow();
    WindowTest::clickChild(window.get(), "lightingButton");
}

void LightingTest::cleanup()
{
    window.reset();
    QCOMPARE(DialogSeam::unexpectedCalls(), 0);
    QCOMPARE(DialogSeam::pendingAnswers(), 0);
}

void LightingTest::newItemProposesDefaults()
{
    QCOMPARE(nameField()->text(), QStringLiteral("Lighting-1"));
    QCOMPARE(combo("comboBox_LightingControlType")->currentText(), QStringLiteral("ON/OFF"));
    QCOMPARE(combo("comboBox_LightingDebounceTime")->currentText(), QStringLiteral("50 ms"));
    QVERIFY(!combo("comboBox_LightingOutputControlPriority")->isEnabled());
    QCOMPARE(combo("comboBox_LightingInput")->count(), 13);
    QCOMPARE(combo("comboBox_LightingInput")->currentIndex(), -1);
    QCOMPARE(enabledBoxes(), QVector<bool>(8, true));

    WindowTest::choose(combo("comboBox_LightingControlType"), "PULSE");
    QVERIFY(combo("comboBox_LightingOutputControlPriority")->isEnabled());
    QCOMPARE(combo("comboBox_LightingOutputControlPriority")->currentText(),
             QStringLiteral("Active"));
}

void LightingTest::onOffDrivesASingleOutput()
{
    // C5 belongs to a Digital I/O function.
    ++OutputCatalogue::instance().find(QStringLiteral("C5"))->useCount;
    WindowTest::clickChild(window.get(), "HomeButton");
    WindowTest::clickChild(window.get(), "lightingButton");
    QCOMPARE(enabledBoxes(), QVector<bool>({true, true, true, true, false, true, true, true}));

    WindowTest::click(box(3));
    QVERIFY(box(3)->isChecked());
    QCOMPARE(enabledBoxes(),
             QVector<bool>({false, false, true, false, false, false, false, false}));
    WindowTest::click(box(1)); // disabled: nothing happens
    QVERIFY(!box(1)->isChecked());

    WindowTest::click(box(3));
    QCOMPARE(enabledBoxes(), QVector<bool>({true, true, true, true, false, true, true, true}));

    QCOMPARE(saveFunction("IN1", {2, 4}), QStringLiteral("Saved..."));
    const LightingRecord *saved = lightingStore().find(QStringLiteral("Lighting-1"));
    QVERIFY(saved);
    QCOMPARE(saved->outputC2, QStringLiteral("C2"));
    QVERIFY(saved->outputC4.isEmpty()); // C4 could not be ticked any more
    QVERIFY(saved->OutputControlPriority.isEmpty());
}

void LightingTest::eachBoxDrivesItsOwnOutput_data()
{
    QTest::addColumn<int>("n");
    for (int n = 1; n <= 8; ++n)
        QTest::newRow(qPrintable(QStringLiteral("C%1").arg(n))) << n;
}

// In either control type and after each switch, box Cn drives output Cn: with
// "ON/OFF" it is then the only box enabled, unticked it frees the others. The
// function saved with it shows Cn alone ticked.
void LightingTest::eachBoxDrivesItsOwnOutput()
{
    QFETCH(int, n);
    QVector<bool> alone(8, false);
    alone[n - 1] = true;
    for (const QString type : {"ON/OFF", "PULSE", "ON/OFF", "PULSE"}) {
        WindowTest::choose(combo("comboBox_LightingControlType"), type);
        WindowTest::click(box(n));
        QCOMPARE(enabledBoxes(), type == "PULSE" ? QVector<bool>(8, true) : alone);
        WindowTest::click(box(n));
        QCOMPARE(enabledBoxes(), QVector<bool>(8, true));
    }
    QCOMPARE(saveFunction("IN1", {n}, n % 2), QStringLiteral("Saved..."));
    WindowTest::clickListItem(list(), 0);
    for (int m = 1; m <= 8; ++m)
        QCOMPARE(box(m)->isChecked(), m == n);
    // The opened function's other type offers every free output again; its
    // own output stays held by the saved function.
    WindowTest::choose(combo("comboBox_LightingControlType"), n % 2 ? "ON/OFF" : "PULSE");
    QVector<bool> free(8, true);
    free[n - 1] = false;
    QCOMPARE(enabledBoxes(), free);
}

void LightingTest::pulseFunctionsShareOutputs()
{
    QCOMPARE(saveFunction("IN1", {1}, true), QStringLiteral("Saved..."));
    const OutputEntry *c1 = OutputCatalogue::instance().find(QStringLiteral("C1"));
    QCOMPARE(c1->useCount, ClaimCount(1));
    QCOMPARE(c1->pulseUseCount, ClaimCount(1));

    // A new item starts as "ON/OFF": C1 is taken.
    QVERIFY(!box(1)->isEnabled());
    WindowTest::choose(combo("comboBox_LightingControlType"), "PULSE");
    QVERIFY(box(1)->isEnabled());

    QCOMPARE(saveFunction("IN2", {1, 2}, true), QStringLiteral("Saved..."));
    QCOMPARE(c1->useCount, ClaimCount(2));
    QCOMPARE(c1->pulseUseCount, ClaimCount(2));
    QCOMPARE(lightingStore().find("Lighting-2")->OutputControlPriority, QStringLiteral("Active"));
    QCOMPARE(child<QToolBox>(window.get(), "toolBox")->itemText(6), QStringLiteral("Lighting [2]"));

    // An "ON/OFF" item may not join them.
    WindowTest::choose(combo("comboBox_LightingControlType"), "ON/OFF");
    QVERIFY(!box(1)->isEnabled());
    QVERIFY(!box(2)->isEnabled());
}

void LightingTest::validationMessagesChangeNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("withOutput");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty name") << ""
                                << "IN1" << true
                                << "Item name can not be empty! Please type a valid name.";
    // The project file would drop the pair: the function would come back renamed.
    QTest::newRow("two spaces in a row")
        << "Hall  Lights"
        << "IN1" << true
        << "Item name can not contain two spaces in a row! Please type a valid name.";
    QTest::newRow("no input") << "Hall"
                              << "" << true << "Please select input!";
    QTest::newRow("no output") << "Hall"
                               << "IN1" << false << "Please select at least one Controlled Output!";
    QTest::newRow("name used") << "Existing"
                               << "IN1" << true
                               << "The name is already used! Please change the item name.";
}

void LightingTest::validationMessagesChangeNothing()
{
    QFETCH(QString, name);
    QFETCH(QString, input);
    QFETCH(bool, withOutput);
    QFETCH(QString, message);

    QCOMPARE(saveFunction("IN5", {8}), QStringLiteral("Saved..."));
    list()->item(0)->setText(QStringLiteral("Existing"));
    lightingStore().find(QStringLiteral("Lighting-1"))->name = QStringLiteral("Existing");
    list()->setCurrentRow(-1);

    nameField()->setText(name);
    if (!input.isEmpty())
        WindowTest::choose(combo("comboBox_LightingInput"), input);
    if (withOutput)
        WindowTest::click(box(1));
    save();
    QCOMPARE(info(), message);
    QCOMPARE(lightingStore().size(), 1);
    QCOMPARE(list()->count(), 1);
    QCOMPARE(InputCatalogue::instance().find(QStringLiteral("IN1"))->useCount, ClaimCount(0));
    QCOMPARE(OutputCatalogue::instance().find(QStringLiteral("C1"))->useCount, ClaimCount(0));
}

void LightingTest::infoLabelIsClearedAfterItsTime()
{
    save();
    QCOMPARE(info(), QStringLiteral("Please select input!"));
    QTest::qWait(2000);
    QCOMPARE(info(), QStringLiteral("Please select input!")); // shown for 2500 ms
    QTRY_VERIFY_WITH_TIMEOUT(info().isEmpty(), 2000);

    QCOMPARE(saveFunction("IN1", {1}), QStringLiteral("Saved..."));
    QTRY_VERIFY_WITH_TIMEOUT(info().isEmpty(), 2500);

    // A second message a second later keeps its full time, though the first one's ends sooner.
    nameField()->clear();
    save();
    QTest::qWait(1000);
    nameField()->setText(QStringLiteral("Lighting-2"));
    save();
    QTest::qWait(1000);
    QCOMPARE(info(), QStringLiteral("Please select input!"));
    QTRY_VERIFY_WITH_TIMEOUT(info().isEmpty(), 2500);
}

void LightingTest::savedItemIsNotShownAfterSave()
{
    QCOMPARE(saveFunction("IN1", {1}), QStringLiteral("Saved..."));
    QCOMPARE(list()->currentRow(), 0);
    QCOMPARE(nameField()->text(), QStringLiteral("Lighting-2"));
    QCOMPARE(combo("comboBox_LightingInput")->currentIndex(), -1);
    QVERIFY(!box(1)->isChecked());
    QCOMPARE(saveFunction("IN2", {2}), QStringLiteral("Saved..."));
    QCOMPARE(lightingStore().size(), 2);
    QCOMPARE(list()->item(1)->text(), QStringLiteral("Lighting-2"));
    QCOMPARE(list()->currentRow(), 1);
}

void LightingTest::updateNeedsConfirmation()
{
    QCOMPARE(saveFunction("IN4", {6}), QStringLiteral("Saved..."));
    const LightingRecord before = *lightingStore().find(QStringLiteral("Lighting-1"));
    WindowTest::clickListItem(list(), 0);
    QCOMPARE(combo("comboBox_LightingInput")->currentText(), QStringLiteral("IN4"));
    QVERIFY(box(6)->isChecked());
    WindowTest::choose(combo("comboBox_LightingDebounceTime"), "3000 ms");

    DialogSeam::answerNextBox(QMessageBox::Cancel);
    save();
    QCOMPARE(DialogSeam::shownBoxes().size(), 1);
    const DialogSeam::ShownBox asked = DialogSeam::shownBoxes().first();
    QCOMPARE(asked.title, QStringLiteral("Caution"));
    QCOMPARE(asked.text, QStringLiteral("Lighting-1 object has been modified."));
    QCOMPARE(asked.informativeText, QStringLiteral("Do you want to save your changes?"));
    QCOMPARE(asked.icon, QMessageBox::Warning);
    QCOMPARE(asked.buttons, QMessageBox::Save | QMessageBox::Cancel);
    QCOMPARE(asked.defaultButton, QMessageBox::Cancel);
    QCOMPARE(*lightingStore().find(QStringLiteral("Lighting-1")), before);

    DialogSeam::answerNextBox(QMessageBox::Save);
    save();
    QCOMPARE(info(), QStringLiteral("Saved..."));
    QCOMPARE(lightingStore().size(), 1);
    QCOMPARE(lightingStore().find(QStringLiteral("Lighting-1"))->DebounceTime,
             QStringLiteral("3000 ms"));
    QCOMPARE(InputCatalogue::instance().find(QStringLiteral("IN4"))->useCount, ClaimCount(1));
    QCOMPARE(OutputCatalogue::instance().find(QStringLiteral("C6"))->useCount, ClaimCount(1));
}

void LightingTest::updateRefusesAnInputOwnedElsewhere()
{
    QCOMPARE(saveFunction("IN1", {1}), QStringLiteral("Saved..."));
    QCOMPARE(saveFunction("IN2", {2}), QStringLiteral("Saved..."));
    const LightingRecord before = *lightingStore().find(QStringLiteral("Lighting-2"));
    WindowTest::clickListItem(list(), 1);
    QComboBox *input = combo("comboBox_LightingInput");
    // IN1 is greyed out for this function; force it past the list.
    QVERIFY(!(input->model()->flags(input->model()->index(0, 0)) & Qt::ItemIsEnabled));
    QCOMPARE(input->itemData(0, Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::lightGray));
    QCOMPARE(input->itemData(1, Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
    input->setCurrentIndex(0);

    DialogSeam::answerNextBox(QMessageBox::Save);
    save();
    QCOMPARE(info(), QStringLiteral("Selected input is already using in another function! Please "
                                    "select different input."));
    QCOMPARE(*lightingStore().find(QStringLiteral("Lighting-2")), before);
    QCOMPARE(InputCatalogue::instance().find(QStringLiteral("IN1"))->useCount, ClaimCount(1));
    QCOMPARE(InputCatalogue::instance().find(QStringLiteral("IN2"))->useCount, ClaimCount(1));
}

void LightingTest::renamingIsANewItem()
{
    QCOMPARE(saveFunction("IN1", {1}), QStringLiteral("Saved..."));
    WindowTest::clickListItem(list(), 0);
    nameField()->setText(QStringLiteral("Corridor"));
    save();
    QCOMPARE(info(), QStringLiteral("Selected input is already using in another function! Please "
                                    "select different input."));
    QCOMPARE(lightingStore().size(), 1);

    // The old function's own output stays ticked, but an "ON/OFF" copy may not share it.
    WindowTest::choose(combo("comboBox_LightingInput"), "IN7");
    save();
    QCOMPARE(info(), QStringLiteral("Selected output is already using in another function! "
                                    "Please select different output."));
    QCOMPARE(lightingStore().size(), 1);

    WindowTest::click(box(1));
    WindowTest::click(box(2));
    save();
    QCOMPARE(info(), QStringLiteral("Saved..."));
    QCOMPARE(lightingStore().size(), 2);
    QVERIFY(lightingStore().find(QStringLiteral("Lighting-1")));
    QCOMPARE(lightingStore().find(QStringLiteral("Corridor"))->Input, QStringLiteral("IN7"));
    QCOMPARE(OutputCatalogue::instance().find(QStringLiteral("C1"))->useCount, ClaimCount(1));
    QCOMPARE(WindowTest::findings(window.get()), QStringList());
}

void LightingTest::proposedNameAfterDeleteCanCollide()
{
    QCOMPARE(saveFunction("IN1", {1}), QStringLiteral("Saved..."));
    QCOMPARE(saveFunction("IN2", {2}), QStringLiteral("Saved..."));
    WindowTest::clickListItem(list(), 0);
    remove();
    QCOMPARE(list()->count(), 1);
    QCOMPARE(list()->currentItem(), nullptr);
    QCOMPARE(nameField()->text(), QStringLiteral("Lighting-2"));
    QCOMPARE(child<QToolBox>(window.get(), "toolBox")->itemText(6), QStringLiteral("Lighting [1]"));

    QCOMPARE(saveFunction("IN3", {3}),
             QStringLiteral("The name is already used! Please change the item name."));
    QCOMPARE(lightingStore().size(), 1);

    // Delete without a current row does nothing.
    remove();
    QCOMPARE(list()->count(), 1);
}

void LightingTest::smallPlatformOffersThreeRows()
{
    DialogSeam::answerNextBox(QMessageBox::Yes); // in case the change asks to clear
    combo("comboBox_PlatformType")->setCurrentIndex(0);
    DialogSeam::reset();
    WindowTest::clickChild(window.get(), "HomeButton");
    WindowTest::clickChild(window.get(), "lightingButton");

    QComboBox *input = combo("comboBox_LightingInput");
    QCOMPARE(input->count(), 2);
    QCOMPARE(input->itemText(0), QStringLiteral("IN1"));
    QCOMPARE(input->itemText(1), QStringLiteral("IN2"));
    QCOMPARE(enabledBoxes(),
             QVector<bool>({true, false, false, false, false, false, false, false}));
    WindowTest::click(box(1));
    WindowTest::click(box(1));
    QCOMPARE(enabledBoxes(),
             QVector<bool>({true, false, false, false, false, false, false, false}));

    QCOMPARE(saveFunction("IN2", {1}), QStringLiteral("Saved..."));
    QVERIFY(!box(1)->isEnabled());
}

void LightingTest::deletingEverythingFreesEveryCounter()
{
    QCOMPARE(saveFunction("IN1", {1, 2}, true), QStringLiteral("Saved..."));
    QCOMPARE(saveFunction("IN2", {2, 3}, true), QStringLiteral("Saved..."));
    QCOMPARE(saveFunction("IN3", {4}), QStringLiteral("Saved..."));
    while (list()->count() > 0) {
        WindowTest::clickListItem(list(), 0);
        remove();
    }
    QVERIFY(lightingStore().isEmpty());
    for (const InputEntry &entry : InputCatalogue::instance().rows())
        QCOMPARE(entry.useCount, ClaimCount(0));
    for (const OutputEntry &entry : OutputCatalogue::instance().rows()) {
        QCOMPARE(entry.useCount, ClaimCount(0));
        QCOMPARE(entry.pulseUseCount, ClaimCount(0));
    }
    QCOMPARE(child<QToolBox>(window.get(), "toolBox")->itemText(6), QStringLiteral("Lighting [0]"));
    QCOMPARE(nameField()->text(), QStringLiteral("Lighting-1"));
}

QTEST_MAIN(LightingTest)
#include "tst_lighting.moc"
