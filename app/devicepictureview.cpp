#include "app/devicepictureview.h"

#include "render/devicepicture.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QHelpEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QPixmap>
#include <QPointer>
#include <QToolButton>
#include <QToolTip>

namespace
{

// Past this many uses a tooltip counts the rest instead of listing them.
constexpr int toolTipUses = 12;

// One terminal of the picture: its name, and its tooltip as description.
class TerminalInterface : public QAccessibleInterface
{
public:
    TerminalInterface(QAccessibleInterface *picture, DevicePictureView *view, int index)
        : picture(picture), view(view), index(index)
    {
    }

    bool isValid() const override { return view && index < view->terminals().size(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return picture->window(); }
    QAccessibleInterface *parent() const override { return picture; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString &) override {}
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    int position() const { return index; }

    QString text(QAccessible::Text type) const override
    {
        if (!isValid())
            return QString();
        if (type == QAccessible::Name)
            return view->terminals().at(index).name;
        return type == QAccessible::Description ? view->terminalText(index) : QString();
    }

    QRect rect() const override
    {
        const QRect area = view->terminalRect(index);
        const QRect pictureRect = picture->rect();
        return area.translated(pictureRect.topLeft());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        const QAccessible::State pictureState = picture->state();
        state.invisible = pictureState.invisible;
        state.offscreen = pictureState.offscreen;
        state.focusable = true;
        state.selectable = true;
        const bool isCurrent = isValid() && view->currentTerminal() == index;
        state.selected = isCurrent;
        state.focused = isCurrent && pictureState.focused;
        return state;
    }

private:
    QAccessibleInterface *picture;
    QPointer<DevicePictureView> view;
    int index;
};

// The picture as a list of its terminals, which it reads from the view once
// there is one (the form's widgets get their interfaces as they are built).
class PictureInterface : public QAccessibleWidget
{
public:
    explicit PictureInterface(QToolButton *button) : QAccessibleWidget(button, QAccessible::List) {}

    ~PictureInterface() override
    {
        for (const QAccessible::Id id : qAsConst(childIds))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return view() ? view()->terminals().size() : 0; }

    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (!childIds.contains(index)) {
            auto *terminal =
                new TerminalInterface(const_cast<PictureInterface *>(this), view(), index);
            childIds.insert(index, QAccessible::registerAccessibleInterface(terminal));
        }
        return QAccessible::accessibleInterface(childIds.value(index));
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *terminal = dynamic_cast<const TerminalInterface *>(child);
        return terminal && terminal->parent() == this ? terminal->position() : -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int index = 0; index < childCount(); ++index) {
            QAccessibleInterface *terminal = child(index);
            if (terminal->rect().contains(x, y))
                return terminal;
        }
        return nullptr;
    }

    QAccessibleInterface *focusChild() const override
    {
        return state().focused && view() ? child(view()->currentTerminal()) : nullptr;
    }

private:
    DevicePictureView *view() const
    {
        return widget()->findChild<DevicePictureView *>(QString(), Qt::FindDirectChildrenOnly);
    }

    mutable QHash<int, QAccessible::Id> childIds;
};

} // namespace

QAccessibleInterface *DevicePictureView::accessibleInterface(const QString &className,
                                                             QObject *object)
{
    if (className == QLatin1String("QToolButton") && object->property("terminalPicture").toBool())
        return new PictureInterface(static_cast<QToolButton *>(object));
    return nullptr;
}

DevicePictureView::DevicePictureView(QToolButton *button, Source project)
    : QObject(button), button(button), project(std::move(project))
{
    button->installEventFilter(this);
}

void DevicePictureView::refresh()
{
    shown = project();
    draw();
}

// The terminal the keys reached is ringed while the picture has focus.
void DevicePictureView::draw()
{
    const int ringed = button->hasFocus() ? current : -1;
    button->setIcon(QIcon(
        QPixmap::fromImage(DevicePicture::image(shown, button->devicePixelRatioF(), ringed))));
    drawn = true;
}

bool DevicePictureView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != button)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Show:
        if (!drawn)
            refresh();
        break;
    case QEvent::ToolTip: {
        const auto *help = static_cast<QHelpEvent *>(event);
        return showToolTip(help->pos(), help->globalPos());
    }
    case QEvent::KeyPress:
        return moveByKey(static_cast<QKeyEvent *>(event)->key());
    case QEvent::FocusIn:
        if (!shown.isEmpty()) {
            current = qMax(current, 0);
            showCurrentTerminal();
            // After the picture's own focus event, which Qt sends once focus is in.
            QMetaObject::invokeMethod(this, &DevicePictureView::focusCurrentTerminal,
                                      Qt::QueuedConnection);
        }
        break;
    case QEvent::FocusOut:
        QToolTip::hideText();
        draw();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

// The icon sits centred on the button.
QPoint DevicePictureView::pictureOrigin() const
{
    return {(button->width() - button->iconSize().width()) / 2,
            (button->height() - button->iconSize().height()) / 2};
}

QRect DevicePictureView::terminalRect(int index) const
{
    if (index < 0 || index >= shown.size())
        return QRect();
    return DevicePicture::terminalArea(shown.at(index)).toAlignedRect().translated(pictureOrigin());
}

QString DevicePictureView::terminalText(int index) const
{
    return index >= 0 && index < shown.size() ? terminalSummary(shown.at(index), toolTipUses)
                                              : QString();
}

bool DevicePictureView::showToolTip(const QPoint &position, const QPoint &globalPosition)
{
    const int index = DevicePicture::terminalAt(shown, position - pictureOrigin());
    if (index < 0) {
        QToolTip::hideText();
        return true;
    }
    QToolTip::showText(globalPosition, terminalText(index), button, terminalRect(index));
    return true;
}

bool DevicePictureView::moveByKey(int key)
{
    const int next = terminalAfterKey(key);
    if (next < 0)
        return false;
    current = next;
    showCurrentTerminal();
    focusCurrentTerminal();
    return true;
}

// Left and Right go along the controller's order, Up to the inputs along the
// top and Down to the outputs along the bottom, Home and End to either end.
int DevicePictureView::terminalAfterKey(int key) const
{
    if (current < 0 || current >= shown.size())
        return -1;
    switch (key) {
    case Qt::Key_Left:
        return qMax(current - 1, 0);
    case Qt::Key_Right:
        return qMin(current + 1, int(shown.size()) - 1);
    case Qt::Key_Up:
        return nearestInRow(TerminalDirection::Input);
    case Qt::Key_Down:
        return nearestInRow(TerminalDirection::Output);
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return int(shown.size()) - 1;
    default:
        return -1;
    }
}

int DevicePictureView::nearestInRow(TerminalDirection direction) const
{
    if (shown.at(current).direction == direction)
        return current;
    const int x = terminalRect(current).center().x();
    int nearest = current;
    for (int index = 0; index < shown.size(); ++index) {
        if (shown.at(index).direction == direction &&
            (nearest == current || qAbs(terminalRect(index).center().x() - x) <
                                       qAbs(terminalRect(nearest).center().x() - x)))
            nearest = index;
    }
    return nearest;
}

// Ring and tooltip follow the current terminal.
void DevicePictureView::showCurrentTerminal()
{
    draw();
    const QRect area = terminalRect(current);
    QToolTip::showText(button->mapToGlobal(area.bottomLeft()), terminalText(current), button, area);
}

// So does a screen reader's focus.
void DevicePictureView::focusCurrentTerminal()
{
    if (!button->hasFocus() || current < 0 || current >= shown.size())
        return;
    QAccessibleEvent focus(button, QAccessible::Focus);
    focus.setChild(current);
    QAccessible::updateAccessibility(&focus);
}
