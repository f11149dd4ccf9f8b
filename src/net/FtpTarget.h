#pragma once

#include <QString>
#include <QUrl>

// Where uploads go: the maker's FTP server (endpoints::ftpBase()) and its upload account. The
// account is a deployment value too, compiled in from the CMake cache (AIRVANE_FTP_USER,
// AIRVANE_FTP_PASSWORD) and replaceable at run time by the environment variables of the same
// names, so that a test server on a free local port can stand in.
namespace FtpTarget {

// The server's base address, path ending in "/public_html/apps/", without user info.
QUrl baseUrl();
QString userName();
QString password();

// The remote product folder for a product name ("Airvane Lite" -> "airvane_lite").
QString productFolder(const QString &productName);

// The full upload address of a local file's name: the product area
// "<base><product folder>/telemetry/<dir>/<name>" or, for the installer target, the online-installer
// area "<base>installers/online/ali/telemetry/<dir>/<name>". The file name is one path segment of
// its own whatever it contains ('#', '?', '%', spaces, any script); the account is set as user info.
QUrl uploadUrl(bool installerTarget, const QString &productName, const QString &ftpDirName,
               const QString &fileName);

// An address fit for a message or a log line: never with user name or password.
QString displayUrl(const QUrl &url);

} // namespace FtpTarget
