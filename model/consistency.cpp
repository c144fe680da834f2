#include "model/consistency.h"

#include "model/catalogue.h"
#include "model/claims.h"

#include <QHash>
#include <QRegularExpression>
#include <QVector>
#include <algorithm>

namespace
{

QString functionLabel(FunctionType type, const QString &name)
{
    return typeLabel(type) + QStringLiteral(" \"") + name + QLatin1Char('"');
}

// One claim on a catalogue row by the saved function `holder` (an index into
// the list of all saved functions).
struct Hold {
    int holder;
    bool pulse;
    bool locked;
};

// Every saved function with what it holds, and per catalogue row the claims on
// it, recomputed from the records with the one claim definition per type.
// Names in no catalogue row hold nothing.
struct Holdings {
    QStringList holders;
    QHash<QString, QVector<Hold>> inputs;
    QHash<QString, QVector<Hold>> outputs;
};

Holdings holdings()
{
    Holdings found;
    forEachStore([&found](FunctionType type, const auto &store) {
        for (const auto &record : store) {
            const int holder = found.holders.size();
            found.holders.append(functionLabel(type, record.name));
            const ClaimSet claims = claimsOf(record);
            for (const QString &name : claims.inputs) {
                if (InputCatalogue::instance().find(name))
                    found.inputs[name].append({holder, false, false});
            }
            for (const OutputClaim &held : claims.outputs) {
                if (OutputCatalogue::instance().find(held.name))
                    found.outputs[held.name].append({holder, held.pulse, held.locked});
            }
        }
    });
    return found;
}

int pulseHolds(const QVector<Hold> &holds)
{
    return int(std::count_if(holds.begin(), holds.end(), [](const Hold &h) { return h.pulse; }));
}

QString counterFinding(const QString &row, const char *counter, ClaimCount value, int claims)
{
    return QStringLiteral("%1: %2 is %3, but saved functions claim it %4 time(s)")
        .arg(row, QLatin1String(counter))
        .arg(value)
        .arg(claims);
}

// Claims that rule each other out: any two on an input; two on an output
// unless both are "PULSE" Lighting claims.
bool exclusive(const Hold &a, const Hold &b, bool input)
{
    return input || !(a.pulse && b.pulse);
}

// Rows in catalogue order, so that the findings come in a stable order.
template <typename Entry>
void findSharedRows(const Holdings &found, const QVector<Entry> &rows, bool input,
                    QStringList &findings)
{
    const QString kind = input ? QStringLiteral("input") : QStringLiteral("output");
    for (const Entry &row : rows) {
        const QVector<Hold> holds = (input ? found.inputs : found.outputs).value(row.name);
        for (int i = 1; i < holds.size(); ++i) {
            for (int j = 0; j < i; ++j) {
                if (!exclusive(holds[i], holds[j], input))
                    continue;
                const QString &holder = found.holders.at(holds[i].holder);
                findings
                    << (holds[i].holder == holds[j].holder
                            ? QStringLiteral("%1: %2 %3 held twice").arg(holder, kind, row.name)
                            : QStringLiteral("%1: %2 %3 also held by %4")
                                  .arg(holder, kind, row.name, found.holders.at(holds[j].holder)));
                break;
            }
        }
    }
}

// Master Off and Welcome keep "ENABLE"/"DISABLE" per output C1..C8.
template <typename Record>
void findUncontrollableOutputs(const Holdings &found, FunctionType type,
                               const FunctionStore<Record> &store,
                               quint8 OutputEntry::*lockedAgainst, const QString &lockName,
                               QStringList &findings)
{
    for (const Record &record : store) {
        for (int n = 1; n <= 8; ++n) {
            if (record.controlOut(n) != QLatin1String("ENABLE"))
                continue;
            const OutputEntry *output = OutputCatalogue::instance().byId(n);
            const QString who = functionLabel(type, record.name);
            if (found.outputs.value(output->name).isEmpty())
                findings << QStringLiteral("%1: controls %2, which no function holds")
                                .arg(who, output->name);
            else if (output->*lockedAgainst)
                findings << QStringLiteral("%1: controls %2, which is locked against %3")
                                .arg(who, output->name, lockName);
        }
    }
}

// The count in a title such as "Lighting [2]"; a title without one (the form's
// own, before anything was saved) counts 0.
int titleCount(const QString &title)
{
    static const QRegularExpression count(QStringLiteral("\\[(\\d+)\\]\\s*$"));
    const QRegularExpressionMatch match = count.match(title);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QString quotedList(const QStringList &names)
{
    return names.isEmpty()
               ? QStringLiteral("nothing")
               : QLatin1Char('"') + names.join(QStringLiteral("\", \"")) + QLatin1Char('"');
}

} // namespace

QStringList checkClaimCounters()
{
    const Holdings found = holdings();
    QStringList findings;
    for (const InputEntry &input : InputCatalogue::instance().rows()) {
        const int claims = found.inputs.value(input.name).size();
        if (input.useCount != ClaimCount(claims))
            findings << counterFinding(QStringLiteral("input ") + input.name, "useCount",
                                       input.useCount, claims);
    }
    for (const OutputEntry &output : OutputCatalogue::instance().rows()) {
        const QVector<Hold> holds = found.outputs.value(output.name);
        const QString row = QStringLiteral("output ") + output.name;
        if (output.useCount != ClaimCount(holds.size()))
            findings << counterFinding(row, "useCount", output.useCount, holds.size());
        if (output.pulseUseCount != ClaimCount(pulseHolds(holds)))
            findings << counterFinding(row, "pulseUseCount", output.pulseUseCount,
                                       pulseHolds(holds));
        const bool locked = output.masterOffLocked && output.welcomeLocked;
        for (const Hold &hold : holds) {
            if (hold.locked && !locked)
                findings << QStringLiteral("%1: holds %2, which is not locked against Master Off "
                                           "and Welcome")
                                .arg(found.holders.at(hold.holder), output.name);
        }
    }
    return findings;
}

QStringList checkExclusiveHolding()
{
    const Holdings found = holdings();
    QStringList findings;
    findSharedRows(found, InputCatalogue::instance().rows(), true, findings);
    findSharedRows(found, OutputCatalogue::instance().rows(), false, findings);
    return findings;
}

QStringList checkControlledOutputs()
{
    const Holdings found = holdings();
    QStringList findings;
    findUncontrollableOutputs(found, FunctionType::MasterOff, masterOffStore(),
                              &OutputEntry::masterOffLocked, QStringLiteral("Master Off"),
                              findings);
    findUncontrollableOutputs(found, FunctionType::Welcome, welcomeStore(),
                              &OutputEntry::welcomeLocked, QStringLiteral("Welcome"), findings);
    return findings;
}

QStringList checkConsistency()
{
    return checkClaimCounters() + checkExclusiveHolding() + checkControlledOutputs();
}

QStringList checkShownLists(const ShownWindow &shown)
{
    QStringList findings;
    forEachStore([&](FunctionType type, const auto &store) {
        const ShownType &view = shown[int(type)];
        QStringList stored;
        for (const auto &record : store)
            stored << record.name;
        if (view.names != stored)
            findings << QStringLiteral("%1: the list shows %2, the store holds %3")
                            .arg(typeLabel(type), quotedList(view.names), quotedList(stored));
        if (titleCount(view.title) != view.names.size())
            findings << QStringLiteral("%1: the toolbox title \"%2\" counts %3, the list shows %4")
                            .arg(typeLabel(type), view.title,
                                 QString::number(titleCount(view.title)),
                                 QString::number(view.names.size()));
    });
    return findings;
}

QStringList checkConsistency(const ShownWindow &shown)
{
    return checkConsistency() + checkShownLists(shown);
}
