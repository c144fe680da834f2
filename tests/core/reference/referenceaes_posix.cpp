#include "referenceaes.h"

#include <openssl/evp.h>

QByteArray referenceAesEncrypt(const QByteArray &key, const QByteArray &plain)
{
    EVP_CIPHER_CTX *context = EVP_CIPHER_CTX_new();
    QByteArray cipher(plain.size(), '\0');
    int written = 0;
    EVP_EncryptInit_ex(context, EVP_aes_128_ecb(), nullptr,
                       reinterpret_cast<const unsigned char *>(key.constData()), nullptr);
    EVP_CIPHER_CTX_set_padding(context, 0);
    EVP_EncryptUpdate(context, reinterpret_cast<unsigned char *>(cipher.data()), &written,
                      reinterpret_cast<const unsigned char *>(plain.constData()), plain.size());
    EVP_CIPHER_CTX_free(context);
    return cipher.left(written);
}
