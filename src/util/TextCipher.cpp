#include "util/TextCipher.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(lcCipher, "airvane.cipher")

constexpr char formatVersion = 3;
constexpr quint8 flagCompressed = 0x01;
constexpr quint8 flagChecksum = 0x02;
constexpr quint8 flagHash = 0x04;
constexpr int hashSize = 20;

// Deflate never expands data by more than this factor, so a size header claiming more than
// this cannot be genuine and must not drive a huge allocation.
constexpr qint64 maxInflateRatio = 1032;

quint16 checksumOf(const QByteArray &data)
{
    return qChecksum(data.constData(), uint(data.size()));
}

// qUncompress trusts the 4-byte size header and answers garbage with an empty array, which is
// indistinguishable from an empty payload; check both before and after.
bool uncompressChecked(const QByteArray &data, QByteArray &out)
{
    out.clear();
    if (data.size() < 4)
        return false;
    const quint32 claimed = (quint32(quint8(data[0])) << 24) | (quint32(quint8(data[1])) << 16)
        | (quint32(quint8(data[2])) << 8) | quint32(quint8(data[3]));
    if (claimed == 0)
        return data.size() == 4;
    if (qint64(claimed) > qint64(data.size() - 4) * maxInflateRatio)
        return false;
    out = qUncompress(data);
    if (quint32(out.size()) != claimed) {
        out.clear();
        return false;
    }
    return true;
}

} // namespace

TextCipher::TextCipher()
    : m_generator(quint32(QDateTime::currentMSecsSinceEpoch() & 0xFFFF))
{
}

TextCipher::TextCipher(quint64 key)
    : TextCipher()
{
    setKey(key);
}

void TextCipher::setKey(quint64 key)
{
    m_key = key;
    m_hasKey = true;
    for (int i = 0; i < 8; ++i)
        keyBytes[std::size_t(i)] = quint8(key >> (8 * i));
}

quint8 TextCipher::nextRandomByte()
{
    if (m_randomSource)
        return m_randomSource();
    return quint8(m_generator.generate() & 0xFF);
}

void TextCipher::fail(Error error, const char *message)
{
    qCWarning(lcCipher, "%s", message);
    m_lastError = error;
}

QByteArray TextCipher::encipher(const QByteArray &plain)
{
    if (!m_hasKey) {
        fail(NoKeySet, "No key set.");
        return QByteArray();
    }

    QByteArray data = plain;
    quint8 flags = 0;
    if (m_compressionMode == Always) {
        data = qCompress(data, 9);
        flags |= flagCompressed;
    } else if (m_compressionMode == Auto) {
        const QByteArray compressed = qCompress(data, 9);
        if (compressed.size() < data.size()) {
            data = compressed;
            flags |= flagCompressed;
        }
    }

    QByteArray integrity;
    if (m_integrityMode == Checksum) {
        flags |= flagChecksum;
        const quint16 crc = checksumOf(data);
        integrity.append(char(crc >> 8));
        integrity.append(char(crc & 0xFF));
    } else if (m_integrityMode == Hash) {
        flags |= flagHash;
        integrity = QCryptographicHash::hash(data, QCryptographicHash::Sha1);
    }

    QByteArray buffer;
    buffer.reserve(1 + integrity.size() + data.size());
    buffer.append(char(nextRandomByte()));
    buffer.append(integrity);
    buffer.append(data);

    quint8 previous = 0;
    for (int i = 0; i < buffer.size(); ++i) {
        const quint8 out = quint8(buffer[i]) ^ keyBytes[std::size_t(i % 8)] ^ previous;
        buffer[i] = char(out);
        previous = out;
    }

    QByteArray result;
    result.reserve(2 + buffer.size());
    result.append(formatVersion);
    result.append(char(flags));
    result.append(buffer);
    m_lastError = NoError;
    return result;
}

QByteArray TextCipher::decipher(const QByteArray &cipher)
{
    if (!m_hasKey) {
        fail(NoKeySet, "No key set.");
        return QByteArray();
    }
    if (cipher.size() < 3 || cipher[0] != formatVersion) {
        fail(UnknownVersion, "Invalid version or not a cyphertext.");
        return QByteArray();
    }

    const quint8 flags = quint8(cipher[1]);
    QByteArray data = cipher.mid(2);

    quint8 previous = 0;
    for (int i = 0; i < data.size(); ++i) {
        const quint8 in = quint8(data[i]);
        data[i] = char(in ^ previous ^ keyBytes[std::size_t(i % 8)]);
        previous = in;
    }
    data.remove(0, 1);

    bool intact = true;
    if (flags & flagChecksum) {
        if (data.size() < 2) {
            intact = false;
        } else {
            const quint16 stored = quint16((quint8(data[0]) << 8) | quint8(data[1]));
            data.remove(0, 2);
            intact = checksumOf(data) == stored;
        }
    } else if (flags & flagHash) {
        if (data.size() < hashSize) {
            intact = false;
        } else {
            const QByteArray stored = data.left(hashSize);
            data.remove(0, hashSize);
            intact = QCryptographicHash::hash(data, QCryptographicHash::Sha1) == stored;
        }
    }
    if (!intact) {
        fail(IntegrityFailed, "Integrity check failed.");
        return QByteArray();
    }

    if (flags & flagCompressed) {
        QByteArray inflated;
        if (!uncompressChecked(data, inflated)) {
            fail(IntegrityFailed, "Corrupt compressed data.");
            return QByteArray();
        }
        data = inflated;
    }

    m_lastError = NoError;
    return data;
}

QString TextCipher::encryptText(quint64 key, const QString &text, RandomSource random)
{
    TextCipher cipher(key);
    cipher.setCompressionMode(Auto);
    cipher.setIntegrityMode(Checksum);
    cipher.setRandomSource(std::move(random));
    return QString::fromLatin1(cipher.encipher(text.toUtf8()).toBase64());
}

QString TextCipher::decryptText(quint64 key, const QString &text)
{
    const auto decoded = QByteArray::fromBase64Encoding(text.toLatin1(),
        QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return QString();

    TextCipher cipher(key);
    cipher.setCompressionMode(Auto);
    cipher.setIntegrityMode(Checksum);
    const QByteArray plain = cipher.decipher(decoded.decoded);
    if (cipher.lastError() != NoError)
        return QString();
    return QString::fromUtf8(plain);
}
