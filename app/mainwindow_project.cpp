#include "app/comparewindow.h"
#include "app/typeviews.h"
#include "dialogseam.h"
#include "mainwindow.h"
#include "model/clock.h"
#include "model/stores.h"
#include "project/exportcheck.h"
#include "project/projectdiff.h"
#include "project/projectdocument.h"
#include "project/projectsave.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace
{

const char *const exportFilter =
    QT_TRANSLATE_NOOP("MainWindow", "Room Controller Standalone IO Config File (*.rccfg)");
const char *const importFilter = QT_TRANSLATE_NOOP(
    "MainWindow", "Room Controller Standalone IO Config File (*.rccfg);;Any File (*.*)");
QString startingPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) +
           QStringLiteral("/config.rccfg");
}

void showImportRejection(const QString &path, const ProjectFileContent &content)
{
    const ProjectMessage message = rejectionMessage(content);
    DialogSeam::showFileBox(message.title, message.text, message.informativeText,
                            rejectionDetails(path, content));
}

// Nothing is written; the user can rename or change these functions first.
void showExportRefusal(const QStringList &changes)
{
    DialogSeam::showFileBox(
        MainWindow::tr("Project not exported"),
        MainWindow::tr("The project cannot be exported as it is: the file would not read back "
                       "as this project."),
        MainWindow::tr("%1\n\nNothing was written. Rename or change these functions, then "
                       "export again.")
            .arg(changes.join(QLatin1Char('\n'))));
}

// The project file is written and stays so; only its report is missing.
void showPdfFailure(const QString &projectPath, const QString &pdfPath, const QString &reason)
{
    DialogSeam::showFileBox(
        MainWindow::tr("File Error"), MainWindow::tr("The report PDF was not saved!"),
        MainWindow::tr("%1: %2\n\nThe project file %3 was saved.")
            .arg(QDir::toNativeSeparators(pdfPath), reason, QDir::toNativeSeparators(projectPath)));
}

// Written in place, the file was overwritten where it stood: the user may
// wonder why the usual replacement was not used.
QString exportedText(const QString &projectPath, const QString &pdfPath, bool pdfWritten,
                     const QString &inPlaceBecause)
{
    const QString project = QDir::toNativeSeparators(projectPath);
    const QString written =
        pdfWritten
            ? MainWindow::tr("Exported %1 and %2").arg(project, QFileInfo(pdfPath).fileName())
            : MainWindow::tr("Exported %1").arg(project);
    if (inPlaceBecause.isEmpty())
        return written;
    return written + QStringLiteral(", ") + ProjectSave::inPlaceNote(inPlaceBecause);
}

QString importedText(const QString &path, int functions, const QString &platform)
{
    const QString counted = functions == 1 ? MainWindow::tr("1 function")
                                           : MainWindow::tr("%1 functions").arg(functions);
    return MainWindow::tr("Imported %1: %2, %3").arg(QFileInfo(path).fileName(), counted, platform);
}

// How long the status bar tells what export or import did.
constexpr int statusMessageMs = 10000;

// Types without an imported function keep their emptied title.
void showImportedLists(QToolBox *toolBox, const QVector<TypeView> &views,
                       const ImportedNames &imported)
{
    for (const TypeView &view : views) {
        const QStringList &names = imported.*(view.names);
        if (names.isEmpty())
            continue;
        view.list->addItems(names);
        toolBox->setItemText(view.toolBoxIndex, MainWindow::tr(view.importPrefix) +
                                                    QString::number(view.list->count()) +
                                                    QStringLiteral("]"));
    }
}

} // namespace

void MainWindow::on_ExportButton_clicked()
{
    exportProject();
}

bool MainWindow::exportProject()
{
    const QString chosenPath =
        DialogSeam::getSaveFileName(this, tr("Save File"), startingPath(), tr(exportFilter));
    if (chosenPath.isEmpty())
        return false;
    // The save dialog confirmed only the name as typed.
    const QString path = projectFilePath(chosenPath);
    if (path != chosenPath && QFileInfo::exists(path) &&
        !DialogSeam::askReplace(this, tr("Save File"), path))
        return false;

    const CheckedExport checked = checkExport(projectDocument());
    if (!checked.changes.isEmpty()) {
        showExportRefusal(checked.changes);
        return false;
    }
    QString errorText, inPlaceBecause;
    if (!ProjectSave::write(path, checked.bytes, errorText, &inPlaceBecause)) {
        DialogSeam::showFileBox(tr("File Error"), tr("The project was not saved!"),
                                tr("%1: %2").arg(QDir::toNativeSeparators(path), errorText));
        return false;
    }
    showProjectFile(path);
    rememberProjectFile(path);
    const QString pdfPath = reportPdfPath(path);
    const bool pdfWritten = writeReportPdf(pdfPath, errorText);
    if (!pdfWritten)
        showPdfFailure(path, pdfPath, errorText);
    ui->statusbar->showMessage(exportedText(path, pdfPath, pdfWritten, inPlaceBecause),
                               statusMessageMs);
    return true;
}

QJsonObject MainWindow::projectDocument() const
{
    return buildProjectDocument(ui->comboBox_PlatformType->currentText(), versionText,
                                Clock::now());
}

void MainWindow::on_actionExport_Project_triggered()
{
    on_ExportButton_clicked();
}

void MainWindow::on_ImportButton_clicked()
{
    if (!mayDiscardProject())
        return;
    const QString path =
        DialogSeam::getOpenFileName(this, tr("Open File"), startingPath(), tr(importFilter));
    if (path.isEmpty())
        return;
    importProjectFile(path);
}

void MainWindow::importProjectFile(const QString &path)
{
    if (!loadProjectFile(path))
        return;
    showProjectFile(path);
    rememberProjectFile(path);
    ui->statusbar->showMessage(
        importedText(path, savedFunctionCount(), ui->comboBox_PlatformType->currentText()),
        statusMessageMs);
}

void MainWindow::openProjectFile(const QString &path)
{
    if (mayDiscardProject())
        importProjectFile(path);
}

// The file is checked completely before the open project is emptied, so a
// rejected file costs nothing.
bool MainWindow::loadProjectFile(const QString &path)
{
    const ProjectFileContent content = readProjectFile(path, versionText);
    if (content.check != ProjectCheck::Accepted) {
        showImportRejection(path, content);
        return false;
    }

    // A file means the same whatever was open before: lock flags that deleted
    // functions left behind would otherwise forbid what the file's Master Off
    // and Welcome functions control.
    const QVector<TypeView> views = typeViews(ui);
    startBlankProject();
    emptyLists(ui->toolBox, views, &TypeView::emptiedTitle);

    // Only the buttons that depend on the platform follow; nothing is asked or cleared.
    platformChangeByProgram = 1;
    ui->comboBox_PlatformType->setCurrentIndex(
        static_cast<int>(platformFromType(content.platformType)));
    platformChangeByProgram = 0;

    showImportedLists(ui->toolBox, views, rebuildProject(content.document));
    returnToHomePage();
    startHistory();
    return true;
}

void MainWindow::on_actionImport_Project_triggered()
{
    on_ImportButton_clicked();
}

// The file is read as import reads it, and refused with import's box; the
// export time is no difference, the DeviceType and the version are.
void MainWindow::compareWithFile()
{
    const QString path =
        DialogSeam::getOpenFileName(this, tr("Compare With"), startingPath(), tr(importFilter));
    if (path.isEmpty())
        return;
    const ProjectFileContent content = readProjectFile(path, versionText);
    if (content.check != ProjectCheck::Accepted) {
        showImportRejection(path, content);
        return;
    }
    CompareWindow window(path, diffProjects(projectDocument(), content.document), this);
    DialogSeam::execDialog(window);
}
