#include "project/recovery.h"

#include "model/stores.h"
#include "model/version.h"
#include "project/projectdocument.h"
#include "project/projectsave.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace
{

const char *const lockSuffix = ".lock";
const char *const copySuffix = ".rccfg";
const char *const noteSuffix = ".json";

int placeNumber(const QString &copyFileName)
{
    bool ok = false;
    const int place = QFileInfo(copyFileName).completeBaseName().toInt(&ok);
    return ok && place > 0 ? place : 0;
}

// The functions a document holds, counted as the lists will show them.
int functionCount(const QJsonObject &document)
{
    int count = 0;
    for (int type = 0; type < functionTypeCount; ++type)
        count += document.value(typeLabel(FunctionType(type))).toArray().size();
    return count;
}

QString countedFunctions(int count)
{
    return count == 1 ? QCoreApplication::translate("RecoveryCopy", "1 function")
                      : QCoreApplication::translate("RecoveryCopy", "%1 functions").arg(count);
}

// The system's reason why no folder can be made where folder would go, found
// by making one beside the part of its path that exists: QDir tells none.
QString whyNoFolderIn(const QString &folder)
{
    QString existing = folder;
    while (!QFileInfo::exists(existing) && !QFileInfo(existing).isRoot())
        existing = QFileInfo(existing).path();
    const QTemporaryDir probe(existing + QStringLiteral("/recovery-XXXXXX"));
    return probe.isValid() ? QCoreApplication::translate("RecoveryCopy", "it cannot be written")
                           : probe.errorString();
}

} // namespace

QString RecoveryCopy::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery");
}

RecoveryCopy::RecoveryCopy(const QString &folder, int place)
    : folder(folder), place(place), lock(placePath(lockSuffix))
{
    // A lock is stale only when its program is gone, however long it has run.
    lock.setStaleLockTime(0);
}

QString RecoveryCopy::placePath(const char *suffix) const
{
    return QStringLiteral("%1/%2%3").arg(folder).arg(place).arg(QLatin1String(suffix));
}

bool RecoveryCopy::tryLock()
{
    return lock.tryLock(0);
}

std::unique_ptr<RecoveryCopy> RecoveryCopy::takeFreePlace(const QString &folder, QString *errorText)
{
    const auto noPlace = [errorText](const QString &why) {
        if (errorText)
            *errorText = why;
        return nullptr;
    };
    if (!QDir().mkpath(folder))
        return noPlace(whyNoFolderIn(folder));
    // Places of running programs are locked; a copy left by one that ended
    // waits for the question at the next start and is never written over.
    // A program beyond a thousand at once goes without.
    for (int place = 1; place <= 1000; ++place) {
        std::unique_ptr<RecoveryCopy> copy(new RecoveryCopy(folder, place));
        if (copy->tryLock() && !copy->exists())
            return copy;
        if (copy->lock.error() == QLockFile::PermissionError)
            return noPlace(whyNoFolderIn(folder));
    }
    return noPlace(QCoreApplication::translate("RecoveryCopy", "every place in it is taken"));
}

std::unique_ptr<RecoveryCopy> RecoveryCopy::takeLeftOver(const QString &folder)
{
    std::unique_ptr<RecoveryCopy> newest;
    const QStringList copies = QDir(folder).entryList(
        {QStringLiteral("*") + QLatin1String(copySuffix)}, QDir::Files, QDir::Name);
    for (const QString &name : copies) {
        const int place = placeNumber(name);
        if (place == 0)
            continue;
        std::unique_ptr<RecoveryCopy> copy(new RecoveryCopy(folder, place));
        if (!copy->tryLock() || !copy->exists())
            continue;
        if (!newest || copy->lastAlive() > newest->lastAlive())
            newest = std::move(copy);
    }
    return newest;
}

QString RecoveryCopy::projectPath() const
{
    return placePath(copySuffix);
}

bool RecoveryCopy::exists() const
{
    return QFileInfo::exists(projectPath());
}

RecoveryCopy::Note RecoveryCopy::note() const
{
    QFile file(placePath(noteSuffix));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    return {
        object.value(QLatin1String("source")).toString(),
        QDateTime::fromString(object.value(QLatin1String("saved")).toString(), Qt::ISODateWithMs)
            .toLocalTime()};
}

QDateTime RecoveryCopy::lastAlive() const
{
    const QFileInfo note(placePath(noteSuffix));
    return note.exists() ? note.lastModified() : QFileInfo(projectPath()).lastModified();
}

QString RecoveryCopy::summary() const
{
    const QString source = note().sourcePath;
    const QString name = source.isEmpty() ? QCoreApplication::translate("RecoveryCopy", "Untitled")
                                          : QFileInfo(source).fileName();
    const QString ended = lastAlive().toString(QStringLiteral("dd-MM-yyyy HH:mm"));
    const ProjectFileContent content = readProjectFile(projectPath(), programVersion());
    if (content.check != ProjectCheck::Accepted)
        return QCoreApplication::translate("RecoveryCopy", "%1, ended %2, cannot be read: %3")
            .arg(name, ended, content.reason);
    return QCoreApplication::translate("RecoveryCopy", "%1, %2, ended %3")
        .arg(name, countedFunctions(functionCount(content.document)), ended);
}

QString RecoveryCopy::damage() const
{
    return readProjectFile(projectPath(), programVersion()).reason;
}

// The note goes first: a copy never lacks its note.
bool RecoveryCopy::save(const QByteArray &projectBytes, const Note &note, QString &errorText)
{
    const QJsonObject object{
        {QStringLiteral("source"), note.sourcePath},
        {QStringLiteral("saved"), note.saved.toUTC().toString(Qt::ISODateWithMs)}};
    return ProjectSave::write(placePath(noteSuffix), QJsonDocument(object).toJson(), errorText) &&
           ProjectSave::write(projectPath(), projectBytes, errorText);
}

// The copy goes first: a note without its copy is no copy.
bool RecoveryCopy::remove(QString &errorText)
{
    for (const char *suffix : {copySuffix, noteSuffix}) {
        QFile file(placePath(suffix));
        if (file.exists() && !file.remove()) {
            errorText = file.errorString();
            return false;
        }
    }
    return true;
}

void RecoveryCopy::touch()
{
    QFile note(placePath(noteSuffix));
    if (note.open(QIODevice::ReadWrite))
        note.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
}
