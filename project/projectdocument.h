#pragma once

#include "model/catalogue.h"
#include "model/finding.h"
#include "model/records.h"
#include "project/importrules.h"
#include "project/memberchecks.h"
#include "project/recordjson.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QVector>

// The .rccfg file: reading it, and deciding whether the window takes it.
// The document's parts have their own headers, included here for every
// reader of a project: the records' JSON, the member checks, the import rules.

// The chosen path with ".rccfg" appended unless it already contains it.
QString projectFilePath(const QString &chosenPath);
// The report PDF written beside a project file: "site.rccfg" -> "site.table.pdf";
// a name without the extension gets ".table.pdf" appended.
QString reportPdfPath(const QString &projectPath);

// --- Reading ---

// Files above this size are refused before they are read.
constexpr qint64 maxProjectFileSize = 16 * 1024 * 1024;
// A project holds a few dozen functions; an array beyond this is not a project
// and would only make the import crawl.
constexpr int maxElementsPerType = 1000;

enum class ProjectCheck {
    Accepted,
    CannotOpen,     // the reason is the system's
    NotValid,       // empty, too large, not JSON, not an object, absurd arrays
    NoPlatformType, // PlatformType missing or empty
    WrongVersion,   // Version differs from the program's
};

struct ProjectFileContent {
    ProjectCheck check = ProjectCheck::NotValid;
    // Why a refused file is refused, precisely and in words people read
    // ("the file is empty"); empty for an accepted file.
    QString reason;
    QString platformType;
    // Set whenever the file parsed as an object, even when its platform type
    // or version is refused.
    QJsonObject document;
    bool hasDocument() const
    {
        return check != ProjectCheck::NotValid && check != ProjectCheck::CannotOpen;
    }
    // The deciphered bytes, padding included, whenever the file could be read
    // (also when they are no project), so that a damaged file can be mended.
    QByteArray text;
};

// JSON text as every reader takes it, plain or deciphered: a UTF-8 byte order
// mark in front, which some editors write, is no part of the document.
QByteArray withoutByteOrderMark(const QByteArray &text);

// Everything that can reject a file is decided here, before the open project
// is touched.
ProjectFileContent readProjectFile(const QString &path, const QString &expectedVersion);
// The same on a file already open for reading (standard input, say).
ProjectFileContent readProjectFile(QFile &file, const QString &expectedVersion);
// The same checks on bytes already read (deciphered first when they are whole
// blocks), the size limit included.
ProjectFileContent checkProjectBytes(QByteArray bytes, const QString &expectedVersion);

// The checks on a parsed document: its size, platform type and version.
ProjectFileContent checkProjectDocument(const QJsonObject &document,
                                        const QString &expectedVersion);

// What the user is told about a refused file: title, text, informative text.
struct ProjectMessage {
    QString title;
    QString text;
    QString informativeText;
};
ProjectMessage rejectionMessage(const ProjectFileContent &content);
// The details behind that message: the file and the precise reason.
QString rejectionDetails(const QString &path, const ProjectFileContent &content);

// "MV210" selects the small controller, any other text the large one.
Platform platformFromType(const QString &platformType);
// The platform type's text as the window's selector shows it.
QString platformText(Platform platform);
