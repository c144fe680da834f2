#include "cli/commands.h"
#include "cli/output.h"
#include "cli/projectio.h"
#include "model/clock.h"
#include "model/version.h"
#include "render/reportpdf.h"
#include "report/configurationreport.h"

ReportCommand::ReportCommand()
    : Command(QStringLiteral("report"),
              QStringLiteral("Writes the configuration report of a project file as text, or as "
                             "the PDF that export writes."))
{
}

void ReportCommand::declare(QCommandLineParser &parser) const
{
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The .rccfg file."));
    addOutputOption(parser, QStringLiteral("The file to write: a PDF when its name ends in "
                                           ".pdf, else text (default: standard output)."));
    addForceOption(parser);
    parser.addOption({QStringLiteral("now"),
                      QStringLiteral("Dates the report now, as export does, instead of with the "
                                     "file's export time.")});
}

// The report of what the window shows after importing the file; dated with
// the file's own export time, the same file gives the same report.
int ReportCommand::run(const QCommandLineParser &parser)
{
    const QString path = parser.positionalArguments().first();
    ProjectFileContent content;
    if (!Cli::importProject(path, content))
        return Cli::Failure;
    const QDateTime time =
        parser.isSet(QStringLiteral("now")) ? Clock::now() : createTime(content.document);
    const QString report = buildConfigurationReport(
        ReportSource::processStores(), platformText(platformFromType(content.platformType)),
        programVersion(), time);
    const bool written = Cli::writeTextOrPdf(
        parser.value(QStringLiteral("output")), parser.isSet(QStringLiteral("force")), report,
        [&report](QIODevice *file) { return writeReportPdf(report, file); });
    return written ? Cli::Success : Cli::Failure;
}
