#include "app/dialogseam.h"
#include "mainwindow.h"
#include "model/catalogue.h"
#include "model/clock.h"
#include "model/stores.h"
#include "project/envelope.h"
#include "project/projectdiff.h"
#include "project/projectdocument.h"
#include "project/recentfiles.h"
#include "support/fullfilesystem.h"
#include "support/sampleproject.h"
#include "support/windowtest.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolBox>
#include <QUndoStack>
#include <QXmlStreamReader>
#include <QtTest>

using SampleChange = std::function<void()>;
using WindowTest::child;

namespace
{

const char *const listNames[] = {
    "listWidget_Welcome",   "listWidget_MasterOff", "listWidget_CardHolder", "listWidget_DndMur",
    "listWidget_AirCon",    "listWidget_Acinput",   "listWidgetLighting",    "listWidget_Shutter",
    "listWidget_Dgitialio", "listWidget_Logic"};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, QByteArray bytes, bool encipher = false)
{
    if (encipher)
        encryptProjectData(bytes);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The fields of each page in its new-item state, by toolbox index: the first row whose name
// pattern ("*", "?" as for files) matches a field gives what it shows, "(disabled)" when it
// cannot be used; "#" is saved functions plus one. The claims enable the output boxes.
// clang-format off
const QStringList pageDefaults[functionTypeCount] = {
    {"lineEdit*=Welcome-1", "*OutputC?=false"},
    {"lineEdit*=MasterOff-#", "*Input=", "*LedOutput=", "*DebounceTime=50 ms", "*OutputC?=false"},
    {"lineEdit*=Energy Saving-1", "checkBox*=false", "*DebounceTime=50 ms (disabled)",
     "*ControlType=ON/OFF (disabled)", "*HolderContactType=NO (disabled)",
     "*MotionContactType=NC (disabled)", "*MotionInput=Sensor IN (disabled)",
     "*PulseDuration=0 (disabled)", "*DoorSensorInput= (disabled)", "*Delay=0"},
    {"lineEdit*=DND/MUR-1", "*DNDInput=DND IN", "*DNDOutput=DND", "*MURInput=MUR IN",
     "*MUROutput=MUR", "*BellOutput=", "*OccupancyOutput=", "*DebounceTime=50 ms",
     "*ControlType=ON/OFF", "*ContactType=NO", "*Delay=0"},
    {"lineEdit*=AirCon-#", "*AirConOutput=", "*OutputControlType=ON/OFF",
     "*OutputContactType=NO", "*PulseDelay=130 (disabled)", "*Delay=0",
     "*BalconySensor*=false", "*MotionSensor*=false (disabled)",
     "*BalconyInput= (disabled)", "*BalconyContactType=NO (disabled)",
     "*MotionContactType=NC (disabled)", "*MotionInput=Sensor IN (disabled)",
     "*DebounceTime=50 ms (disabled)"},
    {"lineEdit*=VoltageInput-#", "*put=", "*DebounceTime=50 ms", "*Delay=0"},
    {"lineEdit*=Lighting-#", "*Input=", "*DebounceTime=50 ms", "*ControlType=ON/OFF",
     "*Priority=Active (disabled)", "*OutputC?=false"},
    {"lineEdit*=Shutter-#", "*put=", "*DebounceTime=50 ms", "*MoveDur=50", "*StepTime=2000"},
    {"lineEdit*=Digital I/O-#", "*put=", "*DebounceTime=50 ms", "*ContactType=NO", "*Delay=0"},
    {"lineEdit*=Logic-#", "*put=", "*put_?=", "*DebounceTime=50 ms", "*Polarity=Normal",
     "*ControlType=ON/OFF", "*LogicType=AND", "*Delay=0"}};
// clang-format on

// What the stored project's export changed since the last one, function by
// function and field by field.
QStringList changes(QJsonObject &lastExport)
{
    const QJsonObject now = buildProjectDocument("MV211", "v2.0.2", QDateTime());
    QStringList lines;
    for (const Difference &difference : diffProjects(lastExport, now))
        lines << difference.toString();
    lastExport = now;
    return lines;
}

} // namespace

Q_DECLARE_METATYPE(SampleChange)

// Export and import of the .rccfg project through the window.
class ProjectFileTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void exportThenImportRestoresTheProject();
    void importSelectsThePlatformAndEmptiesOtherTypes();
    void importInheritsNoLocks();
    void rejectedFilesLeaveTheProjectUntouched_data();
    void rejectedFilesLeaveTheProjectUntouched();
    void compareListsEachDifferenceAndChangesNothing();
    void openRecentOutlivesTheWindowAndForgetsGoneFiles();
    void failedExportKeepsTheOldFileAndSaysWhy();
    void exportRefusesWhatWouldNotReadBack();
    void reportPdfIsWrittenBesideEachExport();
    void projectExtensionRule_data();
    void projectExtensionRule();
    void unexportedWorkIsAskedAboutFirst_data();
    void unexportedWorkIsAskedAboutFirst();
    void savedFunctionsComeBackUnchanged_data();
    void savedFunctionsComeBackUnchanged();
    void stepsAreUndoneAndRedone_data();
    void stepsAreUndoneAndRedone();

private:
    QString path(const QString &name) const { return dir->filePath(name); }
    QStringList files() const { return QDir(dir->path()).entryList(QDir::Files); }
    void exportAs(const QString &chosenPath);
    void importFrom(const QString &filePath);
    void compareWith(const QString &filePath);
    // Open Recent's entries as the File menu shows them.
    QList<QAction *> recentEntries() const;
    QStringList recentTexts() const;
    QStringList titles() const;
    QStringList listItems(const char *listName) const;
    // Lists, titles, catalogue counters and platform: what an import may change.
    QStringList windowState() const;
    // An open project with lists, titles and claims, made by importing the sample as extended.
    void openSampleProject(const SampleChange &extend = {});
    // Opens a function on the new page, changes a field, presses Save (confirmed) or Delete;
    // then every field of the page must be in its new-item state.
    void press(const QString &button, int type, int row, const QStringList &change = {});
    void expectNewItemPage(int type, const QString &shown);
    void expectOneBox(const QString &title, const QString &text, const QString &informative,
                      QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                      QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    QString status() const { return window->statusBar()->currentMessage(); }

    std::unique_ptr<MainWindow> window;
    std::unique_ptr<QTemporaryDir> dir;
};

void ProjectFileTest::init()
{
    window = WindowTest::openWindow();
    dir = std::make_unique<QTemporaryDir>();
}

void ProjectFileTest::cleanup()
{
    window.reset();
    dir.reset();
    Clock::release();
    WindowTest::resetProject();
}

void ProjectFileTest::exportAs(const QString &chosenPath)
{
    DialogSeam::answerNextFileName(chosenPath);
    WindowTest::clickChild(window.get(), "ExportButton");
}

void ProjectFileTest::importFrom(const QString &filePath)
{
    DialogSeam::answerNextFileName(filePath);
    WindowTest::clickChild(window.get(), "ImportButton");
}

void ProjectFileTest::compareWith(const QString &filePath)
{
    DialogSeam::answerNextFileName(filePath);
    child<QAction>(window.get(), "actionCompare_With")->trigger();
}

QList<QAction *> ProjectFileTest::recentEntries() const
{
    emit child<QMenu>(window.get(), "menuFile")->aboutToShow();
    return child<QMenu>(window.get(), "menuOpen_Recent")->actions();
}

QStringList ProjectFileTest::recentTexts() const
{
    QStringList texts;
    for (const QAction *entry : recentEntries())
        texts << entry->text();
    return texts;
}

QStringList ProjectFileTest::titles() const
{
    QToolBox *toolBox = child<QToolBox>(window.get(), "toolBox");
    QStringList texts;
    for (int index = 0; index < 10; ++index)
        texts << toolBox->itemText(index);
    return texts;
}

QStringList ProjectFileTest::listItems(const char *listName) const
{
    QListWidget *list = child<QListWidget>(window.get(), listName);
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

QStringList ProjectFileTest::windowState() const
{
    QStringList state = titles();
    for (const char *name : listNames)
        state << listItems(name).join('|');
    for (const InputEntry &e : InputCatalogue::instance().rows())
        state << QString("%1 %2").arg(e.name).arg(e.useCount);
    for (const OutputEntry &e : OutputCatalogue::instance().rows())
        state << QString("%1 %2 %3 %4 %5")
                     .arg(e.name)
                     .arg(e.useCount)
                     .arg(e.pulseUseCount)
                     .arg(e.masterOffLocked)
                     .arg(e.welcomeLocked);
    state << child<QComboBox>(window.get(), "comboBox_PlatformType")->currentText();
    return state;
}

void ProjectFileTest::openSampleProject(const SampleChange &extend)
{
    SampleProject::fill();
    if (extend)
        extend();
    exportAs(path("sample"));
    WindowTest::resetProject();
    importFrom(path("sample.rccfg"));
    QCOMPARE(listItems("listWidgetLighting").size(), 2);
    DialogSeam::reset();
}

// "*" stands for the system's reason, which must be there.
void ProjectFileTest::expectOneBox(const QString &title, const QString &text,
                                   const QString &informative, QMessageBox::StandardButtons buttons,
                                   QMessageBox::StandardButton defaultButton)
{
    QCOMPARE(DialogSeam::shownBoxes().size(), 1);
    const DialogSeam::ShownBox &box = DialogSeam::shownBoxes().first();
    QCOMPARE(box.title, title);
    QCOMPARE(box.text, text);
    if (informative == "*")
        QVERIFY(!box.informativeText.isEmpty());
    else
        QCOMPARE(box.informativeText, informative);
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.buttons, buttons);
    QCOMPARE(box.defaultButton, defaultButton);
}

void ProjectFileTest::exportThenImportRestoresTheProject()
{
    SampleProject::fill();
    const SampleProject::Snapshot exported;
    exportAs(path("site"));
    QCOMPARE(status(),
             "Exported " + QDir::toNativeSeparators(path("site.rccfg")) + " and site.table.pdf");
    WindowTest::resetProject();
    importFrom(path("site.rccfg"));
    QCOMPARE(status(), "Imported site.rccfg: 13 functions, MV211");

    QVERIFY(SampleProject::Snapshot() == exported);
    QCOMPARE(WindowTest::findings(window.get()), QStringList());
    QCOMPARE(listItems("listWidget_AirCon"), (QStringList{"AC-1", "AC-2"}));
    QCOMPARE(listItems("listWidgetLighting"),
             (QStringList{"Hall Lights", QString::fromUtf8("Küche Licht")}));
    QCOMPARE(listItems("listWidget_CardHolder"), QStringList{"Energy Saving-1"});
    QCOMPARE(titles(), (QStringList{"Welcome [1]", "Master Off [2]", "Energy Saving [1]",
                                    "DND/MUR [1]", "AirCon [2]", "Voltage Input [1]",
                                    "Lighting [2]", "Shutter [1]", "DigitalIO [1]", "Logic [1]"}));
    // Import ends on the Home page, whose report now shows the imported project.
    QCOMPARE(child<QStackedWidget>(window.get(), "stackedWidget")->currentIndex(), 0);
    QVERIFY(child<QTextEdit>(window.get(), "textEdit")->toPlainText().contains("AC-2"));

    const QString start =
        QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) + "/config.rccfg";
    QCOMPARE(DialogSeam::fileDialogCaptions(), (QStringList{"Save File", "Open File"}));
    QCOMPARE(DialogSeam::fileDialogDirectories(), (QStringList{start, start}));
    QCOMPARE(DialogSeam::fileDialogFilters(),
             (QStringList{"Room Controller Standalone IO Config File (*.rccfg)",
                          "Room Controller Standalone IO Config File (*.rccfg);;Any File (*.*)"}));
    QVERIFY(DialogSeam::shownBoxes().isEmpty());
    QCOMPARE(DialogSeam::unexpectedCalls(), 0);
}

void ProjectFileTest::importSelectsThePlatformAndEmptiesOtherTypes()
{
    openSampleProject();
    QComboBox *platform = child<QComboBox>(window.get(), "comboBox_PlatformType");
    WindowTest::clickChild(window.get(), "LogicButton");
    writeFile(path("small.rccfg"),
              R"({"PlatformType": "MV210", "Version": "v2.0.2", "Welcome": [{"name": "Hi"}]})",
              true);
    importFrom(path("small.rccfg"));

    QCOMPARE(platform->currentIndex(), 0);
    QCOMPARE(listItems("listWidget_Welcome"), QStringList{"Hi"});
    QCOMPARE(listItems("listWidget_Logic"), QStringList());
    QCOMPARE(titles(),
             (QStringList{"Welcome [1]", "Master Off [0]", "Energy Saving [0]", "DND/MUR [0]",
                          "Air Conditioner [0]", "Voltage Input [0]", "Lighting [0]",
                          "Shutter/Blind [0]", "Digital I/O [0]", "Logic [0]"}));
    QCOMPARE(child<QStackedWidget>(window.get(), "stackedWidget")->currentIndex(), 0);
    for (const InputEntry &entry : InputCatalogue::instance().rows())
        QCOMPARE(entry.useCount, 0u);

    // Any text other than "MV210" selects the larger controller.
    writeFile(path("other.rccfg"), R"({"PlatformType": "MV2xx", "Version": "v2.0.2"})", true);
    importFrom(path("other.rccfg"));
    QCOMPARE(platform->currentIndex(), 1);
    // Plain JSON whose length is a whole number of blocks is read as it stands.
    const QByteArray plain = R"({"PlatformType": "MV210", "Version": "v2.0.2"}  )";
    QCOMPARE(plain.size() % 16, 0);
    writeFile(path("plain.rccfg"), plain);
    importFrom(path("plain.rccfg"));
    QCOMPARE(platform->currentIndex(), 0);
    QVERIFY(DialogSeam::shownBoxes().isEmpty()); // the platform change asked nothing
    QCOMPARE(DialogSeam::unexpectedCalls(), 0);
}

// A deleted shutter leaves its outputs locked against Master Off and Welcome;
// a project read afterwards that controls such an output must not inherit that.
void ProjectFileTest::importInheritsNoLocks()
{
    OutputEntry *c1 = OutputCatalogue::instance().find(QStringLiteral("C1"));
    c1->masterOffLocked = c1->welcomeLocked = 1;
    writeFile(path("welcome.rccfg"),
              R"({"PlatformType": "MV211", "Version": "v2.0.2", )"
              R"("DigitalIO": [{"name": "D", "Input": "IN1", "Output": "C1"}], )"
              R"("Welcome": [{"name": "W", "ControlOut-C1": "ENABLE"}]})",
              true);
    importFrom(path("welcome.rccfg"));
    QCOMPARE(listItems("listWidget_Welcome"), QStringList{"W"});
    QCOMPARE(WindowTest::findings(window.get()), QStringList());
}

// Compare With refuses what import refuses, in import's words.
void ProjectFileTest::rejectedFilesLeaveTheProjectUntouched_data()
{
    QTest::addColumn<QString>("way");      // import or compare
    QTest::addColumn<QByteArray>("bytes"); // none: the file does not exist
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("informative");
    const QString invalid =
        "The selected file content is not valid. Please select a correct \"rccfg\" file.";
    for (const QString way : {"import", "compare"}) {
        const QByteArray row = way.toLatin1() + ", ";
        QTest::newRow(row + "missing") << way << QByteArray() << "File Error"
                                       << "The file could not be opened!"
                                       << "*";
        QTest::newRow(row + "garbage") << way << QByteArray("\x01{ not json") << "File Error"
                                       << "The file is not valid!" << invalid;
        QTest::newRow(row + "not an object") << way << QByteArray("[1, 2]") << "File Error"
                                             << "The file is not valid!" << invalid;
        QTest::newRow(row + "no platform")
            << way << QByteArray(R"({"Version": "v2.0.2", "Welcome": []})") << QString() << invalid
            << QString();
        QTest::newRow(row + "other version")
            << way << QByteArray(R"({"PlatformType": "MV210", "Version": "v2.0.3", "Welcome": []})")
            << QString()
            << "The selected file version is not compatible. Version is on the home page."
            << QString();
    }
}

void ProjectFileTest::rejectedFilesLeaveTheProjectUntouched()
{
    QFETCH(QString, way);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QString, informative);
    openSampleProject();
    const SampleProject::Snapshot stores;
    const QStringList state = windowState();
    if (!bytes.isEmpty())
        writeFile(path("bad.rccfg"), bytes, true);

    if (way == "import")
        importFrom(path("bad.rccfg"));
    else
        compareWith(path("bad.rccfg"));

    expectOneBox(title, text, informative);
    // The core's words for why (their own tests hold them), with the file.
    QCOMPARE(DialogSeam::shownBoxes().first().detailedText,
             rejectionDetails(path("bad.rccfg"), readProjectFile(path("bad.rccfg"), "v2.0.2")));
    QVERIFY(SampleProject::Snapshot() == stores);
    QCOMPARE(windowState(), state);
}

// A file with one field changed, one function added and one removed, on the
// other controller, whose difference comes first; the same file gives the
// sentence; Ctrl+C copies in the companion's words, Escape closes.
void ProjectFileTest::compareListsEachDifferenceAndChangesNothing()
{
    openSampleProject();
    const SampleProject::Snapshot stores;
    const QStringList state = windowState();
    QJsonObject document = readProjectFile(path("sample.rccfg"), "v2.0.2").document;
    QJsonArray lighting = document["Lighting"].toArray();
    QJsonObject hall = lighting.at(0).toObject();
    hall["DebounceTime"] = "20 ms";
    lighting = {hall};
    document["Lighting"] = lighting;
    document["PlatformType"] = "MV210";
    document["DigitalIO"] = QJsonArray{document["DigitalIO"].toArray().at(0),
                                       QJsonObject{{"name", "Fan"}, {"Input", "IN12"}}};
    writeFile(path("stick.rccfg"), QJsonDocument(document).toJson(QJsonDocument::Compact), true);

    QStringList rows;
    QString copied;
    bool tableHasKeyboard = false, closedByEscape = false;
    DialogSeam::inspectNextDialog([&](QDialog &dialog) {
        const auto *table = child<QTableWidget>(&dialog, "compareTable");
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->columnCount(); ++column)
                cells << table->item(row, column)->text();
            rows << cells.join(" | ");
        }
        dialog.show();
        dialog.activateWindow();
        // A dialog counts as active while its parent is: wait for the keyboard itself.
        if (!QTest::qWaitFor(
                [&] { return QGuiApplication::focusWindow() == dialog.windowHandle(); }))
            return int(QDialog::Rejected);
        tableHasKeyboard = QApplication::focusWidget() == table;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        copied = QGuiApplication::clipboard()->text();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        closedByEscape = !dialog.isVisible();
        return dialog.result();
    });
    compareWith(path("stick.rccfg"));
    QCOMPARE(rows,
             (QStringList{"Project |  | DeviceType | \"MV211\" | \"MV210\"",
                          QString::fromUtf8("Digital I/O | Fan |  | (missing) | present"),
                          QString::fromUtf8("Lighting | Küche Licht |  | present | (missing)"),
                          "Lighting | Hall Lights | DebounceTime | \"100 ms\" | \"20 ms\""}));
    QCOMPARE(copied, QString::fromUtf8("PlatformType \"MV211\" -> \"MV210\"\n"
                                       "DigitalIO \"Fan\": added\n"
                                       "Lighting \"Küche Licht\": removed\n"
                                       "Lighting \"Hall Lights\": DebounceTime \"100 ms\" -> "
                                       "\"20 ms\"\n"));
    QVERIFY(tableHasKeyboard);
    QVERIFY(closedByEscape);

    QString summary;
    DialogSeam::inspectNextDialog([&](QDialog &dialog) {
        summary = child<QLabel>(&dialog, "compareSummary")->text();
        rows = QStringList{QString::number(dialog.findChildren<QTableWidget *>().size())};
        return int(QDialog::Rejected);
    });
    compareWith(path("sample.rccfg"));
    QCOMPARE(summary, "The open project and sample.rccfg hold the same configuration.");
    QCOMPARE(rows, QStringList{"0"}); // no table

    QVERIFY(SampleProject::Snapshot() == stores);
    QCOMPARE(windowState(), state);
    QVERIFY(!window->isWindowModified());
    QVERIFY(DialogSeam::shownBoxes().isEmpty());
    QCOMPARE(DialogSeam::unexpectedCalls(), 0);
}

// Eight files, newest first, folders where names repeat; a new window reads
// them again; a file that is gone is said to be and leaves; the desktop's
// list gains each file once and keeps what other programs put there.
void ProjectFileTest::openRecentOutlivesTheWindowAndForgetsGoneFiles()
{
    RecentFiles().clear();
    const QString desktopList =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
        "/recently-used.xbel";
    writeFile(desktopList, R"(<?xml version="1.0" encoding="UTF-8"?>
<xbel version="1.0" xmlns:bookmark="http://www.freedesktop.org/standards/desktop-bookmarks"
      xmlns:mime="http://www.freedesktop.org/standards/shared-mime-info">
  <bookmark href="file:///home/other/notes.txt" added="2024-01-01T00:00:00Z"/>
</xbel>
)");
    const QByteArray empty = R"({"PlatformType": "MV211", "Version": "v2.0.2"})";
    for (int n = 1; n <= 7; ++n) {
        writeFile(path(QString("r%1.rccfg").arg(n)), empty, true);
        importFrom(path(QString("r%1.rccfg").arg(n)));
    }
    exportAs(path("site"));
    QVERIFY(QDir(dir->path()).mkdir("stick"));
    writeFile(path("stick/site.rccfg"), empty, true);
    importFrom(path("stick/site.rccfg"));
    const QStringList eight{"&1 site.rccfg (" + QDir::toNativeSeparators(path("stick")) + ")",
                            "&2 site.rccfg (" + QDir::toNativeSeparators(dir->path()) + ")",
                            "&3 r7.rccfg",
                            "&4 r6.rccfg",
                            "&5 r5.rccfg",
                            "&6 r4.rccfg",
                            "&7 r3.rccfg",
                            "&8 r2.rccfg",
                            "",
                            "&Clear Menu"};
    QCOMPARE(recentTexts(), eight);

    window.reset();
    window = WindowTest::openWindow();
    QCOMPARE(recentTexts(), eight);

    QVERIFY(QFile::remove(path("stick/site.rccfg")));
    recentEntries().first()->trigger();
    expectOneBox("Open Recent", "site.rccfg is gone.",
                 "It is no longer in " + QDir::toNativeSeparators(path("stick")) +
                     ": moved, renamed, deleted, or on a drive that is not there. It leaves the "
                     "Open Recent list.");
    QCOMPARE(recentTexts().mid(0, 2), (QStringList{"&1 site.rccfg", "&2 r7.rccfg"}));
    recentEntries().at(3)->trigger(); // r5, imported again
    QCOMPARE(window->windowTitle(), "r5.rccfg[*] \u2013 ZAREN800 Room Controller Configurator");
    QCOMPARE(recentTexts().first(), "&1 r5.rccfg");

    recentEntries().last()->trigger();
    QCOMPARE(recentTexts(), (QStringList{"", "&Clear Menu"}));
    QVERIFY(!child<QMenu>(window.get(), "menuOpen_Recent")->menuAction()->isEnabled());
    QCOMPARE(WindowTest::findings(window.get()), QStringList());

    if (QSysInfo::kernelType() != "linux")
        return; // the desktop's list is the platform's own
    QXmlStreamReader xml(readAll(desktopList));
    QStringList hrefs;
    int r5Count = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("bookmark"))
            hrefs << xml.attributes().value("href").toString();
        else if (xml.name() == QLatin1String("application") && hrefs.last().endsWith("/r5.rccfg"))
            r5Count = xml.attributes().value("count").toInt();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(hrefs.first(), "file:///home/other/notes.txt");
    QCOMPARE(hrefs.size(), 10); // and the nine project files, each once
    QCOMPARE(hrefs.last(), QUrl::fromLocalFile(path("r5.rccfg")).toString());
    QCOMPARE(r5Count, 2);
}

// On a file system that fills up, neither the project file nor its PDF
// replaces a good file, and the user is told why.
void ProjectFileTest::failedExportKeepsTheOldFileAndSaysWhy()
{
    FullFileSystem disk;
    if (!disk.unavailable().isEmpty())
        QSKIP(qPrintable(disk.unavailable()));
    const QString site = disk.filePath("site.rccfg"), pdf = disk.filePath("site.table.pdf");
    const QByteArray good(4000, 'g'); // one page, as the new file
    writeFile(site, good);
    writeFile(pdf, "the previous report");
    openSampleProject();
    WindowTest::clickListItem(child<QListWidget>(window.get(), "listWidgetLighting"), 0);
    WindowTest::clickChild(window.get(), "pushButtonLightingDelete"); // unexported work
    window->statusBar()->clearMessage();
    disk.fillLeaving(0);
    exportAs(site);
    expectOneBox("File Error", "The project was not saved!",
                 QDir::toNativeSeparators(site) + ": " + FullFileSystem::fullDiskReason());
    QCOMPARE(readAll(site), good);
    QVERIFY(window->hasUnexportedWork());
    QCOMPARE(status(), QString());

    // Room for the project file only: it is written, its PDF is not.
    DialogSeam::reset();
    disk.fillLeaving(4096);
    exportAs(site);
    expectOneBox("File Error", "The report PDF was not saved!",
                 QDir::toNativeSeparators(pdf) + ": " + FullFileSystem::fullDiskReason() +
                     "\n\nThe project file " + QDir::toNativeSeparators(site) + " was saved.");
    QCOMPARE(readAll(pdf), QByteArray("the previous report"));
    QCOMPARE(status(), "Exported " + QDir::toNativeSeparators(site));
    QCOMPARE(QDir(QFileInfo(site).path()).entryList(QDir::Files),
             (QStringList{"filler", "site.rccfg", "site.table.pdf"}));

    DialogSeam::reset();
    exportAs(path("no-such-folder/site"));
    expectOneBox("File Error", "The project was not saved!", "*");

    // No new files in the folder: written in place, on a full disk the old bytes come back.
    QByteArray big = R"({"PlatformType": "MV211", "Version": "v2.0.2", "Welcome": [)";
    for (int i = 1; i < 30; ++i)
        big += R"({"name": "W)" + QByteArray::number(i) + R"("}, )";
    writeFile(path("big.rccfg"), big + R"({"name": "W"}]})", true);
    importFrom(path("big.rccfg"));
    writeFile(site, "old");
    disk.fillLeaving(32 * 1024);
    const QString closed = disk.closeFolder();
    if (!closed.isEmpty())
        QSKIP(qPrintable(closed));
    DialogSeam::reset();
    exportAs(site);
    QCOMPARE(status(), "Exported " + QDir::toNativeSeparators(site) +
                           " and site.table.pdf, written in place: no new file can be made in "
                           "its folder (Permission denied)");
    writeFile(site, "old");
    disk.fillLeaving(0);
    exportAs(site);
    expectOneBox("File Error", "The project was not saved!",
                 QDir::toNativeSeparators(site) + ": " + FullFileSystem::fullDiskReason());
    QCOMPARE(readAll(site), QByteArray("old"));
}

// The text form would rename a function onto another: nothing is written,
// and the look back leaves the open project as it was, unexported marker too.
void ProjectFileTest::exportRefusesWhatWouldNotReadBack()
{
    writeFile(path("spaces.rccfg"),
              R"({"PlatformType": "MV211", "Version": "v2.0.2", "Lighting": [)"
              R"({"name": "A  B", "Input": "IN1", "ControlOut-C1": "ENABLE"},)"
              R"({"name": "AB", "Input": "IN2", "ControlOut-C2": "ENABLE"}], "DigitalIO": [)"
              R"({"name": "CD", "Input": "IN3", "Output": "C3"},)"
              R"({"name": "C  D", "Input": "IN4", "Output": "C4"}]})",
              true);
    importFrom(path("spaces.rccfg"));
    const QStringList state = windowState();
    exportAs(path("out"));
    expectOneBox(
        "Project not exported",
        "The project cannot be exported as it is: the file would not read back as this "
        "project.",
        "DigitalIO \"C  D\": the name would be written as \"CD\", which another function "
        "has\nLighting \"A  B\": the name would be written as \"AB\", which another function "
        "has\n\nNothing was written. Rename or change these functions, then export again.");
    QCOMPARE(files(), QStringList{"spaces.rccfg"});
    QCOMPARE(windowState(), state);
    QVERIFY(!window->isWindowModified());
    QCOMPARE(WindowTest::findings(window.get()), QStringList());
}

void ProjectFileTest::reportPdfIsWrittenBesideEachExport()
{
    SampleProject::fill();
    exportAs(path("site"));
    QVERIFY(readAll(path("site.table.pdf")).startsWith("%PDF"));

    writeFile(path("site.table.pdf"), "stale");
    Clock::fix(QDateTime(QDate(2027, 6, 7), QTime(8, 9, 10)));
    exportAs(path("site.rccfg"));

    QVERIFY(readAll(path("site.table.pdf")).startsWith("%PDF"));
    QByteArray text = readAll(path("site.rccfg"));
    QVERIFY(decryptProjectData(text));
    QVERIFY(text.contains(R"("CreateTime": "07-06-2027 08:09:10")"));
    QCOMPARE(files(), (QStringList{"site.rccfg", "site.table.pdf"}));
    QVERIFY(DialogSeam::shownBoxes().isEmpty());
}

// The save dialog confirmed only the name as typed: before export replaces
// the file that the appended extension names, it asks.
void ProjectFileTest::projectExtensionRule_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("written");
    QTest::addColumn<bool>("previous"); // a file "site.rccfg" is there
    QTest::addColumn<int>("answer");    // to the question; NoButton: none
    const int none = QMessageBox::NoButton;
    const QStringList site{"site.rccfg", "site.table.pdf"};
    QTest::newRow("without") << "site" << site << false << none;
    QTest::newRow("inside the name")
        << "a.rccfg.bak" << QStringList{"a.rccfg.bak", "a.rccfg.bak.table.pdf"} << false << none;
    QTest::newRow("other case") << "site.RCCFG"
                                << QStringList{"site.RCCFG.rccfg", "site.RCCFG.table.pdf"} << false
                                << none;
    QTest::newRow("appended, kept")
        << "site" << QStringList{"site.rccfg"} << true << int(QMessageBox::No);
    QTest::newRow("appended, replaced") << "site" << site << true << int(QMessageBox::Yes);
    QTest::newRow("typed in full") << "site.rccfg" << site << true << none;
}

void ProjectFileTest::projectExtensionRule()
{
    QFETCH(QString, chosen);
    QFETCH(QStringList, written);
    QFETCH(bool, previous);
    QFETCH(int, answer);
    if (previous)
        writeFile(path("site.rccfg"), "the previous project");
    if (answer != QMessageBox::NoButton)
        DialogSeam::answerNextBox(QMessageBox::StandardButton(answer));
    exportAs(path(chosen));
    QCOMPARE(files(), written);
    QCOMPARE(readAll(path("site.rccfg")) == "the previous project", answer == QMessageBox::No);
    if (answer == QMessageBox::NoButton)
        QVERIFY(DialogSeam::shownBoxes().isEmpty());
    else
        expectOneBox("Save File", "site.rccfg already exists. Do you want to replace it?", "",
                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
}

void ProjectFileTest::unexportedWorkIsAskedAboutFirst_data()
{
    QTest::addColumn<QString>("way");    // close, exit or import
    QTest::addColumn<QString>("before"); // changed, exported, undone or cleared
    QTest::addColumn<int>("answer");     // NoButton: not asked; Save: Export...
    QTest::addColumn<bool>("goesOn");    // for Export...: the save dialog chose a file
    const int cancel = QMessageBox::Cancel, discard = QMessageBox::Discard,
              exportIt = QMessageBox::Save, none = QMessageBox::NoButton;
    for (const char *way : {"close", "exit", "import", "recent"}) {
        QTest::addRow("%s, cancelled", way) << QString(way) << "changed" << cancel << false;
        QTest::addRow("%s, discarded", way) << QString(way) << "changed" << discard << true;
        QTest::addRow("%s, exported", way) << QString(way) << "changed" << exportIt << true;
        QTest::addRow("%s, export cancelled", way)
            << QString(way) << "changed" << exportIt << false;
        QTest::addRow("%s, nothing unexported", way) << QString(way) << "exported" << none << true;
        QTest::addRow("%s, change undone", way) << QString(way) << "undone" << none << true;
        QTest::addRow("%s, nothing to lose", way) << QString(way) << "cleared" << none << true;
    }
}

void ProjectFileTest::unexportedWorkIsAskedAboutFirst()
{
    QFETCH(QString, way);
    QFETCH(QString, before);
    QFETCH(int, answer);
    QFETCH(bool, goesOn);
    openSampleProject();
    if (before == "cleared") {
        DialogSeam::answerNextBox(QMessageBox::Yes);
        WindowTest::clickChild(window.get(), "SettingsButton");
    } else {
        WindowTest::clickChild(window.get(), "lightingButton");
        WindowTest::clickListItem(child<QListWidget>(window.get(), "listWidgetLighting"), 0);
        WindowTest::clickChild(window.get(), "pushButtonLightingDelete");
    }
    if (before == "undone")
        child<QAction>(window.get(), "actionUndo")->trigger();
    if (before == "exported")
        exportAs(path("before"));
    const QString file = before == "exported" ? "before.rccfg" : "sample.rccfg";
    QCOMPARE(window->windowTitle(), QString(before == "cleared" ? "" : file + "[*] \u2013 ") +
                                        "ZAREN800 Room Controller Configurator");
    QCOMPARE(window->isWindowModified(), before == "changed");
    writeFile(path("empty.rccfg"), R"({"PlatformType": "MV210", "Version": "v2.0.2"})", true);
    DialogSeam::reset();
    const SampleProject::Snapshot kept;

    if (answer != QMessageBox::NoButton)
        DialogSeam::answerNextBox(QMessageBox::StandardButton(answer));
    if (answer == QMessageBox::Save)
        DialogSeam::answerNextFileName(goesOn ? path("saved") : QString());
    if (way == "import" && goesOn)
        DialogSeam::answerNextFileName(path("empty.rccfg"));
    RecentFiles().add(path("empty.rccfg"));
    if (way == "close")
        window->close();
    else if (way == "exit")
        child<QAction>(window.get(), "actionExit")->trigger();
    else if (way == "import")
        WindowTest::clickChild(window.get(), "ImportButton");
    else
        recentEntries().first()->trigger();

    if (answer == QMessageBox::NoButton)
        QVERIFY(DialogSeam::shownBoxes().isEmpty());
    else
        expectOneBox("Unexported changes", "The project has changes that are not exported.", "",
                     QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                     QMessageBox::Cancel);
    QCOMPARE(files().contains("saved.rccfg"), answer == QMessageBox::Save && goesOn);
    if (way == "import" || way == "recent")
        QCOMPARE(savedFunctionCount() == 0, goesOn);
    else
        QCOMPARE(window->isVisible(), !goesOn);
    if (!goesOn)
        QVERIFY(SampleProject::Snapshot() == kept);
    QCOMPARE(DialogSeam::pendingAnswers(), 0);
    QCOMPARE(DialogSeam::unexpectedCalls(), 0);
    QCOMPARE(WindowTest::findings(window.get()), QStringList());
}

void ProjectFileTest::press(const QString &button, int type, int row, const QStringList &change)
{
    QStackedWidget *stack = child<QStackedWidget>(window.get(), "stackedWidget");
    stack->setCurrentIndex(type + 1);
    QListWidget *list = child<QListWidget>(window.get(), WindowTest::typeLists[type]);
    const QString function = list->item(row)->text();
    WindowTest::clickListItem(list, row);
    if (!change.isEmpty()) {
        QWidget *field = child<QWidget>(window.get(), qPrintable(change.at(0)));
        field->metaObject()->userProperty().write(field, change.at(1));
    }
    if (button == QLatin1String("Save"))
        DialogSeam::answerNextBox(QMessageBox::Save);
    const QWidget *page = stack->currentWidget();
    WindowTest::click(page->findChildren<QPushButton *>(QRegularExpression(button + '$')).first());
    expectNewItemPage(type, button + " " + function);
}

void ProjectFileTest::expectNewItemPage(int type, const QString &shown)
{
    const QWidget *page = child<QStackedWidget>(window.get(), "stackedWidget")->widget(type + 1);
    const QListWidget *list = child<QListWidget>(window.get(), WindowTest::typeLists[type]);
    const QStringList &rules = pageDefaults[type];
    const QString proposed = QString::number(list->count() + 1);
    QStringList off;
    for (const QWidget *field :
         page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        const QString name = field->objectName();
        const QMetaProperty shown = field->metaObject()->userProperty();
        if (!shown.isValid() || field->inherits("QPushButton"))
            continue;
        QString state = shown.read(field).toString();
        if (!field->isEnabled() && !name.contains(QRegularExpression("OutputC\\d")))
            state += QStringLiteral(" (disabled)");
        const auto rule = std::find_if(rules.begin(), rules.end(), [&name](const QString &rule) {
            const QString pattern =
                QRegularExpression::wildcardToRegularExpression(rule.section('=', 0, 0));
            return QRegularExpression(pattern).match(name).hasMatch();
        });
        const QString expected = rule == rules.end() ? QStringLiteral("not in the table")
                                                     : rule->section('=', 1).replace('#', proposed);
        if (state != expected)
            off << name + " shows \"" + state + "\", not \"" + expected + '"';
    }
    QVERIFY2(off.isEmpty(), qPrintable(shown + ": " + off.join(", ")));
}

void ProjectFileTest::savedFunctionsComeBackUnchanged_data()
{
    QTest::addColumn<int>("type");           // toolbox index
    QTest::addColumn<QStringList>("change"); // of the last function: field, value, difference
    QTest::addColumn<SampleChange>("extend");
    QTest::addColumn<QStringList>("rewritten"); // what every save writes anew
    const auto row = [](FunctionType type, const QStringList &change,
                        const SampleChange &extend = {}, const QStringList &rewritten = {}) {
        QTest::newRow(qPrintable(typeLabel(type))) << int(type) << change << extend << rewritten;
    };
    row(FunctionType::Welcome,
        {"checkBox_WelcomeOutputC1", "false", R"(ControlOut-C1 "ENABLE" -> "DISABLE")"});
    row(FunctionType::MasterOff,
        {"checkBox_MasterOffOutputC8", "false", R"(ControlOut-C8 "ENABLE" -> "DISABLE")"});
    row(FunctionType::EnergySaving,
        {"comboBox_CardHolderControlType", "ON/OFF", R"(ControlType "PULSE" -> "ON/OFF")"});
    // On both voltage channels, with a bell and an occupancy output: on the
    // I/O of the Voltage Input and Shutter/Blind functions, left out.
    row(FunctionType::DndMur,
        {"comboBox_MURDebounceTime", "1000 ms", R"(MurDebounceTime "30 ms" -> "1000 ms")"}, [] {
            voltageInputStore().remove("Voltage-1");
            shutterStore().remove("Blind-1");
            *dndMurStore().find("DND/MUR-1") = {"DND/MUR-1", "CH1", "20 ms", "DND", "CH2",
                                                "30 ms",     "MUR", "PULSE", "NC",  "C4",
                                                "C5",        11,    12};
        });
    // With its motion sensor off, a function saves that sensor's defaults.
    row(FunctionType::AirCon,
        {"comboBox_AirConOutputContactType", "NO", R"(OutputContactType "NC" -> "NO")"}, {},
        {R"(AirConditioner "AC-2": MotionSensorContactType "NO" -> "NC")",
         R"(AirConditioner "AC-2": MotionSensorDebounceTime "150 ms" -> "50 ms")"});
    row(FunctionType::VoltageInput, {"spinBoxACInputOffDelay", "21", "OffDelay 20 -> 21"});
    row(FunctionType::Lighting,
        {"comboBox_LightingDebounceTime", "3000 ms", R"(DebounceTime "20 ms" -> "3000 ms")"});
    row(FunctionType::Shutter, {"spinBoxShutterMoveDur", "600", "MoveDuration 120 -> 600"});
    row(FunctionType::DigitalIO,
        {"comboBox_DigitalIODebounceTime", "2000 ms", R"(DebounceTime "30 ms" -> "2000 ms")"});
    row(FunctionType::Logic, {"comboBox_LogicInput_2_ControlType", "ON/OFF",
                              R"(Input2ControlType "PULSE" -> "ON/OFF")"});
}

// A saved function opened from its list and saved unchanged stays as it was; one field changed
// changes that field alone. After each save and after a delete the page is new again (a refused
// save, or a question left unanswered, leaves the function shown).
void ProjectFileTest::savedFunctionsComeBackUnchanged()
{
    QFETCH(int, type);
    QFETCH(SampleChange, extend);
    QFETCH(QStringList, change);
    QFETCH(QStringList, rewritten);
    openSampleProject(extend);
    QJsonObject lastExport;
    changes(lastExport);
    const int last = child<QListWidget>(window.get(), WindowTest::typeLists[type])->count() - 1;
    for (int row = 0; row <= last; ++row)
        press("Save", type, row);
    QStringList changed = changes(lastExport);
    QVERIFY2(changed == rewritten, qPrintable(changed.join('\n')));

    const QString function = listItems(WindowTest::typeLists[type]).last();
    press("Save", type, last, change);
    changed = changes(lastExport);
    const QString expected =
        typeLabel(FunctionType(type)) + " \"" + function + "\": " + change.at(2);
    QVERIFY2(changed == QStringList(expected), qPrintable(changed.join('\n')));
    press("Delete", type, 0);
}

void ProjectFileTest::stepsAreUndoneAndRedone_data()
{
    QTest::addColumn<SampleChange>("prepare"); // before the export that the marker starts from
    QTest::addColumn<SampleChange>("step");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("type"); // whose page shows a new item after undo and redo; -1: Home
    QTest::addColumn<QString>("change"); // one the step made
    const int airCon = int(FunctionType::AirCon), voltageInput = int(FunctionType::VoltageInput);
    // "Room Lights" shares C1 with the "PULSE" function "Hall Lights".
    QTest::newRow("save new") << SampleChange() << SampleChange([this] {
        WindowTest::clickChild(window.get(), "lightingButton");
        child<QLineEdit>(window.get(), "lineEditLightingName")->setText("Room Lights");
        WindowTest::choose(child<QComboBox>(window.get(), "comboBox_LightingControlType"), "PULSE");
        WindowTest::choose(child<QComboBox>(window.get(), "comboBox_LightingInput"), "IN12");
        WindowTest::clickChild(window.get(), "checkBox_LightingOutputC1");
        WindowTest::clickChild(window.get(), "pushButtonLightingSave");
    }) << "Save Lighting \"Room Lights\""
                              << int(FunctionType::Lighting) << "Lighting \"Room Lights\": added";
    QTest::newRow("save update, motion sensor copied")
        << SampleChange() << SampleChange([this] {
               DialogSeam::answerNextBox(
                   QMessageBox::Save); // the update, then press's for the copies
               press("Save", int(FunctionType::AirCon), 0,
                     {"comboBox_AirConMotionDebounceTime", "500 ms"});
           })
        << "Save Air Conditioner \"AC-1\"" << airCon
        << "EnergySaving \"Energy Saving-1\": MotionSensorDebounceTime";
    // Without "Door Relay" on C6, "Master Off-2" controls only C8 of "Voltage-1".
    QTest::newRow("delete with a prune")
        << SampleChange([this] { press("Delete", int(FunctionType::DigitalIO), 0); })
        << SampleChange([this] { press("Delete", int(FunctionType::VoltageInput), 0); })
        << "Delete Voltage Input \"Voltage-1\"" << voltageInput
        << "MasterOff \"Master Off-2\": removed";
    QTest::newRow("clear all") << SampleChange() << SampleChange([this] {
        DialogSeam::answerNextBox(QMessageBox::Yes);
        WindowTest::clickChild(window.get(), "SettingsButton");
    }) << "Clear All" << -1 << "Logic \"Logic-1\": removed";
    QTest::newRow("platform") << SampleChange() << SampleChange([this] {
        DialogSeam::answerNextBox(QMessageBox::Yes);
        WindowTest::choose(child<QComboBox>(window.get(), "comboBox_PlatformType"), "MV210");
    }) << "DeviceType MV210" << -1
                              << "Welcome \"Welcome-1\": removed";
    const auto noStep = [](const char *name, const SampleChange &action) {
        QTest::newRow(name) << SampleChange() << action << QString() << -1 << QString();
    };
    noStep("refused save", [this] {
        WindowTest::clickChild(window.get(), "lightingButton");
        WindowTest::clickChild(window.get(), "pushButtonLightingSave");
    });
    noStep("unchanged save", [this] { press("Save", int(FunctionType::Lighting), 0); });
    noStep("export", [this] { exportAs(path("again")); });
    noStep("print", [this] {
        DialogSeam::answerNextDialog(QDialog::Rejected);
        WindowTest::clickChild(window.get(), "PrintButton");
    });
}

// Each kind of step, taken back and done again through the Edit menu: what
// was exported, and what the step made of it, come back whole (records,
// claims, locks, lists, titles, platform), the step's page shows a new item
// (Home after Clear all and the platform), and the marker follows.
void ProjectFileTest::stepsAreUndoneAndRedone()
{
    QFETCH(SampleChange, prepare);
    QFETCH(SampleChange, step);
    QFETCH(QString, text);
    QFETCH(int, type);
    QFETCH(QString, change);
    openSampleProject();
    if (prepare)
        prepare();
    exportAs(path("before.rccfg"));
    const QUndoStack *history = window->findChild<QUndoStack *>();
    const auto expectMarker = [&](bool marked) {
        QCOMPARE(history->isClean(), !marked);
        QCOMPARE(window->isWindowModified(), marked && !window->windowFilePath().isEmpty());
    };
    QJsonObject exported, stepped;
    changes(exported);
    const QStringList exportedState = windowState() << masterOffLedMemory();
    const SampleProject::Snapshot exportedRecords;
    expectMarker(false);

    step();
    if (text.isEmpty()) {
        QCOMPARE(history->count(), 0);
        QCOMPARE(changes(exported), QStringList());
        QCOMPARE(DialogSeam::unexpectedCalls(), 0);
        return;
    }
    stepped = exported;
    QVERIFY2(changes(stepped).join('\n').contains(change), qPrintable(change));
    const QStringList steppedState = windowState() << masterOffLedMemory();
    const SampleProject::Snapshot steppedRecords;
    QAction *undo = child<QAction>(window.get(), "actionUndo");
    QAction *redo = child<QAction>(window.get(), "actionRedo");
    expectMarker(true);

    const QStackedWidget *pages = child<QStackedWidget>(window.get(), "stackedWidget");
    for (QAction *action : {undo, redo}) {
        const bool undone = action == undo;
        QCOMPARE(action->text(), (undone ? "Undo " : "Redo ") + text);
        WindowTest::clickChild(window.get(), type == 0 ? "MasterOffButton" : "WelcomeButton");
        action->trigger();
        QCOMPARE(changes(undone ? exported : stepped), QStringList());
        QCOMPARE(windowState() << masterOffLedMemory(), undone ? exportedState : steppedState);
        QVERIFY(SampleProject::Snapshot() == (undone ? exportedRecords : steppedRecords));
        QCOMPARE(pages->currentIndex(), type + 1);
        QCOMPARE(window->windowTitle(),
                 QString(undone || type >= 0 ? "before.rccfg[*] \u2013 " : "") +
                     "ZAREN800 Room Controller Configurator");
        if (type >= 0)
            expectNewItemPage(type, action->text());
        expectMarker(!undone);
        QCOMPARE(WindowTest::findings(window.get()), QStringList());
    }
    QCOMPARE(DialogSeam::unexpectedCalls(), 0);
}

QTEST_MAIN(ProjectFileTest)

#include "tst_projectfile.moc"
