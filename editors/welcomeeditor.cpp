#include "mainwindow.h"
#include "model/stores.h"
#include "ui_mainwindow.h"

using namespace EditorOps;

namespace
{
constexpr int welcomeToolBoxIndex = 0;
const char *const welcomeName = "Welcome-1";
} // namespace

EditorOps::OutputBoxes MainWindow::welcomeOutputBoxes() const
{
    return {ui->checkBox_WelcomeOutputC1, ui->checkBox_WelcomeOutputC2,
            ui->checkBox_WelcomeOutputC3, ui->checkBox_WelcomeOutputC4,
            ui->checkBox_WelcomeOutputC5, ui->checkBox_WelcomeOutputC6,
            ui->checkBox_WelcomeOutputC7, ui->checkBox_WelcomeOutputC8};
}

void MainWindow::setWelcomeOutputEnabled(int id, bool enabled)
{
    setOutputEnabled(welcomeOutputBoxes(), id, enabled);
}

// Welcome switches on outputs that some function owns, except those locked
// against it (shutter motors, door bell and occupancy outputs).
void MainWindow::fillWelcomeChoices()
{
    disableAbsentOutputs(welcomeOutputBoxes(), currentPlatform());
    for (const OutputEntry *entry : offeredOutputs(currentPlatform()))
        setWelcomeOutputEnabled(entry->id, entry->useCount != 0 && entry->welcomeLocked == 0);
}

void MainWindow::resetWelcomeForm()
{
    ui->lineEditWelcomeName->setText(QString::fromLatin1(welcomeName));
    uncheckAll(welcomeOutputBoxes());
    fillWelcomeChoices();
}

void MainWindow::showWelcomePage()
{
    if (!welcomeItemSelected) {
        resetWelcomeForm();
        return;
    }
    welcomeItemSelected = false;
    const WelcomeRecord *record = welcomeStore().find(selectedName(ui->listWidget_Welcome));
    if (!record)
        return;
    ui->lineEditWelcomeName->setText(record->name);
    const OutputBoxes boxes = welcomeOutputBoxes();
    for (int n = 1; n <= 8; ++n)
        boxes[n - 1]->setChecked(record->controlOut(n) == QLatin1String("ENABLE"));
    fillWelcomeChoices();
}

WelcomeRecord MainWindow::welcomeRecordFromForm() const
{
    WelcomeRecord record;
    record.name = ui->lineEditWelcomeName->text();
    const OutputBoxes boxes = welcomeOutputBoxes();
    for (int n = 1; n <= 8; ++n)
        record.controlOut(n) = QLatin1String(boxes[n - 1]->isChecked() ? "ENABLE" : "DISABLE");
    return record;
}

void MainWindow::on_pushButtonWelcomeSave_clicked()
{
    QLabel *info = ui->label_WelcomeUI_Info;
    const QString name = ui->lineEditWelcomeName->text();
    const FunctionType type = FunctionType::Welcome;
    if (refuseInvalidName(type, name, info) ||
        refuse(!anyChecked(welcomeOutputBoxes()), info, type, Refusal::NoControlledOutput))
        return;
    const NameCheck check = checkItemName(this, type, ui->listWidget_Welcome, info, name);
    if (check == NameCheck::Rejected ||
        refuse(check == NameCheck::NewItem &&
                   !EditorRules::roomForAnother(type, ui->listWidget_Welcome->count()),
               info, type, Refusal::TooMany))
        return;
    const bool update = check == NameCheck::Update;
    const WelcomeRecord record = welcomeRecordFromForm();
    if (update)
        welcomeStore().replace(name, record);
    else
        welcomeStore().add(record);
    storeRow(ui->listWidget_Welcome, name, update);

    resetWelcomeForm();
    setCountTitle(ui->toolBox, welcomeToolBoxIndex, tr("Welcome ["),
                  ui->listWidget_Welcome->count());
    showInfo(info, tr("Saved..."), 1500);
    ui->listWidget_Welcome->setCurrentRow(ui->listWidget_Welcome->count() - 1);
}

void MainWindow::on_pushButtonWelcomeDelete_clicked()
{
    if (!ui->listWidget_Welcome->currentItem())
        return;
    welcomeStore().remove(ui->listWidget_Welcome->currentItem()->text());
    removeCurrentRow(ui->listWidget_Welcome);
    resetWelcomeForm();
    finishDelete(ui->listWidget_Welcome, ui->label_WelcomeUI_Info, ui->toolBox, welcomeToolBoxIndex,
                 tr("Welcome ["));
}

void MainWindow::pruneWelcomeOutputs(int outputId)
{
    pruneOutput(welcomeStore(), ui->listWidget_Welcome, outputId,
                [this] { on_pushButtonWelcomeDelete_clicked(); });
}
