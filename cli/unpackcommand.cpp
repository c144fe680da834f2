#include "cli/commands.h"
#include "cli/output.h"
#include "cli/projectio.h"

#include <QJsonDocument>

UnpackCommand::UnpackCommand()
    : Command(QStringLiteral("unpack"),
              QStringLiteral("Writes a project file's document as indented JSON."))
{
}

void UnpackCommand::declare(QCommandLineParser &parser) const
{
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The .rccfg file."));
    addOutputOption(parser, QStringLiteral("The JSON file to write."));
    addForceOption(parser);
}

// A document the window would refuse (an older version, say) is written all
// the same, so that it can be mended and packed again; a warning says so.
int UnpackCommand::run(const QCommandLineParser &parser)
{
    const QString output = parser.value(QStringLiteral("output"));
    const QString path = parser.positionalArguments().first();
    ProjectFileContent content;
    if (!Cli::readProject(path, content))
        return Cli::Failure;
    if (content.check != ProjectCheck::Accepted)
        Cli::reportRefusal(path, content);
    const QByteArray json = QJsonDocument(content.document).toJson();
    return Cli::writeFile(output, json, parser.isSet(QStringLiteral("force"))) ? Cli::Success
                                                                               : Cli::Failure;
}
