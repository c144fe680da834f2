#pragma once

class QMainWindow;

namespace Ui
{
class MainWindow;
}

// What people expect of any desktop program, beside the form: mnemonics on the
// menus and their entries, the usual shortcuts on the File menu's actions, and
// the About menu's entries.
void addDesktopActions(QMainWindow *window, const Ui::MainWindow &form);
