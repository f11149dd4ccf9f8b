#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// The maker's two servers. Their host names are compiled in (CMake cache variables
// AIRVANE_WEB_HOST and AIRVANE_FTP_HOST); a whole base address can replace them at run time:
//   AIRVANE_WEB_BASE_URL  an https:// address (updates, address detection, the network probe)
//   AIRVANE_FTP_BASE_URL  an ftp:// address (uploads)
// An override with any other scheme, or one that is not a valid address, is ignored with a
// warning, so a typo can never send requests over plain HTTP.
namespace endpoints {

inline constexpr char webOverrideVariable[] = "AIRVANE_WEB_BASE_URL";
inline constexpr char ftpOverrideVariable[] = "AIRVANE_FTP_BASE_URL";

// Without a trailing slash, e.g. "https://www.tarnwick.example".
QUrl webBase();
QUrl ftpBase();

// The override if it is a valid address with this scheme and a host; the fallback otherwise.
QUrl chooseBase(const QByteArray &override, const QString &scheme, const QUrl &fallback);

// The base address with a path appended: "<base>/apps", "<base>/includes/user_ip_detection.php".
QString webAddress(const QString &path);

} // namespace endpoints
