#pragma once

namespace Cli
{

// Standard input and output carry the bytes as they are, with no line-end
// translation (which Windows makes by default, and which would change the
// enciphered bytes of "-"), and a console shows the UTF-8 the tool writes.
void prepareStandardStreams();

} // namespace Cli
