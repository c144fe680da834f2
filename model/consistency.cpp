#include "model/consistency.h"

#include "model/catalogue.h"
#include "model/claims.h"

#include <QHash>
#include <QRegularExpression>
#include <QVector>
#include <algorithm>

namespace
{

// A finding about no one function: a counter of a catalogue row.
Finding rowFinding(const QString &text)
{
    return {QString(), QString(), text};
}

QStringList lines(const QVector<Finding> &findings)
{
    QStringList texts;
    for (const Finding &finding : findings)
        texts << finding.toString();
    return texts;
}

// One claim on a catalogue row by the saved function `holder` (an index into
// the list of all saved functions).
struct Hold {
    int holder;
    bool pulse;
    bool locked;
    QString field; // of the holder's record
};

// Every saved function with what it holds, and per catalogue row the claims on
// it, recomputed from the records with the one claim definition per type.
// Names in no catalogue row hold nothing.
struct Holdings {
    QVector<Finding> holders; // type and name of each saved function, no text
    QHash<QString, QVector<Hold>> inputs;
    QHash<QString, QVector<Hold>> outputs;
};

Holdings holdings()
{
    Holdings found;
    forEachStore([&found](FunctionType type, const auto &store) {
        for (const auto &record : store) {
            const int holder = found.holders.size();
            found.holders.append({typeLabel(type), record.name, QString()});
            const ClaimSet claims = claimsOf(record);
            for (const InputClaim &held : claims.inputs) {
                if (InputCatalogue::instance().find(held.name))
                    found.inputs[held.name].append({holder, false, false, held.field});
            }
            for (const OutputClaim &held : claims.outputs) {
                if (OutputCatalogue::instance().find(held.name))
                    found.outputs[held.name].append({holder, held.pulse, held.locked, held.field});
            }
        }
    });
    return found;
}

int pulseHolds(const QVector<Hold> &holds)
{
    return int(std::count_if(holds.begin(), holds.end(), [](const Hold &h) { return h.pulse; }));
}

Finding counterFinding(const QString &row, const char *counter, ClaimCount value, int claims)
{
    return rowFinding(QStringLiteral("%1: %2 is %3, but saved functions claim it %4 time(s)")
                          .arg(row, QLatin1String(counter))
                          .arg(value)
                          .arg(claims));
}

// A finding about the saved function of a hold, and its field there.
Finding holderFinding(const Holdings &found, const Hold &hold, const QString &text)
{
    Finding finding = found.holders.at(hold.holder);
    finding.text = text;
    finding.member = hold.field;
    return finding;
}

// Claims that rule each other out: any two on an input; two on an output
// unless they may share it.
bool exclusive(const Hold &a, const Hold &b, bool input)
{
    return input || !maySharePulse(a.pulse, b.pulse);
}

// Rows in catalogue order, so that the findings come in a stable order.
template <typename Entry>
void findSharedRows(const Holdings &found, const QVector<Entry> &rows, bool input,
                    QVector<Finding> &findings)
{
    const QString kind = input ? QStringLiteral("input") : QStringLiteral("output");
    for (const Entry &row : rows) {
        const QVector<Hold> holds = (input ? found.inputs : found.outputs).value(row.name);
        for (int i = 1; i < holds.size(); ++i) {
            for (int j = 0; j < i; ++j) {
                if (!exclusive(holds[i], holds[j], input))
                    continue;
                QString text =
                    holds[i].holder == holds[j].holder
                        ? QStringLiteral("%1 %2 held twice").arg(kind, row.name)
                        : QStringLiteral("%1 %2 also held by %3")
                              .arg(kind, row.name, found.holders.at(holds[j].holder).function());
                if (holds[i].pulse || holds[j].pulse)
                    text += QStringLiteral("; only \"PULSE\" Lighting functions share an output");
                findings << holderFinding(found, holds[i], text);
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
                               QVector<Finding> &findings)
{
    for (const Record &record : store) {
        for (int n = 1; n <= 8; ++n) {
            if (record.controlOut(n) != QLatin1String("ENABLE"))
                continue;
            const OutputEntry *output = OutputCatalogue::instance().byId(n);
            const auto finding = [&](const QString &text) {
                findings << Finding{typeLabel(type), record.name, text,
                                    QStringLiteral("ControlOut-C%1").arg(n)};
            };
            if (found.outputs.value(output->name).isEmpty())
                finding(QStringLiteral("controls %1, which no function holds").arg(output->name));
            else if (output->*lockedAgainst)
                finding(QStringLiteral("controls %1, which is locked against %2")
                            .arg(output->name, lockName));
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

QVector<Finding> claimCounterFindings()
{
    const Holdings found = holdings();
    QVector<Finding> findings;
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
                findings << holderFinding(
                    found, hold,
                    QStringLiteral("holds %1, which is not locked against Master Off and Welcome")
                        .arg(output.name));
        }
    }
    return findings;
}

QVector<Finding> exclusiveHoldingFindings()
{
    const Holdings found = holdings();
    QVector<Finding> findings;
    findSharedRows(found, InputCatalogue::instance().rows(), true, findings);
    findSharedRows(found, OutputCatalogue::instance().rows(), false, findings);
    return findings;
}

QVector<Finding> controlledOutputFindings()
{
    const Holdings found = holdings();
    QVector<Finding> findings;
    findUncontrollableOutputs(found, FunctionType::MasterOff, masterOffStore(),
                              &OutputEntry::masterOffLocked, QStringLiteral("Master Off"),
                              findings);
    findUncontrollableOutputs(found, FunctionType::Welcome, welcomeStore(),
                              &OutputEntry::welcomeLocked, QStringLiteral("Welcome"), findings);
    return findings;
}

} // namespace

QVector<Finding> consistencyFindings()
{
    return claimCounterFindings() + exclusiveHoldingFindings() + controlledOutputFindings();
}

QStringList checkClaimCounters()
{
    return lines(claimCounterFindings());
}

QStringList checkExclusiveHolding()
{
    return lines(exclusiveHoldingFindings());
}

QStringList checkControlledOutputs()
{
    return lines(controlledOutputFindings());
}

QStringList checkConsistency()
{
    return lines(consistencyFindings());
}

QStringList checkShownLists(const ShownWindow &shown)
{
    QStringList findings;
    const std::array<QStringList, functionTypeCount> names = savedNames();
    for (int index = 0; index < functionTypeCount; ++index) {
        const FunctionType type = FunctionType(index);
        const ShownType &view = shown[index];
        const QStringList &stored = names[index];
        if (view.names != stored)
            findings << QStringLiteral("%1: the list shows %2, the store holds %3")
                            .arg(typeLabel(type), quotedList(view.names), quotedList(stored));
        if (titleCount(view.title) != view.names.size())
            findings << QStringLiteral("%1: the toolbox title \"%2\" counts %3, the list shows %4")
                            .arg(typeLabel(type), view.title,
                                 QString::number(titleCount(view.title)),
                                 QString::number(view.names.size()));
    }
    return findings;
}

QStringList checkConsistency(const ShownWindow &shown)
{
    return checkConsistency() + checkShownLists(shown);
}
