#include "support/windowtest.h"

#include "app/dialogseam.h"
#include "app/workarea.h"
#include "mainwindow.h"
#include "model/clock.h"
#include "model/projectchange.h"
#include "model/projectsnapshot.h"
#include "model/version.h"
#include "project/projectanalysis.h"
#include "project/projectdocument.h"
#include "project/recovery.h"
#include "support/blankproject.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QJsonDocument>
#include <QListWidget>
#include <QTemporaryDir>
#include <QToolBox>
#include <QtTest>

namespace
{

// The recovery copies, the settings (Open Recent) and the desktop's list of
// recent files of windows under test go to folders of the test run's own,
// never to the user's.
struct TemporaryDataFolder {
    QTemporaryDir folder;
    TemporaryDataFolder() { WindowTest::useDataHome(folder.path()); }
} temporaryDataFolder;

} // namespace

void WindowTest::useDataHome(const QString &folder)
{
    qputenv("XDG_DATA_HOME", folder.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", QDir(folder).filePath("config").toLocal8Bit());
    qputenv("USERPROFILE", QDir::toNativeSeparators(folder).toLocal8Bit());
}

QString WindowTest::recoveryFolderUnder(const QString &dataHome)
{
    const char *const variables[] = {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "USERPROFILE"};
    QByteArray before[3];
    for (int i = 0; i < 3; ++i)
        before[i] = qgetenv(variables[i]);
    useDataHome(dataHome);
    const QString folder = RecoveryCopy::defaultFolder();
    for (int i = 0; i < 3; ++i)
        qputenv(variables[i], before[i]);
    return folder;
}

void WindowTest::resetProject()
{
    resetToBlankProject();
}

std::unique_ptr<MainWindow> WindowTest::openWindow()
{
    resetProject();
    DialogSeam::startScripting();
    DialogSeam::reset();
    // The offscreen platform's one screen is smaller than any the program is used on.
    WorkArea::fix(QSize(1600, 1000));
    auto window = std::make_unique<MainWindow>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qFatal("window not exposed");
    return window;
}

const char *const WindowTest::typeLists[functionTypeCount] = {
    "listWidget_Welcome",   "listWidget_MasterOff", "listWidget_CardHolder", "listWidget_DndMur",
    "listWidget_AirCon",    "listWidget_Acinput",   "listWidgetLighting",    "listWidget_Shutter",
    "listWidget_Dgitialio", "listWidget_Logic"};

ShownWindow WindowTest::shownWindow(const QWidget *window)
{
    const QToolBox *toolBox = child<QToolBox>(window, "toolBox");
    ShownWindow shown;
    for (int type = 0; type < functionTypeCount; ++type) {
        const QListWidget *list = child<QListWidget>(window, typeLists[type]);
        for (int row = 0; row < list->count(); ++row)
            shown[type].names << list->item(row)->text();
        shown[type].title = toolBox->itemText(type);
    }
    return shown;
}

QStringList WindowTest::findings(const QWidget *window)
{
    return checkConsistency(shownWindow(window));
}

QStringList WindowTest::roomFindings(const QWidget *window)
{
    const QString platform = child<QComboBox>(window, "comboBox_PlatformType")->currentText();
    const QByteArray text =
        projectText(buildProjectDocument(platform, programVersion(), Clock::now()));
    const ProjectChange::Silence silence;
    const ProjectSnapshot open = takeProjectSnapshot();
    QStringList found;
    for (const Finding &finding :
         analyzeProject(text, QJsonDocument::fromJson(text).object(), platform))
        found << QStringLiteral("check finds: ") + finding.toString();
    restoreProjectSnapshot(open);
    return found;
}

void WindowTest::click(QAbstractButton *button)
{
    // Near the left edge: on a check box that is the indicator.
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier,
                      QPoint(qMin(6, button->width() / 2), button->height() / 2));
}

void WindowTest::clickChild(const QObject *root, const char *buttonName)
{
    click(child<QAbstractButton>(root, buttonName));
}

void WindowTest::clickListItem(QListWidget *list, int row)
{
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

void WindowTest::choose(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text);
    if (index < 0)
        qFatal("no entry %s", qPrintable(text));
    if (!(combo->model()->flags(combo->model()->index(index, 0)) & Qt::ItemIsEnabled))
        qFatal("entry %s cannot be chosen", qPrintable(text));
    combo->setCurrentIndex(index);
}
