#pragma once

#include "project/projectdocument.h"
#include "project/projectsave.h"

#include <QByteArray>
#include <QString>

// File access shared by the sub-commands, with the window's rules.
namespace Cli
{

// Reads a project file exactly as import does. A file that cannot be opened
// or is not a project document is reported with the window's message and
// false is returned; a readable document the window would refuse (platform
// type, version) is returned with its check set.
bool readProject(const QString &path, ProjectFileContent &content);

// Reads a project file and puts it into the emptied stores, as import does.
// A file the window would refuse is reported and false is returned.
bool loadProject(const QString &path, ProjectFileContent &content);

// Reports the window's message for a refused file on standard error.
void reportRefusal(const QString &path, const ProjectFileContent &content);

// Reads a file whole, reporting failure on standard error.
bool readWholeFile(const QString &path, QByteArray &bytes);

// Replaces path by bytes in one step, so that a failure leaves any old file
// as it was. An existing file is only replaced when force is set.
bool writeFile(const QString &path, const QByteArray &bytes, bool force);
// The same for content that a writer puts into the open file.
bool writeFile(const QString &path, bool force, const ProjectSave::Writer &writer);

} // namespace Cli
