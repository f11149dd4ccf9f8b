#include "console/CommandHost.h"

#include "platform/os/Elevation.h"
#include "platform/os/InterpreterProcess.h"
#include "platform/os/SystemConsole.h"

CommandHost::~CommandHost() = default;

bool CommandHost::isProcessElevated()
{
    return os::isProcessElevated();
}

void CommandHost::runConsoleCommand(bool elevated, const QString &parameters)
{
    // A refused consent prompt or a missing terminal simply opens nothing.
    os::runConsoleCommand(elevated, parameters);
}

void CommandHost::openNetworkSettings()
{
    os::openNetworkSettings();
}

QString CommandHost::interpreter()
{
    return os::InterpreterProcess::systemInterpreter();
}
