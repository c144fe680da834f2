#include "mainwindow.h"
#include "model/stores.h"
#include "ui_mainwindow.h"

#include <algorithm>
#include <array>

using namespace EditorOps;

namespace
{

constexpr int dndMurToolBoxIndex = 3;
// Only one DND/MUR function may exist, so the proposed name is fixed.
const char *const dndMurName = "DND/MUR-1";

// Each button has its dedicated input; "CH1" and "CH2" can serve either.
QVector<InputEntry *> dndInputs()
{
    return inputRows({17, 19, 20});
}

QVector<InputEntry *> murInputs()
{
    return inputRows({18, 19, 20});
}

QVector<OutputEntry *> dndOutputs()
{
    return outputRows({9});
}

QVector<OutputEntry *> murOutputs()
{
    return outputRows({10});
}

// The DND input, DND output, MUR input and MUR output lists, which a
// function must use, followed by the optional bell and occupancy outputs.
std::array<QComboBox *, 6> choiceLists(const Ui::MainWindow *ui)
{
    return {ui->comboBox_DNDMUR_DNDInput,   ui->comboBox_DNDMUR_DNDOutput,
            ui->comboBox_DNDMUR_MURInput,   ui->comboBox_DNDMUR_MUROutput,
            ui->comboBox_DNDMUR_BellOutput, ui->comboBox_DNDMUR_OccupancyOutput};
}

constexpr int requiredLists = 4;

} // namespace

// The required lists propose their first item; the optional outputs start empty.
void MainWindow::fillDndMurChoices(int keepDndInput, int keepDndOutput, int keepMurInput,
                                   int keepMurOutput, int keepBell, int keepOccupancy)
{
    const QVector<OutputEntry *> general = offeredOutputs(currentPlatform());
    fillChoices(ui->comboBox_DNDMUR_DNDInput, dndInputs(), keepDndInput);
    fillChoices(ui->comboBox_DNDMUR_DNDOutput, dndOutputs(), keepDndOutput);
    fillChoices(ui->comboBox_DNDMUR_MURInput, murInputs(), keepMurInput);
    fillChoices(ui->comboBox_DNDMUR_MUROutput, murOutputs(), keepMurOutput);
    fillChoices(ui->comboBox_DNDMUR_BellOutput, general, keepBell);
    fillChoices(ui->comboBox_DNDMUR_OccupancyOutput, general, keepOccupancy);
    const std::array<QComboBox *, 6> lists = choiceLists(ui);
    for (int n = 0; n < requiredLists; ++n)
        lists[n]->setCurrentIndex(0);
}

void MainWindow::resetDndMurForm()
{
    ui->lineEditDNDMURName->setText(QString::fromLatin1(dndMurName));
    ui->comboBox_DNDMURContactType->setCurrentIndex(0);
    ui->comboBox_DNDMURControlType->setCurrentIndex(0);
    ui->spinBoxDNDMUROnDelay->setValue(0);
    ui->spinBoxDNDMUROffDelay->setValue(0);
    ui->comboBox_DNDDebounceTime->setCurrentIndex(defaultDebounceIndex);
    ui->comboBox_MURDebounceTime->setCurrentIndex(defaultDebounceIndex);
    fillDndMurChoices(-1, -1, -1, -1, -1, -1);
}

void MainWindow::showDndMurPage()
{
    if (!dndMurItemSelected) {
        resetDndMurForm();
        return;
    }
    dndMurItemSelected = false;
    const DndMurRecord *record = dndMurStore().find(selectedName(ui->listWidget_DndMur));
    if (!record)
        return;
    ui->lineEditDNDMURName->setText(record->name);
    ui->comboBox_DNDMURContactType->setCurrentText(record->ContactType);
    ui->comboBox_DNDMURControlType->setCurrentText(record->ControlType);
    ui->spinBoxDNDMUROnDelay->setValue(record->OnDelay);
    ui->spinBoxDNDMUROffDelay->setValue(record->OffDelay);
    ui->comboBox_DNDDebounceTime->setCurrentText(record->DndDebounceTime);
    ui->comboBox_MURDebounceTime->setCurrentText(record->MurDebounceTime);
    const QVector<OutputEntry *> general = offeredOutputs(currentPlatform());
    const std::array<int, 6> indices = {
        indexOfRow(dndInputs(), record->DndInput), indexOfRow(dndOutputs(), record->DndOutput),
        indexOfRow(murInputs(), record->MurInput), indexOfRow(murOutputs(), record->MurOutput),
        indexOfRow(general, record->BellOutput),   indexOfRow(general, record->OccupancyOutput)};
    fillDndMurChoices(indices[0], indices[1], indices[2], indices[3], indices[4], indices[5]);
    const std::array<QComboBox *, 6> lists = choiceLists(ui);
    for (std::size_t n = 0; n < lists.size(); ++n)
        lists[n]->setCurrentIndex(indices[n]);
}

DndMurRecord MainWindow::dndMurRecordFromForm() const
{
    DndMurRecord record;
    record.name = ui->lineEditDNDMURName->text();
    record.DndInput = ui->comboBox_DNDMUR_DNDInput->currentText();
    record.DndDebounceTime = ui->comboBox_DNDDebounceTime->currentText();
    record.DndOutput = ui->comboBox_DNDMUR_DNDOutput->currentText();
    record.MurInput = ui->comboBox_DNDMUR_MURInput->currentText();
    record.MurDebounceTime = ui->comboBox_MURDebounceTime->currentText();
    record.MurOutput = ui->comboBox_DNDMUR_MUROutput->currentText();
    record.ControlType = ui->comboBox_DNDMURControlType->currentText();
    record.ContactType = ui->comboBox_DNDMURContactType->currentText();
    record.BellOutput = ui->comboBox_DNDMUR_BellOutput->currentText();
    record.OccupancyOutput = ui->comboBox_DNDMUR_OccupancyOutput->currentText();
    record.OnDelay = ui->spinBoxDNDMUROnDelay->value();
    record.OffDelay = ui->spinBoxDNDMUROffDelay->value();
    return record;
}

void MainWindow::on_pushButtonDNDMURSave_clicked()
{
    QLabel *info = ui->label_DNDMURUI_Info;
    QListWidget *list = ui->listWidget_DndMur;
    const std::array<QComboBox *, 6> lists = choiceLists(ui);
    const bool someListEmpty =
        std::any_of(lists.begin(), lists.end(), [](QComboBox *c) { return c->count() == 0; });
    const bool someRequiredUnset = std::any_of(lists.begin(), lists.begin() + requiredLists,
                                               [](QComboBox *c) { return c->currentIndex() < 0; });
    const int bell = ui->comboBox_DNDMUR_BellOutput->currentIndex();
    const int dndInput = ui->comboBox_DNDMUR_DNDInput->currentIndex();
    const QString name = ui->lineEditDNDMURName->text();
    // Index 0 of the input lists holds two different inputs, "DND IN" and "MUR IN".
    const bool sameChoice =
        (bell >= 0 && bell == ui->comboBox_DNDMUR_OccupancyOutput->currentIndex()) ||
        (dndInput > 0 && dndInput == ui->comboBox_DNDMUR_MURInput->currentIndex());
    const FunctionType type = FunctionType::DndMur;
    if (refuseInvalidName(type, name, info) ||
        refuse(someListEmpty, info, type, Refusal::NothingToChoose) ||
        refuse(someRequiredUnset, info, type, Refusal::ChoiceMissing) ||
        refuse(sameChoice, info, type, Refusal::SameChoiceTwice))
        return;
    const NameCheck check = checkItemName(this, type, list, info, name);
    if (check == NameCheck::Rejected)
        return;
    const bool update = check == NameCheck::Update;
    const DndMurRecord record = dndMurRecordFromForm();
    // The dedicated inputs make a second function impossible; a renamed one is a second one.
    const bool second =
        !inputsAvailable(claimsOf(record).inputs, update ? dndMurStore().find(name) : nullptr) ||
        (!EditorRules::roomForAnother(type, list->count()) && selectedName(list) != name);
    if (refuse(second, info, type, Refusal::TooMany))
        return;

    pruneReleasedOutputs(commitRecord(dndMurStore(), list, record, update, name));
    resetDndMurForm();
    finishSave(list, info, ui->toolBox, dndMurToolBoxIndex, tr("DND/MUR ["));
}

// Master Off and Welcome stop controlling every output the function freed.
void MainWindow::on_pushButtonDNDMURDelete_clicked()
{
    ClaimSet released;
    if (!removeCurrentRecord(dndMurStore(), ui->listWidget_DndMur, released))
        return;
    pruneReleasedOutputs(released);
    resetDndMurForm();
    finishDelete(ui->listWidget_DndMur, ui->label_DNDMURUI_Info, ui->toolBox, dndMurToolBoxIndex,
                 tr("DND/MUR ["));
}
