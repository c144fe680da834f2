#pragma once

#include <QString>

// One thing wrong with one function of a project, as the checks report it.
struct Finding {
    QString type; // the project file's array key, e.g. "Lighting"
    QString name; // the function's name
    QString text; // what is wrong, e.g. "DebounceTime \"55 ms\" is not an editor value"

    // Lighting "Hall": DebounceTime "55 ms" is not an editor value
    QString toString() const
    {
        return type + QStringLiteral(" \"") + name + QStringLiteral("\": ") + text;
    }
};
