#include "project/aes.h"
#include "project/envelope.h"

#include "reference/referenceaes.h"

#include <QtTest>
#include <random>

namespace
{

const char projectKey[] = "ZAREN800CfgKey16";

quint8 *bytesOf(QByteArray &bytes)
{
    return reinterpret_cast<quint8 *>(bytes.data());
}

QByteArray randomBytes(std::mt19937 &generator, int count)
{
    QByteArray bytes(count, '\0');
    for (char &byte : bytes)
        byte = char(generator() & 0xff);
    return bytes;
}

} // namespace

class CipherTest : public QObject
{
    Q_OBJECT

private slots:
    void publishedVectorEncryptsAndDecrypts();
    void agreesWithReferenceOnRandomKeysAndBlocks();
    void envelopePadsEnciphersAndRoundTrips_data();
    void envelopePadsEnciphersAndRoundTrips();
    void equalBlocksGiveEqualCiphertext();
    void decryptRefusesPartialBlocks();
};

void CipherTest::publishedVectorEncryptsAndDecrypts()
{
    const QByteArray plain = QByteArray::fromHex("00112233445566778899aabbccddeeff");
    QByteArray key = QByteArray::fromHex("000102030405060708090a0b0c0d0e0f");
    AesContext context;
    aesInit(context, bytesOf(key));

    QByteArray block = plain;
    aesEncryptBlock(context, bytesOf(block));
    QCOMPARE(block.toHex(), QByteArray("69c4e0d86a7b0430d8cdb78070b4c55a"));
    aesDecryptBlock(context, bytesOf(block));
    QCOMPARE(block.toHex(), plain.toHex());
}

void CipherTest::agreesWithReferenceOnRandomKeysAndBlocks()
{
    std::mt19937 generator(20261208);
    for (int round = 0; round < 3000; ++round) {
        QByteArray key = randomBytes(generator, 16);
        const QByteArray plain = randomBytes(generator, 16);
        AesContext context;
        aesInit(context, bytesOf(key));

        QByteArray block = plain;
        aesEncryptBlock(context, bytesOf(block));
        QCOMPARE(block.toHex(), referenceAesEncrypt(key, plain).toHex());
        aesDecryptBlock(context, bytesOf(block));
        QCOMPARE(block.toHex(), plain.toHex());
    }
}

void CipherTest::envelopePadsEnciphersAndRoundTrips_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("padding");

    std::mt19937 generator(7);
    QTest::newRow("802 bytes get 14 spaces") << randomBytes(generator, 802) << 14;
    QTest::newRow("whole blocks stay unpadded") << randomBytes(generator, 16 * 5) << 0;
    QTest::newRow("one byte") << QByteArray("{") << 15;
    QTest::newRow("empty") << QByteArray() << 0;
}

void CipherTest::envelopePadsEnciphersAndRoundTrips()
{
    QFETCH(QByteArray, text);
    QFETCH(int, padding);
    const QByteArray padded = text + QByteArray(padding, ' ');

    QByteArray file = text;
    QVERIFY(encryptProjectData(file));
    QCOMPARE(file, referenceAesEncrypt(projectKey, padded));

    QVERIFY(decryptProjectData(file));
    QCOMPARE(file, padded);

    // Re-exporting an imported file must not change a single byte.
    QVERIFY(encryptProjectData(file));
    QCOMPARE(file, referenceAesEncrypt(projectKey, padded));
}

void CipherTest::equalBlocksGiveEqualCiphertext()
{
    QByteArray text = QByteArray("same sixteen by.").repeated(3);
    QVERIFY(encryptProjectData(text));
    QCOMPARE(text.mid(16, 16), text.left(16));
    QCOMPARE(text.mid(32, 16), text.left(16));
}

void CipherTest::decryptRefusesPartialBlocks()
{
    for (int size : {1, 15, 17, 815}) {
        const QByteArray original(size, 'x');
        QByteArray bytes = original;
        QVERIFY2(!decryptProjectData(bytes), qPrintable(QString::number(size)));
        QCOMPARE(bytes, original);
    }
}

QTEST_GUILESS_MAIN(CipherTest)
#include "tst_cipher.moc"
