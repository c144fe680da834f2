#include "app/typeviews.h"

#include "mainwindow.h"
#include "model/stores.h"
#include "ui_mainwindow.h"

#include <QKeyEvent>

namespace
{

// Editor page n shows the type of toolbox item n - 1.
constexpr int firstEditorPage = 1;

class ListKeys : public QObject
{
public:
    ListKeys(QListWidget *list, int page, OpenListItem open)
        : QObject(list), list(list), page(page), open(std::move(open))
    {
        list->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static bool opensCurrentItem(int key)
    {
        return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    }

    QListWidget *list;
    int page;
    OpenListItem open;
    int pressedKey = 0; // 0: none pressed since focus came
    int rowBeforeKey = -1;
};

// On release, after the list has moved its current item: a key pressed
// elsewhere (the Tab that brought focus here) is not this list's.
bool ListKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != list)
        return false;
    if (event->type() == QEvent::FocusOut)
        pressedKey = 0;
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto *keyEvent = static_cast<QKeyEvent *>(event);
    if (event->type() == QEvent::KeyPress) {
        pressedKey = keyEvent->key();
        rowBeforeKey = list->currentRow();
    } else if (keyEvent->key() == pressedKey && !keyEvent->isAutoRepeat()) {
        pressedKey = 0;
        QListWidgetItem *item = list->currentItem();
        if (item && (list->currentRow() != rowBeforeKey || opensCurrentItem(keyEvent->key())))
            open(item, page);
    }
    return false;
}

} // namespace

QVector<TypeView> typeViews(Ui::MainWindow *ui)
{
    return {
        {ui->listWidget_Welcome, 0, QT_TRANSLATE_NOOP("MainWindow", "Welcome [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Welcome [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Welcome ["), &ImportedNames::welcome},
        {ui->listWidget_MasterOff, 1, QT_TRANSLATE_NOOP("MainWindow", "Master Off [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Master Off [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Master Off ["), &ImportedNames::masterOff},
        {ui->listWidgetLighting, 6, QT_TRANSLATE_NOOP("MainWindow", "Lighting [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Lighting [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Lighting ["), &ImportedNames::lighting},
        {ui->listWidget_Logic, 9, QT_TRANSLATE_NOOP("MainWindow", "Logic [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Logic [0]"), QT_TRANSLATE_NOOP("MainWindow", "Logic ["),
         &ImportedNames::logic},
        {ui->listWidget_Shutter, 7, QT_TRANSLATE_NOOP("MainWindow", "Shutter/Blind [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Shutter [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Shutter ["), &ImportedNames::shutter},
        {ui->listWidget_Acinput, 5, QT_TRANSLATE_NOOP("MainWindow", "Voltage Input [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Voltage Input [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Voltage Input ["), &ImportedNames::voltageInput},
        {ui->listWidget_AirCon, 4, QT_TRANSLATE_NOOP("MainWindow", "Air Conditioner [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Air Conditioner [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "AirCon ["), &ImportedNames::airCon},
        {ui->listWidget_CardHolder, 2, QT_TRANSLATE_NOOP("MainWindow", "Energy Saving [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Energy Saving [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Energy Saving ["), &ImportedNames::energySaving},
        {ui->listWidget_Dgitialio, 8, QT_TRANSLATE_NOOP("MainWindow", "Digital I/O [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "Digital I/O [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "DigitalIO ["), &ImportedNames::digitalIO},
        {ui->listWidget_DndMur, 3, QT_TRANSLATE_NOOP("MainWindow", "DND/MUR [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "DND/MUR [0]"),
         QT_TRANSLATE_NOOP("MainWindow", "DND/MUR ["), &ImportedNames::dndMur},
    };
}

void emptyLists(QToolBox *toolBox, const QVector<TypeView> &views, const char *TypeView::*title)
{
    for (const TypeView &view : views) {
        view.list->clear();
        toolBox->setItemText(view.toolBoxIndex, MainWindow::tr(view.*title));
    }
}

void openListsFromKeyboard(const QVector<TypeView> &views, const OpenListItem &open)
{
    for (const TypeView &view : views)
        new ListKeys(view.list, view.toolBoxIndex + firstEditorPage, open);
}

void showSavedLists(QToolBox *toolBox, const QVector<TypeView> &views, const QStringList &titles)
{
    const std::array<QStringList, functionTypeCount> names = savedNames();
    for (const TypeView &view : views) {
        view.list->clear();
        view.list->addItems(names.at(view.toolBoxIndex));
        toolBox->setItemText(view.toolBoxIndex, titles.value(view.toolBoxIndex));
    }
}

QStringList typeTitles(const QToolBox *toolBox)
{
    QStringList titles;
    for (int index = 0; index < functionTypeCount; ++index)
        titles << toolBox->itemText(index);
    return titles;
}
