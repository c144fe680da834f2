#include "cli/toolplatform.h"

// The streams carry bytes as they are, and terminals take UTF-8.
void Cli::prepareStandardStreams()
{
}

// Needs no display server; fontconfig finds the fonts.
const char *Cli::pagePlatform()
{
    return "offscreen";
}
