// The project file path for generated projects of 30, 300 and 3,000
// functions: reading a file, writing its text and checking that it reads
// back, the report text and its PDF;
// the terminal map and the Home page's picture drawn from it.
// Each reports its fit to linear growth (the "BigO" and "RMS" rows).

#include "bench/generatedproject.h"
#include "model/stores.h"
#include "model/terminals.h"
#include "project/envelope.h"
#include "project/exportcheck.h"
#include "project/projectdocument.h"
#include "render/devicepicture.h"
#include "render/reportpdf.h"
#include "report/configurationreport.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <utility>

namespace
{

const QString platform = QStringLiteral("MV211");
const QString version = QStringLiteral("v2.0.2");
const QDateTime moment(QDate(2026, 12, 8), QTime(10, 15));

// The generated project in the stores for the life of a benchmark.
class ProjectInStores
{
public:
    explicit ProjectInStores(int functionCount)
    {
        releaseAllRecords();
        GeneratedProject::fill(functionCount);
    }
    ~ProjectInStores() { releaseAllRecords(); }
    ProjectInStores(const ProjectInStores &) = delete;
    ProjectInStores &operator=(const ProjectInStores &) = delete;
};

QByteArray exportedText()
{
    QByteArray bytes = projectText(buildProjectDocument(platform, version, moment));
    encryptProjectData(bytes);
    return bytes;
}

QString reportText()
{
    return buildConfigurationReport(ReportSource::processStores(), platform, version, moment);
}

int importedCount(const ImportedNames &names)
{
    int count = 0;
    for (const QStringList *list : {&names.shutter, &names.logic, &names.lighting, &names.digitalIO,
                                    &names.dndMur, &names.energySaving, &names.airCon,
                                    &names.voltageInput, &names.masterOff, &names.welcome})
        count += list->size();
    return count;
}

void finish(benchmark::State &state)
{
    state.SetComplexityN(state.range(0));
}

// Decipher, parse, check and rebuild into empty stores, as import does with
// the bytes it has read.
void ReadProject(benchmark::State &state)
{
    const int functionCount = int(state.range(0));
    const QByteArray file = [functionCount] {
        const ProjectInStores project(functionCount);
        return exportedText();
    }();
    int imported = 0;
    for (auto _ : state) {
        state.PauseTiming();
        releaseAllRecords();
        QByteArray bytes(file.constData(), file.size());
        state.ResumeTiming();
        const ProjectFileContent content = checkProjectBytes(std::move(bytes), version);
        imported = importedCount(rebuildProject(content.document));
    }
    releaseAllRecords();
    if (imported != functionCount)
        state.SkipWithError("import skipped functions of the generated project");
    state.SetBytesProcessed(state.iterations() * file.size());
    finish(state);
}

// The document from the stores, its one-line text, padded and enciphered.
void ExportText(benchmark::State &state)
{
    const ProjectInStores project(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(exportedText());
    finish(state);
}

// What export adds before it writes: its bytes read back into the stores
// and compared with the project, the open project put back.
void ExportCheck(benchmark::State &state)
{
    const ProjectInStores project(int(state.range(0)));
    const QJsonObject document = buildProjectDocument(platform, version, moment);
    for (auto _ : state) {
        if (!checkExport(document).changes.isEmpty())
            state.SkipWithError("the generated project would not read back");
    }
    finish(state);
}

void ReportText(benchmark::State &state)
{
    const ProjectInStores project(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(reportText());
    finish(state);
}

// The report PDF as export writes it: report text, layout, file.
void ReportPdf(benchmark::State &state)
{
    const ProjectInStores project(int(state.range(0)));
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("bench.table.pdf"));
    QString errorText;
    for (auto _ : state)
        benchmark::DoNotOptimize(writeReportPdf(reportText(), path, errorText));
    finish(state);
}

void TerminalView(benchmark::State &state)
{
    const ProjectInStores project(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(terminalView(Platform::MV211));
    finish(state);
}

// What entering Home adds: the terminal map and the picture drawn from it.
void HomePicture(benchmark::State &state)
{
    const ProjectInStores project(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(DevicePicture::image(terminalView(Platform::MV211), 1));
    finish(state);
}

void projectSizes(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Arg(30)
        ->Arg(300)
        ->Arg(3000)
        ->Complexity(benchmark::oN)
        ->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(ReadProject)->Apply(projectSizes);
BENCHMARK(ExportText)->Apply(projectSizes);
BENCHMARK(ExportCheck)->Apply(projectSizes);
BENCHMARK(ReportText)->Apply(projectSizes);
BENCHMARK(ReportPdf)->Apply(projectSizes);
BENCHMARK(TerminalView)->Apply(projectSizes);
BENCHMARK(HomePicture)->Apply(projectSizes);
