#include "project/projectanalysis.h"

#include "model/consistency.h"
#include "model/stores.h"
#include "project/projectdocument.h"
#include "project/vocabulary.h"

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
    findings += consistencyFindings();
    findings += vocabularyFindings(platformFromType(platformType));
    return findings;
}
