#include "restartloop.h"

#include "app/endsignals.h"
#include "mainwindow.h"

#include <QApplication>
#include <memory>

namespace
{

// The window scales on high-density screens by whole factors under either Qt:
// Qt 5 scales only when asked to, and Qt 6 always does (its switch is
// deprecated) but by default passes fractional factors through.
void enableHighDpiScaling()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
#endif
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

// Qt 5 would close every window when a logout asks to save the work, and
// quit, even when the logout is then cancelled; the window asks by itself.
void leaveLogoutToTheWindow()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QGuiApplication::setFallbackSessionManagementEnabled(false);
    QT_WARNING_POP
#endif
}

} // namespace

int runRestartLoop(int &argc, char **argv, const std::function<void(MainWindow &)> &onWindowShown)
{
    enableHighDpiScaling();
    leaveLogoutToTheWindow();
    int code = 0;
    do {
        // Declaration order makes the window go before the application.
        QApplication application(argc, argv);
        auto window = std::make_unique<MainWindow>();
        const EndSignals ending([&window] { window->endWithoutQuestion(); });
        window->show();
        if (onWindowShown)
            onWindowShown(*window);
        code = application.exec();
    } while (code == EXIT_CODE_REBOOT);
    EndSignals::endByReceivedSignal();
    return code;
}
