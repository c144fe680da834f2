#include "model/terminals.h"

#include "model/claims.h"

#include <QHash>

namespace
{

// Rows past the general-purpose ones (the sensor, balcony, DND/MUR and
// voltage inputs, the card holder; the DND/MUR and air-conditioner outputs)
// are on every platform.
bool offeredOn(Platform platform, TerminalDirection direction, int id)
{
    const bool input = direction == TerminalDirection::Input;
    const int general =
        input ? offeredInputCount(Platform::MV211) : offeredOutputCount(Platform::MV211);
    const int offered = input ? offeredInputCount(platform) : offeredOutputCount(platform);
    return id > general || id <= offered;
}

class ViewBuilder
{
public:
    explicit ViewBuilder(Platform platform)
    {
        const auto &inputs = InputCatalogue::instance().rows();
        const auto &outputs = OutputCatalogue::instance().rows();
        terminals.reserve(inputs.size() + outputs.size());
        for (const InputEntry &row : inputs)
            addRow(row.id, row.name, TerminalDirection::Input, false, platform, inputIndex);
        for (const OutputEntry &row : outputs)
            addRow(row.id, row.name, TerminalDirection::Output,
                   row.masterOffLocked || row.welcomeLocked, platform, outputIndex);
    }

    template <typename Record> void addUses(FunctionType type, const Record &record)
    {
        const ClaimSet claims = claimsOf(record);
        for (const QVector<InputClaim> *inputs : {&claims.inputs, &claims.sharedInputs}) {
            for (const InputClaim &claim : *inputs)
                addUse(
                    inputIndex, claim.name,
                    {type, record.name, claim.role, claim.debounceTime, claim.contactType, false});
        }
        for (const OutputClaim &claim : claims.outputs)
            addUse(outputIndex, claim.name,
                   {type, record.name, claim.role, QString(), claim.contactType, claim.pulse});
    }

    // Master Off and Welcome keep "ENABLE"/"DISABLE" per output C1..C8.
    template <typename Record> void addControls(FunctionType type, const Record &record)
    {
        for (int n = 1; n <= 8; ++n) {
            const auto row = outputIndex.constFind(QStringLiteral("C%1").arg(n));
            if (record.controlOut(n) == QLatin1String("ENABLE") && row != outputIndex.constEnd())
                terminals[*row].controlledBy.append({type, record.name});
        }
    }

    QVector<Terminal> finish()
    {
        for (Terminal &terminal : terminals) {
            if (terminal.state != TerminalState::Locked && !terminal.uses.isEmpty())
                terminal.state = TerminalState::Held;
        }
        return terminals;
    }

private:
    void addRow(int id, const QString &name, TerminalDirection direction, bool locked,
                Platform platform, QHash<QString, int> &index)
    {
        index.insert(name, terminals.size());
        terminals.append({id,
                          name,
                          direction,
                          offeredOn(platform, direction, id),
                          locked ? TerminalState::Locked : TerminalState::Free,
                          {},
                          {}});
    }

    // Names in no row (empty optional fields) use nothing.
    void addUse(const QHash<QString, int> &index, const QString &name, const TerminalUse &use)
    {
        const auto row = index.constFind(name);
        if (row != index.constEnd())
            terminals[*row].uses.append(use);
    }

    QVector<Terminal> terminals;
    QHash<QString, int> inputIndex;
    QHash<QString, int> outputIndex;
};

// "Lighting (PULSE)": an output shared by such functions is no conflict.
QString typeText(const TerminalUse &use)
{
    return use.pulse ? typeTitle(use.type) + QStringLiteral(" (PULSE)") : typeTitle(use.type);
}

QString useText(const TerminalUse &use)
{
    QString text = functionText(use.type, use.function);
    if (use.pulse)
        text += QStringLiteral(" (PULSE)");
    text += QStringLiteral(": ") + use.role;
    for (const QString &setting : {use.debounceTime, use.contactType}) {
        if (!setting.isEmpty())
            text += QStringLiteral(", ") + setting;
    }
    return text;
}

} // namespace

QVector<Terminal> terminalView(Platform platform)
{
    ViewBuilder builder(platform);
    forEachStore([&builder](FunctionType type, const auto &store) {
        for (const auto &record : store)
            builder.addUses(type, record);
    });
    for (const MasterOffRecord &record : masterOffStore())
        builder.addControls(FunctionType::MasterOff, record);
    for (const WelcomeRecord &record : welcomeStore())
        builder.addControls(FunctionType::Welcome, record);
    return builder.finish();
}

QString functionText(FunctionType type, const QString &name)
{
    return typeTitle(type) + QStringLiteral(" \"") + name + QLatin1Char('"');
}

QString directionText(TerminalDirection direction)
{
    return direction == TerminalDirection::Input ? QStringLiteral("input")
                                                 : QStringLiteral("output");
}

QString stateText(const Terminal &terminal)
{
    if (!terminal.offered)
        return QStringLiteral("absent");
    switch (terminal.state) {
    case TerminalState::Free:
        return QStringLiteral("free");
    case TerminalState::Held:
        return QStringLiteral("held");
    case TerminalState::Locked:
        break;
    }
    return QStringLiteral("locked");
}

QString controlText(const Terminal &terminal)
{
    QStringList controls;
    for (const TerminalControl &control : terminal.controlledBy)
        controls << functionText(control.type, control.function);
    return controls.join(QStringLiteral(", "));
}

QString terminalSummary(const Terminal &terminal, int maxUses)
{
    QString state = stateText(terminal);
    if (terminal.offered && terminal.state == TerminalState::Locked)
        state += QStringLiteral(" against Master Off and Welcome");
    QStringList lines{terminal.name + QStringLiteral(" \u2014 ") +
                      directionText(terminal.direction) + QStringLiteral(", ") + state};
    for (const TerminalUse &use : terminal.uses.mid(0, maxUses))
        lines << useText(use);
    if (terminal.uses.size() > maxUses)
        lines << QStringLiteral("\u2026 and %1 more").arg(terminal.uses.size() - maxUses);
    if (!terminal.controlledBy.isEmpty())
        lines << QStringLiteral("controlled by ") + controlText(terminal);
    return lines.join(QLatin1Char('\n'));
}

bool onWiringSheet(const Terminal &terminal)
{
    return terminal.offered || !terminal.uses.isEmpty() || !terminal.controlledBy.isEmpty();
}

const QStringList &wiringColumns()
{
    static const QStringList columns = {"Terminal", "Direction", "State",   "Function",     "Type",
                                        "Role",     "Debounce",  "Contact", "Controlled by"};
    return columns;
}

QVector<QStringList> wiringLines(const Terminal &terminal, bool repeatTerminal)
{
    const QStringList own = {terminal.name, directionText(terminal.direction), stateText(terminal)};
    const QString controls = controlText(terminal);
    const QStringList blank = {QString(), QString(), QString()};
    if (terminal.uses.isEmpty())
        return {own + QStringList{QString(), QString(), QString(), QString(), QString(), controls}};
    QVector<QStringList> lines;
    for (const TerminalUse &use : terminal.uses) {
        const bool first = lines.isEmpty() || repeatTerminal;
        lines << (first ? own : blank) + QStringList{use.function,    typeText(use),
                                                     use.role,        use.debounceTime,
                                                     use.contactType, first ? controls : QString()};
    }
    return lines;
}
