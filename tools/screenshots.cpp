// Takes the README's screenshots from the real window: builds one hotel room
// with every function type through the editors, as a user would, then grabs
// the Home page, each editor page showing a saved function, the first pages
// of the PDF report that Export writes and of the wiring sheet, the report's
// print preview and the window that compares the room with a changed copy.
//
// Usage (offscreen): zaren800-screenshots OUTPUT_DIRECTORY

#include "app/dialogseam.h"
#include "mainwindow.h"
#include "model/clock.h"
#include "model/version.h"
#include "project/envelope.h"
#include "project/projectdocument.h"
#include "support/windowtest.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLoggingCategory>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>

using WindowTest::child;

namespace
{

// One field of a page set to a value: text, choice, check state or number.
struct Field {
    const char *widget;
    QVariant value;
};

struct Function {
    const char *pageButton;
    QVector<Field> fields;
};

// Outputs: C1 entrance light, C2 and C3 room lights (C3 shared by two
// "PULSE" functions), C4/C5 blind motor, C6 bathroom fan, C7 night light,
// C8 mirror heater. Master Off and Welcome come last: they control outputs
// that the others use.
const QVector<Function> &room()
{
    static const QVector<Function> functions = {
        {"lightingButton",
         {{"lineEditLightingName", "Entrance Light"},
          {"comboBox_LightingInput", "IN1"},
          {"checkBox_LightingOutputC1", true}}},
        {"lightingButton",
         {{"lineEditLightingName", "Room Lights"},
          {"comboBox_LightingInput", "IN2"},
          {"comboBox_LightingControlType", "PULSE"},
          {"comboBox_LightingOutputControlPriority", "LastState"},
          {"checkBox_LightingOutputC2", true},
          {"checkBox_LightingOutputC3", true}}},
        {"lightingButton",
         {{"lineEditLightingName", "Bedside Lamp"},
          {"comboBox_LightingInput", "IN3"},
          {"comboBox_LightingControlType", "PULSE"},
          {"checkBox_LightingOutputC3", true}}},
        {"shutterButton",
         {{"lineEditShutterName", "Window Blind"},
          {"comboBox_ShutterUpInput", "IN4"},
          {"comboBox_ShutterUpOutput", "C4"},
          {"comboBox_ShutterDownInput", "IN5"},
          {"comboBox_ShutterDownOutput", "C5"},
          {"spinBoxShutterMoveDur", 30}}},
        {"DigitalioButton",
         {{"lineEditDigitalIOName", "Bathroom Fan"},
          {"comboBox_DigitalIOInput", "IN6"},
          {"comboBox_DigitalIOOutput", "C6"},
          {"spinBoxDigitalIOOffDelay", 300}}},
        {"LogicButton",
         {{"lineEditLogicName", "Night Light"},
          {"comboBox_LogicInput_1", "IN7"},
          {"comboBox_LogicInput_2", "IN8"},
          {"comboBox_LogicInput_2_Polarity", "Inverted"},
          {"comboBox_LogicOutput", "C7"},
          {"spinBoxLogicOffDelay", 120}}},
        {"AcInputButton",
         {{"lineEditACInputName", "Mirror Heater"},
          {"comboBox_ACInputInput", "CH1"},
          {"comboBox_ACInputOutput", "C8"},
          {"spinBoxACInputOffDelay", 600}}},
        {"CardHolderButton",
         {{"checkBox_CardHolderEnableDisable", true},
          {"checkBox_EnergySavingPresenceSensorEnableDisable", true},
          {"comboBox_CardHolder_DoorSensorInput", "IN9"},
          {"spinBoxMotionSensorPulseDuration", 30},
          {"spinBoxCardHolderOffDelay", 60}}},
        {"AirConButton",
         {{"lineEditAirConName", "Room AC"},
          {"checkBox_BalconySensorEnableDisable", true},
          {"comboBox_AirConBalconyInput", "AIR C. IN1"},
          {"checkBox_MotionSensorAirConEnableDisable", true},
          {"comboBox_AirConOutput", "AIR CON1"},
          {"spinBoxAirConOffDelay", 300}}},
        {"DndMurButton",
         {{"comboBox_DNDMUR_DNDInput", "DND IN"},
          {"comboBox_DNDMUR_DNDOutput", "DND"},
          {"comboBox_DNDMUR_MURInput", "MUR IN"},
          {"comboBox_DNDMUR_MUROutput", "MUR"}}},
        {"MasterOffButton",
         {{"lineEditMasterOffName", "Door Master Off"},
          {"comboBox_MasterOffInput", "IN10"},
          {"checkBox_MasterOffOutputC1", true},
          {"checkBox_MasterOffOutputC2", true},
          {"checkBox_MasterOffOutputC3", true},
          {"checkBox_MasterOffOutputC6", true},
          {"checkBox_MasterOffOutputC7", true},
          {"checkBox_MasterOffOutputC8", true}}},
        {"WelcomeButton", {{"checkBox_WelcomeOutputC1", true}, {"checkBox_WelcomeOutputC2", true}}},
    };
    return functions;
}

// Page button, list of saved functions, the row shown, file name.
struct Page {
    const char *button;
    const char *list;
    int row;
    const char *file;
};
const Page pages[] = {
    {"WelcomeButton", "listWidget_Welcome", 0, "welcome.png"},
    {"MasterOffButton", "listWidget_MasterOff", 0, "masteroff.png"},
    {"CardHolderButton", "listWidget_CardHolder", 0, "energysaving.png"},
    {"DndMurButton", "listWidget_DndMur", 0, "dndmur.png"},
    {"AirConButton", "listWidget_AirCon", 0, "aircon.png"},
    {"AcInputButton", "listWidget_Acinput", 0, "voltageinput.png"},
    // The "PULSE" function whose output C3 is shared.
    {"lightingButton", "listWidgetLighting", 1, "lighting.png"},
    {"shutterButton", "listWidget_Shutter", 0, "shutter.png"},
    {"DigitalioButton", "listWidget_Dgitialio", 0, "digitalio.png"},
    {"LogicButton", "listWidget_Logic", 0, "logic.png"},
};

void set(QObject *widget, const QVariant &value)
{
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        edit->setText(value.toString());
    else if (auto *combo = qobject_cast<QComboBox *>(widget))
        WindowTest::choose(combo, value.toString());
    else if (auto *box = qobject_cast<QCheckBox *>(widget)) {
        if (box->isChecked() != value.toBool())
            WindowTest::click(box);
    } else if (auto *spin = qobject_cast<QSpinBox *>(widget))
        spin->setValue(value.toInt());
    else
        qFatal("cannot set %s", qPrintable(widget->objectName()));
}

// Fills the function's page and saves it; anything but "Saved..." stops the run.
void save(MainWindow &window, const Function &function)
{
    WindowTest::clickChild(&window, "HomeButton");
    WindowTest::clickChild(&window, function.pageButton);
    for (const Field &field : function.fields)
        set(child<QWidget>(&window, field.widget), field.value);
    QWidget *page = child<QStackedWidget>(&window, "stackedWidget")->currentWidget();
    for (QPushButton *button : page->findChildren<QPushButton *>())
        if (button->objectName().endsWith(QLatin1String("Save")))
            WindowTest::click(button);
    for (QLabel *label : page->findChildren<QLabel *>())
        if (label->objectName().endsWith(QLatin1String("_Info")) && label->text() != "Saved...")
            qFatal("%s not saved: %s", function.pageButton, qPrintable(label->text()));
}

void saveImage(const QImage &image, const QDir &out, const char *file)
{
    if (!image.save(out.filePath(QString::fromLatin1(file))))
        qFatal("cannot write %s", file);
}

// The first page of a PDF as a picture.
void saveFirstPage(const QString &pdf, const QDir &out, const char *file)
{
    const QString page = QFileInfo(pdf).dir().filePath("page");
    if (QProcess::execute("pdftoppm", {"-png", "-r", "110", "-singlefile", pdf, page}) != 0)
        qFatal("pdftoppm could not render %s", qPrintable(pdf));
    saveImage(QImage(page + ".png"), out, file);
}

// Export writes the project and its PDF report; the first page becomes report.png.
void shootReport(MainWindow &window, const QString &project, const QDir &out)
{
    DialogSeam::answerNextFileName(project);
    WindowTest::clickChild(&window, "ExportButton");
    saveFirstPage(reportPdfPath(project), out, "report.png");
}

// A dialog the window opens, grabbed as it shows itself at that size.
void shootDialog(MainWindow &window, const char *action, const QSize &size, const QDir &out,
                 const char *file)
{
    DialogSeam::inspectNextDialog([&](QDialog &dialog) {
        dialog.resize(size);
        dialog.show();
        QTest::qWait(200);
        saveImage(dialog.grab().toImage(), out, file);
        return int(QDialog::Rejected);
    });
    child<QAction>(&window, action)->trigger();
}

// File > Compare With... on a copy of the room as a colleague changed it: a
// debounce time, one function more, one less.
void shootCompare(MainWindow &window, const QString &project, const QDir &out)
{
    QJsonObject document = readProjectFile(project, programVersion()).document;
    QJsonArray lighting = document["Lighting"].toArray();
    QJsonObject roomLights = lighting.at(1).toObject();
    roomLights["DebounceTime"] = "100 ms";
    document["Lighting"] = QJsonArray{lighting.at(0), roomLights};
    QJsonArray digitalIO = document["DigitalIO"].toArray();
    QJsonObject towels = digitalIO.at(0).toObject();
    towels["name"] = "Towel Heater";
    towels["Input"] = "IN11";
    digitalIO.append(towels);
    document["DigitalIO"] = digitalIO;
    QByteArray bytes = QJsonDocument(document).toJson(QJsonDocument::Compact);
    encryptProjectData(bytes);
    const QString changed = QFileInfo(project).dir().filePath("room-101-stick.rccfg");
    QFile file(changed);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(changed));
    file.close();
    DialogSeam::answerNextFileName(changed);
    shootDialog(window, "actionCompare_With", QSize(760, 280), out, "compare.png");
}

// File > Export Wiring Sheet; the first page becomes wiring.png.
void shootWiringSheet(MainWindow &window, const QDir &out)
{
    QTemporaryDir exportDir;
    const QString sheet = exportDir.filePath("room-101.wiring.pdf");
    DialogSeam::answerNextFileName(sheet);
    child<QAction>(&window, "actionExport_Wiring_Sheet")->trigger();
    saveFirstPage(sheet, out, "wiring.png");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // Export copies the enciphered project to the debug stream.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    if (argc != 2)
        qFatal("usage: zaren800-screenshots OUTPUT_DIRECTORY");
    QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath("."))
        qFatal("cannot create %s", argv[1]);

    Clock::fix(QDateTime(QDate(2026, 12, 9), QTime(10, 30)));
    const auto window = WindowTest::openWindow();
    for (const Function &function : room())
        save(*window, function);
    // Let the "Saved..." lines clear.
    QTest::qWait(1700);

    // Home keeps the toolbox where it was: on the Lighting list, the longest.
    WindowTest::clickChild(window.get(), "lightingButton");
    WindowTest::clickChild(window.get(), "HomeButton");
    saveImage(window->grab().toImage(), out, "home.png");
    for (const Page &page : pages) {
        WindowTest::clickChild(window.get(), page.button);
        WindowTest::clickListItem(child<QListWidget>(window.get(), page.list), page.row);
        saveImage(window->grab().toImage(), out, page.file);
    }
    QTemporaryDir exportDir;
    const QString project = exportDir.filePath("room-101.rccfg");
    shootReport(*window, project, out);
    shootWiringSheet(*window, out);
    shootDialog(*window, "actionPrint_Preview", QSize(1100, 760), out, "preview.png");
    shootCompare(*window, project, out);

    if (DialogSeam::unexpectedCalls() != 0)
        qFatal("a dialog was not expected");
    return 0;
}
