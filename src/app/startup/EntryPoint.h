#pragma once

#include "app/startup/StartupServices.h"

// The program's start: identity, crash-dump registration, theme, fault handler, translations,
// single instance, the start-up sequence and the event loop, in that order.
class EntryPoint
{
public:
    // Runs the whole program; the result is the process's exit code.
    static int run(int argc, char *argv[], StartupServices services = StartupServices::defaults());

    // Application attributes that must be set before the application object exists.
    static void setEarlyAttributes();
    // Organization "Tarnwick", application "Airvane Lite", version.
    static void setIdentity();
    // Loads the stored language into the program-wide translator pair, the one every later
    // language change replaces; false (nothing installed) when the language is not usable.
    static bool loadStartupTranslations();
};
