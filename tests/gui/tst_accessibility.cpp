// The window as a keyboard or screen-reader user meets it, through Qt's
// accessibility interfaces (what the Linux bridge hands to a screen reader):
// the names it speaks, a session with keys alone, the wiring picture read
// terminal by terminal.

#include "app/dialogseam.h"
#include "mainwindow.h"
#include "model/stores.h"
#include "model/terminals.h"
#include "support/windowtest.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>
#include <memory>

using WindowTest::child;

namespace
{

// The value of a control that has one; Qt gives a list its name as value.
QString valueOf(QAccessibleInterface *control)
{
    const QAccessible::Role role = control->role();
    const bool hasValue = role == QAccessible::ComboBox || role == QAccessible::SpinBox ||
                          role == QAccessible::EditableText;
    return hasValue ? control->text(QAccessible::Value) : QString();
}

// What a screen reader calls a control: its name, or, where that is its value
// (a combo box on Linux), the name of its caption.
QString spokenName(QAccessibleInterface *control)
{
    const QString name = control->text(QAccessible::Name);
    if (name != valueOf(control))
        return name;
    const auto captions = control->relations(QAccessible::Label);
    return captions.isEmpty() ? QString() : captions.first().first->text(QAccessible::Name);
}

bool isInteractive(QAccessible::Role role)
{
    return role == QAccessible::PushButton || role == QAccessible::CheckBox ||
           role == QAccessible::ComboBox || role == QAccessible::SpinBox ||
           role == QAccessible::EditableText || role == QAccessible::List;
}

// Every control shown and enabled, "spoken name" or "<role> without a name".
void listControls(QAccessibleInterface *node, QStringList &names)
{
    if (node->state().invisible)
        return;
    if (isInteractive(node->role())) {
        const QString name = spokenName(node);
        if (!node->state().disabled)
            names << (name.isEmpty() || name == valueOf(node)
                          ? QStringLiteral("%1 without a name").arg(node->role())
                          : name);
        if (node->role() == QAccessible::ComboBox || node->role() == QAccessible::List)
            return;
    }
    for (int index = 0; index < node->childCount(); ++index)
        listControls(node->child(index), names);
}

void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

void pressEach(std::initializer_list<int> keys)
{
    for (int key : keys)
        press(key);
}

// Tab, as often as it takes.
void tabTo(const QString &name)
{
    for (int tab = 0; tab < 40 && QApplication::focusWidget()->objectName() != name; ++tab)
        press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), name);
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyControlOfEveryPageHasAName();
    void keysAloneBuildReopenAndDeleteAFunctionAndReadTheWiring();

private:
    QString focusName() const { return QApplication::focusWidget()->objectName(); }

    std::unique_ptr<MainWindow> window;
};

void AccessibilityTest::init()
{
    window = WindowTest::openWindow();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    child<QToolButton>(window.get(), "HomeButton")->setFocus();
}

void AccessibilityTest::cleanup()
{
    QCOMPARE(WindowTest::findings(window.get()), QStringList());
    QCOMPARE(DialogSeam::unexpectedCalls(), 0);
    window.reset();
}

// Each page reached by its shortcut: Alt+Home, then Ctrl+1 .. Ctrl+9, Ctrl+0.
void AccessibilityTest::everyControlOfEveryPageHasAName()
{
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(window.get());
    for (int page = 0; page <= 10; ++page) {
        if (page == 0)
            press(Qt::Key_Home, Qt::AltModifier);
        else
            press(Qt::Key_0 + page % 10, Qt::ControlModifier);
        QCOMPARE(child<QStackedWidget>(window.get(), "stackedWidget")->currentIndex(), page);
        QStringList names;
        listControls(root, names);
        QVERIFY2(!names.filter(QStringLiteral("without a name")).count(),
                 qPrintable(QString::number(page) + ": " + names.join(", ")));
        QVERIFY(names.size() >= 18); // page and action buttons, DeviceType, a list, the page
        if (page == 4)
            QVERIFY(names.contains(QStringLiteral("MUR Debounce Time")));
        if (page == 10)
            QVERIFY(names.contains(QStringLiteral("Input 2 Debounce Time")));
    }
}

void AccessibilityTest::keysAloneBuildReopenAndDeleteAFunctionAndReadTheWiring()
{
    // Up input and output the first of their lists, down the second.
    press(Qt::Key_8, Qt::ControlModifier);
    QCOMPARE(focusName(), QStringLiteral("lineEditShutterName"));
    pressEach({Qt::Key_Tab, Qt::Key_Down, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Down, Qt::Key_Tab,
               Qt::Key_Down, Qt::Key_Down, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Down, Qt::Key_Down});
    tabTo(QStringLiteral("pushButtonShutterSave"));
    press(Qt::Key_Space);
    const QLabel *info = child<QLabel>(window.get(), "label_ShutterUI_Info");
    QCOMPARE(info->text(), QStringLiteral("Saved..."));
    const ShutterRecord *saved = shutterStore().find(QStringLiteral("Shutter-1"));
    QVERIFY(saved);
    QCOMPARE(saved->UpInput + saved->UpOutput + saved->DownInput + saved->DownOutput,
             QStringLiteral("IN1C1IN2C2"));

    // The list comes right before the page's fields; Enter opens its function.
    press(Qt::Key_8, Qt::ControlModifier);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(focusName(), QStringLiteral("listWidget_Shutter"));
    press(Qt::Key_Return);
    QCOMPARE(child<QLineEdit>(window.get(), "lineEditShutterName")->text(),
             QStringLiteral("Shutter-1"));
    QCOMPARE(child<QComboBox>(window.get(), "comboBox_ShutterDownOutput")->currentText(),
             QStringLiteral("C2"));

    // The picture lists every terminal, described as its tooltip.
    press(Qt::Key_Home, Qt::AltModifier);
    QCOMPARE(focusName(), QStringLiteral("toolButton_DevPic_2"));
    QAccessibleInterface *picture = QAccessible::queryAccessibleInterface(window->focusWidget());
    const QVector<Terminal> terminals = terminalView(Platform::MV211);
    QCOMPARE(picture->childCount(), 34);
    for (int index = 0; index < terminals.size(); ++index) {
        QCOMPARE(picture->child(index)->text(QAccessible::Name), terminals.at(index).name);
        QCOMPARE(picture->child(index)->text(QAccessible::Description),
                 terminalSummary(terminals.at(index), 12));
    }
    QVERIFY(picture->child(21)->text(QAccessible::Description).contains("\"Shutter-1\""));
    pressEach({Qt::Key_Right, Qt::Key_Down});
    QCOMPARE(picture->focusChild()->text(QAccessible::Name), QStringLiteral("C1"));

    press(Qt::Key_8, Qt::ControlModifier);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    press(Qt::Key_Space);
    tabTo(QStringLiteral("pushButtonShutterDelete"));
    press(Qt::Key_Space);
    QCOMPARE(info->text(), QStringLiteral("Deleted."));
    QCOMPARE(shutterStore().size(), 0);
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
