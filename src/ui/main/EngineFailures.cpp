#include "ui/main/EngineFailures.h"
#include "ui_AirvaneLite.h"

#include "log/LogView.h"
#include "ui/main/AirvaneLite.h"
#include "ui/widgets/MsgDialog.h"

#include <QComboBox>
#include <QPushButton>
#include <QShortcut>

// The texts stay in the window's translation context: they are the window's messages.

EngineFailures::EngineFailures(AirvaneLite *window) : QObject(window), window(window)
{
    setObjectName(QStringLiteral("engineFailures"));
}

void EngineFailures::wirelessCardNotFound()
{
    window->setAPTimerOff();
    window->putNoCardEntry();
    window->refreshShortcut->blockSignals(false);

    const int answer = MsgDialog::run(window, AirvaneLite::tr("Error"),
                                      AirvaneLite::tr("Wireless card was not found! Make sure you have wireless card enabled "
                                         "and newest drivers installed!"),
                                      MsgDialog::Critical, QMessageBox::Retry | QMessageBox::Cancel);
    if (answer == QMessageBox::Retry) {
        window->refreshData();
    } else {
        window->putNoCardEntry();
        window->lists->showEmptyPlaceholders();
    }
    appendLog(AirvaneLite::tr("no wireless card found"));
}

void EngineFailures::setWlanInterfacesError()
{
    window->setAPTimerOff();
    const QString noCard = AirvaneLite::tr("Wireless card was not found");
    if (window->ui->adapterSelector->count() == 0)
        window->ui->adapterSelector->addItem(noCard);
    else
        window->ui->adapterSelector->setItemText(0, noCard);
    window->setInterfaceState(Interface::NoCard);
    window->ui->connectButton->setText(AirvaneLite::tr("Connect"));
    window->refreshShortcut->blockSignals(false);

    const int answer = MsgDialog::run(nullptr, AirvaneLite::tr("Error"), AirvaneLite::tr("Can't get wlan interfaces!"), MsgDialog::Critical,
                                      QMessageBox::Retry | QMessageBox::Cancel);
    if (answer == QMessageBox::Retry) {
        window->retryInterfaces();
    } else {
        window->putNoCardEntry();
        window->lists->showEmptyPlaceholders();
    }
}

void EngineFailures::setWlanAvailableNetworksError()
{
    if (window->adapterRemoved)
        return;
    window->setAPTimerOff();
    window->lists->showEmptyPlaceholders();
    window->ui->connectButton->setText(AirvaneLite::tr("Connect"));

    const int answer = MsgDialog::run(window, AirvaneLite::tr("Warning"), AirvaneLite::tr("Can't get available networks!"), MsgDialog::Question,
                                      QMessageBox::Retry | QMessageBox::Cancel);
    if (answer == QMessageBox::Retry)
        window->refreshData();
    else
        window->setNoWirelessAPAvailable();
}

void EngineFailures::setRefreshFailed(int errorCode)
{
    window->clearLists();
    window->lists->showPlaceholders();
    // No scan completes after a refused scan, so the key would otherwise stay dead.
    window->resumeRefreshControls();

    if (window->interfaceState() == Interface::NoCard) {
        window->retryInterfaces();
        return;
    }
    window->setAPTimerOff();
    MsgDialog::run(window, AirvaneLite::tr("Error"),
                   QStringLiteral("%1 %2").arg(AirvaneLite::tr("Failed to refresh wlan networks! Error code:")).arg(errorCode),
                   MsgDialog::Critical);
    window->startTimerAfterError();
}

void EngineFailures::setFailedToGetNetworkInfo(int errorCode)
{
    MsgDialog::run(window, AirvaneLite::tr("Error"),
                   QStringLiteral("%1 %2").arg(AirvaneLite::tr("Failed to get network information! Error code:")).arg(errorCode),
                   MsgDialog::Critical);
}

void EngineFailures::setWlanUnregisterNotificationError(int errorCode)
{
    MsgDialog::run(window, AirvaneLite::tr("Error"),
                   QStringLiteral("%1 %2 %3")
                       .arg(AirvaneLite::tr("Could not unregister wlan notification!"), AirvaneLite::tr("Error code:"))
                       .arg(errorCode),
                   MsgDialog::Critical);
}
