#include "project/envelope.h"

#include "project/aes.h"

#include <QDebug>

namespace
{

constexpr int blockSize = 16;
constexpr int halfKeySize = 8;

// The two halves of the project key, first character in the most significant byte.
constexpr quint64 keyFirstHalf = 0x5a4152454e383030ULL;
constexpr quint64 keySecondHalf = 0x4366674b65793136ULL;

void spellKeyHalf(quint64 half, quint8 *destination)
{
    for (int i = 0; i < halfKeySize; ++i)
        destination[i] = quint8(half >> (8 * (halfKeySize - 1 - i)));
}

// The whole key only ever exists in this frame, for the time the schedule is built.
void initProjectCipher(AesContext &context)
{
    quint8 key[blockSize];
    spellKeyHalf(keyFirstHalf, key);
    spellKeyHalf(keySecondHalf, key + halfKeySize);
    aesInit(context, key);
}

void padToWholeBlocks(QByteArray &bytes)
{
    const int remainder = bytes.size() % blockSize;
    if (remainder != 0)
        bytes.append(blockSize - remainder, ' ');
}

template <typename BlockOperation> void applyToEveryBlock(QByteArray &bytes, BlockOperation apply)
{
    AesContext context;
    initProjectCipher(context);
    quint8 *data = reinterpret_cast<quint8 *>(bytes.data());
    for (int offset = 0; offset < bytes.size(); offset += blockSize)
        apply(context, data + offset);
}

} // namespace

bool encryptProjectData(QByteArray &bytes)
{
    encryptProjectDataQuietly(bytes);
    qDebug() << bytes;
    return true;
}

void encryptProjectDataQuietly(QByteArray &bytes)
{
    padToWholeBlocks(bytes);
    applyToEveryBlock(bytes, aesEncryptBlock);
}

bool decryptProjectData(QByteArray &bytes)
{
    if (bytes.size() % blockSize != 0)
        return false;
    applyToEveryBlock(bytes, aesDecryptBlock);
    return true;
}
