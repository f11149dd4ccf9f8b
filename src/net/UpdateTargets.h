#pragma once

#include "app/settings/SettingsEnums.h"

#include <QLocale>
#include <QString>

// Where updates come from and where installers go: the channel that is really used, the
// manifest's address and the installer's file name.
namespace updates {

inline constexpr char productFolder[] = "airvane_lite"; // the program's folder on the web server
inline constexpr char productFileStem[] = "Airvane.Lite"; // the stem of its installer names
inline constexpr char currentVersion[] = AIRVANE_VERSION;

// The stored channel, except that Development needs the developer flag ("Credentials"/"DevBuild"
// deciphering to "yes"); without it Development means Insider.
Update::Channel effectiveChannel(Update::Channel stored, bool developerBuild);
Update::Channel effectiveChannel();
bool isDeveloperBuild();

// "en.", "ru." or "ua." for the stored language (Automatic follows systemLanguage). Empty with
// *valid = false for a stored value outside the known ones.
QString languagePrefix(int storedLanguage, QLocale::Language systemLanguage, bool *valid);

// "<web base>/apps/airvane_lite/<channel>/<prefix>update.<channel>.json"
QString manifestAddress(Update::Channel channel, const QString &prefix);

// "<folder>/Airvane.Lite.Setup.x64.exe" for Release, "<folder>/Airvane.Lite.<Dev|Insider|Beta>.Setup.x64.exe"
// otherwise, native separators.
QString installerFilePath(const QString &downloadFolder, Update::Channel channel);

// Deletes the installers a former update may have left in the download folder, under both names
// the program could have given them (stored and effective channel, which differ for Development
// without the developer flag). False when a file exists and could not be deleted.
bool removeOldInstallers(const QString &downloadFolder);

// The stored download and install folders ("Updates"/"DownloadPath", "InstallPath").
QString downloadFolder();
QString installFolder();

// "Development", "Insider", "Beta", "Release" (translated); any other value is Release.
QString channelDisplayName(Update::Channel channel);

} // namespace updates
