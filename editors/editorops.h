#pragma once

#include "model/catalogue.h"

#include <QComboBox>
#include <QString>
#include <QVector>
#include <array>

class QCheckBox;
class QLabel;
class QListWidget;
class QToolBox;
class QWidget;

// Operations that every function editor shares.
namespace EditorOps
{

using OutputBoxes = std::array<QCheckBox *, 8>;

// Every editor proposes "50 ms" for a new item.
constexpr int defaultDebounceIndex = 3;

// General-purpose rows that the platform offers, in id order.
QVector<InputEntry *> offeredInputs(Platform platform);
QVector<OutputEntry *> offeredOutputs(Platform platform);

// Appends one catalogue row to a choice list. A claimed row is grey and
// disabled, unless it sits at keepIndex: the shown record's own choice is red
// and stays selectable.
void appendChoice(QComboBox *combo, const QString &name, ClaimCount useCount, int keepIndex);

// Rebuilds a choice list from catalogue rows and leaves it without a current item.
template <typename Entry>
void fillChoices(QComboBox *combo, const QVector<Entry *> &rows, int keepIndex);

// The box of output id (1..8), or nullptr for any other id.
QCheckBox *outputBox(const OutputBoxes &boxes, int id);
void setOutputEnabled(const OutputBoxes &boxes, int id, bool enabled);
void uncheckAll(const OutputBoxes &boxes);
bool anyChecked(const OutputBoxes &boxes);
// On the small platform only C1 exists.
void disableAbsentOutputs(const OutputBoxes &boxes, Platform platform);

// Shows text in an editor's info label and clears it after ms milliseconds.
// Every call starts its own timer.
void showInfo(QLabel *label, const QString &text, int ms);

// Text of the list's current row, empty when there is none.
QString selectedName(const QListWidget *list);
// "<prefix><rows + 1>", the name proposed for a new item.
QString proposedName(const QString &prefix, const QListWidget *list);
// Sets a toolbox title to "<prefix><count>]".
void setCountTitle(QToolBox *toolBox, int index, const QString &prefix, int count);
// Removes and frees the current row; afterwards the list has no current row.
void removeCurrentRow(QListWidget *list);
// Appends a row, or renames the current one for an update.
void storeRow(QListWidget *list, const QString &name, bool update);

enum class NameCheck { Rejected, NewItem, Update };

// The name check of every Save: a name already in the list is refused unless
// it is the selected item, whose update the user must confirm.
NameCheck checkItemName(QWidget *parent, const QListWidget *list, QLabel *info,
                        const QString &name);

// True when all eight "ENABLE"/"DISABLE" fields read "DISABLE".
template <typename Record> bool allOutputsDisabled(const Record &record);

} // namespace EditorOps

template <typename Entry>
void EditorOps::fillChoices(QComboBox *combo, const QVector<Entry *> &rows, int keepIndex)
{
    combo->clear();
    for (const Entry *entry : rows)
        appendChoice(combo, entry->name, entry->useCount, keepIndex);
    combo->setCurrentIndex(-1);
}

template <typename Record> bool EditorOps::allOutputsDisabled(const Record &record)
{
    for (int n = 1; n <= 8; ++n) {
        if (record.controlOut(n) != QLatin1String("DISABLE"))
            return false;
    }
    return true;
}
