#include "app/dialogseam.h"
#include "mainwindow.h"
#include "model/clock.h"
#include "model/projectsnapshot.h"
#include "model/version.h"
#include "project/envelope.h"
#include "project/projectdiff.h"
#include "project/projectdocument.h"
#include "support/sampleproject.h"
#include "support/windowtest.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QLoggingCategory>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolBox>
#include <QUndoStack>
#include <QtTest>
#include <functional>

using WindowTest::child;
using Act = std::function<void(QWidget *)>;
Q_DECLARE_METATYPE(Act)

namespace
{

// Everything a step may change: the export, stores and catalogues (locks and
// the LED memory too), and the lists and titles shown.
struct Project {
    explicit Project(const QWidget *window)
        : document(
              buildProjectDocument(child<QComboBox>(window, "comboBox_PlatformType")->currentText(),
                                   programVersion(), Clock::now())),
          shown(WindowTest::shownWindow(window))
    {
    }
    QJsonObject document;
    ProjectSnapshot project = takeProjectSnapshot();
    ShownWindow shown;
};

void expectSame(const Project &expected, const QWidget *window)
{
    const Project now(window);
    for (const Difference &difference : diffProjects(expected.document, now.document))
        QFAIL(qPrintable(difference.toString()));
    QVERIFY(now.project == expected.project);
    for (int type = 0; type < functionTypeCount; ++type) {
        QCOMPARE(now.shown[type].names, expected.shown[type].names);
        QCOMPARE(now.shown[type].title, expected.shown[type].title);
    }
    QCOMPARE(WindowTest::findings(window), QStringList());
}

void openListItem(QWidget *window, const char *list, int type, int row)
{
    child<QToolBox>(window, "toolBox")->setCurrentIndex(type);
    WindowTest::clickListItem(child<QListWidget>(window, list), row);
}

void deleteVoltageInput(QWidget *window)
{
    openListItem(window, "listWidget_Acinput", int(FunctionType::VoltageInput), 0);
    WindowTest::clickChild(window, "pushButtonACInputDelete");
}

} // namespace

// Each kind of step taken back and done again through the Edit menu.
class UndoTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("default.debug=false"); } // export's
    void stepIsUndoneAndRedone_data();
    void stepIsUndoneAndRedone();
};

void UndoTest::stepIsUndoneAndRedone_data()
{
    QTest::addColumn<Act>("prepare"); // before the export that the marker starts from
    QTest::addColumn<Act>("act");
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("page"); // shown after undo and redo
    QTest::addColumn<QStringList>("changed");

    QTest::newRow("save new") << Act() << Act([](QWidget *w) {
        WindowTest::clickChild(w, "lightingButton");
        child<QLineEdit>(w, "lineEditLightingName")->setText("Room Lights");
        WindowTest::choose(child<QComboBox>(w, "comboBox_LightingControlType"), "PULSE");
        WindowTest::choose(child<QComboBox>(w, "comboBox_LightingInput"), "IN12");
        WindowTest::clickChild(w, "checkBox_LightingOutputC1"); // shared with "Hall Lights"
        WindowTest::clickChild(w, "pushButtonLightingSave");
    }) << "Save Lighting \"Room Lights\""
                              << 7 << QStringList{"Lighting"};
    QTest::newRow("save update, motion sensor copied") << Act() << Act([](QWidget *w) {
        openListItem(w, "listWidget_AirCon", int(FunctionType::AirCon), 0);
        WindowTest::choose(child<QComboBox>(w, "comboBox_AirConMotionDebounceTime"), "500 ms");
        DialogSeam::answerNextBox(QMessageBox::Save); // the update
        DialogSeam::answerNextBox(QMessageBox::Save); // the copies
        WindowTest::clickChild(w, "pushButtonAirConSave");
    }) << "Save Air Conditioner \"AC-1\"" << 5 << QStringList{"AirConditioner", "EnergySaving"};
    // Without "Door Relay" on C6, "Master Off-2" controls only C8 of "Voltage-1".
    QTest::newRow("delete with a prune") << Act([](QWidget *w) {
        openListItem(w, "listWidget_Dgitialio", int(FunctionType::DigitalIO), 0);
        WindowTest::clickChild(w, "pushButtonDigitalIODelete");
    }) << Act(deleteVoltageInput) << "Delete Voltage Input \"Voltage-1\""
                                         << 6
                                         << QStringList{"MasterOff", "VoltageInput", "Welcome"};
    QTest::newRow("clear all") << Act() << Act([](QWidget *w) {
        DialogSeam::answerNextBox(QMessageBox::Yes);
        WindowTest::clickChild(w, "SettingsButton");
    }) << "Clear All" << 0 << QStringList{"AirConditioner", "DNDMUR", "DigitalIO", "EnergySaving",
                                          "Lighting",       "Logic",  "MasterOff", "Shutter",
                                          "VoltageInput",   "Welcome"};
    QTest::newRow("platform")
        << Act() << Act([](QWidget *w) {
               DialogSeam::answerNextBox(QMessageBox::Yes);
               WindowTest::choose(child<QComboBox>(w, "comboBox_PlatformType"), "MV210");
           })
        << "DeviceType MV210" << 0
        << QStringList{"",         "AirConditioner", "DNDMUR",    "DigitalIO", "EnergySaving",
                       "Lighting", "Logic",          "MasterOff", "Shutter",   "VoltageInput",
                       "Welcome"};
}

void UndoTest::stepIsUndoneAndRedone()
{
    QFETCH(Act, prepare);
    QFETCH(Act, act);
    QFETCH(QString, step);
    QFETCH(int, page);
    QFETCH(QStringList, changed);

    QTemporaryDir dir;
    const QString path = dir.filePath("sample.rccfg");
    WindowTest::resetProject();
    SampleProject::fill();
    QByteArray bytes = projectText(buildProjectDocument("MV211", programVersion(), Clock::now()));
    encryptProjectData(bytes);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    const std::unique_ptr<MainWindow> window = WindowTest::openWindow();
    window->importProjectFile(path);
    if (prepare)
        prepare(window.get());
    DialogSeam::answerNextFileName(path);
    WindowTest::clickChild(window.get(), "ExportButton");

    const QUndoStack *history = window->findChild<QUndoStack *>();
    QAction *undo = child<QAction>(window.get(), "actionUndo");
    QAction *redo = child<QAction>(window.get(), "actionRedo");
    const auto expectMarker = [&](bool marked) {
        QCOMPARE(history->isClean(), !marked);
        QCOMPARE(window->hasUnexportedWork(), marked && savedFunctionCount() > 0);
        QCOMPARE(window->isWindowModified(), marked && !window->windowFilePath().isEmpty());
    };
    const Project before(window.get());
    expectMarker(false);

    act(window.get());
    const Project after(window.get());
    QStringList types;
    for (const Difference &difference : diffProjects(before.document, after.document))
        types << difference.type;
    types.removeDuplicates();
    types.sort();
    QCOMPARE(types, changed);
    QCOMPARE(undo->text(), "Undo " + step);
    expectMarker(true);

    QStackedWidget *pages = child<QStackedWidget>(window.get(), "stackedWidget");
    pages->setCurrentIndex(page == 1 ? 2 : 1); // the step's page is shown from elsewhere
    undo->trigger();
    expectSame(before, window.get());
    QCOMPARE(pages->currentIndex(), page);
    QCOMPARE(redo->text(), "Redo " + step);
    expectMarker(false);

    redo->trigger();
    expectSame(after, window.get());
    QCOMPARE(pages->currentIndex(), page);
    expectMarker(true);
    QCOMPARE(DialogSeam::unexpectedCalls(), 0);
}

QTEST_MAIN(UndoTest)
#include "tst_undo.moc"
