#pragma once

#include "model/finding.h"

#include <QJsonObject>
#include <QString>
#include <QVector>

// Everything the checks find in a document that import accepts: the members
// import does not read as written and what it makes of them, the elements
// import would skip and why, the disagreements of the consistency checker
// (inputs held twice, outputs shared that may not be, Master Off or Welcome
// controlling what no function holds), then the values the editors could not
// have produced on its platform. The document is rebuilt into a blank project
// first, so the stores hold it afterwards.
QVector<Finding> analyzeProject(const QJsonObject &document, const QString &platformType);
