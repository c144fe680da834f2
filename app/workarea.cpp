#include "workarea.h"

#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

namespace
{
QSize &fixedSize()
{
    static QSize size;
    return size;
}
} // namespace

QSize WorkArea::of(const QWidget *window)
{
    return fixedSize().isValid() ? fixedSize() : window->screen()->availableGeometry().size();
}

void WorkArea::fix(const QSize &size)
{
    fixedSize() = size;
}

void WorkArea::release()
{
    fixedSize() = QSize();
}

void fitToWorkArea(QMainWindow *window)
{
    const QSize windowSize = window->size();
    const QSize available = WorkArea::of(window);
    if (available.expandedTo(windowSize) == available)
        return;

    // The central widget's size in the fixed window, menu and status bar laid out.
    window->layout()->activate();
    QWidget *form = window->takeCentralWidget();
    form->setFixedSize(form->size());
    auto *area = new QScrollArea;
    area->setObjectName(QStringLiteral("formScrollArea"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(form);
    window->setCentralWidget(area);

    // No larger than the fixed window and the scroll bars: a form scrolled one
    // way only needs no scroll bar the other way where the work area has room.
    const int scrollBar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
    const QSize largest = windowSize + QSize(scrollBar, scrollBar);
    window->setMinimumSize(window->minimumSizeHint());
    window->setMaximumSize(largest);
    window->resize(largest.boundedTo(available));
    // Lets the window manager fit the window, frame and all, into the work area.
    window->setWindowState(window->windowState() | Qt::WindowMaximized);
}
