#include "cli/commands.h"
#include "cli/toolplatform.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <memory>

namespace
{

QtMessageHandler qtMessageHandler = nullptr;

// The offscreen platform looks up the runtime directory, which the tool never
// uses; Qt's warnings about it (XDG_RUNTIME_DIR unset, under root say) would
// only alarm. Every other message goes on to Qt's handler.
void dropRuntimeDirectoryWarnings(QtMsgType type, const QMessageLogContext &context,
                                  const QString &message)
{
    const bool aboutRuntimeDirectory =
        type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: ")) &&
        message.contains(QLatin1String("runtime"), Qt::CaseInsensitive);
    if (!aboutRuntimeDirectory)
        qtMessageHandler(type, context, message);
}

// Only the commands that draw PDFs need fonts and a paint engine; those come
// with a GUI application on a platform that needs no display.
bool drawsPages(const char *command)
{
    return qstrcmp(command, "report") == 0 || qstrcmp(command, "wiring") == 0;
}

std::unique_ptr<QCoreApplication> makeApplication(int &argc, char *argv[])
{
    if (argc > 1 && drawsPages(argv[1])) {
        qputenv("QT_QPA_PLATFORM", Cli::pagePlatform());
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char *argv[])
{
    Cli::prepareStandardStreams();
    qtMessageHandler = qInstallMessageHandler(dropRuntimeDirectoryWarnings);
    const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zaren800-cfg"));
    // The enciphered bytes that export logs for the window are noise here.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    return runTool(QCoreApplication::arguments());
}
