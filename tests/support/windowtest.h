#pragma once

#include "model/consistency.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

class MainWindow;
class QAbstractButton;
class QComboBox;
class QListWidget;
class QWidget;

// Helpers for tests that drive the real window by object names.
namespace WindowTest
{

// The named child, or a test failure (qFatal) when it is missing or of another class.
template <typename T> T *child(const QObject *root, const char *name)
{
    T *found = root->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child %s of the expected class", name);
    return found;
}

// Empties every store and returns every catalogue counter to zero, so that
// each test starts from a blank project (stores and catalogues are process-wide).
void resetProject();
// Where the programs of this process keep their data (the recovery copies)
// and settings (Open Recent), instead of the user's own folders: XDG_DATA_HOME
// and XDG_CONFIG_HOME on Linux, the user's profile (under which AppData is)
// on Windows.
void useDataHome(const QString &folder);
// The recovery folder of a program that keeps its data under dataHome.
QString recoveryFolderUnder(const QString &dataHome);

// A blank project in a fresh, shown window, with every dialog scripted.
std::unique_ptr<MainWindow> openWindow();

// Object names of the type lists, by toolbox index.
extern const char *const typeLists[functionTypeCount];

// What the window shows of each type: its list's names and its toolbox title.
ShownWindow shownWindow(const QWidget *window);
// Every disagreement between stores, catalogues, lists and titles.
QStringList findings(const QWidget *window);
// What the companion's check finds in the window's project as export writes it.
QStringList roomFindings(const QWidget *window);

// User actions, as a mouse would do them.
void click(QAbstractButton *button);
void clickChild(const QObject *root, const char *buttonName);
void clickListItem(QListWidget *list, int row);
// Selects the entry with that text, as a user would pick it from the list
// (a disabled entry cannot be picked: that is a test failure).
void choose(QComboBox *combo, const QString &text);

} // namespace WindowTest
