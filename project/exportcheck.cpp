#include "project/exportcheck.h"

#include "model/projectchange.h"
#include "model/projectsnapshot.h"
#include "model/stores.h"
#include "model/version.h"
#include "project/envelope.h"
#include "project/projectdiff.h"
#include "project/projectdocument.h"

#include <QJsonArray>

namespace
{

// The project import would make of an accepted file, as export would write it.
QJsonObject readBack(const ProjectFileContent &content)
{
    const ProjectChange::Silence silence;
    const ProjectSnapshot open = takeProjectSnapshot();
    startBlankProject();
    rebuildProject(content.document);
    const QJsonObject project =
        buildProjectDocument(platformText(platformFromType(content.platformType)),
                             content.document.value(QStringLiteral("Version")).toString(), {});
    restoreProjectSnapshot(open);
    return project;
}

bool nameTaken(const QJsonArray &written, int index)
{
    const QJsonValue name = written.at(index).toObject().value(QStringLiteral("name"));
    for (int other = 0; other < written.size(); ++other) {
        if (other != index && written.at(other).toObject().value(QStringLiteral("name")) == name)
            return true;
    }
    return false;
}

void elementChanges(const QString &type, const QJsonArray &meant, const QJsonArray &written,
                    int index, QStringList &changes)
{
    const QJsonObject before = meant.at(index).toObject();
    const QJsonObject after = written.at(index).toObject();
    const QString function =
        QStringLiteral("%1 \"%2\": ").arg(type, before.value(QStringLiteral("name")).toString());
    for (const QString &field : before.keys()) {
        const QJsonValue value = after.value(field);
        if (value == before.value(field))
            continue;
        QString change =
            function +
            QStringLiteral("the %1 would be written as %2").arg(field, shownValue(value));
        if (field == QLatin1String("name") && nameTaken(written, index))
            change += QStringLiteral(", which another function has");
        changes << change;
    }
}

// What the text form changes, value by value: it keeps every element in its
// place, so the document as meant and as parsed compare position by position.
QStringList textFormChanges(const QJsonObject &meant, const QJsonObject &written)
{
    QStringList changes;
    for (const QString &key : meant.keys()) {
        const QJsonValue value = meant.value(key);
        if (value.isArray()) {
            const QJsonArray elements = value.toArray();
            const QJsonArray writtenElements = written.value(key).toArray();
            for (int index = 0; index < elements.size(); ++index)
                elementChanges(key, elements, writtenElements, index, changes);
        } else if (value != written.value(key)) {
            changes << QStringLiteral("the %1 would be written as %2")
                           .arg(key, shownValue(written.value(key)));
        }
    }
    return changes;
}

} // namespace

CheckedExport checkExport(const QJsonObject &document)
{
    CheckedExport checked{projectText(document), {}};
    encryptProjectData(checked.bytes);
    const ProjectFileContent content = checkProjectBytes(checked.bytes, programVersion());
    if (content.check != ProjectCheck::Accepted) {
        checked.changes << QStringLiteral("the file would be refused: ") + content.reason;
        return checked;
    }
    const QVector<Difference> differences = diffProjects(document, readBack(content));
    if (differences.isEmpty())
        return checked;
    checked.changes = textFormChanges(document, content.document);
    if (checked.changes.isEmpty()) {
        for (const Difference &difference : differences)
            checked.changes << difference.toString();
    }
    return checked;
}
