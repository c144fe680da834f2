#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>

// A project file is written only when it reads back as the project meant. The
// one-line text form removes pairs of spaces inside values too, so a name
// "A  B" would come back as "AB", and a second function "AB" would then be
// dropped without a word.
struct CheckedExport {
    QByteArray bytes;    // the file: the document's text form, enciphered
    QStringList changes; // what would come back different; empty when nothing
};

// Enciphers the document as export writes it, reads those bytes back as import
// does (decipher, parse, check, rebuild into the stores) and compares what
// comes back with the document. The open project is put back whole, and no
// change to it is announced. Each change names the function, the field and
// what it would become:
// `Lighting "A  B": the name would be written as "AB", which another function has`.
CheckedExport checkExport(const QJsonObject &document);
