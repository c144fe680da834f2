#include "cli/toolplatform.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace
{

UINT consoleCodePage = 0;

// The console's code page outlives the tool; it is given back at the end.
void restoreConsoleCodePage()
{
    ::SetConsoleOutputCP(consoleCodePage);
}

} // namespace

void Cli::prepareStandardStreams()
{
    for (FILE *stream : {stdin, stdout, stderr})
        ::_setmode(::_fileno(stream), _O_BINARY);
    consoleCodePage = ::GetConsoleOutputCP();
    if (consoleCodePage != 0 && consoleCodePage != CP_UTF8 && ::SetConsoleOutputCP(CP_UTF8))
        std::atexit(restoreConsoleCodePage);
}

// Windows always has its desktop; the offscreen platform would find no fonts.
const char *Cli::pagePlatform()
{
    return "windows";
}
