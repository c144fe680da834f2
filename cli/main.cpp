#include "cli/commands.h"

#include <QCoreApplication>
#include <QLoggingCategory>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zaren800-cfg"));
    // The enciphered bytes that export logs for the window are noise here.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    return runTool(QCoreApplication::arguments());
}
