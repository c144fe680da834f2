#pragma once

#include "project/projectdocument.h"
#include "project/projectsave.h"

#include <QByteArray>
#include <QString>

// File access shared by the sub-commands, with the window's rules. "-" as a
// file stands for standard input, as an output for standard output.
namespace Cli
{

// How messages name a file: "standard input" for "-".
QString shownPath(const QString &path);

// Reads a project file exactly as import does. A file the window would refuse
// (unreadable, no project, no platform type, another version) is reported
// with the core's reason on standard error, and false is returned; content
// still holds what could be read (the document, the deciphered text), for the
// commands that show or write out a file so that it can be mended.
bool readProject(const QString &path, ProjectFileContent &content);

// Reads a project file as readProject does and, when it is accepted, puts its
// functions into the stores as Import Project does, on a blank project.
bool importProject(const QString &path, ProjectFileContent &content);

// Reports why a file is refused, in the words of the window's details.
void reportRefusal(const QString &path, const ProjectFileContent &content);

// Reads a file whole, reporting failure on standard error.
bool readWholeFile(const QString &path, QByteArray &bytes);

// Replaces path by bytes through the one writer, so that a failure leaves any
// old file as it was; an existing file only when force is set. Standard
// output, a device or a pipe (/dev/stdout) is written directly, there being
// nothing to replace, and flushed. Every failure is reported as "path: reason".
bool writeFile(const QString &path, const QByteArray &bytes, bool force);
// The same for content that a writer makes, in memory first.
bool writeFile(const QString &path, bool force, const ProjectSave::Writer &writer);

// Puts a command's result where -o sends it: text on standard output when
// output is empty, the PDF that pdf writes when its name ends in ".pdf", else
// the text.
bool writeTextOrPdf(const QString &output, bool force, const QString &text,
                    const ProjectSave::Writer &pdf);

} // namespace Cli
