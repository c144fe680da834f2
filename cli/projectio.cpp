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

// Text printed before must come out first.
bool writeStandardOutput(const ProjectSave::Writer &writer)
{
    Cli::out().flush();
    QIODevice *device = Cli::out().device();
    const bool written = writer(device);
    Cli::out().flush();
    return written || reportWriteError(QStringLiteral("standard output"), device->errorString());
}

bool writeDirectly(const QString &path, const ProjectSave::Writer &writer)
{
    Cli::out().flush();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !writer(&file) || !file.flush())
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
    return writeFile(path, force,
                     [&](QIODevice *file) { return file->write(bytes) == bytes.size(); });
}

bool Cli::writeFile(const QString &path, bool force, const ProjectSave::Writer &writer)
{
    if (isStandardStream(path))
        return writeStandardOutput(writer);
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return writeDirectly(path, writer);
    if (!force && info.exists()) {
        err() << path << ": exists; give --force to replace it\n";
        return false;
    }
    QString errorText;
    return ProjectSave::write(path, writer, errorText) || reportWriteError(path, errorText);
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
