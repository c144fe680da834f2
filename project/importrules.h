#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QVector>

// Import's rule for each type: which elements it takes into the stores, and
// what each one taken claims.

// Names of the functions an import added, per type, in list order.
struct ImportedNames {
    QStringList shutter, logic, lighting, digitalIO, dndMur, energySaving, airCon, voltageInput,
        masterOff, welcome;
};

// An element that import leaves out, and why.
struct SkippedElement {
    QString type; // the document's array key, e.g. "Lighting"
    int index;    // position in that array
    QString name;
    QString reason;
};

// Refills the (emptied) stores from an accepted document, claiming the I/O of
// each function taken; elements that break their type's rules are skipped
// (and listed in skipped when given).
ImportedNames rebuildProject(const QJsonObject &document,
                             QVector<SkippedElement> *skipped = nullptr);
