#include "model/editorrules.h"

#include <algorithm>
#include <utility>

namespace
{

const QString onOff = QStringLiteral("ON/OFF");

using EditorRules::Refusal;
using EditorRules::SaveRefusal;

// A refusal in the words of one page.
struct Wording {
    Refusal refusal;
    const char *text;
    int ms;
};

#define PAGE_TEXT(text) QT_TRANSLATE_NOOP("MainWindow", text)

const Wording noInputOrOutput{Refusal::NothingToChoose, PAGE_TEXT("No available Input Or Output!"),
                              2500};
const Wording selectInputAndOutput{Refusal::ChoiceMissing,
                                   PAGE_TEXT("Please select input and output!"), 2500};
const Wording selectInput{Refusal::ChoiceMissing, PAGE_TEXT("Please select input!"), 2500};
const Wording selectControlledOutput{
    Refusal::NoControlledOutput, PAGE_TEXT("Please select at least one Controlled Output!"), 1500};
const Wording onlyOne{Refusal::TooMany, PAGE_TEXT("You can save only one of this function."), 1500};
// Pages word an input held elsewhere in one of two ways.
const Wording inputHeldDifferen{Refusal::InputHeld,
                                PAGE_TEXT("Selected input is already using in another function! "
                                          "Please select differen input."),
                                1500};
const Wording inputHeldDifferent{Refusal::InputHeld,
                                 PAGE_TEXT("Selected input is already using in another function! "
                                           "Please select different input."),
                                 1500};
const Wording outputHeld{Refusal::OutputHeld,
                         PAGE_TEXT("Selected output is already using in another function! Please "
                                   "select different output."),
                         1500};

// Every Save starts with the name and checks it against its list.
const Wording nameRefusals[] = {
    {Refusal::NameEmpty, PAGE_TEXT("Item name can not be empty! Please type a valid name."), 1500},
    {Refusal::NameDoubleSpace,
     PAGE_TEXT("Item name can not contain two spaces in a row! Please type a valid name."), 1500},
    {Refusal::NameTaken, PAGE_TEXT("The name is already used! Please change the item name."),
     1500}};

QVector<Wording> pageRefusals(FunctionType type)
{
    switch (type) {
    case FunctionType::Welcome:
        return {selectControlledOutput, onlyOne};
    case FunctionType::MasterOff:
        return {noInputOrOutput,
                selectInput,
                selectControlledOutput,
                {Refusal::TooMany, PAGE_TEXT("You can save only four of this function."), 1500},
                inputHeldDifferen,
                outputHeld,
                {Refusal::LedOnlyHolder,
                 PAGE_TEXT("Controlled output %1 is held only by the LED of this function! Please "
                           "keep the LED or uncheck %1."),
                 2500}};
    case FunctionType::EnergySaving:
        return {{Refusal::NoFeature, PAGE_TEXT("Please Select at least one feature!"), 2500},
                {Refusal::SensorInputMissing, PAGE_TEXT("Please Select Door Sensor Input!"), 2500},
                onlyOne};
    case FunctionType::DndMur:
        return {noInputOrOutput,
                selectInputAndOutput,
                {Refusal::SameChoiceTwice, PAGE_TEXT("Can not select the same output for outputs!"),
                 2500},
                onlyOne};
    case FunctionType::AirCon:
        return {
            noInputOrOutput,
            {Refusal::SensorInputMissing, PAGE_TEXT("Please select input and output!"), 2500},
            {Refusal::ChoiceMissing, PAGE_TEXT("Please select output!"), 2500},
            {Refusal::SettingMissing, PAGE_TEXT("Please select contact and control type!"), 2500},
            inputHeldDifferen,
            outputHeld};
    case FunctionType::Lighting:
        return {{Refusal::NothingToChoose, PAGE_TEXT("No available Input!"), 2500},
                selectInput,
                selectControlledOutput,
                inputHeldDifferent,
                outputHeld};
    case FunctionType::Shutter:
        return {noInputOrOutput,
                selectInputAndOutput,
                {Refusal::SameChoiceTwice,
                 PAGE_TEXT("Can not select the same input or output for up/down control input or "
                           "outputs!"),
                 2500},
                inputHeldDifferen,
                outputHeld};
    case FunctionType::Logic:
        return {noInputOrOutput,
                selectInputAndOutput,
                {Refusal::SameChoiceTwice, PAGE_TEXT("Please select different inputs!"), 2500},
                inputHeldDifferent,
                outputHeld};
    case FunctionType::VoltageInput:
    case FunctionType::DigitalIO:
        return {noInputOrOutput, selectInputAndOutput, inputHeldDifferen, outputHeld};
    }
    return {};
}

#undef PAGE_TEXT

} // namespace

EditorRules::NameFault EditorRules::nameFault(const QString &name)
{
    if (name.isEmpty())
        return NameFault::Empty;
    if (name.contains(QLatin1String("  ")))
        return NameFault::DoubleSpace;
    if (name.size() > maxNameLength)
        return NameFault::TooLong;
    if (std::any_of(name.begin(), name.end(), isLineBreak))
        return NameFault::LineBreak;
    return NameFault::None;
}

bool EditorRules::isLineBreak(QChar c)
{
    switch (c.unicode()) {
    case 0x000a:
    case 0x000b:
    case 0x000c:
    case 0x000d:
    case 0x0085:
    case 0x2028:
    case 0x2029:
        return true;
    default:
        return false;
    }
}

QString EditorRules::oneLine(const QString &text)
{
    QString line;
    bool broken = false;
    for (const QChar c : text) {
        if (isLineBreak(c)) {
            broken = !line.isEmpty();
            continue;
        }
        if (std::exchange(broken, false))
            line += QLatin1Char(' ');
        line += c;
    }
    return line;
}

int EditorRules::functionLimit(FunctionType type)
{
    switch (type) {
    case FunctionType::Welcome:
    case FunctionType::EnergySaving:
    case FunctionType::DndMur:
        return 1;
    case FunctionType::MasterOff:
        return 4;
    default:
        return 0;
    }
}

bool EditorRules::roomForAnother(FunctionType type, int saved)
{
    const int limit = functionLimit(type);
    return limit == 0 || saved < limit;
}

bool EditorRules::drivesOneOutput(const QString &controlType)
{
    return controlType == onOff;
}

QString EditorRules::cardHolderInput()
{
    return QStringLiteral("IN21");
}

QString EditorRules::energySavingMotionInput()
{
    return QStringLiteral("SensorInput");
}

bool EditorRules::hasFeature(bool cardHolder, bool presence)
{
    return cardHolder || presence;
}

bool EditorRules::inputMissing(bool sensorOn, const QString &input)
{
    return sensorOn && input.isEmpty();
}

bool EditorRules::inputWithoutSensor(bool sensorOn, const QString &input)
{
    return !sensorOn && !input.isEmpty();
}

bool EditorRules::motionSensorUsable(bool balconySensor)
{
    return balconySensor;
}

bool EditorRules::usesPulseDelay(const QString &outputControlType)
{
    return outputControlType != onOff;
}

bool EditorRules::mayControl(const QString &output, const QString &ledOutput)
{
    return output != ledOutput;
}

const QVector<EditorRules::SaveRefusal> &EditorRules::saveRefusals()
{
    static const QVector<SaveRefusal> refusals = [] {
        QVector<SaveRefusal> all;
        for (int index = 0; index < functionTypeCount; ++index) {
            const FunctionType type = FunctionType(index);
            for (const Wording &wording : nameRefusals)
                all.append({type, wording.refusal, wording.text, wording.ms});
            for (const Wording &wording : pageRefusals(type))
                all.append({type, wording.refusal, wording.text, wording.ms});
        }
        return all;
    }();
    return refusals;
}

const EditorRules::SaveRefusal *EditorRules::findRefusal(FunctionType type, Refusal refusal)
{
    const QVector<SaveRefusal> &all = saveRefusals();
    const auto found = std::find_if(all.begin(), all.end(), [&](const SaveRefusal &entry) {
        return entry.type == type && entry.refusal == refusal;
    });
    return found == all.end() ? nullptr : &*found;
}
