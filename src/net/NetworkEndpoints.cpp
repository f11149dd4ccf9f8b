#include "net/NetworkEndpoints.h"

#include <QtGlobal>

namespace {

QUrl withoutTrailingSlash(QUrl url)
{
    QString path = url.path();
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    url.setPath(path);
    return url;
}

} // namespace

namespace endpoints {

QUrl chooseBase(const QByteArray &override, const QString &scheme, const QUrl &fallback)
{
    if (override.isEmpty())
        return fallback;
    const QUrl url(QString::fromUtf8(override), QUrl::StrictMode);
    if (!url.isValid() || url.scheme().compare(scheme, Qt::CaseInsensitive) != 0 || url.host().isEmpty()
        || !url.query().isEmpty() || !url.fragment().isEmpty()) {
        qWarning("Ignoring server address override \"%s\": only %s:// addresses are accepted",
                 override.constData(), qPrintable(scheme));
        return fallback;
    }
    return withoutTrailingSlash(url);
}

QUrl webBase()
{
    static const QUrl builtIn(QStringLiteral("https://") + QLatin1String(AIRVANE_WEB_HOST));
    return chooseBase(qgetenv(webOverrideVariable), QStringLiteral("https"), builtIn);
}

QUrl ftpBase()
{
    static const QUrl builtIn(QStringLiteral("ftp://") + QLatin1String(AIRVANE_FTP_HOST));
    return chooseBase(qgetenv(ftpOverrideVariable), QStringLiteral("ftp"), builtIn);
}

QString webAddress(const QString &path)
{
    return webBase().toString() + path;
}

} // namespace endpoints
