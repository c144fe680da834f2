#include "project/projectanalysis.h"

#include "model/consistency.h"
#include "model/stores.h"
#include "project/projectdocument.h"
#include "project/vocabulary.h"

#include <QRegularExpression>

namespace
{

// The checker's lines name a function as `Type "name": ...` where they are
// about one; the others (a counter of a catalogue row) stand on their own.
Finding findingOf(const QString &line)
{
    static const QRegularExpression function(QStringLiteral("^(\\w+) \"(.*?)\": (.*)$"));
    const QRegularExpressionMatch match = function.match(line);
    if (!match.hasMatch())
        return {QString(), QString(), line};
    return {match.captured(1), match.captured(2), match.captured(3)};
}

} // namespace

QVector<Finding> analyzeProject(const QJsonObject &document, const QString &platformType)
{
    startBlankProject();
    QVector<SkippedElement> skipped;
    rebuildProject(document, &skipped);
    QVector<Finding> findings;
    for (const SkippedElement &element : skipped)
        findings.append({element.type, element.name,
                         QStringLiteral("element %1 is skipped: %2")
                             .arg(element.index + 1)
                             .arg(element.reason)});
    for (const QString &line : checkConsistency())
        findings.append(findingOf(line));
    findings += vocabularyFindings(platformFromType(platformType));
    return findings;
}
