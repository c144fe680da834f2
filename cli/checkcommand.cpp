#include "cli/commands.h"
#include "cli/output.h"
#include "cli/projectio.h"
#include "model/version.h"
#include "project/projectanalysis.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace
{

struct FileResult {
    QString path;
    Cli::Status status = Cli::Success;
    QString refusal;
    QVector<Finding> findings;
};

FileResult checkFile(const QString &path)
{
    FileResult result{path, Cli::Success, {}, {}};
    const ProjectFileContent content = readProjectFile(path, programVersion());
    if (content.check != ProjectCheck::Accepted) {
        const ProjectMessage message = rejectionMessage(content);
        result.status = Cli::Failure;
        result.refusal = message.informativeText.isEmpty()
                             ? message.text
                             : message.text + QLatin1Char(' ') + message.informativeText;
        return result;
    }
    result.findings = analyzeProject(content.document, content.platformType);
    if (!result.findings.isEmpty())
        result.status = Cli::Findings;
    return result;
}

void printText(const FileResult &result)
{
    if (result.status == Cli::Failure)
        Cli::err() << result.path << ": " << result.refusal << '\n';
    for (const Finding &finding : result.findings)
        Cli::out() << result.path << ": " << finding.toString() << '\n';
}

QJsonObject toJson(const FileResult &result)
{
    static const char *const statuses[] = {"clean", "findings", "refused"};
    QJsonArray findings;
    for (const Finding &finding : result.findings)
        findings.append(
            QJsonObject{{"type", finding.type}, {"name", finding.name}, {"text", finding.text}});
    QJsonObject file{{"file", result.path},
                     {"status", QLatin1String(statuses[result.status])},
                     {"findings", findings}};
    if (result.status == Cli::Failure)
        file.insert(QStringLiteral("message"), result.refusal);
    return file;
}

} // namespace

CheckCommand::CheckCommand()
    : Command(QStringLiteral("check"),
              QStringLiteral("Checks project files with the window's rules and more."))
{
}

void CheckCommand::declare(QCommandLineParser &parser) const
{
    parser.addPositionalArgument(QStringLiteral("FILE..."),
                                 QStringLiteral("The .rccfg files to check."));
    addJsonOption(parser);
}

// The worst file decides the status: a refused file over findings over clean.
int CheckCommand::run(const QCommandLineParser &parser)
{
    const bool json = parser.isSet(QStringLiteral("json"));
    int status = Cli::Success;
    QJsonArray files;
    for (const QString &path : parser.positionalArguments()) {
        const FileResult result = checkFile(path);
        status = qMax(status, int(result.status));
        if (json)
            files.append(toJson(result));
        else
            printText(result);
    }
    if (json)
        Cli::out() << QString::fromUtf8(QJsonDocument(QJsonObject{{"files", files}}).toJson());
    return status;
}
