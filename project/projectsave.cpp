#include "project/projectsave.h"

#include "project/diskflush.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

namespace
{

// Unbuffered, every write reaches the file system at once: a buffer left for
// QSaveFile::commit() could fail there unreported (QTBUG-75077). A short write
// is continued, so that the error that stopped it is the system's.
bool writeAll(QFileDevice &file, const QByteArray &bytes, QString &errorText)
{
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 part = file.write(bytes.constData() + written, bytes.size() - written);
        if (part <= 0) {
            errorText = file.errorString();
            return false;
        }
        written += part;
    }
    return true;
}

bool readsBackAs(const QString &path, const QByteArray &bytes, QString &errorText)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errorText = file.errorString();
        return false;
    }
    const QByteArray onDisk = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        errorText = file.errorString();
        return false;
    }
    if (onDisk != bytes) {
        errorText = QStringLiteral("the file read back differs from what was written");
        return false;
    }
    return true;
}

// Over the file's own bytes, shortened only at the end, so that putting the
// old bytes back needs no room the file did not already have.
bool overwrite(QFile &file, const QByteArray &bytes, QString &errorText)
{
    file.unsetError();
    if (!file.seek(0) || !writeAll(file, bytes, errorText))
        return false;
    if (!file.resize(bytes.size())) {
        errorText = file.errorString();
        return false;
    }
    return flushToDisk(file, errorText);
}

// The old bytes stay in memory until the new ones read back; a failure puts
// them back, and says so when even that fails.
bool writeInPlace(QFile &file, const QByteArray &bytes, QString &errorText)
{
    const QByteArray old = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        errorText = file.errorString();
        return false;
    }
    if (overwrite(file, bytes, errorText) && readsBackAs(file.fileName(), bytes, errorText))
        return true;
    QString restoreError;
    if (!overwrite(file, old, restoreError) || !readsBackAs(file.fileName(), old, restoreError))
        errorText = QStringLiteral("%1; its old content could not be put back: %2")
                        .arg(errorText, restoreError);
    return false;
}

} // namespace

bool ProjectSave::write(const QString &path, const QByteArray &bytes, QString &errorText,
                        QString *inPlaceBecause)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        errorText = file.errorString();
        QFile existing(path);
        if (!existing.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered))
            return false;
        if (inPlaceBecause)
            *inPlaceBecause = errorText;
        return writeInPlace(existing, bytes, errorText);
    }
    // Commit flushes too, but ignores its errors.
    if (!writeAll(file, bytes, errorText) || !flushToDisk(file, errorText)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        errorText = file.errorString();
        return false;
    }
    return readsBackAs(path, bytes, errorText);
}

QString ProjectSave::inPlaceNote(const QString &inPlaceBecause)
{
    return QCoreApplication::translate(
               "ProjectSave", "written in place: no new file can be made in its folder (%1)")
        .arg(inPlaceBecause);
}

bool ProjectSave::write(const QString &path, const Writer &writer, QString &errorText)
{
    QByteArray bytes;
    if (!render(writer, bytes)) {
        errorText = QStringLiteral("its content could not be made");
        return false;
    }
    return write(path, bytes, errorText);
}

bool ProjectSave::render(const Writer &writer, QByteArray &bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return writer(&buffer);
}
