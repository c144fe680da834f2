#include "cli/command.h"

#include "cli/output.h"

Command::Command(const QString &name, const QString &description)
    : commandName(name), commandDescription(description)
{
}

Command::~Command() = default;

// The parser names the program by its path and knows nothing of sub-commands.
QString Command::helpText(const QCommandLineParser &parser) const
{
    QString help = parser.helpText();
    const int options = help.indexOf(QStringLiteral("[options]"));
    return help.replace(0, options,
                        QStringLiteral("Usage: zaren800-cfg ") + commandName + QLatin1Char(' '));
}

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
        Cli::out() << helpText(parser);
        return Cli::Success;
    } else if (parser.positionalArguments().size() < minimumArguments())
        error = QStringLiteral("Missing argument.");
    else if (maximumArguments() >= 0 && parser.positionalArguments().size() > maximumArguments())
        error = QStringLiteral("Too many arguments.");
    else if (outputRequired() && parser.value(QStringLiteral("output")).isEmpty())
        error = QStringLiteral("Missing the file to write (-o FILE).");
    if (!error.isEmpty()) {
        Cli::err() << commandName << ": " << error << "\n\n" << helpText(parser);
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
