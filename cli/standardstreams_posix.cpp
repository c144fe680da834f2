#include "cli/standardstreams.h"

// The streams carry bytes as they are, and terminals take UTF-8.
void Cli::prepareStandardStreams()
{
}
