// The benchmarks of the cipher and the project file path (Google Benchmark).
// Takes Google Benchmark's options, e.g. --benchmark_filter=Read.

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace
{

// Export logs every enciphered file to the debug stream; a terminal full of
// it would only slow the run down.
void dropDebugOutput(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

void noteOpenSslCodePath()
{
    const QByteArray capabilities = qgetenv("OPENSSL_ia32cap");
    benchmark::AddCustomContext("OPENSSL_ia32cap", capabilities.isEmpty()
                                                       ? "unset (OpenSSL may use AES instructions)"
                                                       : capabilities.toStdString());
}

} // namespace

int main(int argc, char **argv)
{
    // The PDF needs fonts and a paint engine, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    qInstallMessageHandler(dropDebugOutput);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    noteOpenSslCodePath();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
