#include "project/projectsave.h"

namespace
{

ProjectSave::FileFactory &installedFactory()
{
    static ProjectSave::FileFactory factory;
    return factory;
}

std::unique_ptr<QSaveFile> makeSaveFile(const QString &path)
{
    if (installedFactory())
        return installedFactory()(path);
    return std::make_unique<QSaveFile>(path);
}

} // namespace

void ProjectSave::setFileFactory(FileFactory factory)
{
    installedFactory() = std::move(factory);
}

bool ProjectSave::write(const QString &path, const QByteArray &bytes, QString &errorText)
{
    return write(
        path, [&](QIODevice *file) { return file->write(bytes) == bytes.size(); }, errorText);
}

bool ProjectSave::write(const QString &path, const Writer &writer, QString &errorText)
{
    std::unique_ptr<QSaveFile> file = makeSaveFile(path);
    if (!file->open(QIODevice::WriteOnly)) {
        errorText = file->errorString();
        return false;
    }
    if (!writer(file.get())) {
        errorText = file->errorString();
        file->cancelWriting();
        return false;
    }
    if (!file->commit()) {
        errorText = file->errorString();
        return false;
    }
    return true;
}
