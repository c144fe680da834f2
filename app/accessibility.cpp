#include "app/accessibility.h"

#include "app/devicepictureview.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <cmath>

namespace
{

const char *const statusProperty = "statusMessage";

// Qt's bridge to the Linux accessibility bus drops QAccessible::Alert; a
// notification that becomes showing is what it forwards and Orca speaks.
class StatusLabelInterface : public QAccessibleWidget
{
public:
    explicit StatusLabelInterface(QLabel *label)
        : QAccessibleWidget(label, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name ? label()->text() : QAccessibleWidget::text(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = state.invisible || label()->text().isEmpty();
        return state;
    }

private:
    QLabel *label() const { return static_cast<QLabel *>(widget()); }
};

QAccessibleInterface *statusLabelFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("QLabel") && object->property(statusProperty).toBool())
        return new StatusLabelInterface(static_cast<QLabel *>(object));
    return nullptr;
}

// A field that does not take a key's shortcut override lets the shortcut run.
class ShortcutsPass : public QObject
{
public:
    ShortcutsPass(const QList<QAction *> &actions, QObject *parent)
        : QObject(parent), actions(actions)
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(int(key->modifiers()) | key->key());
        for (const QAction *action : actions) {
            if (!action->shortcut().isEmpty() && action->shortcut() == pressed)
                return true;
        }
        return false;
    }

private:
    QList<QAction *> actions;
};

// Relative luminance and contrast ratio as WCAG defines them.
qreal luminance(const QColor &colour)
{
    const auto linear = [](qreal channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

qreal contrast(const QColor &one, const QColor &other)
{
    const qreal first = luminance(one), second = luminance(other);
    return (qMax(first, second) + 0.05) / (qMin(first, second) + 0.05);
}

// 7:1, the enhanced level, so that small antialiased text, whose lightest
// pixels fall short of its colour, still reaches 4.5:1 on screen. In steps of
// 10 %, bounded: a text colour near mid-grey reaches it on neither black nor white.
QColor withContrast(QColor back, const QColor &text)
{
    const bool lightText = luminance(text) > luminance(back);
    for (int step = 0; step < 40 && contrast(back, text) < 7; ++step)
        back = lightText ? back.darker(110) : back.lighter(110);
    return back;
}

} // namespace

void Accessibility::installInterfaces()
{
    QAccessible::installFactory(statusLabelFactory);
    QAccessible::installFactory(DevicePictureView::accessibleInterface);
}

void Accessibility::announceStatus(QLabel *label)
{
    if (!label->isVisible())
        return;
    QAccessibleEvent event(label, label->text().isEmpty() ? QAccessible::ObjectHide
                                                          : QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}

void Accessibility::nameCaptionsAfterFields(QWidget *root)
{
    for (QLabel *caption : root->findChildren<QLabel *>()) {
        if (caption->buddy() && !caption->buddy()->accessibleName().isEmpty())
            caption->setAccessibleName(caption->buddy()->accessibleName());
    }
}

void Accessibility::letShortcutsPassFields(QWidget *root, const QList<QAction *> &actions)
{
    auto *filter = new ShortcutsPass(actions, root);
    for (QLineEdit *field : root->findChildren<QLineEdit *>())
        field->installEventFilter(filter);
    for (QAbstractSpinBox *field : root->findChildren<QAbstractSpinBox *>())
        field->installEventFilter(filter);
}

void Accessibility::raiseSelectionContrast()
{
    QPalette palette = QApplication::palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::Highlight,
                         withContrast(palette.color(group, QPalette::Highlight),
                                      palette.color(group, QPalette::HighlightedText)));
    QApplication::setPalette(palette);
}
