#include "util/TextCipher.h"

#include <QtTest>

namespace {

constexpr quint64 testKey = 0x0102030405060708ULL; // key bytes, low first: 08 07 06 05 04 03 02 01

TextCipher::RandomSource fixedRandom(quint8 value)
{
    return [value] { return value; };
}

TextCipher makeCipher(quint64 key, TextCipher::CompressionMode compression, TextCipher::IntegrityMode integrity,
    quint8 random = 0x5A)
{
    TextCipher cipher(key);
    cipher.setCompressionMode(compression);
    cipher.setIntegrityMode(integrity);
    cipher.setRandomSource(fixedRandom(random));
    return cipher;
}

// A ciphertext whose chained part is [random][payload] with the given flags, so that the
// payload reaches the integrity and decompression steps exactly as written.
QByteArray forge(quint8 flags, const QByteArray &payload)
{
    TextCipher cipher = makeCipher(testKey, TextCipher::Never, TextCipher::None);
    QByteArray forged = cipher.encipher(payload);
    forged[1] = char(flags);
    return forged;
}

QString tenKilobytes()
{
    QString text;
    for (int i = 0; text.size() < 10 * 1024; ++i)
        text += QStringLiteral("line %1: Пароль сети %2;").arg(i).arg(i * 7919 % 1000);
    return text.left(10 * 1024);
}

} // namespace

Q_DECLARE_METATYPE(TextCipher::CompressionMode)
Q_DECLARE_METATYPE(TextCipher::IntegrityMode)
Q_DECLARE_METATYPE(TextCipher::Error)

class TestTextCipher : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<TextCipher::CompressionMode>("compression");
        QTest::addColumn<TextCipher::IntegrityMode>("integrity");

        const QList<QPair<const char *, QString>> texts = {
            {"empty", QString()},
            {"cyrillic", QStringLiteral("Домашняя сеть — пароль: ёжик123")},
            {"10KB", tenKilobytes()},
        };
        const QList<QPair<const char *, TextCipher::CompressionMode>> compressions = {
            {"auto", TextCipher::Auto}, {"always", TextCipher::Always}, {"never", TextCipher::Never}};
        const QList<QPair<const char *, TextCipher::IntegrityMode>> integrities = {
            {"none", TextCipher::None}, {"crc", TextCipher::Checksum}, {"sha1", TextCipher::Hash}};

        for (const auto &text : texts)
            for (const auto &compression : compressions)
                for (const auto &integrity : integrities)
                    QTest::addRow("%s/%s/%s", text.first, compression.first, integrity.first)
                        << text.second << compression.second << integrity.second;
    }

    void roundTrip()
    {
        QFETCH(QString, text);
        QFETCH(TextCipher::CompressionMode, compression);
        QFETCH(TextCipher::IntegrityMode, integrity);

        TextCipher writer(testKey);
        writer.setCompressionMode(compression);
        writer.setIntegrityMode(integrity);
        const QByteArray cipher = writer.encipher(text.toUtf8());
        QCOMPARE(writer.lastError(), TextCipher::NoError);
        if (!text.isEmpty())
            QVERIFY(!cipher.contains(text.toUtf8()));

        // The reader's own modes do not matter: the flags travel with the ciphertext.
        TextCipher reader(testKey);
        reader.setCompressionMode(TextCipher::Never);
        reader.setIntegrityMode(TextCipher::None);
        QCOMPARE(QString::fromUtf8(reader.decipher(cipher)), text);
        QCOMPARE(reader.lastError(), TextCipher::NoError);

        // With an integrity check, every byte after the header, with a one-bit and an all-bits change.
        for (int position = 2; integrity != TextCipher::None && cipher.size() < 4096 && position < cipher.size(); ++position) {
            for (const quint8 mask : {quint8(0x01), quint8(0xFF)}) {
                QByteArray tampered = cipher;
                tampered[position] = char(quint8(tampered[position]) ^ mask);
                if (!reader.decipher(tampered).isEmpty() || reader.lastError() != TextCipher::IntegrityFailed)
                    QFAIL(qPrintable(QStringLiteral("change %1 at byte %2 went unnoticed").arg(mask).arg(position)));
            }
        }
    }

    // Each vector was worked out on paper from the rule out[i] = in[i] ^ keyByte[i % 8] ^ out[i - 1]
    // (out[-1] = 0) over [random byte][checksum or digest][data], then prefixed with 03 and the
    // flags. The key 0x0102030405060708 gives key bytes 08 07 06 05 04 03 02 01.
    //
    // "A", random 00, no integrity:
    //   00^08^00 = 08, 41^07^08 = 4E                                   -> 03 00 08 4E
    // "123456789", random A5, CRC: the ISO 3309 CRC-16 of "123456789" is the published check
    // value 906E, so the buffer is A5 90 6E 31 32 33 34 35 36 37 38 39:
    //   A5^08^00=AD 90^07^AD=3A 6E^06^3A=52 31^05^52=66 32^04^66=50 33^03^50=60
    //   34^02^60=56 35^01^56=62 36^08^62=5C 37^07^5C=6C 38^06^6C=52 39^05^52=6E
    // "abc", key 0, random 00, SHA-1: the digest is the FIPS 180 example
    //   A9993E36 4706816A BA3E2571 7850C26C 9CD0D89D; with a zero key each output byte is the
    //   input byte XOR the previous output: 00 A9 30 0E 38 7F 79 F8 92 28 16 33 42 3A 6A A8 C4 58
    //   88 50 CD, then "abc": 61^CD=AC 62^AC=CE 63^CE=AD
    void knownAnswers_data()
    {
        QTest::addColumn<quint64>("key");
        QTest::addColumn<int>("random");
        QTest::addColumn<TextCipher::IntegrityMode>("integrity");
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<QByteArray>("cipher");

        QTest::newRow("plain chain") << testKey << 0x00 << TextCipher::None << QByteArray("A")
                                     << QByteArray::fromHex("0300084E");
        QTest::newRow("crc") << testKey << 0xA5 << TextCipher::Checksum << QByteArray("123456789")
                             << QByteArray::fromHex("0302AD3A526650605662 5C6C526E");
        QTest::newRow("sha1") << quint64(0) << 0x00 << TextCipher::Hash << QByteArray("abc")
                              << QByteArray::fromHex("030400A9300E387F79F892281633423A6AA8C45888 50CDACCEAD");
    }

    void knownAnswers()
    {
        QFETCH(quint64, key);
        QFETCH(int, random);
        QFETCH(TextCipher::IntegrityMode, integrity);
        QFETCH(QByteArray, plain);
        QFETCH(QByteArray, cipher);

        TextCipher writer = makeCipher(key, TextCipher::Never, integrity, quint8(random));
        QCOMPARE(writer.encipher(plain).toHex(), cipher.toHex());

        TextCipher reader(key);
        QCOMPARE(reader.decipher(cipher), plain);
        QCOMPARE(reader.lastError(), TextCipher::NoError);

        // The text form defaults to a checksum, leaves short texts uncompressed and is Base64.
        if (integrity == TextCipher::Checksum)
            QCOMPARE(TextCipher::encryptText(key, QString::fromUtf8(plain), fixedRandom(quint8(random))),
                     QString::fromLatin1(cipher.toBase64()));
    }

    void compressionFlags()
    {
        const QByteArray longText = tenKilobytes().toUtf8();
        const QByteArray packed = makeCipher(testKey, TextCipher::Auto, TextCipher::Checksum).encipher(longText);
        const QByteArray raw = makeCipher(testKey, TextCipher::Never, TextCipher::None).encipher(longText);
        QCOMPARE(QList<int>({makeCipher(testKey, TextCipher::Auto, TextCipher::Checksum).encipher("pass")[1], packed[1],
                             makeCipher(testKey, TextCipher::Always, TextCipher::Hash).encipher("pass")[1], raw[1]}),
                 QList<int>({0x02, 0x03, 0x05, 0x00}));
        QVERIFY(packed.size() < longText.size());
        QCOMPARE(raw.size(), 2 + 1 + longText.size());

        // The random byte changes the whole ciphertext.
        const QString first = TextCipher::encryptText(testKey, "secret", fixedRandom(1));
        QVERIFY(first != TextCipher::encryptText(testKey, "secret", fixedRandom(2)));
        QCOMPARE(TextCipher::decryptText(testKey, first), QStringLiteral("secret"));
    }

    void malformedBytes_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<TextCipher::Error>("error");

        TextCipher cipher = makeCipher(testKey, TextCipher::Always, TextCipher::Checksum);
        const QByteArray valid = cipher.encipher("some network password");
        const QByteArray compressed = qCompress(QByteArray(300, 'x'), 9);
        QByteArray wrongSize = compressed;
        wrongSize.replace(0, 4, QByteArray::fromHex("0000012B"));   // 299, big-endian

        QTest::newRow("empty") << QByteArray() << TextCipher::UnknownVersion;
        QTest::newRow("header only") << QByteArray("\x03\x02", 2) << TextCipher::UnknownVersion;
        QTest::newRow("version 4") << QByteArray(valid).replace(0, 1, "\x04") << TextCipher::UnknownVersion;
        QTest::newRow("truncated by one") << valid.left(valid.size() - 1) << TextCipher::IntegrityFailed;
        QTest::newRow("crc with one byte") << forge(0x02, "x") << TextCipher::IntegrityFailed;
        QTest::newRow("sha1 too short") << forge(0x04, QByteArray(19, 'h')) << TextCipher::IntegrityFailed;
        QTest::newRow("compressed garbage") << forge(0x01, "garbage that is no zlib stream")
                                            << TextCipher::IntegrityFailed;
        QTest::newRow("compressed huge claim") << forge(0x01, QByteArray::fromHex("FFFFFFF0") + "xyz")
                                               << TextCipher::IntegrityFailed;
        QTest::newRow("compressed size mismatch") << forge(0x01, wrongSize) << TextCipher::IntegrityFailed;
        QTest::newRow("compressed stream cut") << forge(0x01, compressed.left(compressed.size() - 5))
                                               << TextCipher::IntegrityFailed;
    }

    void malformedBytes()
    {
        QFETCH(QByteArray, input);
        QFETCH(TextCipher::Error, error);

        TextCipher cipher(testKey);
        QVERIFY(cipher.decipher(input).isEmpty());
        QCOMPARE(cipher.lastError(), error);
    }

    void malformedText()
    {
        const QString valid = TextCipher::encryptText(testKey, QStringLiteral("HomeNet"), fixedRandom(3));
        const QString otherKey = TextCipher::encryptText(testKey + 1, QStringLiteral("HomeNet"), fixedRandom(3));
        for (const QString &stored : QStringList{QString(), valid + QStringLiteral("*"), valid.left(valid.size() - 1), otherKey,
                                      QString::fromLatin1(QByteArray("\x02\x02\x10\x20\x30").toBase64())})
            QVERIFY2(TextCipher::decryptText(testKey, stored).isEmpty(), qPrintable(stored));
    }

    void withoutKey()
    {
        TextCipher cipher;
        QVERIFY(!cipher.hasKey());
        QVERIFY(cipher.encipher("data").isEmpty());
        QCOMPARE(cipher.lastError(), TextCipher::NoKeySet);

        TextCipher keyed = makeCipher(0, TextCipher::Never, TextCipher::Checksum);
        const QByteArray zeroKeyed = keyed.encipher("data");
        QCOMPARE(keyed.lastError(), TextCipher::NoError);
        QVERIFY(cipher.decipher(zeroKeyed).isEmpty());
        QCOMPARE(cipher.lastError(), TextCipher::NoKeySet);

        // A zero key is still a key.
        QCOMPARE(keyed.decipher(zeroKeyed), QByteArray("data"));
    }
};

QTEST_GUILESS_MAIN(TestTextCipher)
#include "tst_textcipher.moc"
