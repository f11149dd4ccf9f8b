#pragma once

#include "console/CommandHost.h"

#include <QStringList>

namespace testsupport {

// A command host that answers the elevation question as told and records, instead of opening
// them, the consoles of the system it is asked for ("elevated|<text>" or "plain|<text>"). Its
// console windows run /bin/echo, which shows the command line instead of changing the machine.
class RecordingCommandHost : public CommandHost
{
public:
    bool elevated = false;
    QStringList externalConsoles;
    int networkSettingsOpened = 0;

    bool isProcessElevated() override { return elevated; }
    void runConsoleCommand(bool asAdmin, const QString &parameters) override
    {
        externalConsoles << (asAdmin ? QStringLiteral("elevated|") : QStringLiteral("plain|")) + parameters;
    }
    void openNetworkSettings() override { ++networkSettingsOpened; }
    QString interpreter() override { return QStringLiteral("/bin/echo"); }
};

} // namespace testsupport
