#include "app/dialogseam.h"
#include "mainwindow.h"
#include "model/stores.h"
#include "project/envelope.h"
#include "project/projectdocument.h"
#include "support/windowtest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QToolBox>
#include <QtTest>

using WindowTest::child;

// The Master Off editor and how its functions follow the outputs they control.
class MasterOffTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void nothingToControlWithoutClaimedOutputs();
    void atMostFourFunctions();
    void ledOutputSavedLastIsNotControllable();
    void updateKeepsItsOwnInput();
    void everyImportedFunctionIsPruned();
    void saveNeverPrunesTheFunctionItSaves();

private:
    QCheckBox *box(int n) const;
    QComboBox *combo(const char *name) const { return child<QComboBox>(window.get(), name); }
    QLineEdit *nameField() const { return child<QLineEdit>(window.get(), "lineEditMasterOffName"); }
    QListWidget *list() const { return child<QListWidget>(window.get(), "listWidget_MasterOff"); }
    QString info() const { return child<QLabel>(window.get(), "label_MasterOffUI_Info")->text(); }
    QVector<bool> enabledBoxes() const;
    void showPage();
    // Picks the input (and LED), ticks the boxes and saves; returns the info text.
    QString saveFunction(const QString &input, QVector<int> outputs, const QString &led = {});
    // Outputs held by some other function, so that Master Off may control them.
    static void holdOutputs(QVector<int> outputs);

    std::unique_ptr<MainWindow> window;
};

QCheckBox *MasterOffTest::box(int n) const
{
    const QByteArray name = "checkBox_MasterOffOutputC" + QByteArray::number(n);
    return child<QCheckBox>(window.get(), name.constData());
}

QVector<bool> MasterOffTest::enabledBoxes() const
{
    QVector<bool> enabled;
    for (int n = 1; n <= 8; ++n)
        enabled << box(n)->isEnabled();
    return enabled;
}

void MasterOffTest::showPage()
{
    WindowTest::clickChild(window.get(), "HomeButton");
    WindowTest::clickChild(window.get(), "MasterOffButton");
}

QString MasterOffTest::saveFunction(const QString &input, QVector<int> outputs, const QString &led)
{
    WindowTest::choose(combo("comboBox_MasterOffInput"), input);
    if (!led.isEmpty())
        WindowTest::choose(combo("comboBox_MasterOffLedOutput"), led);
    for (int n : outputs)
        WindowTest::click(box(n));
    WindowTest::clickChild(window.get(), "pushButtonMasterOffSave");
    return info();
}

void MasterOffTest::holdOutputs(QVector<int> outputs)
{
    for (int n : outputs)
        ++OutputCatalogue::instance().byId(n)->useCount;
}

void MasterOffTest::init()
{
    window = WindowTest::openWindow();
}

void MasterOffTest::cleanup()
{
    window.reset();
    QCOMPARE(DialogSeam::unexpectedCalls(), 0);
    QCOMPARE(DialogSeam::pendingAnswers(), 0);
}

void MasterOffTest::nothingToControlWithoutClaimedOutputs()
{
    showPage();
    QCOMPARE(nameField()->text(), QStringLiteral("MasterOff-1"));
    QCOMPARE(combo("comboBox_MasterOffDebounceTime")->currentText(), QStringLiteral("50 ms"));
    QCOMPARE(enabledBoxes(), QVector<bool>(8, false));
    QCOMPARE(saveFunction("IN1", {}),
             QStringLiteral("Please select at least one Controlled Output!"));
    QVERIFY(masterOffStore().isEmpty());
    QCOMPARE(InputCatalogue::instance().find(QStringLiteral("IN1"))->useCount, ClaimCount(0));
}

void MasterOffTest::atMostFourFunctions()
{
    holdOutputs({1});
    showPage();
    for (const char *input : {"IN1", "IN2", "IN3", "IN4"})
        QCOMPARE(saveFunction(input, {1}), QStringLiteral("Saved..."));
    QCOMPARE(child<QToolBox>(window.get(), "toolBox")->itemText(1),
             QStringLiteral("Master Off [4]"));
    // With four functions no name is proposed: the field keeps the last one.
    QCOMPARE(nameField()->text(), QStringLiteral("MasterOff-4"));
    showPage();
    QCOMPARE(nameField()->text(), QStringLiteral("MasterOff-4"));

    nameField()->setText(QStringLiteral("Lobby"));
    QCOMPARE(saveFunction("IN5", {1}), QStringLiteral("You can save only four of this function."));
    QCOMPARE(masterOffStore().size(), 4);
    QCOMPARE(InputCatalogue::instance().find(QStringLiteral("IN5"))->useCount, ClaimCount(0));
}

void MasterOffTest::ledOutputSavedLastIsNotControllable()
{
    holdOutputs({3});
    showPage();
    QCOMPARE(saveFunction("IN1", {3}, "C5"), QStringLiteral("Saved..."));
    QCOMPARE(masterOffStore().find(QStringLiteral("MasterOff-1"))->LedOutput, QStringLiteral("C5"));
    QCOMPARE(OutputCatalogue::instance().find(QStringLiteral("C5"))->useCount, ClaimCount(1));
    // C5 is held by the LED now, but stays off the boxes; the LED list greys it.
    QCOMPARE(enabledBoxes(),
             QVector<bool>({false, false, true, false, false, false, false, false}));
    QCOMPARE(saveFunction("IN2", {3}), QStringLiteral("Saved..."));
    QVERIFY(!box(5)->isEnabled());

    // Any Master Off delete forgets the last LED: C5 follows the normal rule again.
    WindowTest::clickListItem(list(), 1);
    WindowTest::clickChild(window.get(), "pushButtonMasterOffDelete");
    QCOMPARE(enabledBoxes(), QVector<bool>({false, false, true, false, true, false, false, false}));
}

void MasterOffTest::updateKeepsItsOwnInput()
{
    holdOutputs({2, 4});
    showPage();
    QCOMPARE(saveFunction("IN3", {2}), QStringLiteral("Saved..."));
    WindowTest::clickListItem(list(), 0);
    QCOMPARE(combo("comboBox_MasterOffInput")->currentText(), QStringLiteral("IN3"));
    QVERIFY(box(2)->isChecked());

    WindowTest::click(box(4));
    DialogSeam::answerNextBox(QMessageBox::Save);
    WindowTest::clickChild(window.get(), "pushButtonMasterOffSave");
    QCOMPARE(info(), QStringLiteral("Saved..."));
    const MasterOffRecord *saved = masterOffStore().find(QStringLiteral("MasterOff-1"));
    QCOMPARE(saved->controlOutC2, QStringLiteral("ENABLE"));
    QCOMPARE(saved->controlOutC4, QStringLiteral("ENABLE"));
    QCOMPARE(masterOffStore().size(), 1);
    QCOMPARE(InputCatalogue::instance().find(QStringLiteral("IN3"))->useCount, ClaimCount(1));
}

// Import knows no count limit; a freed output must leave every function, not just four.
void MasterOffTest::everyImportedFunctionIsPruned()
{
    QJsonObject document = buildProjectDocument(QStringLiteral("MV211"), QStringLiteral("v2.0.2"),
                                                QDateTime::currentDateTime());
    LightingRecord lighting{"Hall", "IN1", "50 ms", "ON/OFF", "", "C1", "", "", "", "", "", "", ""};
    document.insert(QStringLiteral("Lighting"), QJsonArray{toJson(lighting)});
    QJsonArray masterOff;
    for (int n = 1; n <= 5; ++n) {
        MasterOffRecord record{QStringLiteral("Off-%1").arg(n),
                               QStringLiteral("IN%1").arg(n + 1),
                               "50 ms",
                               "",
                               "ENABLE",
                               "DISABLE",
                               "DISABLE",
                               "DISABLE",
                               "DISABLE",
                               "DISABLE",
                               "DISABLE",
                               "DISABLE"};
        masterOff.append(toJson(record));
    }
    document.insert(QStringLiteral("MasterOff"), masterOff);
    QByteArray bytes = projectText(document);
    encryptProjectData(bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("five.rccfg"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    DialogSeam::answerNextFileName(path);
    WindowTest::clickChild(window.get(), "ImportButton");
    QCOMPARE(list()->count(), 5);

    WindowTest::clickChild(window.get(), "lightingButton");
    WindowTest::clickListItem(child<QListWidget>(window.get(), "listWidgetLighting"), 0);
    WindowTest::clickChild(window.get(), "pushButtonLightingDelete");
    QCOMPARE(list()->count(), 0);
    QVERIFY(masterOffStore().isEmpty());
    for (const InputEntry &input : InputCatalogue::instance().rows())
        QCOMPARE(input.useCount, ClaimCount(0));
}

// Moving the LED off an output that only the LED held frees that output: the
// function may not control it any more, nor may its own save prune it away.
void MasterOffTest::saveNeverPrunesTheFunctionItSaves()
{
    WindowTest::clickChild(window.get(), "DigitalioButton");
    WindowTest::choose(combo("comboBox_DigitalIOInput"), "IN9");
    WindowTest::choose(combo("comboBox_DigitalIOOutput"), "C1");
    WindowTest::clickChild(window.get(), "pushButtonDigitalIOSave");
    showPage();
    QCOMPARE(saveFunction("IN1", {1}, "C3"), QStringLiteral("Saved..."));
    QCOMPARE(saveFunction("IN2", {1}, "C5"), QStringLiteral("Saved..."));

    WindowTest::clickListItem(list(), 0); // C3 is held by its LED alone
    WindowTest::click(box(1));
    WindowTest::click(box(3));
    WindowTest::choose(combo("comboBox_MasterOffLedOutput"), "C4");
    DialogSeam::answerNextBox(QMessageBox::Save);
    WindowTest::clickChild(window.get(), "pushButtonMasterOffSave");
    QCOMPARE(info(), QStringLiteral("Controlled output C3 is held only by the LED of this "
                                    "function! Please keep the LED or uncheck C3."));
    const MasterOffRecord *kept = masterOffStore().find(QStringLiteral("MasterOff-1"));
    QVERIFY(kept && kept->LedOutput == "C3" && kept->controlOutC1 == "ENABLE");

    // Only the LED saved last (C5) stays off: opened again, it may switch off its own.
    WindowTest::clickListItem(list(), 0);
    QVERIFY(box(3)->isEnabled() && !box(5)->isEnabled());
    WindowTest::click(box(3));
    DialogSeam::answerNextBox(QMessageBox::Save);
    WindowTest::clickChild(window.get(), "pushButtonMasterOffSave");
    QCOMPARE(info(), QStringLiteral("Saved..."));
    QCOMPARE(WindowTest::findings(window.get()), QStringList());
    QCOMPARE(WindowTest::roomFindings(window.get()), QStringList());
}

QTEST_MAIN(MasterOffTest)
#include "tst_masteroff.moc"
