#pragma once

#include <QString>

namespace os {

// Opens a console window of the system that runs the command text and stays open afterwards,
// with administrator rights when `elevated` (the system asks the user for consent). Windows:
// cmd.exe with `parameters` as its command line; elsewhere a terminal emulator running the text
// through sh, elevated with pkexec. False when nothing could be opened.
bool runConsoleCommand(bool elevated, const QString &parameters);

// Opens the system's network settings (Windows: the network and sharing centre).
bool openNetworkSettings();

} // namespace os
