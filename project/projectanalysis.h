#pragma once

#include "model/finding.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QVector>

// Everything the checks find in a document that import accepts: the members
// its text gives more than once, the members import does not read as
// written and what it makes of them, the elements import would skip and why,
// the disagreements of the consistency checker (inputs held twice, outputs
// shared that may not be, Master Off or Welcome controlling what no function
// holds), the values the editors could not have produced on its platform,
// and the rules of the editor pages the functions break. Each finding has its
// place in the file (Finding::path). The document is rebuilt into a blank
// project first, so the stores hold it afterwards. text is the document as
// read, for what only the text shows.
QVector<Finding> analyzeProject(const QByteArray &text, const QJsonObject &document,
                                const QString &platformType);
