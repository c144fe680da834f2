#include "cli/commands.h"
#include "cli/output.h"
#include "cli/projectio.h"
#include "model/clock.h"
#include "model/stores.h"
#include "model/version.h"
#include "report/configurationreport.h"

ReportCommand::ReportCommand()
    : Command(QStringLiteral("report"),
              QStringLiteral("Writes the configuration report of a project file as text."))
{
}

void ReportCommand::declare(QCommandLineParser &parser) const
{
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The .rccfg file."));
    addOutputOption(parser, QStringLiteral("The text file to write (default: standard output)."));
    addForceOption(parser);
}

// The report of what the window shows after importing the file.
int ReportCommand::run(const QCommandLineParser &parser)
{
    const QString path = parser.positionalArguments().first();
    ProjectFileContent content;
    if (!Cli::readProject(path, content))
        return Cli::Failure;
    if (content.check != ProjectCheck::Accepted) {
        Cli::reportRefusal(path, content);
        return Cli::Failure;
    }
    startBlankProject();
    rebuildProject(content.document);
    const QString report = buildConfigurationReport(
        ReportSource::processStores(), platformText(platformFromType(content.platformType)),
        programVersion(), Clock::now());
    const QString output = parser.value(QStringLiteral("output"));
    if (output.isEmpty()) {
        Cli::out() << report;
        return Cli::Success;
    }
    return Cli::writeFile(output, report.toUtf8(), parser.isSet(QStringLiteral("force")))
               ? Cli::Success
               : Cli::Failure;
}
