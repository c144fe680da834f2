#pragma once

#include "model/catalogue.h"
#include "model/finding.h"
#include "model/records.h"

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QVector>

// The .rccfg document: the ten stores as JSON, its one-line text form, and
// reading a file back into the stores.

// --- Records <-> element objects ---

QJsonObject toJson(const LightingRecord &record);
QJsonObject toJson(const ShutterRecord &record);
QJsonObject toJson(const DigitalIORecord &record);
QJsonObject toJson(const LogicRecord &record);
QJsonObject toJson(const VoltageInputRecord &record);
QJsonObject toJson(const EnergySavingRecord &record);
QJsonObject toJson(const AirConRecord &record);
QJsonObject toJson(const DndMurRecord &record);
QJsonObject toJson(const MasterOffRecord &record);
QJsonObject toJson(const WelcomeRecord &record);

// Missing or non-string members read as empty text, missing or unusable
// numbers as 0. Nothing is validated here.
void fromJson(const QJsonObject &element, LightingRecord &record);
void fromJson(const QJsonObject &element, ShutterRecord &record);
void fromJson(const QJsonObject &element, DigitalIORecord &record);
void fromJson(const QJsonObject &element, LogicRecord &record);
void fromJson(const QJsonObject &element, VoltageInputRecord &record);
void fromJson(const QJsonObject &element, EnergySavingRecord &record);
void fromJson(const QJsonObject &element, AirConRecord &record);
void fromJson(const QJsonObject &element, DndMurRecord &record);
void fromJson(const QJsonObject &element, MasterOffRecord &record);
void fromJson(const QJsonObject &element, WelcomeRecord &record);

// --- Writing ---

// The whole project from the ten stores.
QJsonObject buildProjectDocument(const QString &platformType, const QString &version,
                                 const QDateTime &time);

// The one-line text the controller expects: indented rendering without line
// feeds, then every pair of spaces removed left to right.
QByteArray projectText(const QJsonObject &document);

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

// What import makes of each member that it does not read as the file writes
// it, one finding each, in file order: a member of another JSON type (a
// number as text, a fraction, true, an object), a missing or unknown member,
// a type that is not an array, an element that is not an object, a platform
// type other than "MV210" and "MV211", a CreateTime that is not a time. The
// text begins with the path and the value the file holds:
// `AirConditioner[0].OffDelay "5" is text, not a number; reads as 0`.
QVector<Finding> unreadMembers(const QJsonObject &document);

// "Lighting[2]": an element by its type's array key and position.
QString elementPath(const QString &type, int index);

// A member's value as people read it: text in quotes, anything else as
// compact JSON, a missing member as "(missing)".
QString shownValue(const QJsonValue &value);

// The export time the document carries; invalid when it has none.
QDateTime createTime(const QJsonObject &document);
// A time as CreateTime holds it: "09-12-2026 19:20:00".
QString createTimeText(const QDateTime &time);

// "MV210" selects the small controller, any other text the large one.
Platform platformFromType(const QString &platformType);
// The platform type's text as the window's selector shows it.
QString platformText(Platform platform);

// Names of the functions an import added, per type, in list order.
struct ImportedNames {
    QStringList shutter, logic, lighting, digitalIO, dndMur, energySaving, airCon, voltageInput,
        masterOff, welcome;
};

// An element that import leaves out, and why.
struct SkippedElement {
    QString type; // the document's array key, e.g. "Lighting"
    int index;    // position in that array
    QString name;
    QString reason;
};

// Refills the (emptied) stores from an accepted document, claiming the I/O of
// each function taken; elements that break their type's rules are skipped
// (and listed in skipped when given).
ImportedNames rebuildProject(const QJsonObject &document,
                             QVector<SkippedElement> *skipped = nullptr);
