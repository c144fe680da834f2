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

// The bytes read as JSON, and why they are no JSON object when they are not.
struct ParsedText {
    QByteArray text;
    QJsonDocument json;
    QJsonParseError error{};

    bool isObject() const { return error.error == QJsonParseError::NoError && json.isObject(); }
};

ParsedText parsed(const QByteArray &text)
{
    ParsedText result{text, {}, {}};
    result.json = QJsonDocument::fromJson(text, &result.error);
    return result;
}

// Plain text that opens an object was meant as a document, whatever its length.
bool opensObject(const QByteArray &bytes)
{
    return bytes.trimmed().startsWith('{');
}

// Why bytes that did not parse as a JSON object are no project; size is the file's.
QString notJsonReason(const ParsedText &read, bool deciphered, qsizetype size)
{
    const QString problem = read.error.error != QJsonParseError::NoError
                                ? QStringLiteral("not JSON: %1 at offset %2")
                                      .arg(read.error.errorString(), counted(read.error.offset))
                                : QStringLiteral("a JSON %1, not an object")
                                      .arg(read.json.isArray() ? "array" : "value");
    if (deciphered)
        return QStringLiteral("the deciphered text is ") + problem;
    if (size % 16 == 0)
        return QStringLiteral("the text deciphers to no JSON, and as it stands it is ") + problem;
    return QStringLiteral("%1 bytes is not a whole number of 16-byte blocks, and the text is ")
               .arg(counted(size)) +
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

// Both versions in quotes, so that a difference of case or a blank shows.
QString wrongVersionReason(const QJsonObject &document, const QString &expectedVersion)
{
    const QJsonValue version = document.value(QStringLiteral("Version"));
    const bool none = version.isUndefined() || version == QJsonValue(QString());
    const QString written = none
                                ? QStringLiteral("this file carries no version")
                                : QStringLiteral("this file was written by ") + shownValue(version);
    return written + QStringLiteral("; this program reads only \"%1\", and the two must match "
                                    "exactly")
                         .arg(expectedVersion);
}

} // namespace

QString projectFilePath(const QString &chosenPath)
{
    const QString extension = QStringLiteral(".rccfg");
    return chosenPath.contains(extension) ? chosenPath : chosenPath + extension;
}

// Cutting five characters off a name without the extension could reach into
// its folder ("d.rccfg/x" -> "d.rctable.pdf").
QString reportPdfPath(const QString &projectPath)
{
    if (!projectPath.endsWith(QLatin1String(".rccfg")))
        return projectPath + QStringLiteral(".table.pdf");
    return projectPath.chopped(5) + QStringLiteral("table.pdf");
}

// --- Reading ---

QByteArray withoutByteOrderMark(const QByteArray &text)
{
    static const QByteArray mark("\xEF\xBB\xBF");
    return text.startsWith(mark) ? text.mid(mark.size()) : text;
}

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

// Bytes in whole blocks are deciphered first. A plain document is read as it
// stands: one whose length is not a whole number of blocks (the decryption
// refuses it), and one that deciphers to no JSON object but is one itself.
ProjectFileContent checkProjectBytes(QByteArray bytes, const QString &expectedVersion)
{
    if (bytes.size() > maxProjectFileSize)
        return verdict(ProjectCheck::NotValid, tooLargeReason());
    if (bytes.isEmpty())
        return verdict(ProjectCheck::NotValid, QStringLiteral("the file is empty"));
    const qsizetype size = bytes.size();
    // Shared unless a mark is cut off: deciphering puts its result in a new array.
    const QByteArray asRead = withoutByteOrderMark(bytes);
    bool deciphered = decryptProjectData(bytes);
    ParsedText read = parsed(deciphered ? withoutByteOrderMark(bytes) : asRead);
    if (deciphered && !read.isObject() && opensObject(asRead)) {
        ParsedText plain = parsed(asRead);
        if (plain.isObject() || !opensObject(bytes)) {
            read = std::move(plain);
            deciphered = false;
        }
    }
    ProjectFileContent content =
        read.isObject() ? checkProjectDocument(read.json.object(), expectedVersion)
                        : verdict(ProjectCheck::NotValid, notJsonReason(read, deciphered, size));
    content.text = read.text;
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
