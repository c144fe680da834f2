#include "restartloop.h"

#include "mainwindow.h"

#include <QApplication>
#include <memory>

int runRestartLoop(int &argc, char **argv, const std::function<void(MainWindow &)> &onWindowShown)
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling, true);
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
