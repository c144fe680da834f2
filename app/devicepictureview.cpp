#include "app/devicepictureview.h"

#include "render/devicepicture.h"

#include <QHelpEvent>
#include <QIcon>
#include <QPixmap>
#include <QToolButton>
#include <QToolTip>

namespace
{

// Past this many uses a tooltip counts the rest instead of listing them.
constexpr int toolTipUses = 12;

} // namespace

DevicePictureView::DevicePictureView(QToolButton *button, Source project)
    : QObject(button), button(button), project(std::move(project))
{
    button->installEventFilter(this);
}

void DevicePictureView::refresh()
{
    shown = project();
    button->setIcon(
        QIcon(QPixmap::fromImage(DevicePicture::image(shown, button->devicePixelRatioF()))));
    drawn = true;
}

bool DevicePictureView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == button && event->type() == QEvent::Show && !drawn)
        refresh();
    if (watched == button && event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        return showToolTip(help->pos(), help->globalPos());
    }
    return QObject::eventFilter(watched, event);
}

// The icon sits centred on the button.
bool DevicePictureView::showToolTip(const QPoint &position, const QPoint &globalPosition)
{
    const QPoint origin((button->width() - button->iconSize().width()) / 2,
                        (button->height() - button->iconSize().height()) / 2);
    const int index = DevicePicture::terminalAt(shown, position - origin);
    if (index < 0) {
        QToolTip::hideText();
        return true;
    }
    const QRect area = DevicePicture::terminalArea(shown.at(index)).toAlignedRect();
    QToolTip::showText(globalPosition, terminalSummary(shown.at(index), toolTipUses), button,
                       area.translated(origin));
    return true;
}
