#include "mainwindow.h"
#include "model/stores.h"
#include "ui_mainwindow.h"

using namespace EditorOps;

namespace
{

constexpr int masterOffToolBoxIndex = 1;
constexpr int masterOffLimit = 4;

// LED output of the Master Off function saved last: its box stays disabled,
// so a function cannot switch off its own feedback LED. Two blanks after a delete.
QString &masterOffLedName()
{
    static QString name;
    return name;
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
        const bool controllable = entry->useCount != 0 && entry->name != masterOffLedName() &&
                                  entry->masterOffLocked == 0;
        setMasterOffOutputEnabled(entry->id, controllable);
    }
}

void MainWindow::showMasterOffPage() {}
void MainWindow::on_pushButtonMasterOffSave_clicked() {}

void MainWindow::on_pushButtonMasterOffDelete_clicked()
{
    QListWidget *list = ui->listWidget_MasterOff;
    if (!list->currentItem())
        return;
    masterOffLedName() = QStringLiteral("  ");
    const QString name = list->currentItem()->text();
    if (const MasterOffRecord *record = masterOffStore().find(name)) {
        releaseClaims(*record);
        masterOffStore().remove(name);
    }
    removeCurrentRow(list);

    ui->comboBox_MasterOffDebounceTime->setCurrentIndex(defaultDebounceIndex);
    uncheckAll(masterOffOutputBoxes());
    fillMasterOffChoices(-1, -1);
    setCountTitle(ui->toolBox, masterOffToolBoxIndex, tr("Master Off ["), list->count());
    if (list->count() < masterOffLimit)
        ui->lineEditMasterOffName->setText(proposedName(QStringLiteral("MasterOff-"), list));
}

void MainWindow::pruneMasterOffOutputs(int outputId)
{
    QListWidget *list = ui->listWidget_MasterOff;
    int row = 0;
    while (row < masterOffLimit && row < list->count()) {
        MasterOffRecord *record = masterOffStore().find(list->item(row)->text());
        if (record && outputId >= 1 && outputId <= 8)
            record->controlOut(outputId) = QStringLiteral("DISABLE");
        if (record && allOutputsDisabled(*record)) {
            list->setCurrentRow(row);
            on_pushButtonMasterOffDelete_clicked();
            row = 0;
        } else {
            ++row;
        }
    }
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
