#pragma once

#include <QString>

// Where the network console commands meet the system: the elevation query, consoles of the
// system and its network settings, and the interpreter of the program's own console window.
// The defaults go to the operating system; tests put a recording host in their place.
class CommandHost
{
public:
    virtual ~CommandHost();

    virtual bool isProcessElevated();
    // Opens a console of the system that runs `parameters` and stays open.
    virtual void runConsoleCommand(bool elevated, const QString &parameters);
    virtual void openNetworkSettings();
    // The program the console window runs its command lines with.
    virtual QString interpreter();
};
