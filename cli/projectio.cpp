#include "cli/projectio.h"

#include "cli/output.h"
#include "model/stores.h"
#include "model/version.h"

#include <QFile>
#include <QFileInfo>

namespace
{

bool isStandardStream(const QString &path)
{
    return path == QLatin1String("-");
}

bool openInput(const QString &path, QFile &file)
{
    if (isStandardStream(path))
        return file.open(0, QIODevice::ReadOnly);
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly);
}

bool reportWriteError(const QString &where, const QString &errorText)
{
    Cli::err() << where << ": " << errorText << '\n';
    return false;
}

// Text printed before must come out first, and all must have come out.
bool writeStandardOutput(const QByteArray &bytes)
{
    Cli::out().flush();
    QIODevice *device = Cli::out().device();
    auto *file = qobject_cast<QFileDevice *>(device);
    if (device->write(bytes) == bytes.size() && (!file || file->flush()))
        return true;
    return reportWriteError(QStringLiteral("standard output"), device->errorString());
}

// A device or a pipe (/dev/stdout): there is nothing to replace or read back.
bool writeDirectly(const QString &path, const QByteArray &bytes)
{
    Cli::out().flush();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        return reportWriteError(path, file.errorString());
    return true;
}

} // namespace

QString Cli::shownPath(const QString &path)
{
    return isStandardStream(path) ? QStringLiteral("standard input") : path;
}

void Cli::reportRefusal(const QString &path, const ProjectFileContent &content)
{
    err() << shownPath(path) << ": " << content.reason << '\n';
}

bool Cli::readProject(const QString &path, ProjectFileContent &content)
{
    QFile file;
    if (openInput(path, file)) {
        content = readProjectFile(file, programVersion());
    } else {
        content = ProjectFileContent();
        content.check = ProjectCheck::CannotOpen;
        content.reason = file.errorString();
    }
    if (content.check == ProjectCheck::Accepted)
        return true;
    reportRefusal(path, content);
    return false;
}

bool Cli::importProject(const QString &path, ProjectFileContent &content)
{
    if (!readProject(path, content))
        return false;
    startBlankProject();
    rebuildProject(content.document);
    return true;
}

bool Cli::readWholeFile(const QString &path, QByteArray &bytes)
{
    QFile file;
    if (!openInput(path, file)) {
        err() << shownPath(path) << ": " << file.errorString() << '\n';
        return false;
    }
    bytes = file.read(maxProjectFileSize + 1);
    if (bytes.size() > maxProjectFileSize) {
        err() << shownPath(path) << ": larger than a project can be\n";
        return false;
    }
    return true;
}

bool Cli::writeFile(const QString &path, const QByteArray &bytes, bool force)
{
    if (isStandardStream(path))
        return writeStandardOutput(bytes);
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return writeDirectly(path, bytes);
    if (!force && info.exists()) {
        err() << path << ": exists; give --force to replace it\n";
        return false;
    }
    QString errorText, inPlaceBecause;
    if (!ProjectSave::write(path, bytes, errorText, &inPlaceBecause))
        return reportWriteError(path, errorText);
    if (!inPlaceBecause.isEmpty())
        err() << path << ": " << ProjectSave::inPlaceNote(inPlaceBecause) << '\n';
    return true;
}

bool Cli::writeFile(const QString &path, bool force, const ProjectSave::Writer &writer)
{
    QByteArray bytes;
    if (!ProjectSave::render(writer, bytes))
        return reportWriteError(path, QStringLiteral("its content could not be made"));
    return writeFile(path, bytes, force);
}

bool Cli::writeTextOrPdf(const QString &output, bool force, const QString &text,
                         const ProjectSave::Writer &pdf)
{
    if (output.isEmpty()) {
        out() << text;
        return true;
    }
    if (output.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return writeFile(output, force, pdf);
    return writeFile(output, text.toUtf8(), force);
}
