#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>
#include <functional>
#include <memory>

// Writes a project file so that an existing file is only ever replaced by a
// complete new one.
namespace ProjectSave
{

// Makes the save file for a path. Tests install one that fails part-way; an
// empty factory restores the plain QSaveFile.
using FileFactory = std::function<std::unique_ptr<QSaveFile>(const QString &path)>;
void setFileFactory(FileFactory factory);

// False, with the system's reason in errorText, when the file cannot be
// opened, written or committed; the previous file is then left as it was.
bool write(const QString &path, const QByteArray &bytes, QString &errorText);
// The same for content that writer puts into the open file; it returns false
// when its writing failed.
using Writer = std::function<bool(QIODevice *file)>;
bool write(const QString &path, const Writer &writer, QString &errorText);

} // namespace ProjectSave
