#include "model/projectsnapshot.h"

#include "model/projectchange.h"
#include "model/stores.h"

bool operator==(const ProjectSnapshot &a, const ProjectSnapshot &b)
{
    return a.welcome.records() == b.welcome.records() &&
           a.masterOff.records() == b.masterOff.records() &&
           a.energySaving.records() == b.energySaving.records() &&
           a.dndMur.records() == b.dndMur.records() && a.airCon.records() == b.airCon.records() &&
           a.voltageInput.records() == b.voltageInput.records() &&
           a.lighting.records() == b.lighting.records() &&
           a.shutter.records() == b.shutter.records() &&
           a.digitalIO.records() == b.digitalIO.records() &&
           a.logic.records() == b.logic.records() && a.inputs == b.inputs &&
           a.outputs == b.outputs && a.masterOffLed == b.masterOffLed;
}

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
