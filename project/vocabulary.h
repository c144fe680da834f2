#pragma once

#include "model/catalogue.h"
#include "model/finding.h"

#include <QVector>

// Values in the saved functions that the editors could not have produced on
// the given platform: texts outside the lists the editors offer, inputs and
// outputs the platform does not have or that the field never takes, numbers
// outside their spin box range. Import takes such values as they stand; a
// file checked before it goes to a controller should have none.
QVector<Finding> vocabularyFindings(Platform platform);
