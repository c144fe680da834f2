#include "referenceaes.h"

#include <windows.h>

#include <bcrypt.h>

QByteArray referenceAesEncrypt(const QByteArray &key, const QByteArray &plain)
{
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    BCRYPT_KEY_HANDLE keyHandle = nullptr;
    QByteArray cipher(plain.size(), '\0');
    ULONG written = 0;
    const auto mode = const_cast<wchar_t *>(BCRYPT_CHAIN_MODE_ECB);
    if (BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_AES_ALGORITHM, nullptr, 0) == 0 &&
        BCryptSetProperty(algorithm, BCRYPT_CHAINING_MODE, reinterpret_cast<PUCHAR>(mode),
                          ULONG(sizeof(BCRYPT_CHAIN_MODE_ECB)), 0) == 0 &&
        BCryptGenerateSymmetricKey(algorithm, &keyHandle, nullptr, 0,
                                   reinterpret_cast<PUCHAR>(const_cast<char *>(key.constData())),
                                   ULONG(key.size()), 0) == 0)
        BCryptEncrypt(keyHandle, reinterpret_cast<PUCHAR>(const_cast<char *>(plain.constData())),
                      ULONG(plain.size()), nullptr, nullptr, 0,
                      reinterpret_cast<PUCHAR>(cipher.data()), ULONG(cipher.size()), &written, 0);
    if (keyHandle)
        BCryptDestroyKey(keyHandle);
    if (algorithm)
        BCryptCloseAlgorithmProvider(algorithm, 0);
    return cipher.left(int(written));
}
