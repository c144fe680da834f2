#include "project/projectsave.h"

#include "project/diskflush.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>

namespace
{

// Unbuffered, every write reaches the file system at once: a buffer left for
// QSaveFile::commit() could fail there unreported (QTBUG-75077). A short write
// is continued, so that the error that stopped it is the system's.
bool writeAll(QSaveFile &file, const QByteArray &bytes, QString &errorText)
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

} // namespace

bool ProjectSave::write(const QString &path, const QByteArray &bytes, QString &errorText)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        errorText = file.errorString();
        return false;
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
