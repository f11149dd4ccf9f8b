// libFuzzer target: whatever bytes arrive, deciphering must neither crash nor read out of
// bounds, a failure must come back empty, and enciphering the same bytes must round-trip.

#include "util/TextCipher.h"

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size > 1 << 20)
        return 0;
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    const quint64 key = TextCipher::storedSecretKey;

    TextCipher cipher(key);
    const QByteArray plain = cipher.decipher(input);
    check(cipher.lastError() == TextCipher::NoError || plain.isEmpty());

    // The same bytes as stored text, as the settings store would hand them back.
    TextCipher::decryptText(key, QString::fromLatin1(input));

    // And as a secret to keep: every mode must give the bytes back.
    const quint8 random = size ? data[0] : 0;
    for (const auto compression : {TextCipher::Auto, TextCipher::Always, TextCipher::Never}) {
        for (const auto integrity : {TextCipher::None, TextCipher::Checksum, TextCipher::Hash}) {
            TextCipher writer(key);
            writer.setCompressionMode(compression);
            writer.setIntegrityMode(integrity);
            writer.setRandomSource([random] { return random; });
            TextCipher reader(key);
            check(reader.decipher(writer.encipher(input)) == input);
            check(reader.lastError() == TextCipher::NoError);
        }
    }
    const QString text = QString::fromUtf8(input);
    check(TextCipher::decryptText(key, TextCipher::encryptText(key, text)) == text);
    return 0;
}
