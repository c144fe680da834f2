#include "cli/output.h"

#include <cstdio>

namespace
{

QTextStream &stream(FILE *file)
{
    static QTextStream standardOut(stdout);
    static QTextStream standardErr(stderr);
    return file == stdout ? standardOut : standardErr;
}

QTextStream *outStream = nullptr;
QTextStream *errStream = nullptr;

} // namespace

QTextStream &Cli::out()
{
    return outStream ? *outStream : stream(stdout);
}

QTextStream &Cli::err()
{
    return errStream ? *errStream : stream(stderr);
}

void Cli::redirectOutput(QIODevice *outDevice, QIODevice *errDevice)
{
    static QTextStream redirectedOut;
    static QTextStream redirectedErr;
    stream(stdout).flush();
    stream(stderr).flush();
    redirectedOut.setDevice(outDevice);
    redirectedErr.setDevice(errDevice);
    outStream = outDevice ? &redirectedOut : nullptr;
    errStream = errDevice ? &redirectedErr : nullptr;
}

QString Cli::oneLine(QString text)
{
    return text.replace(QLatin1Char('\n'), QStringLiteral("\\n"))
        .replace(QLatin1Char('\r'), QStringLiteral("\\r"));
}
