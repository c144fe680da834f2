#include "cli/output.h"

#include <cstdio>

namespace
{

// UTF-8 whatever the system's locale, so that the same project gives the same
// bytes everywhere (Qt 6 writes UTF-8 by default).
struct Utf8Stream : QTextStream {
    Utf8Stream() { useUtf8(); }
    explicit Utf8Stream(FILE *file) : QTextStream(file) { useUtf8(); }
    void useUtf8()
    {
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        setCodec("UTF-8");
#endif
    }
};

QTextStream &stream(FILE *file)
{
    static Utf8Stream standardOut(stdout);
    static Utf8Stream standardErr(stderr);
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
    static Utf8Stream redirectedOut;
    static Utf8Stream redirectedErr;
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
