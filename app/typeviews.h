#pragma once

#include "project/projectdocument.h"

#include <QStringList>
#include <QVector>
#include <functional>

class QListWidget;
class QListWidgetItem;
class QToolBox;

namespace Ui
{
class MainWindow;
}

// How one function type shows in the toolbox: its list and its title in each
// state. Listed in the order Clear all and import empty the project.
struct TypeView {
    QListWidget *list;
    int toolBoxIndex;
    const char *emptiedTitle; // after import has emptied the project
    const char *clearedTitle; // after Clear all
    const char *importPrefix; // before the count of imported functions
    QStringList ImportedNames::*names;
};

QVector<TypeView> typeViews(Ui::MainWindow *ui);

// Empties every list and gives each type the title of that state.
void emptyLists(QToolBox *toolBox, const QVector<TypeView> &views, const char *TypeView::*title);

// Opens a saved function from the keyboard as a click does: a key that moves a
// list's current item (arrows, Home, End, a typed letter) opens the item it
// reaches, Enter and Space open the current one; once per key, when it is
// released. Neither focus nor the program moving the current item opens one.
using OpenListItem = std::function<void(QListWidgetItem *item, int page)>;
void openListsFromKeyboard(const QVector<TypeView> &views, const OpenListItem &open);

// Every type's saved functions in store order, under the titles given by
// toolbox index: what undo and redo put back.
void showSavedLists(QToolBox *toolBox, const QVector<TypeView> &views, const QStringList &titles);
// The toolbox titles by toolbox index, whose wording ("Shutter/Blind [0]" or
// "Shutter [0]") tells how their count came about.
QStringList typeTitles(const QToolBox *toolBox);
