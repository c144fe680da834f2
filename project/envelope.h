#pragma once

#include <QByteArray>

// The project file envelope: space padding to whole 16-byte blocks, then
// AES-128 on every block on its own under the fixed project key.

// Pads and enciphers the document text in place and logs the result to the debug stream.
bool encryptProjectData(QByteArray &bytes);
// The same for a copy that is no export, without the debug stream.
void encryptProjectDataQuietly(QByteArray &bytes);

// Deciphers in place (padding kept). False, with the bytes untouched, when the
// length is not a whole number of blocks.
bool decryptProjectData(QByteArray &bytes);
