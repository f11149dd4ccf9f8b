// Writes a small seed corpus of genuine ciphertexts (every mode, a few plaintexts) into the
// folder named on the command line, so that the fuzzer starts from inputs that pass the checks.

#include "util/TextCipher.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds DIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral(".")))
        return 1;

    const QList<QByteArray> plains = {QByteArray(), QByteArray("HomeNet-5G"),
        QStringLiteral("Сеть «Уют» пароль").toUtf8(), QByteArray(700, 'a') + QByteArray("tail")};
    int count = 0;
    for (const QByteArray &plain : plains) {
        for (const auto compression : {TextCipher::Auto, TextCipher::Always, TextCipher::Never}) {
            for (const auto integrity : {TextCipher::None, TextCipher::Checksum, TextCipher::Hash}) {
                TextCipher cipher(TextCipher::storedSecretKey);
                cipher.setCompressionMode(compression);
                cipher.setIntegrityMode(integrity);
                cipher.setRandomSource([count] { return quint8(count * 37); });
                QFile seed(dir.filePath(QStringLiteral("seed-%1.bin").arg(count++, 3, 10, QLatin1Char('0'))));
                if (!seed.open(QIODevice::WriteOnly) || seed.write(cipher.encipher(plain)) < 0)
                    return 1;
            }
        }
        QFile text(dir.filePath(QStringLiteral("seed-%1.txt").arg(count++, 3, 10, QLatin1Char('0'))));
        if (!text.open(QIODevice::WriteOnly)
            || text.write(TextCipher::encryptText(TextCipher::storedSecretKey, QString::fromUtf8(plain)).toLatin1()) < 0)
            return 1;
    }
    return 0;
}
