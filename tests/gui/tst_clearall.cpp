#include "app/dialogseam.h"
#include "mainwindow.h"
#include "model/stores.h"
#include "support/windowtest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QStackedWidget>
#include <QToolBox>
#include <QToolButton>
#include <QtTest>

using WindowTest::child;

// Clear all, and the platform type whose change clears the project.
class ClearAllTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void declinedClearChangesNothing_data();
    void declinedClearChangesNothing();
    void clearEmptiesEveryType();
    void declinedPlatformChangeAsksOnce();
    void smallPlatformOffersThreeRows();

private:
    QComboBox *combo(const char *name) const { return child<QComboBox>(window.get(), name); }
    QToolBox *toolBox() const { return child<QToolBox>(window.get(), "toolBox"); }
    QStringList titles() const;
    int currentPage() const
    {
        return child<QStackedWidget>(window.get(), "stackedWidget")->currentIndex();
    }
    // One Lighting and one Digital I/O function, saved through their pages.
    void saveTwoFunctions();
    void clickClear(QMessageBox::StandardButton answer);
    void choosePlatform(const char *platform, QMessageBox::StandardButton answer);

    std::unique_ptr<MainWindow> window;
};

QStringList ClearAllTest::titles() const
{
    QStringList texts;
    for (int index = 0; index < toolBox()->count(); ++index)
        texts << toolBox()->itemText(index);
    return texts;
}

void ClearAllTest::saveTwoFunctions()
{
    WindowTest::clickChild(window.get(), "lightingButton");
    WindowTest::choose(combo("comboBox_LightingInput"), "IN1");
    WindowTest::clickChild(window.get(), "checkBox_LightingOutputC1");
    WindowTest::clickChild(window.get(), "pushButtonLightingSave");
    WindowTest::clickChild(window.get(), "DigitalioButton");
    WindowTest::choose(combo("comboBox_DigitalIOInput"), "IN2");
    WindowTest::choose(combo("comboBox_DigitalIOOutput"), "C2");
    WindowTest::clickChild(window.get(), "pushButtonDigitalIOSave");
    QCOMPARE(lightingStore().size() + digitalIOStore().size(), 2);
}

void ClearAllTest::clickClear(QMessageBox::StandardButton answer)
{
    DialogSeam::answerNextBox(answer);
    WindowTest::clickChild(window.get(), "SettingsButton");
}

void ClearAllTest::choosePlatform(const char *platform, QMessageBox::StandardButton answer)
{
    DialogSeam::answerNextBox(answer);
    WindowTest::choose(combo("comboBox_PlatformType"), platform);
}

void ClearAllTest::init()
{
    window = WindowTest::openWindow();
}

void ClearAllTest::cleanup()
{
    window.reset();
    QCOMPARE(DialogSeam::unexpectedCalls(), 0);
    QCOMPARE(DialogSeam::pendingAnswers(), 0);
}

void ClearAllTest::declinedClearChangesNothing_data()
{
    QTest::addColumn<QString>("pageButton");
    QTest::newRow("home") << "HomeButton";
    QTest::newRow("digital i/o") << "DigitalioButton";
}

void ClearAllTest::declinedClearChangesNothing()
{
    QFETCH(QString, pageButton);
    saveTwoFunctions();
    WindowTest::clickChild(window.get(), pageButton.toLatin1().constData());
    const int page = currentPage();
    const QStringList before = titles();

    clickClear(QMessageBox::Cancel);
    QCOMPARE(DialogSeam::shownBoxes().size(), 1);
    const DialogSeam::ShownBox box = DialogSeam::shownBoxes().first();
    QCOMPARE(box.title, QStringLiteral("Caution"));
    QCOMPARE(box.text, QStringLiteral("You will lose all unsaved changes!"));
    QCOMPARE(box.informativeText, QStringLiteral("Are you sure want to delete all changes? "));
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::Cancel);
    QCOMPARE(box.defaultButton, QMessageBox::Cancel);

    QCOMPARE(currentPage(), page);
    QCOMPARE(titles(), before);
    QCOMPARE(lightingStore().size() + digitalIOStore().size(), 2);
    QCOMPARE(InputCatalogue::instance().find(QStringLiteral("IN1"))->useCount, ClaimCount(1));
}

void ClearAllTest::clearEmptiesEveryType()
{
    saveTwoFunctions();
    OutputEntry *c5 = OutputCatalogue::instance().find(QStringLiteral("C5"));
    c5->masterOffLocked = c5->welcomeLocked = 1; // as a shutter save leaves it

    clickClear(QMessageBox::Yes);
    QCOMPARE(currentPage(), 0);
    QCOMPARE(titles(),
             QStringList({"Welcome [0]", "Master Off [0]", "Energy Saving [0]", "DND/MUR [0]",
                          "Air Conditioner [0]", "Voltage Input [0]", "Lighting [0]", "Shutter [0]",
                          "Digital I/O [0]", "Logic [0]"}));
    for (const char *list : {"listWidgetLighting", "listWidget_Dgitialio"})
        QCOMPARE(child<QListWidget>(window.get(), list)->count(), 0);
    QVERIFY(lightingStore().isEmpty() && digitalIOStore().isEmpty());
    for (const InputEntry &input : InputCatalogue::instance().rows())
        QCOMPARE(input.useCount, ClaimCount(0));
    for (const OutputEntry &output : OutputCatalogue::instance().rows()) {
        QCOMPARE(output.useCount, ClaimCount(0));
        QCOMPARE(output.pulseUseCount, ClaimCount(0));
    }
    QCOMPARE(c5->masterOffLocked, quint8(1));
    QCOMPARE(c5->welcomeLocked, quint8(1));

    // From page 0 it asks again and rebuilds the report in place.
    clickClear(QMessageBox::Yes);
    QCOMPARE(currentPage(), 0);
}

void ClearAllTest::declinedPlatformChangeAsksOnce()
{
    saveTwoFunctions();
    choosePlatform("MV210", QMessageBox::Cancel);
    QCOMPARE(DialogSeam::shownBoxes().size(), 1);
    QCOMPARE(combo("comboBox_PlatformType")->currentText(), QStringLiteral("MV211"));
    QCOMPARE(lightingStore().size() + digitalIOStore().size(), 2);
    QVERIFY(child<QToolButton>(window.get(), "AcInputButton")->isEnabled());
    QVERIFY(child<QToolButton>(window.get(), "shutterButton")->isEnabled());

    // The platform already shown is no change: nothing is asked.
    WindowTest::choose(combo("comboBox_PlatformType"), "MV211");
    QCOMPARE(DialogSeam::shownBoxes().size(), 1);
}

void ClearAllTest::smallPlatformOffersThreeRows()
{
    saveTwoFunctions();
    choosePlatform("MV210", QMessageBox::Yes);
    QCOMPARE(currentPage(), 0);
    QVERIFY(lightingStore().isEmpty() && digitalIOStore().isEmpty());
    QVERIFY(!child<QToolButton>(window.get(), "AcInputButton")->isEnabled());
    QVERIFY(!child<QToolButton>(window.get(), "shutterButton")->isEnabled());

    WindowTest::clickChild(window.get(), "DigitalioButton");
    QCOMPARE(combo("comboBox_DigitalIOInput")->count(), 2);
    QCOMPARE(combo("comboBox_DigitalIOOutput")->count(), 1);
    WindowTest::clickChild(window.get(), "lightingButton");
    QCOMPARE(combo("comboBox_LightingInput")->count(), 2);
    QVERIFY(child<QCheckBox>(window.get(), "checkBox_LightingOutputC1")->isEnabled());
    QVERIFY(!child<QCheckBox>(window.get(), "checkBox_LightingOutputC2")->isEnabled());
    WindowTest::clickChild(window.get(), "MasterOffButton");
    QCOMPARE(combo("comboBox_MasterOffInput")->count(), 2);
    QCOMPARE(combo("comboBox_MasterOffLedOutput")->count(), 1);

    choosePlatform("MV211", QMessageBox::Yes);
    QVERIFY(child<QToolButton>(window.get(), "AcInputButton")->isEnabled());
    QVERIFY(child<QToolButton>(window.get(), "shutterButton")->isEnabled());
    WindowTest::clickChild(window.get(), "DigitalioButton");
    QCOMPARE(combo("comboBox_DigitalIOInput")->count(), 13);
}

QTEST_MAIN(ClearAllTest)
#include "tst_clearall.moc"
