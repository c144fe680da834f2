#pragma once

#include "model/catalogue.h"
#include "model/claims.h"
#include "model/editorrules.h"
#include "model/functionstore.h"
#include "model/motionsensor.h"
#include "model/projectchange.h"

#include <QComboBox>
#include <QListWidget>
#include <QString>
#include <QVector>
#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>

class QCheckBox;
class QLabel;
class QSpinBox;
class QToolBox;
class QWidget;

// Operations that every function editor shares.
namespace EditorOps
{

using OutputBoxes = std::array<QCheckBox *, 8>;

// Every editor proposes "50 ms" for a new item.
constexpr int defaultDebounceIndex = 3;

// Catalogue rows by id, in the order given (the special rows some editors offer).
QVector<InputEntry *> inputRows(std::initializer_list<int> ids);
QVector<OutputEntry *> outputRows(std::initializer_list<int> ids);

// Position of the named row among rows offered in a list: the combo index of
// a saved choice, or -1 when the list does not offer it (an empty field, a
// name from a hand-made file).
template <typename Entry> int indexOfRow(const QVector<Entry *> &rows, const QString &name);

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

// Shows text in an editor's info label and clears it after ms milliseconds;
// a later message replaces it and gets its own full time.
void showInfo(QLabel *label, const QString &text, int ms);
using EditorRules::Refusal;

// A validation step of a Save: when refused, shows the page's message for
// the refusal (with its %1 set to argument) and returns true.
bool refuse(bool refused, QLabel *label, FunctionType type, Refusal refusal,
            const QString &argument = {});
// The check that every Save starts with: no name, or one that the project
// file cannot carry (its compaction drops every pair of spaces, even in names).
bool refuseInvalidName(FunctionType type, const QString &name, QLabel *label);

// True when every named input is free, counting those of the record being
// updated (old, or nullptr for a new item) as free. Empty names are skipped.
template <typename Record>
bool inputsAvailable(const QVector<InputClaim> &chosen, const Record *old);
// True when no other function holds a chosen output, apart from "PULSE"
// Lighting functions sharing one with a "PULSE" claim. The claims of the
// record being updated (old, or nullptr) do not count.
template <typename Record>
bool outputsAvailable(const QVector<OutputClaim> &chosen, const Record *old);

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
NameCheck checkItemName(QWidget *parent, FunctionType type, const QListWidget *list, QLabel *info,
                        const QString &name);

// Writes a saved function: an update gives back the old record's claims and
// overwrites it in place (the list row is renamed), a new item is appended to
// store and list. Then the record's own claims are made. Returns what the old
// record held (nothing for a new item), so that the caller can stop Master
// Off and Welcome from controlling an output the update gave up.
template <typename Record>
ClaimSet commitRecord(FunctionStore<Record> &store, QListWidget *list, const Record &record,
                      bool update, const QString &oldName);

// The end of every successful Save: the toolbox count, "Saved..." and the
// last row made current (the form itself stays in new-item state).
void finishSave(QListWidget *list, QLabel *info, QToolBox *toolBox, int toolBoxIndex,
                const QString &titlePrefix);

// The end of every Delete: the toolbox count and "Deleted.", which tells a
// keyboard or screen-reader user that the function went.
void finishDelete(const QListWidget *list, QLabel *info, QToolBox *toolBox, int toolBoxIndex,
                  const QString &titlePrefix);

// Removes the function of the list's current row: its claims are given back,
// the record and the row removed. released receives what the record held, so
// that the caller can stop Master Off and Welcome from controlling freed
// outputs. Returns false, changing nothing, when the list has no current row.
template <typename Record>
bool removeCurrentRecord(FunctionStore<Record> &store, QListWidget *list, ClaimSet &released);

// Stops every Master Off or Welcome function of a list from controlling
// output id (1..8; another id changes none) and runs deleteCurrent, with its
// row made current, on each one left controlling nothing. Import knows no
// count limit, so every row is scanned; after a delete (which may prune in
// turn) the scan starts again at the top.
template <typename Record, typename Delete>
void pruneOutput(FunctionStore<Record> &store, QListWidget *list, int outputId,
                 Delete deleteCurrent);

// The "Caution" question before a save changes saved functions: text, then
// "Do you want to save your changes?" with Save and Cancel. True for Save.
bool askToSave(QWidget *parent, const QString &text);

// Enables or disables a group of widgets together (a sensor and its captions).
void setWidgetsEnabled(std::initializer_list<QWidget *> widgets, bool enabled);
// "ENABLE" or "DISABLE", as records store a check box.
QString enableText(bool on);

// Saving a function that uses the room's motion sensor: the other functions'
// copies of its settings follow the page once the user agrees to question
// (asked only when some differ). False, with nothing changed, when declined.
bool keepMotionSensorInStep(QWidget *parent, MotionSensor::Owner owner, const QString &name,
                            const MotionSensor::Settings &page, const QString &question);

// --- Pages whose inputs and outputs are choice lists ---

// A choice list with an index in it: the keep index of a fill, or the
// saved choice to select.
using Choice = std::pair<QComboBox *, int>;

// Fills several lists from the same rows, each against its own keep index
// (the up and down inputs of a shutter, the three inputs of a gate).
template <typename Entry>
void fillChoices(std::initializer_list<Choice> lists, const QVector<Entry *> &rows);
// Selects a shown record's own choices once its lists are filled.
void selectChoices(std::initializer_list<Choice> lists);

// The record a page is to show: that of the list's current row when the page
// was opened from its list (the flag is consumed), else nullptr for a new item.
template <typename Record>
const Record *recordToShow(bool &itemSelected, const FunctionStore<Record> &store,
                           const QListWidget *list);

// Page defaults.
void setIndexes(std::initializer_list<QComboBox *> lists, int index);
void setValues(std::initializer_list<QSpinBox *> spinBoxes, int value);

// "No available Input Or Output!" when a list is empty, else "Please select
// input and output!" when one has no choice.
bool refuseMissingChoices(FunctionType type, QLabel *info,
                          std::initializer_list<const QComboBox *> lists);
// True when two of the lists hold the same choice; no choice matches none.
bool sameChoice(std::initializer_list<const QComboBox *> lists);

// The steps every Save ends with once the page's own checks passed: the name
// check (with the confirmation of an update), refuseHeldChoices, then
// commitRecord, whose result goes to released. False when refused.
template <typename Record>
bool saveRecord(QWidget *parent, FunctionType type, FunctionStore<Record> &store, QListWidget *list,
                QLabel *info, const Record &record, ClaimSet &released);

// The safeguard of every Save that claims: an input or output held by another
// function is refused. The lists keep the shown record's own choices
// selectable, and saved under a new name that record would hold them twice.
// old is the record being updated, or nullptr for a new item.
template <typename Record>
bool refuseHeldChoices(FunctionType type, const Record &record, const Record *old, QLabel *info);

} // namespace EditorOps

template <typename Entry>
void EditorOps::fillChoices(QComboBox *combo, const QVector<Entry *> &rows, int keepIndex)
{
    combo->clear();
    for (const Entry *entry : rows)
        appendChoice(combo, entry->name, entry->useCount, keepIndex);
    combo->setCurrentIndex(-1);
}

template <typename Entry>
int EditorOps::indexOfRow(const QVector<Entry *> &rows, const QString &name)
{
    for (int index = 0; index < rows.size(); ++index) {
        if (!name.isEmpty() && rows.at(index)->name == name)
            return index;
    }
    return -1;
}

template <typename Record>
bool EditorOps::inputsAvailable(const QVector<InputClaim> &chosen, const Record *old)
{
    const QVector<InputClaim> own = old ? claimsOf(*old).inputs : QVector<InputClaim>();
    const auto ownsInput = [&own](const QString &name) {
        return std::any_of(own.cbegin(), own.cend(),
                           [&name](const InputClaim &held) { return held.name == name; });
    };
    for (const InputClaim &claim : chosen) {
        if (claim.name.isEmpty() || ownsInput(claim.name))
            continue;
        const InputEntry *input = InputCatalogue::instance().find(claim.name);
        if (!input || input->useCount != 0)
            return false;
    }
    return true;
}

template <typename Record>
bool EditorOps::outputsAvailable(const QVector<OutputClaim> &chosen, const Record *old)
{
    const QVector<OutputClaim> own = old ? claimsOf(*old).outputs : QVector<OutputClaim>();
    for (const OutputClaim &claim : chosen) {
        const OutputEntry *output = OutputCatalogue::instance().find(claim.name);
        if (!output)
            continue;
        ClaimCount others = output->useCount, pulseOthers = output->pulseUseCount;
        for (const OutputClaim &held : own) {
            if (held.name == claim.name) {
                --others;
                pulseOthers -= held.pulse ? 1 : 0;
            }
        }
        if (others != 0 && !maySharePulse(claim.pulse, others == pulseOthers))
            return false;
    }
    return true;
}

template <typename Record>
bool EditorOps::refuseHeldChoices(FunctionType type, const Record &record, const Record *old,
                                  QLabel *info)
{
    const ClaimSet chosen = claimsOf(record);
    return refuse(!inputsAvailable(chosen.inputs, old), info, type, Refusal::InputHeld) ||
           refuse(!outputsAvailable(chosen.outputs, old), info, type, Refusal::OutputHeld);
}

template <typename Record>
ClaimSet EditorOps::commitRecord(FunctionStore<Record> &store, QListWidget *list,
                                 const Record &record, bool update, const QString &oldName)
{
    const Record *old = update ? store.find(oldName) : nullptr;
    ClaimSet released;
    if (old) {
        released = claimsOf(*old);
        release(released);
        store.replace(oldName, record);
    } else {
        store.add(record);
    }
    addClaims(record);
    storeRow(list, record.name, update);
    return released;
}

template <typename Record>
bool EditorOps::removeCurrentRecord(FunctionStore<Record> &store, QListWidget *list,
                                    ClaimSet &released)
{
    released = ClaimSet();
    if (!list->currentItem())
        return false;
    const QString name = list->currentItem()->text();
    if (const Record *record = store.find(name)) {
        released = claimsOf(*record);
        release(released);
        store.remove(name);
    }
    removeCurrentRow(list);
    return true;
}

template <typename Record, typename Delete>
void EditorOps::pruneOutput(FunctionStore<Record> &store, QListWidget *list, int outputId,
                            Delete deleteCurrent)
{
    const QString disabled = QStringLiteral("DISABLE");
    int row = 0;
    while (row < list->count()) {
        Record *record = store.find(list->item(row)->text());
        if (record && outputId >= 1 && outputId <= 8 && record->controlOut(outputId) != disabled) {
            record->controlOut(outputId) = disabled;
            ProjectChange::announce();
        }
        if (record && EditorRules::controlsNoOutput(*record)) {
            list->setCurrentRow(row);
            deleteCurrent();
            row = 0;
        } else {
            ++row;
        }
    }
}

template <typename Entry>
void EditorOps::fillChoices(std::initializer_list<Choice> lists, const QVector<Entry *> &rows)
{
    for (const Choice &list : lists)
        fillChoices(list.first, rows, list.second);
}

template <typename Record>
bool EditorOps::saveRecord(QWidget *parent, FunctionType type, FunctionStore<Record> &store,
                           QListWidget *list, QLabel *info, const Record &record,
                           ClaimSet &released)
{
    const NameCheck check = checkItemName(parent, type, list, info, record.name);
    if (check == NameCheck::Rejected)
        return false;
    const bool update = check == NameCheck::Update;
    const Record *old = update ? store.find(record.name) : nullptr;
    if (refuseHeldChoices(type, record, old, info))
        return false;
    released = commitRecord(store, list, record, update, record.name);
    return true;
}

template <typename Record>
const Record *EditorOps::recordToShow(bool &itemSelected, const FunctionStore<Record> &store,
                                      const QListWidget *list)
{
    if (!itemSelected)
        return nullptr;
    itemSelected = false;
    return store.find(selectedName(list));
}
