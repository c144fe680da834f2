#include "mainwindow.h"
#include "model/stores.h"
#include "ui_mainwindow.h"

using namespace EditorOps;

namespace
{

constexpr int masterOffToolBoxIndex = 1;

// An update that moves the LED off an output that nothing else holds frees
// that output, and the function may then no longer control it: saved, it
// would be pruned, and deleted when that was all it controlled. Returns the
// name of such an output, else an empty text.
QString outputFreedFromItself(const MasterOffRecord &record, const MasterOffRecord *old)
{
    if (!old || old->LedOutput == record.LedOutput)
        return QString();
    const OutputEntry *led = OutputCatalogue::instance().find(old->LedOutput);
    if (!led || led->useCount != 1 || led->id > 8 ||
        record.controlOut(led->id) != QLatin1String("ENABLE"))
        return QString();
    return led->name;
}

} // namespace

EditorOps::OutputBoxes MainWindow::masterOffOutputBoxes() const
{
    return {ui->checkBox_MasterOffOutputC1, ui->checkBox_MasterOffOutputC2,
            ui->checkBox_MasterOffOutputC3, ui->checkBox_MasterOffOutputC4,
            ui->checkBox_MasterOffOutputC5, ui->checkBox_MasterOffOutputC6,
            ui->checkBox_MasterOffOutputC7, ui->checkBox_MasterOffOutputC8};
}

void MainWindow::setMasterOffOutputEnabled(int id, bool enabled)
{
    setOutputEnabled(masterOffOutputBoxes(), id, enabled);
}

// Master Off switches off outputs that some function owns and that are not
// locked against it; the LED can be any free output (or the record's own).
void MainWindow::fillMasterOffChoices(int keepInputIndex, int keepLedIndex)
{
    fillChoices(ui->comboBox_MasterOffInput, offeredInputs(currentPlatform()), keepInputIndex);
    const QVector<OutputEntry *> outputs = offeredOutputs(currentPlatform());
    fillChoices(ui->comboBox_MasterOffLedOutput, outputs, keepLedIndex);
    disableAbsentOutputs(masterOffOutputBoxes(), currentPlatform());
    for (const OutputEntry *entry : outputs) {
        const bool controllable = entry->useCount != 0 &&
                                  EditorRules::mayControl(entry->name, masterOffLedMemory()) &&
                                  entry->masterOffLocked == 0;
        setMasterOffOutputEnabled(entry->id, controllable);
    }
}

// With four functions no name is proposed: the field keeps what it holds.
void MainWindow::resetMasterOffForm()
{
    QListWidget *list = ui->listWidget_MasterOff;
    if (EditorRules::roomForAnother(FunctionType::MasterOff, list->count()))
        ui->lineEditMasterOffName->setText(proposedName(QStringLiteral("MasterOff-"), list));
    ui->comboBox_MasterOffDebounceTime->setCurrentIndex(defaultDebounceIndex);
    uncheckAll(masterOffOutputBoxes());
    fillMasterOffChoices(-1, -1);
}

void MainWindow::showMasterOffPage()
{
    if (!masterOffItemSelected) {
        resetMasterOffForm();
        return;
    }
    masterOffItemSelected = false;
    const MasterOffRecord *record = masterOffStore().find(selectedName(ui->listWidget_MasterOff));
    if (!record)
        return;
    ui->lineEditMasterOffName->setText(record->name);
    const OutputBoxes boxes = masterOffOutputBoxes();
    for (int n = 1; n <= 8; ++n)
        boxes[n - 1]->setChecked(record->controlOut(n) == QLatin1String("ENABLE"));
    ui->comboBox_MasterOffDebounceTime->setCurrentText(record->DebounceTime);
    const int input = indexOfRow(offeredInputs(currentPlatform()), record->Input);
    const int led = indexOfRow(offeredOutputs(currentPlatform()), record->LedOutput);
    fillMasterOffChoices(input, led);
    ui->comboBox_MasterOffInput->setCurrentIndex(input);
    ui->comboBox_MasterOffLedOutput->setCurrentIndex(led);
}

MasterOffRecord MainWindow::masterOffRecordFromForm() const
{
    MasterOffRecord record;
    record.name = ui->lineEditMasterOffName->text();
    record.Input = ui->comboBox_MasterOffInput->currentText();
    record.DebounceTime = ui->comboBox_MasterOffDebounceTime->currentText();
    record.LedOutput = ui->comboBox_MasterOffLedOutput->currentText();
    const OutputBoxes boxes = masterOffOutputBoxes();
    for (int n = 1; n <= 8; ++n)
        record.controlOut(n) = QLatin1String(boxes[n - 1]->isChecked() ? "ENABLE" : "DISABLE");
    return record;
}

void MainWindow::on_pushButtonMasterOffSave_clicked()
{
    QLabel *info = ui->label_MasterOffUI_Info;
    QListWidget *list = ui->listWidget_MasterOff;
    const QComboBox *input = ui->comboBox_MasterOffInput;
    const QString name = ui->lineEditMasterOffName->text();
    const FunctionType type = FunctionType::MasterOff;
    if (refuseInvalidName(type, name, info) ||
        refuse(input->count() == 0 || ui->comboBox_MasterOffLedOutput->count() == 0, info, type,
               Refusal::NothingToChoose) ||
        refuse(input->currentIndex() < 0, info, type, Refusal::ChoiceMissing) ||
        refuse(!anyChecked(masterOffOutputBoxes()), info, type, Refusal::NoControlledOutput))
        return;
    const NameCheck check = checkItemName(this, type, list, info, name);
    if (check == NameCheck::Rejected ||
        refuse(check == NameCheck::NewItem && !EditorRules::roomForAnother(type, list->count()),
               info, type, Refusal::TooMany))
        return;
    const bool update = check == NameCheck::Update;
    const MasterOffRecord record = masterOffRecordFromForm();
    const MasterOffRecord *old = update ? masterOffStore().find(name) : nullptr;
    const QString freed = outputFreedFromItself(record, old);
    if (refuseHeldChoices(type, record, old, info) ||
        refuse(!freed.isEmpty(), info, type, Refusal::LedOnlyHolder, freed))
        return;

    pruneReleasedOutputs(commitRecord(masterOffStore(), list, record, update, name));
    if (!record.LedOutput.isEmpty())
        masterOffLedMemory() = record.LedOutput;
    resetMasterOffForm();
    finishSave(list, info, ui->toolBox, masterOffToolBoxIndex, tr("Master Off ["));
}

// The freed LED output may be one that Welcome or another Master Off function
// controls; they must not go on controlling an output that nothing holds.
void MainWindow::on_pushButtonMasterOffDelete_clicked()
{
    ClaimSet released;
    if (!removeCurrentRecord(masterOffStore(), ui->listWidget_MasterOff, released))
        return;
    masterOffLedMemory() = QStringLiteral("  ");
    resetMasterOffForm();
    finishDelete(ui->listWidget_MasterOff, ui->label_MasterOffUI_Info, ui->toolBox,
                 masterOffToolBoxIndex, tr("Master Off ["));
    pruneReleasedOutputs(released);
}

void MainWindow::pruneMasterOffOutputs(int outputId)
{
    pruneOutput(masterOffStore(), ui->listWidget_MasterOff, outputId,
                [this] { on_pushButtonMasterOffDelete_clicked(); });
}

// Master Off and Welcome only control outputs that some function holds: an
// output that a delete has freed completely is taken out of both.
void MainWindow::pruneReleasedOutputs(const ClaimSet &released)
{
    for (const OutputClaim &held : released.outputs) {
        const OutputEntry *output = OutputCatalogue::instance().find(held.name);
        if (output && output->useCount == 0) {
            const int id = output->id;
            pruneMasterOffOutputs(id);
            pruneWelcomeOutputs(id);
        }
    }
}
