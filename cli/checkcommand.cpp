#include "cli/commands.h"
#include "cli/output.h"
#include "cli/projectio.h"
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

// A refused file is reported as it is met, on standard error.
FileResult checkFile(const QString &path)
{
    FileResult result{path, Cli::Success, {}, {}};
    ProjectFileContent content;
    if (!Cli::readProject(path, content)) {
        result.status = Cli::Failure;
        result.refusal = content.reason;
        return result;
    }
    result.findings = analyzeProject(content.text, content.document, content.platformType);
    if (!result.findings.isEmpty())
        result.status = Cli::Findings;
    return result;
}

void printText(const FileResult &result)
{
    for (const Finding &finding : result.findings)
        Cli::out() << Cli::shownPath(result.path) << ": " << Cli::oneLine(finding.toString())
                   << '\n';
}

QJsonObject toJson(const FileResult &result)
{
    static const char *const statuses[] = {"clean", "findings", "refused"};
    QJsonArray findings;
    for (const Finding &finding : result.findings) {
        QJsonObject object{{"type", finding.type}, {"name", finding.name}, {"text", finding.text}};
        if (!finding.path.isEmpty())
            object.insert(QStringLiteral("path"), finding.path);
        findings.append(object);
    }
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
