#include "model/projectsnapshot.h"

#include "model/projectchange.h"
#include "model/stores.h"

ProjectSnapshot takeProjectSnapshot()
{
    return {welcomeStore(),
            masterOffStore(),
            energySavingStore(),
            dndMurStore(),
            airConStore(),
            voltageInputStore(),
            lightingStore(),
            shutterStore(),
            digitalIOStore(),
            logicStore(),
            InputCatalogue::instance().rows(),
            OutputCatalogue::instance().rows(),
            masterOffLedMemory()};
}

void restoreProjectSnapshot(const ProjectSnapshot &snapshot)
{
    welcomeStore() = snapshot.welcome;
    masterOffStore() = snapshot.masterOff;
    energySavingStore() = snapshot.energySaving;
    dndMurStore() = snapshot.dndMur;
    airConStore() = snapshot.airCon;
    voltageInputStore() = snapshot.voltageInput;
    lightingStore() = snapshot.lighting;
    shutterStore() = snapshot.shutter;
    digitalIOStore() = snapshot.digitalIO;
    logicStore() = snapshot.logic;
    InputCatalogue::instance().rows() = snapshot.inputs;
    OutputCatalogue::instance().rows() = snapshot.outputs;
    masterOffLedMemory() = snapshot.masterOffLed;
    ProjectChange::announce();
}
