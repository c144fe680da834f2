#pragma once

#include <QList>

class QAction;
class QLabel;
class QWidget;

// What a screen reader and a keyboard user need beyond what the widgets give.
namespace Accessibility
{

// The window's own accessible interfaces: the Home picture as a list of its
// terminals (DevicePictureView), and each label that the form marks with the
// property statusMessage (the editors' info labels) as a notification that
// shows while it holds a message. Qt keeps the first interface it makes for a
// widget: install them before the form is built.
void installInterfaces();
// Tells assistive technology that a status label's message appeared or went,
// so that a screen reader speaks it; a label the user cannot see stays silent.
void announceStatus(QLabel *label);

// A screen reader on Linux names a combo box by its caption, not by the box's
// own accessible name: each caption of a field with a name of its own (a group
// in it, say) takes that name too.
void nameCaptionsAfterFields(QWidget *root);

// A text field takes some keys as editing keys that duplicate others (on X11,
// Ctrl+E as End): the shortcuts of the given actions pass every text field
// and spin box under root instead.
void letShortcutsPassFields(QWidget *root, const QList<QAction *> &actions);

// Darkens the selection (of lists, choice lists, menus and text; lightens it
// under dark text on a dark theme) until its text stands out at least 7:1.
void raiseSelectionContrast();

} // namespace Accessibility
