#pragma once

#include <QSize>

class QMainWindow;
class QWidget;

// The part of its screen that a window may cover, panels left out. Tests fix
// it: the offscreen platform they run on has one screen of its own size.
namespace WorkArea
{
QSize of(const QWidget *window);
void fix(const QSize &size);
void release();
} // namespace WorkArea

// A fixed-size window that its work area cannot hold takes the work area and
// scrolls its central widget, which keeps its size and everything in it keeps
// its place. A window that fits stays as it is, and scrolls its central
// widget only when the menu and status bar leave the widgets placed in it
// less room than they take (fonts taller than the form was made for).
void fitToWorkArea(QMainWindow *window);
