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

namespace
{

// The central widget's size in the fixed window, menu and status bar laid
// out, or more where the widgets placed in it reach further.
QSize formSize(QMainWindow *window)
{
    window->layout()->activate();
    const QWidget *form = window->centralWidget();
    const QRect placed = form->childrenRect();
    return form->size().expandedTo(QSize(placed.right() + 1, placed.bottom() + 1));
}

QScrollArea *scrollForm(QMainWindow *window, const QSize &size)
{
    QWidget *form = window->takeCentralWidget();
    form->setFixedSize(size);
    auto *area = new QScrollArea;
    area->setObjectName(QStringLiteral("formScrollArea"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidget(form);
    window->setCentralWidget(area);
    return area;
}

} // namespace

void fitToWorkArea(QMainWindow *window)
{
    const QSize windowSize = window->size();
    const QSize available = WorkArea::of(window);
    const QSize form = formSize(window);
    const bool windowFits = available.expandedTo(windowSize) == available;
    if (windowFits && form == window->centralWidget()->size())
        return;
    QScrollArea *area = scrollForm(window, form);
    if (windowFits)
        return;

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
