#include "desktopactions.h"

#include "dialogseam.h"
#include "model/version.h"
#include "ui_mainwindow.h"

#include <QApplication>

namespace
{

QString programTitle()
{
    return QCoreApplication::translate("MainWindow", "ZAREN800 Room Controller Configurator");
}

void showAboutBox(QMainWindow *window)
{
    QMessageBox box(window);
    box.setWindowTitle(QCoreApplication::translate("MainWindow", "About %1").arg(programTitle()));
    box.setIconPixmap(window->windowIcon().pixmap(64));
    box.setText(programTitle() + QLatin1Char(' ') + programVersion());
    box.setInformativeText(
        QCoreApplication::translate(
            "MainWindow", "Describes how the inputs of a ZAREN800 hotel-room controller drive its "
                          "outputs and writes the configuration as the encrypted project file "
                          "that the controller reads from USB memory.") +
        QStringLiteral("\n\n") +
        QCoreApplication::translate("MainWindow", "Licence: proprietary, all rights reserved."));
    box.setStandardButtons(QMessageBox::Ok);
    DialogSeam::execMessageBox(box);
}

// Alt and the underlined letter open a menu, the letter alone chooses in it.
void addMnemonics(const Ui::MainWindow &form)
{
    form.menuFile->setTitle(QCoreApplication::translate("MainWindow", "&File"));
    form.menuAbout->setTitle(QCoreApplication::translate("MainWindow", "&About"));
    form.actionImport_Project->setText(
        QCoreApplication::translate("MainWindow", "&Import Project"));
    form.actionExport_Project->setText(
        QCoreApplication::translate("MainWindow", "&Export Project"));
    form.actionPrint_Project->setText(QCoreApplication::translate("MainWindow", "&Print Project"));
    form.actionExit->setText(QCoreApplication::translate("MainWindow", "E&xit"));
}

} // namespace

void addDesktopActions(QMainWindow *window, const Ui::MainWindow &form)
{
    addMnemonics(form);
    form.actionImport_Project->setShortcut(QKeySequence::Open);
    form.actionExport_Project->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
    form.actionPrint_Project->setShortcut(QKeySequence::Print);
    form.actionExit->setShortcut(QKeySequence::Quit);

    QAction *about = form.menuAbout->addAction(
        window->windowIcon(),
        QCoreApplication::translate("MainWindow", "&About %1").arg(programTitle()));
    about->setObjectName(QStringLiteral("actionAbout"));
    about->setMenuRole(QAction::AboutRole);
    QObject::connect(about, &QAction::triggered, window, [window] { showAboutBox(window); });

    QAction *aboutQt =
        form.menuAbout->addAction(QCoreApplication::translate("MainWindow", "About &Qt"));
    aboutQt->setObjectName(QStringLiteral("actionAboutQt"));
    aboutQt->setMenuRole(QAction::AboutQtRole);
    QObject::connect(aboutQt, &QAction::triggered, &QApplication::aboutQt);
}
