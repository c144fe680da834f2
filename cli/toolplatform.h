#pragma once

// What the tool does its own way on each platform.
namespace Cli
{

// Standard input and output carry the bytes as they are, with no line-end
// translation (which Windows makes by default, and which would change the
// enciphered bytes of "-"), and a console shows the UTF-8 the tool writes.
void prepareStandardStreams();

// The Qt platform that draws the PDF pages without a window: one that needs
// no display and finds the system's fonts.
const char *pagePlatform();

} // namespace Cli
