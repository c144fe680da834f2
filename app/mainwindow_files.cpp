#include "app/dialogseam.h"
#include "mainwindow.h"
#include "project/desktoprecent.h"
#include "project/recentfiles.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMenu>

namespace
{

QAction *newAction(const char *icon, const QString &text, const char *name, const QString &tip,
                   QObject *parent)
{
    auto *action = new QAction(QIcon(QStringLiteral(":/icons/%1.png").arg(icon)), text, parent);
    action->setObjectName(QLatin1String(name));
    action->setStatusTip(tip);
    return action;
}

// "&3 site.rccfg": the number chooses it from the keyboard.
QString recentEntryText(int number, QString label)
{
    return QStringLiteral("&%1 %2").arg(number).arg(label.replace(QLatin1Char('&'), "&&"));
}

} // namespace

// Beside the form's entries, which stay as they are: Open Recent and Compare
// With after Import, the previews after Print.
void MainWindow::setUpFileMenu()
{
    recentMenu = new QMenu(tr("Open &Recent"), this);
    recentMenu->setObjectName(QStringLiteral("menuOpen_Recent"));
    recentMenu->menuAction()->setObjectName(QStringLiteral("actionOpen_Recent"));
    recentMenu->setIcon(QIcon(QStringLiteral(":/icons/import.png")));
    recentMenu->menuAction()->setStatusTip(
        tr("Imports a project file exported or imported lately"));
    ui->menuFile->insertMenu(ui->actionExport_Project, recentMenu);

    QAction *compare =
        newAction("compare", tr("&Compare With\u2026"), "actionCompare_With",
                  tr("Shows how the open project differs from a project file"), this);
    ui->menuFile->insertAction(ui->actionExport_Project, compare);
    connect(compare, &QAction::triggered, this, &MainWindow::compareWithFile);

    const QList<QAction *> entries = ui->menuFile->actions();
    QAction *beforeExit = entries.at(entries.indexOf(ui->actionExit) - 1);
    QAction *preview = newAction("print_preview", tr("Print Pre&view\u2026"), "actionPrint_Preview",
                                 tr("Shows the report as Print Project prints it"), this);
    ui->menuFile->insertAction(beforeExit, preview);
    connect(preview, &QAction::triggered, this, &MainWindow::previewReport);
    QAction *sheet =
        newAction("print_preview", tr("Preview Wiring &Sheet\u2026"), "actionPreview_Wiring_Sheet",
                  tr("Shows the wiring sheet as it would be printed"), this);
    ui->menuFile->insertAction(beforeExit, sheet);
    connect(sheet, &QAction::triggered, this, &MainWindow::previewWiringSheet);

    // Another running program may have added to the list meanwhile.
    connect(ui->menuFile, &QMenu::aboutToShow, this, &MainWindow::showRecentFiles);
    showRecentFiles();
}

// The entry chosen may be running this: the old entries leave the menu at
// once and go once it is done.
void MainWindow::showRecentFiles()
{
    for (QAction *old : recentMenu->actions()) {
        recentMenu->removeAction(old);
        old->setParent(nullptr);
        old->deleteLater();
    }
    const QStringList paths = RecentFiles().paths();
    const QStringList labels = recentFileLabels(paths);
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths.at(i);
        QAction *entry = recentMenu->addAction(recentEntryText(i + 1, labels.at(i)));
        entry->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
        entry->setStatusTip(QDir::toNativeSeparators(path));
        connect(entry, &QAction::triggered, this, [this, path] { openRecentFile(path); });
    }
    recentMenu->addSeparator();
    QAction *clear = newAction("clear", tr("&Clear Menu"), "actionClear_Recent",
                               tr("Empties Open Recent"), recentMenu);
    recentMenu->addAction(clear);
    connect(clear, &QAction::triggered, this, [this] {
        RecentFiles().clear();
        showRecentFiles();
    });
    recentMenu->menuAction()->setEnabled(!paths.isEmpty());
}

// A file that is gone is not asked about: nothing would be imported.
void MainWindow::openRecentFile(const QString &path)
{
    if (QFileInfo::exists(path)) {
        openProjectFile(path);
        return;
    }
    RecentFiles().remove(path);
    showRecentFiles();
    DialogSeam::showFileBox(
        tr("Open Recent"), tr("%1 is gone.").arg(QFileInfo(path).fileName()),
        tr("It is no longer in %1: moved, renamed, deleted, or on a drive that is not there. "
           "It leaves the Open Recent list.")
            .arg(QDir::toNativeSeparators(QFileInfo(path).path())));
}

void MainWindow::rememberProjectFile(const QString &path)
{
    RecentFiles().add(path);
    DesktopRecent::add(QFileInfo(path).absoluteFilePath());
    showRecentFiles();
}
