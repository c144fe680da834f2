#include "model/catalogue.h"

namespace
{

constexpr int inputRowCount = 21;
constexpr int outputRowCount = 13;

QString inputName(int id)
{
    switch (id) {
    case 14:
        return QStringLiteral("SENSOR IN");
    case 15:
        return QStringLiteral("AIR C. IN1");
    case 16:
        return QStringLiteral("AIR C. IN2");
    case 17:
        return QStringLiteral("DND IN");
    case 18:
        return QStringLiteral("MUR IN");
    case 19:
    case 20:
        return QStringLiteral("CH") + QString::number(id - 18);
    default:
        return QStringLiteral("IN") + QString::number(id);
    }
}

QString outputName(int id)
{
    switch (id) {
    case 9:
        return QStringLiteral("DND");
    case 10:
        return QStringLiteral("MUR");
    case 11:
        return QStringLiteral("AIR CON1");
    case 12:
        return QStringLiteral("AIR CON2");
    default:
        return QStringLiteral("C") + QString::number(id);
    }
}

template <typename Entry> Entry *findByName(QVector<Entry> &rows, const QString &name)
{
    if (name.isEmpty())
        return nullptr;
    for (Entry &entry : rows) {
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}

template <typename Entry> Entry *findById(QVector<Entry> &rows, int id)
{
    return (id >= 1 && id <= rows.size()) ? &rows[id - 1] : nullptr;
}

} // namespace

Platform platformFromIndex(int index)
{
    return index == 0 ? Platform::MV210 : Platform::MV211;
}

int offeredInputCount(Platform platform)
{
    return platform == Platform::MV210 ? 2 : 13;
}

int offeredOutputCount(Platform platform)
{
    return platform == Platform::MV210 ? 1 : 8;
}

QVector<InputEntry *> offeredInputs(Platform platform)
{
    QVector<InputEntry *> rows;
    for (int id = 1; id <= offeredInputCount(platform); ++id)
        rows.append(InputCatalogue::instance().byId(id));
    return rows;
}

QVector<OutputEntry *> offeredOutputs(Platform platform)
{
    QVector<OutputEntry *> rows;
    for (int id = 1; id <= offeredOutputCount(platform); ++id)
        rows.append(OutputCatalogue::instance().byId(id));
    return rows;
}

void releaseClaim(ClaimCount &count)
{
    if (count > 0)
        --count;
}

InputCatalogue::InputCatalogue()
{
    entries.reserve(inputRowCount);
    for (int id = 1; id <= inputRowCount; ++id)
        entries.append(InputEntry{static_cast<quint8>(id), inputName(id), 0});
}

InputCatalogue &InputCatalogue::instance()
{
    static InputCatalogue catalogue;
    return catalogue;
}

InputEntry *InputCatalogue::find(const QString &name)
{
    return findByName(entries, name);
}

InputEntry *InputCatalogue::byId(int id)
{
    return findById(entries, id);
}

void InputCatalogue::release(const QString &name)
{
    if (InputEntry *entry = find(name))
        releaseClaim(entry->useCount);
}

OutputCatalogue::OutputCatalogue()
{
    entries.reserve(outputRowCount);
    for (int id = 1; id <= outputRowCount; ++id)
        entries.append(OutputEntry{static_cast<quint8>(id), outputName(id), 0, 0, 0, 0});
}

OutputCatalogue &OutputCatalogue::instance()
{
    static OutputCatalogue catalogue;
    return catalogue;
}

OutputEntry *OutputCatalogue::find(const QString &name)
{
    return findByName(entries, name);
}

OutputEntry *OutputCatalogue::byId(int id)
{
    return findById(entries, id);
}

void OutputCatalogue::release(const QString &name)
{
    if (OutputEntry *entry = find(name))
        releaseClaim(entry->useCount);
}

void OutputCatalogue::releasePulse(const QString &name)
{
    if (OutputEntry *entry = find(name)) {
        releaseClaim(entry->useCount);
        releaseClaim(entry->pulseUseCount);
    }
}

bool operator==(const InputEntry &a, const InputEntry &b)
{
    return a.id == b.id && a.name == b.name && a.useCount == b.useCount;
}

bool operator==(const OutputEntry &a, const OutputEntry &b)
{
    return a.id == b.id && a.name == b.name && a.useCount == b.useCount &&
           a.masterOffLocked == b.masterOffLocked && a.welcomeLocked == b.welcomeLocked &&
           a.pulseUseCount == b.pulseUseCount;
}
