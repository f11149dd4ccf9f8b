#include "app/startup/StartupServices.h"

#include "app/startup/NetworkStartupCheck.h"
#include "app/startup/ProgramWiring.h"
#include "ui/main/AirvaneLite.h"
#include "feedback/Feedback.h"
#include "updates/Updates.h"

#include <QCoreApplication>
#include <QEventLoop>

StartupServices StartupServices::defaults()
{
    StartupServices services;
    services.createMainWindow = [] {
        auto *window = new AirvaneLite;
        ProgramWiring::wireMainWindow(window);
        return window;
    };
    // Asked only when "EnableUpdates" and the check at start are both on.
    services.createUpdateCheck = []() -> StartupUpdateCheck * { return new NetworkStartupCheck; };
    services.createUpdatesWindow = [](const UpdateOffer &offer) -> QWidget * {
        Updates *updates = Updates::open(nullptr, offer.build, offer.channel, offer.info, offer.isAutoUpdate, offer.url);
        // The installer has started: this copy makes way for it.
        QObject::connect(updates, &Updates::updateReady, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        return updates;
    };
    services.deleteOldInstaller = [] { ProgramWiring::removeOldInstallers(); };
    // The crash question waits for the form: the program opens once the user is done with it.
    services.openFeedback = [] {
        Feedback *form = Feedback::openFeedback(nullptr);
        QEventLoop loop;
        QObject::connect(form, &QObject::destroyed, &loop, &QEventLoop::quit);
        loop.exec();
    };
    return services;
}
