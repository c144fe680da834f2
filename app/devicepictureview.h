#pragma once

#include "model/terminals.h"

#include <QObject>
#include <QVector>
#include <functional>

class QToolButton;

// The Home page's picture of the controller, drawn from the project each time
// Home is entered (and when the button is first shown), with a tooltip per
// terminal: the button's one tooltip is chosen by the pointer's position.
class DevicePictureView : public QObject
{
public:
    using Source = std::function<QVector<Terminal>()>;

    DevicePictureView(QToolButton *button, Source project);

    // Draws the project as it is now.
    void refresh();
    const QVector<Terminal> &terminals() const { return shown; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool showToolTip(const QPoint &position, const QPoint &globalPosition);

    QToolButton *button;
    Source project;
    QVector<Terminal> shown;
    bool drawn = false;
};
