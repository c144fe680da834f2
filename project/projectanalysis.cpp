#include "project/projectanalysis.h"

#include "model/consistency.h"
#include "model/stores.h"
#include "project/projectdocument.h"
#include "project/roomrules.h"
#include "project/vocabulary.h"

#include <QJsonArray>
#include <QSet>
#include <algorithm>

namespace
{

using ElementSet = QSet<QString>; // elementPath() of each

// A value that import did not read as written is reported as the file holds
// it; what import made of it (a 0 outside its range, say) would only mislead.
// Skipped elements never reach the stores, so only those taken can collide.
bool readOtherwise(const Finding &finding, const QVector<Finding> &unread,
                   const ElementSet &skipped)
{
    return std::any_of(unread.begin(), unread.end(), [&](const Finding &member) {
        return !member.member.isEmpty() && member.member == finding.member &&
               member.type == finding.type && member.name == finding.name &&
               !skipped.contains(elementPath(member.type, member.index));
    });
}

// The element a function in the stores was read from: the first of its name
// that import took.
int elementIndex(const QJsonObject &document, const ElementSet &skipped, const Finding &finding)
{
    const QJsonArray elements = document.value(finding.type).toArray();
    for (int index = 0; index < elements.size(); ++index) {
        if (!skipped.contains(elementPath(finding.type, index)) &&
            elements.at(index).toObject().value(QStringLiteral("name")).toString() == finding.name)
            return index;
    }
    return -1;
}

// The place in the file of a finding about a function in the stores.
Finding placed(Finding finding, const QJsonObject &document, const ElementSet &skipped)
{
    if (finding.type.isEmpty())
        return finding;
    finding.index = elementIndex(document, skipped, finding);
    if (finding.index >= 0)
        finding.path = memberPointer(finding.type, finding.index, finding.member);
    return finding;
}

Finding skippedFinding(const SkippedElement &element)
{
    return {element.type,
            element.name,
            QStringLiteral("import skips it: ") + element.reason,
            {},
            memberPointer(element.type, element.index),
            element.index,
            false};
}

} // namespace

QVector<Finding> analyzeProject(const QByteArray &text, const QJsonObject &document,
                                const QString &platformType)
{
    startBlankProject();
    QVector<SkippedElement> skipped;
    rebuildProject(document, &skipped);
    const QVector<Finding> unread = unreadMembers(document);
    QVector<Finding> findings = repeatedMembers(text) + unread;
    ElementSet skippedElements;
    for (const SkippedElement &element : skipped) {
        skippedElements.insert(elementPath(element.type, element.index));
        findings.append(skippedFinding(element));
    }
    for (const Finding &finding : consistencyFindings())
        findings.append(placed(finding, document, skippedElements));
    const QVector<Finding> ruleFindings =
        vocabularyFindings(platformFromType(platformType)) + editorRuleFindings();
    for (const Finding &finding : ruleFindings) {
        if (!readOtherwise(finding, unread, skippedElements))
            findings.append(placed(finding, document, skippedElements));
    }
    return findings;
}
