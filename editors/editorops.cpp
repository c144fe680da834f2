#include "editors/editorops.h"

#include "app/accessibility.h"
#include "app/dialogseam.h"

#include <QBrush>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTimer>
#include <QToolBox>

namespace
{

QString tr(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

template <typename Entry, typename Catalogue>
QVector<Entry *> rowsById(Catalogue &catalogue, std::initializer_list<int> ids)
{
    QVector<Entry *> rows;
    for (int id : ids)
        rows.append(catalogue.byId(id));
    return rows;
}

bool confirmUpdate(QWidget *parent, const QString &name)
{
    return EditorOps::askToSave(parent, name + tr(" object has been modified."));
}

} // namespace

QVector<InputEntry *> EditorOps::inputRows(std::initializer_list<int> ids)
{
    return rowsById<InputEntry>(InputCatalogue::instance(), ids);
}

QVector<OutputEntry *> EditorOps::outputRows(std::initializer_list<int> ids)
{
    return rowsById<OutputEntry>(OutputCatalogue::instance(), ids);
}

void EditorOps::appendChoice(QComboBox *combo, const QString &name, ClaimCount useCount,
                             int keepIndex)
{
    combo->addItem(name);
    if (useCount == 0)
        return;
    const int index = combo->count() - 1;
    const bool own = index == keepIndex;
    combo->setItemData(index, QBrush(own ? Qt::red : Qt::lightGray), Qt::ForegroundRole);
    if (auto *model = qobject_cast<QStandardItemModel *>(combo->model()))
        model->item(index)->setEnabled(own);
}

QCheckBox *EditorOps::outputBox(const OutputBoxes &boxes, int id)
{
    return (id >= 1 && id <= 8) ? boxes[id - 1] : nullptr;
}

void EditorOps::setOutputEnabled(const OutputBoxes &boxes, int id, bool enabled)
{
    if (QCheckBox *box = outputBox(boxes, id))
        box->setEnabled(enabled);
}

void EditorOps::uncheckAll(const OutputBoxes &boxes)
{
    for (QCheckBox *box : boxes)
        box->setChecked(false);
}

bool EditorOps::anyChecked(const OutputBoxes &boxes)
{
    for (const QCheckBox *box : boxes) {
        if (box->isChecked())
            return true;
    }
    return false;
}

void EditorOps::disableAbsentOutputs(const OutputBoxes &boxes, Platform platform)
{
    for (int id = offeredOutputCount(platform) + 1; id <= 8; ++id)
        setOutputEnabled(boxes, id, false);
}

// One timer per label, restarted by each message: a timer left from an
// earlier message would clear a later one before its time. A screen reader
// hears each message as it appears.
void EditorOps::showInfo(QLabel *label, const QString &text, int ms)
{
    const QString timerName = QStringLiteral("infoTimer");
    auto *timer = label->findChild<QTimer *>(timerName, Qt::FindDirectChildrenOnly);
    if (!timer) {
        timer = new QTimer(label);
        timer->setObjectName(timerName);
        timer->setSingleShot(true);
        QObject::connect(timer, &QTimer::timeout, label, [label] {
            label->clear();
            Accessibility::announceStatus(label);
        });
    }
    label->setText(text);
    Accessibility::announceStatus(label);
    // As a single-shot timer would run: coarse from two seconds on.
    timer->setTimerType(ms >= 2000 ? Qt::CoarseTimer : Qt::PreciseTimer);
    timer->start(ms);
}

// The messages are the core's, so that the check of a project file knows
// every refusal; one the page does not declare would show no words.
bool EditorOps::refuse(bool refused, QLabel *label, FunctionType type, Refusal refusal,
                       const QString &argument)
{
    if (!refused)
        return false;
    const EditorRules::SaveRefusal *found = EditorRules::findRefusal(type, refusal);
    if (!found)
        qWarning("%s: a refusal its page does not declare", qPrintable(typeLabel(type)));
    const QString text = found ? tr(found->text) : QString();
    showInfo(label, argument.isEmpty() ? text : text.arg(argument), found ? found->ms : 1500);
    return true;
}

// The name field itself keeps a name short and on one line.
bool EditorOps::refuseInvalidName(FunctionType type, const QString &name, QLabel *label)
{
    using EditorRules::NameFault;
    const NameFault fault = EditorRules::nameFault(name);
    return refuse(fault == NameFault::Empty, label, type, Refusal::NameEmpty) ||
           refuse(fault == NameFault::DoubleSpace, label, type, Refusal::NameDoubleSpace);
}

void EditorOps::finishSave(QListWidget *list, QLabel *info, QToolBox *toolBox, int toolBoxIndex,
                           const QString &titlePrefix)
{
    setCountTitle(toolBox, toolBoxIndex, titlePrefix, list->count());
    // The row first: Qt 5 tells a screen reader that a list's new current row
    // has focus even when the list has none, which would cut "Saved..." short.
    list->setCurrentRow(list->count() - 1);
    showInfo(info, tr("Saved..."), 1500);
}

void EditorOps::finishDelete(const QListWidget *list, QLabel *info, QToolBox *toolBox,
                             int toolBoxIndex, const QString &titlePrefix)
{
    setCountTitle(toolBox, toolBoxIndex, titlePrefix, list->count());
    showInfo(info, tr("Deleted."), 1500);
}

QString EditorOps::selectedName(const QListWidget *list)
{
    const QListWidgetItem *item = list->currentItem();
    return item ? item->text() : QString();
}

QString EditorOps::proposedName(const QString &prefix, const QListWidget *list)
{
    return prefix + QString::number(list->count() + 1);
}

void EditorOps::setCountTitle(QToolBox *toolBox, int index, const QString &prefix, int count)
{
    toolBox->setItemText(index, prefix + QString::number(count) + QLatin1Char(']'));
}

void EditorOps::removeCurrentRow(QListWidget *list)
{
    delete list->takeItem(list->currentRow());
    list->setCurrentRow(-1);
    list->clearSelection();
}

void EditorOps::storeRow(QListWidget *list, const QString &name, bool update)
{
    if (update)
        list->currentItem()->setText(name);
    else
        list->addItem(name);
}

EditorOps::NameCheck EditorOps::checkItemName(QWidget *parent, FunctionType type,
                                              const QListWidget *list, QLabel *info,
                                              const QString &name)
{
    if (list->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty())
        return NameCheck::NewItem;
    if (refuse(name != selectedName(list), info, type, Refusal::NameTaken))
        return NameCheck::Rejected;
    return confirmUpdate(parent, name) ? NameCheck::Update : NameCheck::Rejected;
}

bool EditorOps::askToSave(QWidget *parent, const QString &text)
{
    QMessageBox box(parent);
    box.setWindowTitle(tr("Caution"));
    box.setText(text);
    box.setInformativeText(tr("Do you want to save your changes?"));
    box.setStandardButtons(QMessageBox::Save | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setIcon(QMessageBox::Warning);
    return DialogSeam::execMessageBox(box) == QMessageBox::Save;
}

void EditorOps::setWidgetsEnabled(std::initializer_list<QWidget *> widgets, bool enabled)
{
    for (QWidget *widget : widgets)
        widget->setEnabled(enabled);
}

QString EditorOps::enableText(bool on)
{
    return on ? QStringLiteral("ENABLE") : QStringLiteral("DISABLE");
}

bool EditorOps::keepMotionSensorInStep(QWidget *parent, MotionSensor::Owner owner,
                                       const QString &name, const MotionSensor::Settings &page,
                                       const QString &question)
{
    return MotionSensor::keepOthersInStep(owner, name, page,
                                          [&] { return askToSave(parent, question); });
}

void EditorOps::selectChoices(std::initializer_list<Choice> lists)
{
    for (const Choice &list : lists)
        list.first->setCurrentIndex(list.second);
}

void EditorOps::setIndexes(std::initializer_list<QComboBox *> lists, int index)
{
    for (QComboBox *list : lists)
        list->setCurrentIndex(index);
}

void EditorOps::setValues(std::initializer_list<QSpinBox *> spinBoxes, int value)
{
    for (QSpinBox *spinBox : spinBoxes)
        spinBox->setValue(value);
}

bool EditorOps::refuseMissingChoices(FunctionType type, QLabel *info,
                                     std::initializer_list<const QComboBox *> lists)
{
    bool empty = false;
    bool unchosen = false;
    for (const QComboBox *list : lists) {
        empty = empty || list->count() == 0;
        unchosen = unchosen || list->currentIndex() < 0;
    }
    return refuse(empty, info, type, Refusal::NothingToChoose) ||
           refuse(unchosen, info, type, Refusal::ChoiceMissing);
}

bool EditorOps::sameChoice(std::initializer_list<const QComboBox *> lists)
{
    QVector<int> chosen;
    for (const QComboBox *list : lists) {
        const int index = list->currentIndex();
        if (index >= 0 && chosen.contains(index))
            return true;
        chosen.append(index);
    }
    return false;
}
