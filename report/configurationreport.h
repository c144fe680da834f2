#pragma once

#include "model/functionstore.h"
#include "model/records.h"

#include <QDateTime>
#include <QString>

// Read-only view of the ten stores that the report renders. Tests hand in
// stores of their own; the window uses the process-wide ones.
struct ReportSource {
    const FunctionStore<LightingRecord> &lighting;
    const FunctionStore<ShutterRecord> &shutter;
    const FunctionStore<DigitalIORecord> &digitalIO;
    const FunctionStore<LogicRecord> &logic;
    const FunctionStore<VoltageInputRecord> &voltageInput;
    const FunctionStore<EnergySavingRecord> &energySaving;
    const FunctionStore<AirConRecord> &airCon;
    const FunctionStore<DndMurRecord> &dndMur;
    const FunctionStore<MasterOffRecord> &masterOff;
    const FunctionStore<WelcomeRecord> &welcome;

    static ReportSource processStores();
};

// The 210-column plain-text report: a heading with platform, version and
// time, then one table per function type that has saved functions.
QString buildConfigurationReport(const ReportSource &source, const QString &platformText,
                                 const QString &versionText, const QDateTime &time);
