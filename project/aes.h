#pragma once

#include <QtGlobal>

// AES-128 (FIPS-197) on single 16-byte blocks, in place. The caller owns the
// context; the module keeps no other state and never allocates.

struct AesContext {
    // The eleven 16-byte round keys in key-expansion order.
    quint8 roundKey[176];
};

void aesInit(AesContext &context, const quint8 key[16]);
void aesEncryptBlock(const AesContext &context, quint8 block[16]);
void aesDecryptBlock(const AesContext &context, quint8 block[16]);
