#include "mainwindow.h"
#include "model/stores.h"
#include "ui_mainwindow.h"

#include <array>

using namespace EditorOps;

namespace
{

constexpr int logicToolBoxIndex = 9;

// The widgets of one gate input and the record fields they fill.
struct LogicInputViews {
    QComboBox *input, *debounce, *polarity, *controlType;
};
struct LogicInputFields {
    QString LogicRecord::*input, LogicRecord::*debounce, LogicRecord::*polarity,
        LogicRecord::*controlType;
};

std::array<LogicInputViews, 3> logicInputViews(const Ui::MainWindow *ui)
{
    return {{{ui->comboBox_LogicInput_1, ui->comboBox_LogicInput_1_DebounceTime,
              ui->comboBox_LogicInput_1_Polarity, ui->comboBox_LogicInput_1_ControlType},
             {ui->comboBox_LogicInput_2, ui->comboBox_LogicInput_2_DebounceTime,
              ui->comboBox_LogicInput_2_Polarity, ui->comboBox_LogicInput_2_ControlType},
             {ui->comboBox_LogicInput_3, ui->comboBox_LogicInput_3_DebounceTime,
              ui->comboBox_LogicInput_3_Polarity, ui->comboBox_LogicInput_3_ControlType}}};
}

constexpr std::array<LogicInputFields, 3> logicInputFields = {
    {{&LogicRecord::Input1, &LogicRecord::Input1DebounceTime, &LogicRecord::Input1Polarity,
      &LogicRecord::Input1ControlType},
     {&LogicRecord::Input2, &LogicRecord::Input2DebounceTime, &LogicRecord::Input2Polarity,
      &LogicRecord::Input2ControlType},
     {&LogicRecord::Input3, &LogicRecord::Input3DebounceTime, &LogicRecord::Input3Polarity,
      &LogicRecord::Input3ControlType}}};

} // namespace

// Each input list shows only its own saved input red; the gate's other
// inputs are grey there like those of any other function.
void MainWindow::fillLogicChoices(int keepInput1, int keepInput2, int keepInput3, int keepOutput)
{
    fillChoices({{ui->comboBox_LogicInput_1, keepInput1},
                 {ui->comboBox_LogicInput_2, keepInput2},
                 {ui->comboBox_LogicInput_3, keepInput3}},
                offeredInputs(currentPlatform()));
    fillChoices(ui->comboBox_LogicOutput, offeredOutputs(currentPlatform()), keepOutput);
}

void MainWindow::resetLogicForm()
{
    ui->lineEditLogicName->setText(proposedName(QStringLiteral("Logic-"), ui->listWidget_Logic));
    ui->comboBox_LogicType->setCurrentIndex(0);
    setValues({ui->spinBoxLogicOnDelay, ui->spinBoxLogicOffDelay}, 0);
    for (const LogicInputViews &views : logicInputViews(ui)) {
        views.debounce->setCurrentIndex(defaultDebounceIndex);
        setIndexes({views.polarity, views.controlType}, 0);
    }
    fillLogicChoices(-1, -1, -1, -1);
}

void MainWindow::showLogicPage()
{
    const LogicRecord *record = recordToShow(logicItemSelected, logicStore(), ui->listWidget_Logic);
    if (!record) {
        resetLogicForm();
        return;
    }
    ui->lineEditLogicName->setText(record->name);
    ui->comboBox_LogicType->setCurrentText(record->LogicType);
    ui->spinBoxLogicOnDelay->setValue(record->OnDelay);
    ui->spinBoxLogicOffDelay->setValue(record->OffDelay);
    const std::array<LogicInputViews, 3> views = logicInputViews(ui);
    const QVector<InputEntry *> inputs = offeredInputs(currentPlatform());
    std::array<int, 3> inputIndex{};
    for (int k = 0; k < 3; ++k) {
        const LogicInputFields &fields = logicInputFields[k];
        views[k].debounce->setCurrentText(record->*fields.debounce);
        views[k].polarity->setCurrentText(record->*fields.polarity);
        views[k].controlType->setCurrentText(record->*fields.controlType);
        inputIndex[k] = indexOfRow(inputs, record->*fields.input);
    }
    const int output = indexOfRow(offeredOutputs(currentPlatform()), record->Output);
    fillLogicChoices(inputIndex[0], inputIndex[1], inputIndex[2], output);
    selectChoices({{views[0].input, inputIndex[0]},
                   {views[1].input, inputIndex[1]},
                   {views[2].input, inputIndex[2]},
                   {ui->comboBox_LogicOutput, output}});
}

// The third input's settings are stored even when it has no input.
LogicRecord MainWindow::logicRecordFromForm() const
{
    LogicRecord record;
    record.name = ui->lineEditLogicName->text();
    const std::array<LogicInputViews, 3> views = logicInputViews(ui);
    for (int k = 0; k < 3; ++k) {
        const LogicInputFields &fields = logicInputFields[k];
        record.*fields.input = views[k].input->currentText();
        record.*fields.debounce = views[k].debounce->currentText();
        record.*fields.polarity = views[k].polarity->currentText();
        record.*fields.controlType = views[k].controlType->currentText();
    }
    record.Output = ui->comboBox_LogicOutput->currentText();
    record.LogicType = ui->comboBox_LogicType->currentText();
    record.OnDelay = ui->spinBoxLogicOnDelay->value();
    record.OffDelay = ui->spinBoxLogicOffDelay->value();
    return record;
}

// The third input is optional: only inputs 1 and 2 must be chosen.
void MainWindow::on_pushButtonLogicSave_clicked()
{
    QLabel *info = ui->label_LogicUI_Info;
    QListWidget *list = ui->listWidget_Logic;
    ClaimSet released;
    const QComboBox *input1 = ui->comboBox_LogicInput_1;
    const QComboBox *input2 = ui->comboBox_LogicInput_2;
    const FunctionType type = FunctionType::Logic;
    if (refuseInvalidName(type, ui->lineEditLogicName->text(), info) ||
        refuseMissingChoices(type, info, {input1, input2, ui->comboBox_LogicOutput}) ||
        refuse(sameChoice({input1, input2, ui->comboBox_LogicInput_3}), info, type,
               Refusal::SameChoiceTwice) ||
        !saveRecord(this, type, logicStore(), list, info, logicRecordFromForm(), released))
        return;
    pruneReleasedOutputs(released);
    resetLogicForm();
    finishSave(list, info, ui->toolBox, logicToolBoxIndex, tr("Logic ["));
}

void MainWindow::on_pushButtonLogicDelete_clicked()
{
    if (!deleteCurrentFunction(logicStore(), ui->listWidget_Logic))
        return;
    resetLogicForm();
    finishDelete(ui->listWidget_Logic, ui->label_LogicUI_Info, ui->toolBox, logicToolBoxIndex,
                 tr("Logic ["));
}
