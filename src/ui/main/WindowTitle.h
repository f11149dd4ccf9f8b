#pragma once

#include <QCoreApplication>
#include <QString>

// The main window's title. Another start of the program looks the running window up by this
// exact text, so the window and that lookup must both take it from here.
class WindowTitle
{
    Q_DECLARE_TR_FUNCTIONS(WindowTitle)

public:
    // "Airvane Lite", or with the full info "Airvane Lite [<channel> | Build <version> | <arch>]".
    static QString text(bool showFullInfo, int channel);
    // The same from "AppSettings"/"ShowFullInfo" and "Updates"/"UpdatesChannel".
    static QString stored();

    // "Development", "Insider", "Beta", and "Release" for 3 and every other value (translated).
    static QString channelName(int channel);
    // "x64" or "x86" from the pointer width; any other width as its number of bits.
    static QString architecture();
};
