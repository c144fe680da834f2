#include "project/projectdocument.h"

#include "model/stores.h"
#include "project/envelope.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QLocale>
#include <utility>

namespace
{

// The window's own texts, so that every program of the suite says the same.
QString translated(const char *text)
{
    return QCoreApplication::translate("MainWindow", text);
}

// Counts as people read them in the reasons: "12,345".
QString counted(qint64 number)
{
    return QLocale(QLocale::English).toString(number);
}

// The first type array beyond the limit, described; empty when there is none.
QString oversizedArray(const QJsonObject &document)
{
    for (int type = 0; type < functionTypeCount; ++type) {
        const QString key = typeLabel(FunctionType(type));
        const QJsonValue member = document.value(key);
        if (member.isArray() && member.toArray().size() > maxElementsPerType)
            return QStringLiteral("%1 holds %2 functions; at most %3 are read")
                .arg(key, counted(member.toArray().size()), counted(maxElementsPerType));
    }
    return QString();
}

ProjectFileContent verdict(ProjectCheck check, const QString &reason = QString())
{
    ProjectFileContent content;
    content.check = check;
    content.reason = reason;
    return content;
}

QString tooLargeReason()
{
    return QStringLiteral("the file is larger than %1 bytes, the most a project file holds")
        .arg(counted(maxProjectFileSize));
}

// Why bytes that did not parse as a JSON object are no project; plain text
// is read as it stands when its length is not a whole number of blocks.
QString notJsonReason(const QByteArray &bytes, bool deciphered, const QJsonParseError &error,
                      const QJsonDocument &json)
{
    const QString problem =
        error.error != QJsonParseError::NoError
            ? QStringLiteral("not JSON: %1 at offset %2")
                  .arg(error.errorString(), counted(error.offset))
            : QStringLiteral("a JSON %1, not an object").arg(json.isArray() ? "array" : "value");
    if (deciphered)
        return QStringLiteral("the deciphered text is ") + problem;
    return QStringLiteral("%1 bytes is not a whole number of 16-byte blocks, and the text is ")
               .arg(counted(bytes.size())) +
           problem;
}

QString noPlatformReason(const QJsonObject &document)
{
    const QJsonValue platform = document.value(QStringLiteral("PlatformType"));
    if (platform.isUndefined())
        return QStringLiteral("PlatformType is missing");
    return platform.isString() ? QStringLiteral("PlatformType is empty")
                               : QStringLiteral("PlatformType is not text");
}

QString wrongVersionReason(const QJsonObject &document, const QString &expectedVersion)
{
    const QString version = document.value(QStringLiteral("Version")).toString();
    if (version.isEmpty())
        return QStringLiteral("this file carries no version; this program is %1")
            .arg(expectedVersion);
    return QStringLiteral("this file was written by %1; this program is %2")
        .arg(version, expectedVersion);
}

} // namespace

QString projectFilePath(const QString &chosenPath)
{
    const QString extension = QStringLiteral(".rccfg");
    return chosenPath.contains(extension) ? chosenPath : chosenPath + extension;
}

QString reportPdfPath(const QString &projectPath)
{
    return projectPath.chopped(5) + QStringLiteral("table.pdf");
}

// --- Reading ---

ProjectFileContent readProjectFile(const QString &path, const QString &expectedVersion)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return verdict(ProjectCheck::CannotOpen, file.errorString());
    return readProjectFile(file, expectedVersion);
}

ProjectFileContent readProjectFile(QFile &file, const QString &expectedVersion)
{
    if (file.size() > maxProjectFileSize)
        return verdict(ProjectCheck::NotValid, tooLargeReason());
    // One byte more than allowed tells a device without a size (a pipe, a
    // character device) that goes on and on.
    QByteArray bytes = file.read(maxProjectFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return verdict(ProjectCheck::CannotOpen, file.errorString());
    // Handed over, not shared: deciphering in place then needs no copy.
    return checkProjectBytes(std::move(bytes), expectedVersion);
}

// The decryption result is not consulted: a plain document whose length is
// not a whole number of blocks is read as it stands.
ProjectFileContent checkProjectBytes(QByteArray bytes, const QString &expectedVersion)
{
    if (bytes.size() > maxProjectFileSize)
        return verdict(ProjectCheck::NotValid, tooLargeReason());
    if (bytes.isEmpty())
        return verdict(ProjectCheck::NotValid, QStringLiteral("the file is empty"));
    const bool deciphered = decryptProjectData(bytes);
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
    ProjectFileContent content =
        error.error != QJsonParseError::NoError || !json.isObject()
            ? verdict(ProjectCheck::NotValid, notJsonReason(bytes, deciphered, error, json))
            : checkProjectDocument(json.object(), expectedVersion);
    content.text = bytes;
    return content;
}

ProjectFileContent checkProjectDocument(const QJsonObject &document, const QString &expectedVersion)
{
    const QString oversized = oversizedArray(document);
    if (!oversized.isEmpty())
        return verdict(ProjectCheck::NotValid, oversized);
    ProjectFileContent content = verdict(ProjectCheck::Accepted);
    content.document = document;
    content.platformType = document.value(QStringLiteral("PlatformType")).toString();
    if (content.platformType.isEmpty()) {
        content.check = ProjectCheck::NoPlatformType;
        content.reason = noPlatformReason(document);
    } else if (document.value(QStringLiteral("Version")).toString() != expectedVersion) {
        content.check = ProjectCheck::WrongVersion;
        content.reason = wrongVersionReason(document, expectedVersion);
    }
    return content;
}

ProjectMessage rejectionMessage(const ProjectFileContent &content)
{
    const QString invalidContent = translated(
        "The selected file content is not valid. Please select a correct \"rccfg\" file.");
    switch (content.check) {
    case ProjectCheck::CannotOpen:
        return {translated("File Error"), translated("The file could not be opened!"),
                content.reason};
    case ProjectCheck::NotValid:
        return {translated("File Error"), translated("The file is not valid!"), invalidContent};
    case ProjectCheck::NoPlatformType:
        return {QString(), invalidContent, QString()};
    case ProjectCheck::WrongVersion:
        return {QString(),
                translated("The selected file version is not compatible. Version is on the "
                           "home page."),
                QString()};
    case ProjectCheck::Accepted:
        break;
    }
    return {};
}

QString rejectionDetails(const QString &path, const ProjectFileContent &content)
{
    return translated("File: %1\nReason: %2").arg(path, content.reason);
}

QString platformText(Platform platform)
{
    return QLatin1String(platform == Platform::MV210 ? "MV210" : "MV211");
}

Platform platformFromType(const QString &platformType)
{
    return platformType == QLatin1String("MV210") ? Platform::MV210 : Platform::MV211;
}
