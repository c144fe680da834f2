#pragma once

#include "model/finding.h"

#include <QVector>

// The saved functions that break a rule of the editor pages (model/editorrules.h):
// more functions of a type than its page saves, names its fields do not take,
// an "ON/OFF" Lighting function driving several outputs, sensor settings that
// do not go together, copies of the shared motion sensor's settings that
// disagree, a Master Off or Welcome function that controls no output. Import takes
// such functions as they stand; the editors could not have built them.
QVector<Finding> editorRuleFindings();
