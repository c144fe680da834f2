#include "cli/command.h"

#include "cli/output.h"

Command::Command(const QString &name, const QString &description)
    : commandName(name), commandDescription(description)
{
}

Command::~Command() = default;

int Command::execute(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(commandDescription);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{"h", "help"}, QStringLiteral("Shows this help."));
    parser.addOption(help);
    declare(parser);

    QString error;
    if (!parser.parse(arguments))
        error = parser.errorText();
    else if (parser.isSet(help)) {
        Cli::out() << parser.helpText().replace(QStringLiteral("[options]"),
                                                commandName + QStringLiteral(" [options]"));
        return Cli::Success;
    } else if (parser.positionalArguments().size() < minimumArguments())
        error = QStringLiteral("Missing argument.");
    else if (maximumArguments() >= 0 && parser.positionalArguments().size() > maximumArguments())
        error = QStringLiteral("Too many arguments.");
    if (!error.isEmpty()) {
        Cli::err() << commandName << ": " << error << "\n\n"
                   << parser.helpText().replace(QStringLiteral("[options]"),
                                                commandName + QStringLiteral(" [options]"));
        return Cli::Failure;
    }
    return run(parser);
}

void Command::addOutputOption(QCommandLineParser &parser, const QString &what)
{
    parser.addOption({QStringList{"o", "output"}, what, QStringLiteral("file")});
}

void Command::addForceOption(QCommandLineParser &parser)
{
    parser.addOption({QStringList{"f", "force"}, QStringLiteral("Replaces an existing file.")});
}

void Command::addJsonOption(QCommandLineParser &parser)
{
    parser.addOption({QStringLiteral("json"), QStringLiteral("Prints the result as JSON.")});
}
