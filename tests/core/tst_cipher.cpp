#include "project/aes.h"
#include "project/envelope.h"

#include <QtTest>
#include <openssl/evp.h>
#include <random>

namespace
{

const char projectKey[] = "ZAREN800CfgKey16";

QByteArray fromHex(const char *hex)
{
    return QByteArray::fromHex(hex);
}

quint8 *bytesOf(QByteArray &bytes)
{
    return reinterpret_cast<quint8 *>(bytes.data());
}

// Independent reference: OpenSSL's AES-128 in ECB mode without padding.
QByteArray opensslEncrypt(const QByteArray &key, const QByteArray &plain)
{
    EVP_CIPHER_CTX *context = EVP_CIPHER_CTX_new();
    QByteArray cipher(plain.size(), '\0');
    int written = 0;
    EVP_EncryptInit_ex(context, EVP_aes_128_ecb(), nullptr,
                       reinterpret_cast<const unsigned char *>(key.constData()), nullptr);
    EVP_CIPHER_CTX_set_padding(context, 0);
    EVP_EncryptUpdate(context, bytesOf(cipher), &written,
                      reinterpret_cast<const unsigned char *>(plain.constData()), plain.size());
    EVP_CIPHER_CTX_free(context);
    return cipher.left(written);
}

QByteArray randomBytes(std::mt19937 &generator, int count)
{
    QByteArray bytes(count, '\0');
    for (char &byte : bytes)
        byte = char(generator() & 0xff);
    return bytes;
}

// The document of a project with one Lighting and one Welcome function.
QByteArray exampleDocument()
{
    const QByteArray disabledFrom2 =
        R"("ControlOut-C2": "DISABLE","ControlOut-C3": "DISABLE","ControlOut-C4": "DISABLE",)"
        R"("ControlOut-C5": "DISABLE","ControlOut-C6": "DISABLE","ControlOut-C7": "DISABLE",)"
        R"("ControlOut-C8": "DISABLE",)";
    return R"({"AirConditioner": [],"CreateTime": "08-12-2026 10:15:00","DNDMUR": [],)"
           R"("DigitalIO": [],"EnergySaving": [],"Lighting": [{"ControlOut-C1": "ENABLE",)" +
           disabledFrom2 +
           R"("ControlType": "ON/OFF","DebounceTime": "50 ms","Input": "IN3",)"
           R"("OutputControlPriority": "","name": "Entrance"}],"Logic": [],"MasterOff": [],)"
           R"("PlatformType": "MV211","Shutter": [],"Version": "v2.0.2","VoltageInput": [],)"
           R"("Welcome": [{"ControlOut-C1": "ENABLE",)" +
           disabledFrom2 + R"("name": "Welcome-1"}]})";
}

} // namespace

class CipherTest : public QObject
{
    Q_OBJECT

private slots:
    void publishedVectorEncryptsAndDecrypts();
    void agreesWithOpenSslOnRandomKeysAndBlocks();
    void equalBlocksGiveEqualCiphertext();
    void envelopePadsAndMatchesOpenSsl();
    void envelopeLeavesWholeBlocksUnpadded();
    void decryptRefusesPartialBlocks();
    void decryptThenEncryptReproducesTheFile();
};

void CipherTest::publishedVectorEncryptsAndDecrypts()
{
    const QByteArray plain = fromHex("00112233445566778899aabbccddeeff");
    const QByteArray cipher = fromHex("69c4e0d86a7b0430d8cdb78070b4c55a");
    QByteArray key = fromHex("000102030405060708090a0b0c0d0e0f");
    AesContext context;
    aesInit(context, bytesOf(key));

    QByteArray block = plain;
    aesEncryptBlock(context, bytesOf(block));
    QCOMPARE(block.toHex(), cipher.toHex());
    aesDecryptBlock(context, bytesOf(block));
    QCOMPARE(block.toHex(), plain.toHex());

    // The last round key of the published expansion.
    const QByteArray lastRoundKey(reinterpret_cast<const char *>(context.roundKey) + 160, 16);
    QCOMPARE(lastRoundKey.toHex(), QByteArray("13111d7fe3944a17f307a78b4d2b30c5"));
}

void CipherTest::agreesWithOpenSslOnRandomKeysAndBlocks()
{
    std::mt19937 generator(20261208);
    for (int round = 0; round < 3000; ++round) {
        QByteArray key = randomBytes(generator, 16);
        const QByteArray plain = randomBytes(generator, 16);
        AesContext context;
        aesInit(context, bytesOf(key));

        QByteArray block = plain;
        aesEncryptBlock(context, bytesOf(block));
        const QByteArray expected = opensslEncrypt(key, plain);
        if (block != expected)
            QFAIL(qPrintable(QStringLiteral("key %1 plain %2: got %3, expected %4")
                                 .arg(QString(key.toHex()), QString(plain.toHex()),
                                      QString(block.toHex()), QString(expected.toHex()))));
        aesDecryptBlock(context, bytesOf(block));
        if (block != plain)
            QFAIL(qPrintable(QStringLiteral("key %1: decrypt of %2 failed")
                                 .arg(QString(key.toHex()), QString(plain.toHex()))));
    }
}

void CipherTest::equalBlocksGiveEqualCiphertext()
{
    QByteArray text = QByteArray("same sixteen by.").repeated(3);
    QVERIFY(encryptProjectData(text));
    QCOMPARE(text.size(), 48);
    QCOMPARE(text.mid(16, 16), text.left(16));
    QCOMPARE(text.mid(32, 16), text.left(16));
}

void CipherTest::envelopePadsAndMatchesOpenSsl()
{
    const QByteArray document = exampleDocument();
    QCOMPARE(document.size(), 802);
    const QByteArray padded = document + QByteArray(14, ' ');

    QByteArray file = document;
    QVERIFY(encryptProjectData(file));
    QCOMPARE(file.size(), 816);
    QCOMPARE(file, opensslEncrypt(projectKey, padded));

    QVERIFY(decryptProjectData(file));
    QCOMPARE(file, padded);
}

void CipherTest::envelopeLeavesWholeBlocksUnpadded()
{
    QByteArray empty;
    QVERIFY(encryptProjectData(empty));
    QVERIFY(empty.isEmpty());
    QVERIFY(decryptProjectData(empty));
    QVERIFY(empty.isEmpty());

    std::mt19937 generator(5);
    const QByteArray text = randomBytes(generator, 16 * 5);
    QByteArray file = text;
    QVERIFY(encryptProjectData(file));
    QCOMPARE(file.size(), text.size());
    QCOMPARE(file, opensslEncrypt(projectKey, text));
    QVERIFY(decryptProjectData(file));
    QCOMPARE(file, text);
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

void CipherTest::decryptThenEncryptReproducesTheFile()
{
    QByteArray file = exampleDocument();
    encryptProjectData(file);
    const QByteArray written = file;

    QVERIFY(decryptProjectData(file));
    QVERIFY(encryptProjectData(file));
    QCOMPARE(file, written);
}

QTEST_GUILESS_MAIN(CipherTest)
#include "tst_cipher.moc"
