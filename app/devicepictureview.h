#pragma once

#include "model/terminals.h"

#include <QObject>
#include <QRect>
#include <QVector>
#include <functional>

class QAccessibleInterface;
class QToolButton;

// The Home page's picture of the controller, drawn from the project each time
// Home is entered (and when the button is first shown), with a tooltip per
// terminal: the button's one tooltip is chosen by the pointer's position, or
// by the arrow keys while the picture has focus. To a screen reader the
// picture is a list of its terminals, each described as its tooltip.
class DevicePictureView : public QObject
{
    Q_OBJECT

public:
    using Source = std::function<QVector<Terminal>()>;

    DevicePictureView(QToolButton *button, Source project);

    // Draws the project as it is now.
    void refresh();
    const QVector<Terminal> &terminals() const { return shown; }

    // The terminal the arrow keys reached, -1 before the picture had focus.
    int currentTerminal() const { return current; }
    // Where a terminal answers to the pointer, in the button's coordinates.
    QRect terminalRect(int index) const;
    // Its tooltip: name, state, every use, who switches it.
    QString terminalText(int index) const;

    // The factory of the accessible interface of the button that the form
    // marks with the property terminalPicture (QAccessible::installFactory).
    static QAccessibleInterface *accessibleInterface(const QString &className, QObject *object);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void draw();
    QPoint pictureOrigin() const;
    bool showToolTip(const QPoint &position, const QPoint &globalPosition);
    bool moveByKey(int key);
    int terminalAfterKey(int key) const;
    int nearestInRow(TerminalDirection direction) const;
    void showCurrentTerminal();
    void focusCurrentTerminal();

    QToolButton *button;
    Source project;
    QVector<Terminal> shown;
    bool drawn = false;
    int current = -1;
};
