#include "cli/projectio.h"

#include "cli/output.h"
#include "model/stores.h"
#include "model/version.h"
#include "project/projectsave.h"

#include <QFile>
#include <QFileInfo>

void Cli::reportRefusal(const QString &path, const ProjectFileContent &content)
{
    const ProjectMessage message = rejectionMessage(content);
    err() << path << ": " << message.text;
    if (!message.informativeText.isEmpty())
        err() << ' ' << message.informativeText;
    err() << '\n';
}

bool Cli::readProject(const QString &path, ProjectFileContent &content)
{
    content = readProjectFile(path, programVersion());
    if (content.check == ProjectCheck::CannotOpen || content.check == ProjectCheck::NotValid) {
        reportRefusal(path, content);
        return false;
    }
    return true;
}

bool Cli::loadProject(const QString &path, ProjectFileContent &content)
{
    if (!readProject(path, content))
        return false;
    if (content.check != ProjectCheck::Accepted) {
        reportRefusal(path, content);
        return false;
    }
    startBlankProject();
    rebuildProject(content.document);
    return true;
}

bool Cli::readWholeFile(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err() << path << ": " << file.errorString() << '\n';
        return false;
    }
    bytes = file.read(maxProjectFileSize + 1);
    if (bytes.size() > maxProjectFileSize) {
        err() << path << ": larger than a project can be\n";
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
    if (!force && QFileInfo::exists(path)) {
        err() << path << ": exists; give --force to replace it\n";
        return false;
    }
    QString errorText;
    if (!ProjectSave::write(path, writer, errorText)) {
        err() << path << ": " << errorText << '\n';
        return false;
    }
    return true;
}
