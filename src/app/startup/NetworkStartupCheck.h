#pragma once

#include "app/startup/StartupUpdateCheck.h"

// The start-up update check run by the network worker on a thread of its own.
class NetworkStartupCheck : public StartupUpdateCheck
{
    Q_OBJECT

public:
    using StartupUpdateCheck::StartupUpdateCheck;

    void start() override;
};
