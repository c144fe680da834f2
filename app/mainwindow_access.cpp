#include "app/accessibility.h"
#include "app/typeviews.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QScrollArea>

namespace
{

constexpr int homePage = 0;
constexpr int editorPages = 10;

// Alt+Home for Home (Ctrl+Home moves the cursor in a field); Ctrl+1 to
// Ctrl+9 and Ctrl+0 for the editor pages, in the order of their buttons.
QKeySequence pageShortcut(int page)
{
    return page == homePage ? QKeySequence(QStringLiteral("Alt+Home"))
                            : QKeySequence(QStringLiteral("Ctrl+%1").arg(page % 10));
}

} // namespace

void MainWindow::setUpAccessibility()
{
    Accessibility::nameCaptionsAfterFields(this);
    Accessibility::raiseSelectionContrast();
    openListsFromKeyboard(typeViews(ui),
                          [this](QListWidgetItem *item, int page) { openListItem(item, page); });
    setReadingTabOrder();
    addPageShortcuts();
    Accessibility::letShortcutsPassFields(this, ui->menuFile->actions());
}

// Top to bottom, left to right: the page buttons, DeviceType, the saved list,
// the page's fields (in the order of the form), the action buttons.
void MainWindow::setReadingTabOrder()
{
    QWidget *previous = ui->LogicButton;
    const auto follow = [&previous](QWidget *next) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    };
    follow(ui->comboBox_PlatformType);
    for (const TypeView &view : typeViews(ui))
        follow(view.list);
    previous = ui->textEdit; // the last widget of the last page
    for (QWidget *button :
         {ui->ImportButton, ui->ExportButton, ui->PrintButton, ui->SettingsButton})
        follow(button);
    // The toolbox wraps each list in a scroll area of its own: a stop with
    // nothing to say, as the list scrolls itself.
    for (QScrollArea *area : ui->toolBox->findChildren<QScrollArea *>())
        area->setFocusPolicy(Qt::NoFocus);
}

// The shortcut also shows in the button's tooltip, which a screen reader
// reads as its description.
void MainWindow::addPageShortcuts()
{
    for (int page = homePage; page <= editorPages; ++page) {
        QToolButton *button = pageButtons.at(page);
        const QKeySequence keys = pageShortcut(page);
        auto *action = new QAction(button->text(), this);
        action->setObjectName(QStringLiteral("shortcutPage%1").arg(page));
        action->setShortcut(keys);
        addAction(action);
        connect(action, &QAction::triggered, this, [this, page] { openPageFromKeyboard(page); });
        button->setToolTip(
            tr("%1 (%2)").arg(button->text(), keys.toString(QKeySequence::NativeText)));
    }
}

// As Space on the page's button: focus leaves the page being left first
// (hidden with it, it would stop on the next widget shown on the way, and a
// screen reader would announce that widget).
void MainWindow::openPageFromKeyboard(int page)
{
    pageButtons.at(page)->setFocus(Qt::ShortcutFocusReason);
    pageButtons.at(page)->click();
}

void MainWindow::focusPageAfterKeyboardClick(int page)
{
    if (pageButtons.at(page)->hasFocus())
        focusFirstField(page);
}

// The first widget of the page that Tab would stop at: the name field, or
// Home's picture.
void MainWindow::focusFirstField(int page)
{
    QWidget *pageWidget = ui->stackedWidget->widget(page);
    for (QWidget *widget = pageWidget->nextInFocusChain(); pageWidget->isAncestorOf(widget);
         widget = widget->nextInFocusChain()) {
        if (widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus)) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}
