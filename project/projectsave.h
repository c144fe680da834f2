#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

// The one writer of every file the program and its companion write: a write
// is done only when the file on disk holds exactly the bytes meant.
namespace ProjectSave
{

// Replaces the file at path by bytes in one step: written, flushed and synced
// to the disk, committed, then read back and compared. False, with the
// system's reason in errorText ("No space left on device"), when any of that
// fails; a failure before the commit leaves an existing file as it was.
// An existing file beside which no new file can be made (a shared folder that
// takes no new files) is written in place instead, its old bytes put back
// when the new ones do not read back; inPlaceBecause, when given, then tells
// why no new file could be made ("Permission denied"), and is left alone
// otherwise.
bool write(const QString &path, const QByteArray &bytes, QString &errorText,
           QString *inPlaceBecause = nullptr);
// What the window and the companion say of a file written in place:
// "written in place: no new file can be made in its folder (Permission denied)".
QString inPlaceNote(const QString &inPlaceBecause);

// Content that a writer puts into a device (a PDF writer, say); false when
// the writer failed.
using Writer = std::function<bool(QIODevice *device)>;
// The same for what writer makes. It writes into memory first, so that no
// error of the file can be lost inside the writer (a PDF painter reports none).
bool write(const QString &path, const Writer &writer, QString &errorText);
// What writer makes, in memory; false when it failed.
bool render(const Writer &writer, QByteArray &bytes);

} // namespace ProjectSave
