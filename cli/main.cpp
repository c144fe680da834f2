#include "cli/commands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <memory>

// Only the commands that draw PDFs need fonts and a paint engine; those come
// with a GUI application on the offscreen platform, which needs no display.
static bool drawsPages(const char *command)
{
    return qstrcmp(command, "report") == 0 || qstrcmp(command, "wiring") == 0;
}

static std::unique_ptr<QCoreApplication> makeApplication(int &argc, char *argv[])
{
    if (argc > 1 && drawsPages(argv[1])) {
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
