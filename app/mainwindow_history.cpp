#include "app/typeviews.h"
#include "mainwindow.h"
#include "model/stores.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>
#include <utility>

namespace
{

constexpr int homePage = 0;

// The buttons of a page that change the project, and where the function
// each acts on is named when it is pressed (the Save resets the name field,
// the Delete removes the row).
struct StepButtons {
    FunctionType type;
    QAbstractButton *save;
    const QLineEdit *name;
    QAbstractButton *remove;
    const QListWidget *list;
};

QVector<StepButtons> stepButtons(const Ui::MainWindow *ui)
{
    return {
        {FunctionType::Welcome, ui->pushButtonWelcomeSave, ui->lineEditWelcomeName,
         ui->pushButtonWelcomeDelete, ui->listWidget_Welcome},
        {FunctionType::MasterOff, ui->pushButtonMasterOffSave, ui->lineEditMasterOffName,
         ui->pushButtonMasterOffDelete, ui->listWidget_MasterOff},
        {FunctionType::EnergySaving, ui->pushButtonCardHolderSave, ui->lineEditCardHolderName,
         ui->pushButtonCardHolderDelete, ui->listWidget_CardHolder},
        {FunctionType::DndMur, ui->pushButtonDNDMURSave, ui->lineEditDNDMURName,
         ui->pushButtonDNDMURDelete, ui->listWidget_DndMur},
        {FunctionType::AirCon, ui->pushButtonAirConSave, ui->lineEditAirConName,
         ui->pushButtonAirConDelete, ui->listWidget_AirCon},
        {FunctionType::VoltageInput, ui->pushButtonACInputSave, ui->lineEditACInputName,
         ui->pushButtonACInputDelete, ui->listWidget_Acinput},
        {FunctionType::Lighting, ui->pushButtonLightingSave, ui->lineEditLightingName,
         ui->pushButtonLightingDelete, ui->listWidgetLighting},
        {FunctionType::Shutter, ui->pushButtonShutterSave, ui->lineEditShutterName,
         ui->pushButtonShutterDelete, ui->listWidget_Shutter},
        {FunctionType::DigitalIO, ui->pushButtonDigitalIOSave, ui->lineEditDigitalIOName,
         ui->pushButtonDigitalIODelete, ui->listWidget_Dgitialio},
        {FunctionType::Logic, ui->pushButtonLogicSave, ui->lineEditLogicName,
         ui->pushButtonLogicDelete, ui->listWidget_Logic},
    };
}

} // namespace

// The Edit menu between File and About, and the step boundaries: a Save or
// Delete ends when its button's click is handled (these connections run after
// the page's own slot), Clear all likewise, a platform change in its handler.
void MainWindow::setUpHistory()
{
    history = new QUndoStack(this);
    auto *edit = new QMenu(tr("&Edit"), this);
    edit->setObjectName(QStringLiteral("menuEdit"));
    QAction *undo = history->createUndoAction(edit);
    undo->setObjectName(QStringLiteral("actionUndo"));
    undo->setIcon(QIcon(QStringLiteral(":/icons/undo.png")));
    undo->setShortcuts(QKeySequence::Undo);
    QAction *redo = history->createRedoAction(edit);
    redo->setObjectName(QStringLiteral("actionRedo"));
    redo->setIcon(QIcon(QStringLiteral(":/icons/redo.png")));
    redo->setShortcuts(redoKeys(QKeySequence::keyBindings(QKeySequence::Redo)));
    edit->addAction(undo);
    edit->addAction(redo);
    ui->menubar->insertMenu(ui->menuAbout->menuAction(), edit);
    connect(history, &QUndoStack::cleanChanged, this, &MainWindow::historyMoved);
    connect(history, &QUndoStack::indexChanged, this, &MainWindow::historyMoved);

    for (const StepButtons &buttons : stepButtons(ui)) {
        const int page = int(buttons.type) + 1;
        const QString type = typeTitle(buttons.type);
        const QLineEdit *name = buttons.name;
        const QListWidget *list = buttons.list;
        connect(buttons.save, &QAbstractButton::pressed, this,
                [this, name] { stepName = name->text(); });
        connect(buttons.save, &QAbstractButton::clicked, this,
                [this, type, page] { endStep(tr("Save %1 \"%2\"").arg(type, stepName), page); });
        connect(buttons.remove, &QAbstractButton::pressed, this,
                [this, list] { stepName = EditorOps::selectedName(list); });
        connect(buttons.remove, &QAbstractButton::clicked, this,
                [this, type, page] { endStep(tr("Delete %1 \"%2\"").arg(type, stepName), page); });
    }
    connect(ui->SettingsButton, &QAbstractButton::clicked, this,
            [this] { endStep(tr("Clear All"), homePage); });
    recorded = shownProject();
}

// Where the history is clean the project is the file's again, even when the
// step that led there left it (an undo of Clear all, a redo to the export).
void MainWindow::historyMoved()
{
    if (history->isClean())
        fileLeft = recorded.fileLeft = false;
    unexportedWorkChanged();
}

ShownProject MainWindow::shownProject() const
{
    return {takeProjectSnapshot(), ui->comboBox_PlatformType->currentIndex(),
            typeTitles(ui->toolBox), fileLeft};
}

// A refused save, a declined question or a save that changed nothing leaves
// the project as recorded: no step.
void MainWindow::endStep(const QString &text, int page)
{
    if (!std::exchange(projectChanged, false))
        return;
    ShownProject before = std::exchange(recorded, shownProject());
    if (sameProject(before, recorded))
        return;
    history->push(
        new ProjectStep(text, std::move(before), recorded,
                        [this, page](const ShownProject &state) { showStep(state, page); }));
}

// The stores and catalogues as they were, then the platform and the lists
// through the window's own operations, as import shows a project.
void MainWindow::showStep(const ShownProject &state, int page)
{
    fileLeft = state.fileLeft;
    restoreProjectSnapshot(state.project);
    platformChangeByProgram = 1;
    ui->comboBox_PlatformType->setCurrentIndex(state.platformIndex);
    platformChangeByProgram = 0;
    showSavedLists(ui->toolBox, typeViews(ui), state.titles);
    recorded = state;
    projectChanged = false;
    showStepPage(page);
}

// The page of the step's type in its new-item state, even when it is already
// shown, so that the user sees what came back; Home rebuilds the report.
void MainWindow::showStepPage(int page)
{
    if (page == homePage) {
        returnToHomePage();
        return;
    }
    const bool alreadyShown = ui->stackedWidget->currentIndex() == page;
    showPageFromButton(page);
    if (alreadyShown)
        showEditorPage(page);
}

void MainWindow::startHistory()
{
    fileLeft = false;
    history->clear();
    recorded = shownProject();
    projectChanged = false;
}
