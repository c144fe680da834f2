#pragma once

#include <QByteArray>

// An AES-128 independent of ours, in ECB mode without padding: OpenSSL's on
// Linux, the system's own (CNG) on Windows.
QByteArray referenceAesEncrypt(const QByteArray &key, const QByteArray &plain);
