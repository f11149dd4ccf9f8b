#pragma once

#include <QByteArray>
#include <QRandomGenerator>
#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>

// A reversible cipher for short secrets kept in the settings store. It hides them from casual
// reading; it is not meant to stand up to anyone who has the program's key.
//
// Ciphertext layout: version byte 3, flags byte (0x01 compressed, 0x02 CRC-16, 0x04 SHA-1),
// then a chained XOR of [random byte][checksum or digest][payload].
class TextCipher
{
public:
    enum CompressionMode { Auto = 0, Always = 1, Never = 2 };
    enum IntegrityMode { None = 0, Checksum = 1, Hash = 2 };
    enum Error { NoError = 0, NoKeySet = 1, UnknownVersion = 2, IntegrityFailed = 3 };

    // Supplies the random first byte of each ciphertext; tests pin it.
    using RandomSource = std::function<quint8()>;

    // The key of the stored network name and password.
    static constexpr quint64 storedSecretKey = 0x5A3C9E17D2B4F681ULL;

    TextCipher();
    explicit TextCipher(quint64 key);

    void setKey(quint64 key);
    quint64 key() const { return m_key; }
    bool hasKey() const { return m_hasKey; }

    void setCompressionMode(CompressionMode mode) { m_compressionMode = mode; }
    CompressionMode compressionMode() const { return m_compressionMode; }

    void setIntegrityMode(IntegrityMode mode) { m_integrityMode = mode; }
    IntegrityMode integrityMode() const { return m_integrityMode; }

    Error lastError() const { return m_lastError; }

    // An empty source restores the clock-seeded generator.
    void setRandomSource(RandomSource source) { m_randomSource = std::move(source); }

    QByteArray encipher(const QByteArray &plain);
    // Empty for anything that is not an intact ciphertext made with this key.
    QByteArray decipher(const QByteArray &cipher);

    // Auto compression, CRC-16 integrity, Base64 text.
    static QString encryptText(quint64 key, const QString &text, RandomSource random = RandomSource());
    // Empty on any failure.
    static QString decryptText(quint64 key, const QString &text);

private:
    quint8 nextRandomByte();
    void fail(Error error, const char *message);

    quint64 m_key = 0;
    bool m_hasKey = false;
    std::array<quint8, 8> keyBytes{};
    CompressionMode m_compressionMode = Auto;
    IntegrityMode m_integrityMode = Checksum;
    Error m_lastError = NoError;
    RandomSource m_randomSource;
    QRandomGenerator m_generator;
};
