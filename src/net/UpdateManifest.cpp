#include "net/UpdateManifest.h"

#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QUrl>
#include <QVersionNumber>

namespace {

// Digits and dots only; QVersionNumber alone would read "2.9beta" or "3-rc" as numbers.
bool parseBuild(const QString &text, QVersionNumber *version)
{
    static const QRegularExpression plain(QStringLiteral("^\\d{1,9}(\\.\\d{1,9})*$"));
    if (!plain.match(text).hasMatch())
        return false;
    *version = QVersionNumber::fromString(text);
    return !version->isNull();
}

// Installers are fetched over verified HTTPS only.
QString httpsOnly(const QString &address)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != QLatin1String("https") || url.host().isEmpty())
        return QString();
    // The normal form: the scheme is case-blind ("HTTPS://" is https) and is written in lower case.
    return url.toString(QUrl::FullyEncoded);
}

} // namespace

bool isNewerBuild(const QString &candidate, const QString &current)
{
    QVersionNumber theirs;
    QVersionNumber ours;
    if (!parseBuild(candidate, &theirs) || !parseBuild(current, &ours))
        return false;
    return QVersionNumber::compare(theirs, ours) > 0;
}

QString UpdateManifest::urlKey(Update::Delivery delivery)
{
    switch (delivery) {
    case Update::Delivery::OneDrive:
        return QStringLiteral("update_onedrive_url_x64");
    case Update::Delivery::Dropbox:
        return QStringLiteral("update_dropbox_url_x64");
    default:
        return QStringLiteral("update_url_x64");
    }
}

UpdateManifest UpdateManifest::parse(const QByteArray &body, Update::Delivery delivery, const QString &currentBuild)
{
    UpdateManifest manifest;
    manifest.build = currentBuild;
    const QJsonDocument document = QJsonDocument::fromJson(body, &manifest.error);
    if (document.isNull() || !document.isObject()) {
        // A well-formed array or scalar is no manifest either; report it as a bad value rather
        // than as "no error".
        if (manifest.error.error == QJsonParseError::NoError)
            manifest.error.error = QJsonParseError::IllegalValue;
        manifest.outcome = Outcome::JsonError;
        return manifest;
    }
    const QJsonObject top = document.object();
    const QJsonObject entry = top.isEmpty() ? QJsonObject() : top.begin().value().toObject();
    if (entry.isEmpty())
        return manifest;

    const QString addressKey = urlKey(delivery);
    for (auto it = entry.begin(); it != entry.end(); ++it) {
        const QString key = it.key();
        if (key == QLatin1String("version")) {
            manifest.build = it.value().toString();
            manifest.isNewer = isNewerBuild(manifest.build, currentBuild);
        } else if (key == QLatin1String("channel")) {
            manifest.channel = it.value().toString();
        } else if (key == addressKey) {
            manifest.url = httpsOnly(it.value().toString());
        } else if (key == QLatin1String("updateinfo")) {
            const QJsonArray notes = it.value().toArray();
            for (const QJsonValue &note : notes)
                manifest.info += QLatin1Char('\n') + note.toString();
        }
    }
    manifest.outcome = manifest.channel.isEmpty() || manifest.info.isEmpty() ? Outcome::Incomplete : Outcome::Complete;
    return manifest;
}

QString parseAddressReply(int httpStatus, const QByteArray &body)
{
    // An address is at most 45 characters; anything longer is a page, not an answer.
    if (httpStatus != 200 || body.size() > 64)
        return QString();
    const QString text = QString::fromLatin1(body).trimmed();
    if (text == QLatin1String("::1"))
        return QStringLiteral("127.0.0.1");
    QHostAddress address;
    if (text.isEmpty() || !address.setAddress(text))
        return QString();
    return address.toString();
}
