#pragma once

#include <QString>

// One thing wrong with one function of a project, as the checks report it.
struct Finding {
    QString type; // the project file's array key, e.g. "Lighting"; empty when
    QString name; // the finding is about no one function (a catalogue row)
    QString text; // what is wrong, e.g. "DebounceTime \"55 ms\" is not an editor value"
    // The member of the function it is about, when it is about one ("DebounceTime").
    QString member = {};
    // Where in the file, for a member import does not read as written
    // ("Lighting[0].Input"); its text then begins with the path.
    QString path = {};

    // Lighting "Hall"
    QString function() const { return type + QStringLiteral(" \"") + name + QLatin1Char('"'); }

    // Lighting "Hall": DebounceTime "55 ms" is not an editor value
    QString toString() const
    {
        return type.isEmpty() || !path.isEmpty() ? text : function() + QStringLiteral(": ") + text;
    }
};
