#include "app/typeviews.h"
#include "dialogseam.h"
#include "mainwindow.h"
#include "model/clock.h"
#include "model/stores.h"
#include "project/envelope.h"
#include "project/projectdocument.h"
#include "project/projectsave.h"
#include "ui_mainwindow.h"

#include <QMessageBox>
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

// Every box of export and import: warning icon, a single OK, no parent window.
void showFileBox(const QString &title, const QString &text,
                 const QString &informativeText = QString())
{
    QMessageBox box;
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(title);
    box.setText(text);
    box.setInformativeText(informativeText);
    box.setStandardButtons(QMessageBox::Ok);
    DialogSeam::execMessageBox(box);
}

void showImportRejection(const ProjectFileContent &content)
{
    const ProjectMessage message = rejectionMessage(content);
    showFileBox(message.title, message.text, message.informativeText);
}

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
    const QString chosenPath =
        DialogSeam::getSaveFileName(this, tr("Save File"), startingPath(), tr(exportFilter));
    if (chosenPath.isEmpty())
        return;
    const QString path = projectFilePath(chosenPath);

    QByteArray bytes = projectText(
        buildProjectDocument(ui->comboBox_PlatformType->currentText(), versionText, Clock::now()));
    encryptProjectData(bytes);
    QString errorText;
    if (!ProjectSave::write(path, bytes, errorText)) {
        showFileBox(tr("File Error"), tr("The project was not saved!"), errorText);
        return;
    }
    writeReportPdf(reportPdfPath(path));
}

void MainWindow::on_actionExport_Project_triggered()
{
    on_ExportButton_clicked();
}

void MainWindow::on_ImportButton_clicked()
{
    const QString path =
        DialogSeam::getOpenFileName(this, tr("Open File"), startingPath(), tr(importFilter));
    if (path.isEmpty())
        return;
    importProjectFile(path);
}

// The file is checked completely before the open project is emptied, so a
// rejected file costs nothing.
void MainWindow::importProjectFile(const QString &path)
{
    const ProjectFileContent content = readProjectFile(path, versionText);
    if (content.check != ProjectCheck::Accepted) {
        showImportRejection(content);
        return;
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
}

void MainWindow::on_actionImport_Project_triggered()
{
    on_ImportButton_clicked();
}
