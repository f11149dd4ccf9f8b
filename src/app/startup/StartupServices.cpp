#include "app/startup/StartupServices.h"

#include "ui/main/AirvaneLite.h"

StartupServices StartupServices::defaults()
{
    StartupServices services;
    services.createMainWindow = [] { return new AirvaneLite; };
    // The update check, the Updates window, the old-installer removal and the feedback form are
    // plugged in here by the updater and the feedback form.
    return services;
}
