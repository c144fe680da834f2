#include "cli/commands.h"
#include "cli/output.h"
#include "cli/projectio.h"
#include "model/version.h"
#include "project/envelope.h"
#include "project/projectanalysis.h"

#include <QJsonDocument>
#include <QJsonParseError>

PackCommand::PackCommand()
    : Command(QStringLiteral("pack"),
              QStringLiteral("Checks a JSON document as check does and writes it as a project "
                             "file."))
{
}

void PackCommand::declare(QCommandLineParser &parser) const
{
    parser.addPositionalArgument(QStringLiteral("JSON"), QStringLiteral("The JSON document."));
    addOutputOption(parser, QStringLiteral("The .rccfg file to write."));
    addForceOption(parser);
}

// Only a document with no findings goes to a controller; it is written in
// the exact text form that export writes.
int PackCommand::run(const QCommandLineParser &parser)
{
    const QString output = parser.value(QStringLiteral("output"));
    const QString path = parser.positionalArguments().first();
    QByteArray bytes;
    if (!Cli::readWholeFile(path, bytes))
        return Cli::Failure;
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
    ProjectFileContent content;
    if (error.error == QJsonParseError::NoError && json.isObject())
        content = checkProjectDocument(json.object(), programVersion());
    if (content.check != ProjectCheck::Accepted) {
        Cli::reportRefusal(path, content);
        return Cli::Failure;
    }
    const QVector<Finding> findings = analyzeProject(content.document, content.platformType);
    for (const Finding &finding : findings)
        Cli::out() << path << ": " << finding.toString() << '\n';
    if (!findings.isEmpty()) {
        Cli::err() << "pack: " << output << " not written\n";
        return Cli::Findings;
    }
    QByteArray text = projectText(content.document);
    encryptProjectData(text);
    return Cli::writeFile(output, text, parser.isSet(QStringLiteral("force"))) ? Cli::Success
                                                                               : Cli::Failure;
}
