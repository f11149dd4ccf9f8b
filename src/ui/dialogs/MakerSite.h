#pragma once

#include <QString>

// The maker's web site, a deployment value compiled in (AIRVANE_WEB_HOST).
inline QString makerWebsite()
{
    return QStringLiteral("https://" AIRVANE_WEB_HOST);
}
