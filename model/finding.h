#pragma once

#include <QString>

// One thing wrong with one function of a project, as the checks report it.
struct Finding {
    QString type; // the project file's array key, e.g. "Lighting"; empty when
    QString name; // the finding is about no one function (a catalogue row)
    QString text; // what is wrong, e.g. "DebounceTime \"55 ms\" is not an editor value"
    // The member of the function it is about, when it is about one ("DebounceTime").
    QString member = {};
    // Where in the file, as a JSON pointer: "/Lighting/2/DebounceTime", "/Lighting/2"
    // for a whole function, "/PlatformType"; empty where no file is read.
    QString path = {};
    // The position of the function's element in its type's array, when known.
    int index = -1;
    // The text begins with the place in the file it is about, as that of a
    // member import does not read as written does ("Lighting[0].Input ...").
    bool placed = false;

    // Lighting "Hall"
    QString function() const { return type + QStringLiteral(" \"") + name + QLatin1Char('"'); }

    // Lighting "Hall": DebounceTime "55 ms" is not an editor value; with the
    // element's position when known: Lighting[2] "Hall": ...
    QString toString() const
    {
        if (type.isEmpty() || placed)
            return text;
        const QString element = index < 0 ? function()
                                          : type + QLatin1Char('[') + QString::number(index) +
                                                QStringLiteral("] \"") + name + QLatin1Char('"');
        return element + QStringLiteral(": ") + text;
    }
};
