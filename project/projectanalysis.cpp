#include "project/projectanalysis.h"

#include "model/consistency.h"
#include "model/stores.h"
#include "project/projectdocument.h"
#include "project/vocabulary.h"

#include <QSet>
#include <algorithm>

namespace
{

// A value that import did not read as written is reported as the file holds
// it; what import made of it (a 0 outside its range, say) would only mislead.
// Skipped elements never reach the stores, so only those taken can collide.
bool readOtherwise(const Finding &finding, const QVector<Finding> &unread,
                   const QSet<QString> &skippedPaths)
{
    return std::any_of(unread.begin(), unread.end(), [&](const Finding &member) {
        return !member.member.isEmpty() && member.member == finding.member &&
               member.type == finding.type && member.name == finding.name &&
               !skippedPaths.contains(member.path.section(QLatin1Char('.'), 0, 0));
    });
}

} // namespace

QVector<Finding> analyzeProject(const QJsonObject &document, const QString &platformType)
{
    startBlankProject();
    QVector<SkippedElement> skipped;
    rebuildProject(document, &skipped);
    const QVector<Finding> unread = unreadMembers(document);
    QVector<Finding> findings = unread;
    QSet<QString> skippedPaths;
    for (const SkippedElement &element : skipped) {
        skippedPaths.insert(elementPath(element.type, element.index));
        findings.append({element.type, element.name,
                         QStringLiteral("element %1 is skipped: %2")
                             .arg(element.index + 1)
                             .arg(element.reason)});
    }
    findings += consistencyFindings();
    for (const Finding &finding : vocabularyFindings(platformFromType(platformType))) {
        if (!readOtherwise(finding, unread, skippedPaths))
            findings.append(finding);
    }
    return findings;
}
