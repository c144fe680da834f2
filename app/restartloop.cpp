#include "restartloop.h"

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

} // namespace

int runRestartLoop(int &argc, char **argv, const std::function<void(MainWindow &)> &onWindowShown)
{
    enableHighDpiScaling();
    int code = 0;
    do {
        // Declaration order makes the window go before the application.
        QApplication application(argc, argv);
        auto window = std::make_unique<MainWindow>();
        window->show();
        if (onWindowShown)
            onWindowShown(*window);
        code = application.exec();
    } while (code == EXIT_CODE_REBOOT);
    return code;
}
