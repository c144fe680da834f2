#include "support/windowtest.h"

#include "model/catalogue.h"
#include "model/stores.h"

void WindowTest::resetProject()
{
    releaseAllRecords();
    for (InputEntry &entry : InputCatalogue::instance().rows())
        entry.useCount = 0;
    for (OutputEntry &entry : OutputCatalogue::instance().rows()) {
        entry.useCount = 0;
        entry.pulseUseCount = 0;
        entry.masterOffLocked = 0;
        entry.welcomeLocked = 0;
    }
}
