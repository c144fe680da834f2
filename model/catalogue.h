#pragma once

#include <QString>
#include <QVector>
#include <QtGlobal>

// Claim counters are 32 bits wide so that no realistic number of claims can
// wrap a claimed row back to "free".
using ClaimCount = quint32;

struct InputEntry {
    quint8 id = 0;
    QString name;
    ClaimCount useCount = 0;
};

struct OutputEntry {
    quint8 id = 0;
    QString name;
    ClaimCount useCount = 0;
    quint8 masterOffLocked = 0;
    quint8 welcomeLocked = 0;
    ClaimCount pulseUseCount = 0;
};

bool operator==(const InputEntry &a, const InputEntry &b);
bool operator==(const OutputEntry &a, const OutputEntry &b);

// Index of comboBox_PlatformType.
enum class Platform { MV210 = 0, MV211 = 1 };

// Any index other than 0 is the larger controller.
Platform platformFromIndex(int index);

// The general-purpose rows a platform offers: ids 1..N in id order.
int offeredInputCount(Platform platform);
int offeredOutputCount(Platform platform);

// Those rows themselves, for the lists that offer them.
QVector<InputEntry *> offeredInputs(Platform platform);
QVector<OutputEntry *> offeredOutputs(Platform platform);

// Lowers a claim counter by one, never below zero.
void releaseClaim(ClaimCount &count);

class InputCatalogue
{
public:
    static InputCatalogue &instance();

    // Exact, case-sensitive; the empty name matches nothing.
    InputEntry *find(const QString &name);
    // Row with the given id (1..21), or nullptr.
    InputEntry *byId(int id);
    const QVector<InputEntry> &rows() const { return entries; }
    QVector<InputEntry> &rows() { return entries; }

    // Releases the input of that name if it exists.
    void release(const QString &name);

private:
    InputCatalogue();
    QVector<InputEntry> entries;
};

class OutputCatalogue
{
public:
    static OutputCatalogue &instance();

    OutputEntry *find(const QString &name);
    OutputEntry *byId(int id);
    const QVector<OutputEntry> &rows() const { return entries; }
    QVector<OutputEntry> &rows() { return entries; }

    void release(const QString &name);
    // Releases useCount and pulseUseCount of a "PULSE" Lighting output.
    void releasePulse(const QString &name);

private:
    OutputCatalogue();
    QVector<OutputEntry> entries;
};
