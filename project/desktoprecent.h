#pragma once

#include <QString>

// The desktop's own list of recently used files, where the platform keeps
// one: on Linux the XDG recently-used.xbel that file managers and file
// dialogs show, on Windows the shell's Recent items. One implementation per
// platform (desktoprecent_posix.cpp, desktoprecent_win.cpp); the build takes
// the platform's.
namespace DesktopRecent
{

// Tells the desktop that the program used the project file now. A desktop
// list that cannot be read or written is left as it is: the program's own
// list does not depend on it.
void add(const QString &path);

} // namespace DesktopRecent
