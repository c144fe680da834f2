#include "cli/commands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <memory>

// Only the report's PDF needs fonts and a paint engine; those come with a GUI
// application on the offscreen platform, which needs no display.
static std::unique_ptr<QCoreApplication> makeApplication(int &argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "report") == 0) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

int main(int argc, char *argv[])
{
    const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zaren800-cfg"));
    // The enciphered bytes that export logs for the window are noise here.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    return runTool(QCoreApplication::arguments());
}
