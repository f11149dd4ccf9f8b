#include "app/startup/NetworkStartupCheck.h"

#include "net/NetworkManager.h"

void NetworkStartupCheck::start()
{
    const NetworkManager::Operation operation = NetworkManager::prepareOperation();
    NetworkManager *worker = operation.worker;
    connect(worker, qOverload<QString, QString, QString, bool, QString>(&NetworkManager::updateAvailable), this,
            &StartupUpdateCheck::updateAvailable);
    connect(worker, qOverload<>(&NetworkManager::latestVersion), this, &StartupUpdateCheck::latestVersion);
    connect(worker, &NetworkManager::noNetConnection, this, &StartupUpdateCheck::noNetConnection);
    connect(worker, &NetworkManager::jsonReaderError, this, &StartupUpdateCheck::jsonReaderError);
    connect(worker, &NetworkManager::finished, this, &StartupUpdateCheck::finished);
    NetworkManager::startOperation(operation, "checkForApplicationUpdates", Q_ARG(bool, false));
}
