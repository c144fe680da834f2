#include "entry.h"

#include "app/endsignals.h"
#include "mainwindow.h"
#include "model/version.h"
#include "restartloop.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <utility>

namespace
{

const char *const programName = "zaren800-configurator";
// As for the companion tool: the command line cannot be followed.
const int usageError = 2;

// Options that the toolkit's GUI application reads for itself (-platform offscreen,
// -style fusion ...): accepted here and left in the arguments for it.
const struct {
    const char *name;
    bool takesValue;
} toolkitOptions[] = {{"platform", true},    {"platformtheme", true},   {"plugin", true},
                      {"display", true},     {"qwindowgeometry", true}, {"qwindowtitle", true},
                      {"qwindowicon", true}, {"style", true},           {"stylesheet", true},
                      {"session", true},     {"reverse", false}};

// A window, importing projectFile when there is one; or, with an exit code, nothing more.
struct StartRequest {
    int exitCode = -1;
    QString projectFile;
};

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

StartRequest readCommandLine(int &argc, char **argv)
{
    // The parser's help text needs an application object; a core one needs no display.
    const QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Sets up the functions of a ZAREN800 hotel-room controller and writes them as "
                "an encrypted project file (.rccfg)."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("main", "Shows this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QCoreApplication::translate("main", "Shows the version."));
    parser.addOptions({help, version});
    for (const auto &toolkit : toolkitOptions) {
        QCommandLineOption option(QString::fromLatin1(toolkit.name));
        if (toolkit.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QCoreApplication::translate("main", "Project file to import, as Import Project does."),
        QStringLiteral("[FILE]"));

    if (!parser.parse(QCoreApplication::arguments()) || parser.positionalArguments().size() > 1) {
        const QString error = parser.errorText().isEmpty()
                                  ? QCoreApplication::translate("main", "Only one FILE at a time.")
                                  : parser.errorText();
        print(stderr, QStringLiteral("%1: %2\n\n%3").arg(programName, error, parser.helpText()));
        return {usageError, {}};
    }
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return {EXIT_SUCCESS, {}};
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("%1 %2\n").arg(programName, programVersion()));
        return {EXIT_SUCCESS, {}};
    }
    const QString file = parser.positionalArguments().value(0);
    // Absolute, as the file dialog of Import Project gives it.
    return {-1, file.isEmpty() ? file : QFileInfo(file).absoluteFilePath()};
}

} // namespace

int runConfigurator(int &argc, char **argv, const std::function<void(MainWindow &)> &onWindowShown)
{
    EndSignals::install();
    const StartRequest request = readCommandLine(argc, argv);
    if (request.exitCode >= 0)
        return request.exitCode;
    bool programStart = true;
    return runRestartLoop(argc, argv, [&](MainWindow &window) {
        // A restart is no new start: it asks nothing and starts from an empty project.
        if (std::exchange(programStart, false)) {
            MainWindow *target = &window;
            QTimer::singleShot(0, target, [target, path = request.projectFile] {
                target->offerRecovery();
                if (!path.isEmpty())
                    target->openProjectFile(path);
            });
        }
        if (onWindowShown)
            onWindowShown(window);
    });
}
