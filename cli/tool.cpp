#include "cli/commands.h"
#include "cli/output.h"
#include "model/version.h"

#include <QIODevice>

std::vector<std::unique_ptr<Command>> allCommands()
{
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(std::make_unique<ShowCommand>());
    commands.push_back(std::make_unique<CheckCommand>());
    commands.push_back(std::make_unique<DiffCommand>());
    commands.push_back(std::make_unique<ReportCommand>());
    commands.push_back(std::make_unique<PackCommand>());
    commands.push_back(std::make_unique<UnpackCommand>());
    commands.push_back(std::make_unique<WiringCommand>());
    return commands;
}

namespace
{

void printUsage(QTextStream &stream)
{
    stream << "Usage: zaren800-cfg COMMAND [options] ARGUMENTS\n\n"
              "Looks into, checks and writes ZAREN800 project files (.rccfg).\n\n"
              "Commands:\n";
    for (const auto &command : allCommands())
        stream << "  " << command->name().leftJustified(8) << command->description() << '\n';
    stream << "\nzaren800-cfg COMMAND --help shows a command's arguments and options.\n"
              "  --help     Shows this help.\n"
              "  --version  Shows the program version.\n";
}

int runCommand(const QStringList &arguments)
{
    const QString first = arguments.value(1);
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        printUsage(Cli::out());
        return Cli::Success;
    }
    if (first == QLatin1String("--version")) {
        Cli::out() << "zaren800-cfg " << programVersion() << '\n';
        return Cli::Success;
    }
    for (const auto &command : allCommands()) {
        if (command->name() == first)
            return command->execute(arguments.mid(1));
    }
    if (first.isEmpty())
        Cli::err() << "zaren800-cfg: no command given\n\n";
    else
        Cli::err() << "zaren800-cfg: unknown command \"" << first << "\"\n\n";
    printUsage(Cli::err());
    return Cli::Failure;
}

} // namespace

// What was printed must have come out: a full disk or a closed pipe behind
// standard output is a failure, not a success.
int runTool(const QStringList &arguments)
{
    int status = runCommand(arguments);
    QTextStream &out = Cli::out();
    out.flush();
    if (out.status() != QTextStream::Ok) {
        Cli::err() << "standard output: " << out.device()->errorString() << '\n';
        out.resetStatus();
        status = Cli::Failure;
    }
    Cli::err().flush();
    return status;
}
