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
    addOutputOption(parser, QStringLiteral("The JSON file to write (default: standard output)."));
    addForceOption(parser);
}

// A document the window would refuse (an older version, say) is written all
// the same, so that it can be mended and packed again; the status still says
// that it was refused.
int UnpackCommand::run(const QCommandLineParser &parser)
{
    ProjectFileContent content;
    const bool accepted = Cli::readProject(parser.positionalArguments().first(), content);
    if (!content.hasDocument())
        return Cli::Failure;
    const QString output = parser.value(QStringLiteral("output"));
    const QByteArray json = QJsonDocument(content.document).toJson();
    const bool written = Cli::writeFile(output.isEmpty() ? QStringLiteral("-") : output, json,
                                        parser.isSet(QStringLiteral("force")));
    return written && accepted ? Cli::Success : Cli::Failure;
}
