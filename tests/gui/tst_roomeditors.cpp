#include "app/dialogseam.h"
#include "mainwindow.h"
#include "model/stores.h"
#include "support/windowtest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QToolBox>
#include <QtTest>

using WindowTest::child;
using WindowTest::choose;

// The room-level editors: Energy Saving, Air Conditioner, DND/MUR, and the
// motion sensor that the first two share.
class RoomEditorsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { window = WindowTest::openWindow(); }
    void cleanup();

    void energySavingRecordFollowsItsGroups();
    void energySavingRefusalsChangeNothing();
    void energySavingSharesTheMotionSensor_data();
    void energySavingSharesTheMotionSensor();
    void airConOutputsLimitTheFunctions();
    void airConRenamedCannotTakeItsOutputAgain();
    void airConPulseDelayIsRemembered();
    void airConBalconySensorGatesTheMotionSensor();
    void airConRefusedBalconyInputChangesNothing();
    void dndMurIsASingleFunction();
    void dndMurRefusesTheSameChoiceTwice();

private:
    QComboBox *combo(const char *name) const { return child<QComboBox>(window.get(), name); }
    QCheckBox *box(const char *name) const { return child<QCheckBox>(window.get(), name); }
    QString text(const char *label) const { return child<QLabel>(window.get(), label)->text(); }
    QString title(int index) const
    {
        return child<QToolBox>(window.get(), "toolBox")->itemText(index);
    }
    void click(const char *name) { WindowTest::clickChild(window.get(), name); }
    void open(const char *pageButton);
    void openSaved(const char *list);
    void setName(const char *field, const QString &name)
    {
        child<QLineEdit>(window.get(), field)->setText(name);
    }
    // Energy Saving page with the given groups on; an empty door is left unset.
    void fillEnergySaving(bool cardHolder, bool presence, const QString &door);
    // Air Conditioner page; a motion debounce turns balcony and motion sensor on.
    void fillAirCon(const QString &output, const QString &motionDebounce = QString());
    void saveAirCon(const QString &output, const QString &motionDebounce = QString());
    void expectEveryCounterFree();

    std::unique_ptr<MainWindow> window;
};

void RoomEditorsTest::cleanup()
{
    window.reset();
    QCOMPARE(DialogSeam::unexpectedCalls(), 0);
    QCOMPARE(DialogSeam::pendingAnswers(), 0);
}

void RoomEditorsTest::open(const char *pageButton)
{
    click("HomeButton");
    click(pageButton);
}

void RoomEditorsTest::openSaved(const char *list)
{
    WindowTest::clickListItem(child<QListWidget>(window.get(), list), 0);
}

void RoomEditorsTest::fillEnergySaving(bool cardHolder, bool presence, const QString &door)
{
    open("CardHolderButton");
    if (cardHolder)
        WindowTest::click(box("checkBox_CardHolderEnableDisable"));
    if (presence)
        WindowTest::click(box("checkBox_EnergySavingPresenceSensorEnableDisable"));
    if (!door.isEmpty())
        choose(combo("comboBox_CardHolder_DoorSensorInput"), door);
}

void RoomEditorsTest::fillAirCon(const QString &output, const QString &motionDebounce)
{
    open("AirConButton");
    if (!motionDebounce.isEmpty()) {
        WindowTest::click(box("checkBox_BalconySensorEnableDisable"));
        choose(combo("comboBox_AirConBalconyInput"),
               output == "AIR CON1" ? "AIR C. IN1" : "AIR C. IN2");
        WindowTest::click(box("checkBox_MotionSensorAirConEnableDisable"));
        choose(combo("comboBox_AirConMotionDebounceTime"), motionDebounce);
    }
    choose(combo("comboBox_AirConOutput"), output);
}

void RoomEditorsTest::saveAirCon(const QString &output, const QString &motionDebounce)
{
    fillAirCon(output, motionDebounce);
    click("pushButtonAirConSave");
    QCOMPARE(text("label_AirConUI_Info"), QStringLiteral("Saved..."));
}

void RoomEditorsTest::expectEveryCounterFree()
{
    for (const InputEntry &entry : InputCatalogue::instance().rows())
        QVERIFY2(entry.useCount == 0, qPrintable(entry.name));
    for (const OutputEntry &entry : OutputCatalogue::instance().rows())
        QVERIFY2(entry.useCount == 0, qPrintable(entry.name));
}

void RoomEditorsTest::energySavingRecordFollowsItsGroups()
{
    fillEnergySaving(true, false, QString());
    click("pushButtonCardHolderSave");
    const EnergySavingRecord cardHolderOnly{"Energy Saving-1",
                                            "ENABLE",
                                            "IN21",
                                            "50 ms",
                                            "ON/OFF",
                                            "NO",
                                            "DISABLE",
                                            "",
                                            "",
                                            "",
                                            0,
                                            "",
                                            "",
                                            0,
                                            0};
    QCOMPARE(*energySavingStore().find("Energy Saving-1"), cardHolderOnly);
    QCOMPARE(InputCatalogue::instance().find("IN21")->useCount, ClaimCount(1));
    QCOMPARE(title(2), QStringLiteral("Energy Saving [1]"));
    openSaved("listWidget_CardHolder");
    click("pushButtonCardHolderDelete");
    expectEveryCounterFree();

    // Without the card holder "IN21" is not held.
    fillEnergySaving(false, true, "IN3");
    click("pushButtonCardHolderSave");
    const EnergySavingRecord *presenceOnly = energySavingStore().find("Energy Saving-1");
    QCOMPARE(presenceOnly->Input, QString());
    QCOMPARE(presenceOnly->MotionSensorInput, QStringLiteral("SensorInput"));
    QCOMPARE(InputCatalogue::instance().find("IN21")->useCount, ClaimCount(0));
    QCOMPARE(InputCatalogue::instance().find("IN3")->useCount, ClaimCount(1));

    openSaved("listWidget_CardHolder");
    QVERIFY(!combo("comboBox_CardHolderDebounceTime")->isEnabled());
    QComboBox *door = combo("comboBox_CardHolder_DoorSensorInput");
    QCOMPARE(door->currentText(), QStringLiteral("IN3"));
    QCOMPARE(door->itemData(2, Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
    click("pushButtonCardHolderDelete");
    expectEveryCounterFree();
    QCOMPARE(title(2), QStringLiteral("Energy Saving [0]"));
}

void RoomEditorsTest::energySavingRefusalsChangeNothing()
{
    saveAirCon("AIR CON1", "100 ms");
    const AirConRecord airCon = *airConStore().find("AirCon-1");
    fillEnergySaving(true, true, QString());
    click("pushButtonCardHolderSave");
    QCOMPARE(text("label_EnergySavingUI_Info"), QStringLiteral("Please Select Door Sensor Input!"));
    QVERIFY(energySavingStore().isEmpty());

    fillEnergySaving(true, false, QString());
    click("pushButtonCardHolderSave");
    const EnergySavingRecord saved = *energySavingStore().find("Energy Saving-1");
    // A second (or renamed) function is refused before its motion setting,
    // which differs from the Air Conditioner's, is asked about or copied.
    fillEnergySaving(false, true, "IN4");
    setName("lineEditCardHolderName", "Room");
    click("pushButtonCardHolderSave");
    QCOMPARE(text("label_EnergySavingUI_Info"),
             QStringLiteral("You can save only one of this function."));
    QVERIFY(DialogSeam::shownBoxes().isEmpty());
    QCOMPARE(energySavingStore().records(), QVector<EnergySavingRecord>{saved});
    QCOMPARE(*airConStore().find("AirCon-1"), airCon);
    QCOMPARE(InputCatalogue::instance().find("IN4")->useCount, ClaimCount(0));
}

void RoomEditorsTest::energySavingSharesTheMotionSensor_data()
{
    QTest::addColumn<bool>("save");
    QTest::newRow("save") << true;
    QTest::newRow("cancel") << false;
}

void RoomEditorsTest::energySavingSharesTheMotionSensor()
{
    QFETCH(bool, save);
    saveAirCon("AIR CON1", "100 ms");
    const AirConRecord airCon = *airConStore().find("AirCon-1");
    fillEnergySaving(false, true, "IN3");
    choose(combo("comboBox_CardHolder_MotionContactType"), "NO");

    DialogSeam::answerNextBox(save ? QMessageBox::Save : QMessageBox::Cancel);
    click("pushButtonCardHolderSave");
    QCOMPARE(DialogSeam::shownBoxes().size(), 1);
    QCOMPARE(DialogSeam::shownBoxes().first().text,
             QStringLiteral("Energy Saving-1 Same Motion Sensor used and saved in Air Con. "
                            "function.\n Motion debounce time object has been modified."));
    const AirConRecord *after = airConStore().find("AirCon-1");
    QCOMPARE(after->MotionSensorDebounceTime, QString(save ? "50 ms" : "100 ms"));
    QCOMPARE(after->MotionSensorContactType, QString(save ? "NO" : "NC"));
    QCOMPARE(energySavingStore().size(), save ? 1 : 0);
    QCOMPARE(InputCatalogue::instance().find("IN3")->useCount, ClaimCount(save ? 1 : 0));
}

void RoomEditorsTest::airConOutputsLimitTheFunctions()
{
    saveAirCon("AIR CON1");
    saveAirCon("AIR CON2");
    QCOMPARE(title(4), QStringLiteral("AirCon [2]"));
    QComboBox *output = combo("comboBox_AirConOutput");
    for (int index : {0, 1}) {
        QVERIFY(!(output->model()->flags(output->model()->index(index, 0)) & Qt::ItemIsEnabled));
        QCOMPARE(output->itemData(index, Qt::ForegroundRole).value<QBrush>().color(),
                 QColor(Qt::lightGray));
    }
    click("pushButtonAirConSave");
    QCOMPARE(text("label_AirConUI_Info"), QStringLiteral("Please select output!"));
    QCOMPARE(airConStore().size(), 2);

    for (int left : {1, 0}) {
        openSaved("listWidget_AirCon");
        click("pushButtonAirConDelete");
        QCOMPARE(title(4), QStringLiteral("Air Conditioner [%1]").arg(left));
    }
    expectEveryCounterFree();
}

// Without a balcony sensor no input stops the saved function, shown again
// and renamed, from becoming a second one on the same output.
void RoomEditorsTest::airConRenamedCannotTakeItsOutputAgain()
{
    saveAirCon("AIR CON2");
    openSaved("listWidget_AirCon");
    setName("lineEditAirConName", "AirCon-9");
    click("pushButtonAirConSave");
    QCOMPARE(text("label_AirConUI_Info"),
             QStringLiteral("Selected output is already using in another function! Please "
                            "select different output."));
    QCOMPARE(airConStore().size(), 1);
    QCOMPARE(WindowTest::findings(window.get()), QStringList());
}

void RoomEditorsTest::airConPulseDelayIsRemembered()
{
    open("AirConButton");
    QSpinBox *delay = child<QSpinBox>(window.get(), "spinBoxAirConPulseDelay");
    QComboBox *control = combo("comboBox_AirConOutputControlType");
    QVERIFY(!delay->isEnabled());
    choose(control, "PULSE");
    QVERIFY(delay->isEnabled());
    delay->setValue(530);
    choose(control, "ON/OFF");
    QCOMPARE(delay->value(), 130);
    QVERIFY(!delay->isEnabled());
    choose(control, "PULSE");
    QCOMPARE(delay->value(), 530);

    saveAirCon("AIR CON1"); // a new page starts at "ON/OFF"
    QCOMPARE(airConStore().find("AirCon-1")->PulseDelay, 130);
    // Kept for the life of the process, across a new window.
    window.reset();
    window = WindowTest::openWindow();
    open("AirConButton");
    choose(combo("comboBox_AirConOutputControlType"), "PULSE");
    QCOMPARE(child<QSpinBox>(window.get(), "spinBoxAirConPulseDelay")->value(), 530);
}

void RoomEditorsTest::airConBalconySensorGatesTheMotionSensor()
{
    fillAirCon("AIR CON1", "100 ms");
    QCheckBox *motion = box("checkBox_MotionSensorAirConEnableDisable");
    QVERIFY(motion->isEnabled());
    QVERIFY(combo("comboBox_AirConMotionDebounceTime")->isEnabled());
    WindowTest::click(box("checkBox_BalconySensorEnableDisable"));
    QVERIFY(!motion->isChecked());
    QVERIFY(!motion->isEnabled());
    QVERIFY(!combo("comboBox_AirConMotionDebounceTime")->isEnabled());
    QCOMPARE(combo("comboBox_AirConMotionDebounceTime")->currentText(), QStringLiteral("50 ms"));
    QCOMPARE(combo("comboBox_AirConBalconyInput")->currentIndex(), -1);
}

void RoomEditorsTest::airConRefusedBalconyInputChangesNothing()
{
    fillEnergySaving(false, true, "IN3");
    click("pushButtonCardHolderSave");
    const EnergySavingRecord energySaving = *energySavingStore().find("Energy Saving-1");

    fillAirCon("AIR CON1", "100 ms");
    InputEntry *balcony = InputCatalogue::instance().find("AIR C. IN1");
    ++balcony->useCount; // taken while the page was open
    click("pushButtonAirConSave");
    QCOMPARE(text("label_AirConUI_Info"),
             QStringLiteral("Selected input is already using in another function! Please select "
                            "differen input."));
    QVERIFY(DialogSeam::shownBoxes().isEmpty());
    QCOMPARE(*energySavingStore().find("Energy Saving-1"), energySaving);
    QVERIFY(airConStore().isEmpty());

    --balcony->useCount;
    DialogSeam::answerNextBox(QMessageBox::Save);
    click("pushButtonAirConSave");
    QCOMPARE(DialogSeam::shownBoxes().first().text,
             QStringLiteral("AirCon-1 Same Motion Sensor used and saved in Energy Saving and/or "
                            "Air Con. function.\n Motion debounce time object has been modified."));
    QCOMPARE(energySavingStore().find("Energy Saving-1")->MotionSensorDebounceTime,
             QStringLiteral("100 ms"));
}

void RoomEditorsTest::dndMurIsASingleFunction()
{
    open("DndMurButton");
    const QStringList proposed = {combo("comboBox_DNDMUR_DNDInput")->currentText(),
                                  combo("comboBox_DNDMUR_MURInput")->currentText(),
                                  combo("comboBox_DNDMUR_DNDOutput")->currentText(),
                                  combo("comboBox_DNDMUR_MUROutput")->currentText()};
    QCOMPARE(proposed, QStringList({"DND IN", "MUR IN", "DND", "MUR"}));
    QCOMPARE(combo("comboBox_DNDMUR_OccupancyOutput")->currentIndex(), -1);
    choose(combo("comboBox_DNDMUR_BellOutput"), "C3");
    click("pushButtonDNDMURSave");
    QCOMPARE(title(3), QStringLiteral("DND/MUR [1]"));

    // On free inputs, only the limit refuses a second function.
    open("DndMurButton");
    setName("lineEditDNDMURName", "Suite");
    choose(combo("comboBox_DNDMUR_DNDInput"), "CH1");
    choose(combo("comboBox_DNDMUR_MURInput"), "CH2");
    click("pushButtonDNDMURSave");
    QCOMPARE(text("label_DNDMURUI_Info"),
             QStringLiteral("You can save only one of this function."));
    QCOMPARE(dndMurStore().size(), 1);

    openSaved("listWidget_DndMur");
    QCOMPARE(combo("comboBox_DNDMUR_BellOutput")->currentText(), QStringLiteral("C3"));
    click("pushButtonDNDMURDelete");
    const OutputEntry *bell = OutputCatalogue::instance().find("C3");
    QVERIFY(bell->masterOffLocked == 1 && bell->welcomeLocked == 1);
    expectEveryCounterFree();
    QCOMPARE(title(3), QStringLiteral("DND/MUR [0]"));
}

void RoomEditorsTest::dndMurRefusesTheSameChoiceTwice()
{
    open("DndMurButton");
    choose(combo("comboBox_DNDMUR_DNDInput"), "CH1");
    choose(combo("comboBox_DNDMUR_MURInput"), "CH1");
    click("pushButtonDNDMURSave");
    QCOMPARE(text("label_DNDMURUI_Info"),
             QStringLiteral("Can not select the same output for outputs!"));

    open("DndMurButton");
    choose(combo("comboBox_DNDMUR_BellOutput"), "C2");
    choose(combo("comboBox_DNDMUR_OccupancyOutput"), "C2");
    click("pushButtonDNDMURSave");
    QCOMPARE(text("label_DNDMURUI_Info"),
             QStringLiteral("Can not select the same output for outputs!"));
    QVERIFY(dndMurStore().isEmpty());
    expectEveryCounterFree();
}

QTEST_MAIN(RoomEditorsTest)
#include "tst_roomeditors.moc"
