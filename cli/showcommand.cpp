#include "cli/commands.h"
#include "cli/output.h"
#include "cli/projectio.h"

#include <QJsonDocument>

ShowCommand::ShowCommand()
    : Command(QStringLiteral("show"), QStringLiteral("Prints a project file deciphered."))
{
}

void ShowCommand::declare(QCommandLineParser &parser) const
{
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The .rccfg file."));
    parser.addOption({QStringLiteral("raw"),
                      QStringLiteral("Prints the one-line text as stored, without padding.")});
}

// A document the window would refuse is still shown; the status says so.
int ShowCommand::run(const QCommandLineParser &parser)
{
    const QString path = parser.positionalArguments().first();
    ProjectFileContent content;
    if (!Cli::readProject(path, content))
        return Cli::Failure;
    if (parser.isSet(QStringLiteral("raw"))) {
        QByteArray text = content.text;
        while (text.endsWith(' '))
            text.chop(1);
        Cli::out() << QString::fromUtf8(text) << '\n';
    } else {
        Cli::out() << QString::fromUtf8(QJsonDocument(content.document).toJson());
    }
    if (content.check == ProjectCheck::Accepted)
        return Cli::Success;
    Cli::reportRefusal(path, content);
    return Cli::Failure;
}
