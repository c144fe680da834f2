#include "mainwindow.h"

#include "app/accessibility.h"
#include "app/desktopactions.h"
#include "app/devicepictureview.h"
#include "app/typeviews.h"
#include "app/workarea.h"
#include "model/editorrules.h"
#include "model/projectchange.h"
#include "model/stores.h"
#include "model/version.h"
#include "project/recovery.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QDebug>
#include <QTextCursor>
#include <QUndoStack>
#include <QValidator>

const int EXIT_CODE_REBOOT = -123456789;

namespace
{

const char *const pageButtonStyle =
    "QToolButton{border: 2px solid gray;border-radius: 10px; padding: 0 8px;}"
    "QToolButton:hover  {background-color: rgba(0, 172, 252, 50);}"
    "QToolButton:checked {background-color: rgba(0, 172, 252, 50);}";

const char *const actionButtonStyle =
    "QToolButton{border: 2px solid gray;border-radius: 10px; padding: 0 8px;"
    "background-color: rgba(225, 225, 225, 255);}"
    "QToolButton:hover  {background-color: rgba(0, 172, 252, 50);}"
    "QToolButton:checked {background-color: rgba(0, 172, 252, 50);}";

// Beside both: where the keyboard is, a thicker dark blue border.
const char *const focusStyle = "QToolButton:focus {border: 3px solid rgb(0, 84, 166);}";

// Keeps a name field to one line, as it is typed, pasted or set: a name
// with a line break would break the report's columns and the saved list.
class OneLineValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override
    {
        const QString line = EditorRules::oneLine(input);
        if (line != input) {
            pos = qBound(0, pos - int(input.size() - line.size()), int(line.size()));
            input = line;
        }
        return Acceptable;
    }
};

} // namespace

// Resources live in a static library; register them before the form loads icons.
// (Q_INIT_RESOURCE must be used outside any namespace.)
static void initIconResources()
{
    Q_INIT_RESOURCE(icons);
}

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), ui(new Ui::MainWindow), restartAction(nullptr), pageButtons(12, nullptr),
      welcomeItemSelected(false), masterOffItemSelected(false), lightingItemSelected(false),
      shutterItemSelected(false), digitalIOItemSelected(false), logicItemSelected(false),
      voltageInputItemSelected(false), energySavingItemSelected(false), airConItemSelected(false),
      dndMurItemSelected(false), platformChangeByProgram(0)
{
    initIconResources();
    Accessibility::installInterfaces();
    ui->setupUi(this);
    setFixedSize(width(), height());
    // Nothing to resize: a grip would only take the form's height, more in
    // some styles (Windows') than in others.
    statusBar()->setSizeGripEnabled(false);
    addDesktopActions(this, *ui);
    setUpWiring();
    setUpFileMenu();

    restartAction = new QAction(this);
    restartAction->setText(tr("Restart"));
    restartAction->setStatusTip(tr("Restarts the application"));
    connect(restartAction, &QAction::triggered, this, &MainWindow::slotReboot);

    pageButtons = {ui->HomeButton,       ui->WelcomeButton,  ui->MasterOffButton,
                   ui->CardHolderButton, ui->DndMurButton,   ui->AirConButton,
                   ui->AcInputButton,    ui->lightingButton, ui->shutterButton,
                   ui->DigitalioButton,  ui->LogicButton,    ui->SettingsButton};

    for (QToolButton *button :
         {ui->WelcomeButton, ui->MasterOffButton, ui->lightingButton, ui->DigitalioButton,
          ui->LogicButton, ui->shutterButton, ui->AcInputButton, ui->DndMurButton,
          ui->CardHolderButton, ui->AirConButton, ui->HomeButton})
        button->setStyleSheet(QString::fromLatin1(pageButtonStyle) + QLatin1String(focusStyle));
    for (QToolButton *button :
         {ui->ImportButton, ui->ExportButton, ui->PrintButton, ui->SettingsButton})
        button->setStyleSheet(QString::fromLatin1(actionButtonStyle) + QLatin1String(focusStyle));

    // The name fields hold no longer a name than a saved function may have, on one line.
    auto *oneLine = new OneLineValidator(this);
    for (QLineEdit *name :
         {ui->lineEditWelcomeName, ui->lineEditMasterOffName, ui->lineEditCardHolderName,
          ui->lineEditDNDMURName, ui->lineEditAirConName, ui->lineEditACInputName,
          ui->lineEditLightingName, ui->lineEditShutterName, ui->lineEditDigitalIOName,
          ui->lineEditLogicName}) {
        name->setMaxLength(EditorRules::maxNameLength);
        name->setValidator(oneLine);
    }

    // The counted titles of an empty project ("Welcome [0]" ...).
    emptyLists(ui->toolBox, typeViews(ui), &TypeView::emptiedTitle);

    ui->toolBox->setCurrentIndex(0);
    ui->stackedWidget->setCurrentIndex(0);

    ui->textEdit->setCursorWidth(0);
    ui->textEdit->setTextInteractionFlags(Qt::NoTextInteraction);

    ui->label_version->setText(programVersion());
    versionText = ui->label_version->text();

    setUpAccessibility();

    plainTitle = windowTitle();
    setUpHistory();
    setUpRecovery();
    ProjectChange::listen(this, [this] { noteProjectChanged(); });
    // Last: the form keeps the room that the finished menu and status bar leave it.
    fitToWorkArea(this);
}

MainWindow::~MainWindow()
{
    ProjectChange::stopListening(this);
    // The history, going with the window's children, empties itself and says so.
    history->disconnect(this);
    delete ui;
}

// The stores outlive the window; a restart starts from an empty project so that
// the new window's empty lists match what export would write.
void MainWindow::slotReboot()
{
    qDebug() << "Performing application reboot...";
    releaseAllRecords();
    QCoreApplication::exit(EXIT_CODE_REBOOT);
}

// Through close(), so that unexported work is asked about as when the window is closed.
void MainWindow::on_actionExit_triggered()
{
    if (close())
        QCoreApplication::quit();
}

// --- Navigation ---

// Page buttons 1..10: check the button, show its page, select its toolbox list.
void MainWindow::showPageFromButton(int page)
{
    pageButtons.at(page)->setChecked(true);
    ui->stackedWidget->setCurrentIndex(page);
    ui->toolBox->setCurrentIndex(page - 1);
    focusPageAfterKeyboardClick(page);
}

void MainWindow::on_WelcomeButton_clicked()
{
    showPageFromButton(1);
}
void MainWindow::on_MasterOffButton_clicked()
{
    showPageFromButton(2);
}
void MainWindow::on_CardHolderButton_clicked()
{
    showPageFromButton(3);
}
void MainWindow::on_DndMurButton_clicked()
{
    showPageFromButton(4);
}
void MainWindow::on_AirConButton_clicked()
{
    showPageFromButton(5);
}
void MainWindow::on_AcInputButton_clicked()
{
    showPageFromButton(6);
}
void MainWindow::on_lightingButton_clicked()
{
    showPageFromButton(7);
}
void MainWindow::on_shutterButton_clicked()
{
    showPageFromButton(8);
}
void MainWindow::on_DigitalioButton_clicked()
{
    showPageFromButton(9);
}
void MainWindow::on_LogicButton_clicked()
{
    showPageFromButton(10);
}

void MainWindow::on_HomeButton_clicked()
{
    ui->HomeButton->setChecked(true);
    returnToHomePage();
    focusPageAfterKeyboardClick(0);
}

// Page 0 already shown: the report is rebuilt without a page change.
void MainWindow::returnToHomePage()
{
    if (ui->stackedWidget->currentIndex() == 0)
        on_stackedWidget_currentChanged(0);
    else
        ui->stackedWidget->setCurrentIndex(0);
}

void MainWindow::on_stackedWidget_currentChanged(int arg1)
{
    static int lastPage = -1;
    if (arg1 != lastPage) {
        updatePageButtons(arg1);
        lastPage = arg1;
    }
    if (arg1 == 0)
        showHomePage();
    else
        showEditorPage(arg1);
}

void MainWindow::showEditorPage(int page)
{
    switch (page) {
    case 1:
        showWelcomePage();
        break;
    case 2:
        showMasterOffPage();
        break;
    case 3:
        showEnergySavingPage();
        break;
    case 4:
        showDndMurPage();
        break;
    case 5:
        showAirConPage();
        break;
    case 6:
        showVoltageInputPage();
        break;
    case 7:
        showLightingPage();
        break;
    case 8:
        showShutterPage();
        break;
    case 9:
        showDigitalIOPage();
        break;
    case 10:
        showLogicPage();
        break;
    default:
        break;
    }
}

void MainWindow::updatePageButtons(int page)
{
    for (QToolButton *button : qAsConst(pageButtons))
        button->setChecked(false);
    pageButtons.at(page)->setChecked(true);
}

void MainWindow::showHomePage()
{
    devicePicture->refresh();
    ui->textEdit->setPlainText(buildConfigurationReport());
    QTextCursor cursor = ui->textEdit->textCursor();
    cursor.movePosition(QTextCursor::Start);
    ui->textEdit->setTextCursor(cursor);
    ui->textEdit->setCursorWidth(0);
}

void MainWindow::openListItem(QListWidgetItem *item, int page)
{
    if (item->text().isEmpty())
        return;
    if (ui->stackedWidget->currentIndex() != page)
        ui->stackedWidget->setCurrentIndex(page);
    bool *const flags[] = {nullptr,
                           &welcomeItemSelected,
                           &masterOffItemSelected,
                           &energySavingItemSelected,
                           &dndMurItemSelected,
                           &airConItemSelected,
                           &voltageInputItemSelected,
                           &lightingItemSelected,
                           &shutterItemSelected,
                           &digitalIOItemSelected,
                           &logicItemSelected};
    if (page < 1 || page > 10)
        return;
    *flags[page] = true;
    showEditorPage(page);
}

void MainWindow::on_listWidget_Welcome_itemClicked(QListWidgetItem *item)
{
    openListItem(item, 1);
}
void MainWindow::on_listWidget_MasterOff_itemClicked(QListWidgetItem *item)
{
    openListItem(item, 2);
}
void MainWindow::on_listWidget_CardHolder_itemClicked(QListWidgetItem *item)
{
    openListItem(item, 3);
}
void MainWindow::on_listWidget_DndMur_itemClicked(QListWidgetItem *item)
{
    openListItem(item, 4);
}
void MainWindow::on_listWidget_AirCon_itemClicked(QListWidgetItem *item)
{
    openListItem(item, 5);
}
void MainWindow::on_listWidget_Acinput_itemClicked(QListWidgetItem *item)
{
    openListItem(item, 6);
}
void MainWindow::on_listWidgetLighting_itemClicked(QListWidgetItem *item)
{
    openListItem(item, 7);
}
void MainWindow::on_listWidget_Shutter_itemClicked(QListWidgetItem *item)
{
    openListItem(item, 8);
}
void MainWindow::on_listWidget_Dgitialio_itemClicked(QListWidgetItem *item)
{
    openListItem(item, 9);
}
void MainWindow::on_listWidget_Logic_itemClicked(QListWidgetItem *item)
{
    openListItem(item, 10);
}
