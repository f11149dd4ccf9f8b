#include "net/FtpTarget.h"

#include "net/NetworkEndpoints.h"

#include <QtGlobal>

namespace FtpTarget {

namespace {

QString overrideOr(const char *variable, const char *compiledIn)
{
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() ? QString::fromUtf8(compiledIn) : value;
}

} // namespace

QUrl baseUrl()
{
    QUrl url = endpoints::ftpBase();
    url.setUserInfo(QString());
    url.setPath(url.path(QUrl::FullyDecoded) + QStringLiteral("/public_html/apps/"), QUrl::DecodedMode);
    return url;
}

QString userName()
{
    return overrideOr("AIRVANE_FTP_USER", AIRVANE_FTP_USER);
}

QString password()
{
    return overrideOr("AIRVANE_FTP_PASSWORD", AIRVANE_FTP_PASSWORD);
}

QString productFolder(const QString &productName)
{
    if (productName == QLatin1String("Airvane Lite"))
        return QStringLiteral("airvane_lite");
    // The maker's other products follow the same naming.
    return productName.toLower().replace(QLatin1Char(' '), QLatin1Char('_'));
}

QUrl uploadUrl(bool installerTarget, const QString &productName, const QString &ftpDirName,
               const QString &fileName)
{
    QUrl url = baseUrl();
    const QString area = installerTarget ? QStringLiteral("installers/online/ali")
                                         : productFolder(productName);
    QString segment = fileName;
    // A '/' in a local name cannot happen on the platforms served; keep it inside the segment anyway.
    segment.replace(QLatin1Char('/'), QLatin1Char('_'));
    url.setPath(url.path(QUrl::FullyDecoded) + area + QStringLiteral("/telemetry/") + ftpDirName
                    + QLatin1Char('/') + segment,
                QUrl::DecodedMode);
    url.setUserName(userName(), QUrl::DecodedMode);
    url.setPassword(password(), QUrl::DecodedMode);
    return url;
}

QString displayUrl(const QUrl &url)
{
    return url.toDisplayString(QUrl::RemoveUserInfo);
}

} // namespace FtpTarget
