#pragma once

// Shared pieces of the connect-flow tests: the real main window with the real engine in its worker
// thread, driven against a scripted simulated service; message boxes recorded and answered the
// way the user would.

#include "ui/DialogTestKit.h"
#include "ui/MainWindowKit.h"
#include "ui/ModalAnswer.h"
#include "core/TestSettings.h"

#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "platform/wlan/WlanClientProvider.h"
#include "ui/main/AirvaneLite.h"
#include "ui/main/ConnectionFlow.h"
#include "ui/dialogs/ConnectAP.h"

#include "log/LogView.h"
#include "wireless/ConnectionState.h"
#include "wireless/WirelessConnect.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>

namespace flowkit {

using namespace mainwindowkit;

inline const QString kAdapter = QStringLiteral("Contoso Wireless AX210");
inline const std::string kKey = "correct-horse";
inline const QString kRightKey = QString::fromStdString(kKey);

// Reason codes the simulated service reports.
constexpr int kWrongKeyReason = 0x48014;

inline QString wrongKeyText()
{
    return QStringLiteral("Your security key/network name is not correct! Error code: %1\nPlease try again.")
        .arg(kWrongKeyReason);
}

inline QString connectedText(const QString &ssid)
{
    return QStringLiteral("You successfully connected to ") + ssid;
}

// The simulated service with one difference: the engine is subscribed to notifications before a
// connect request reaches the service, so that on a busy machine the report of the attempt's start
// cannot be lost and the window always sees the attempt as connecting.
class FlowSim : public Sim
{
public:
    uint32_t connect(wlan::Handle handle, const wlan::Guid &iface,
                     const wlan::ConnectionParameters &parameters) override
    {
        registerNotification(handle, wlan::SourceAcm | wlan::SourceMsm, false, &wlanNotificationCallback, nullptr);
        return Sim::connect(handle, iface, parameters);
    }
};

inline QString logText()
{
    return LogView::exists() ? LogView::view()->toPlainText() : QString();
}

// Runs `action` on the next modal widget of type T, passing over the other modal windows that are
// already up (the password window is application-modal while it shows).
template <typename T>
void whenDialogAppears(std::function<void(T *)> action, int timeoutMs = 8000)
{
    testsupport::whenModalAppears([action](QWidget *dialog) { action(static_cast<T *>(dialog)); }, timeoutMs,
                                  [](QWidget *dialog) { return qobject_cast<T *>(dialog) != nullptr; });
}

// The one top-level window of this type (the connection dialogs have no parent).
template <typename T>
T *topLevel()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (T *found = qobject_cast<T *>(widget))
            return found;
    }
    return nullptr;
}

// The real window against a fresh simulated world with one adapter; each flow test adds its
// networks between prepare() and start().
struct Flow
{
    std::shared_ptr<Sim> sim;
    BoxLog *boxes = nullptr;
    AirvaneLite *window = nullptr;
    QTreeWidget *networks = nullptr;
    QTreeWidget *profiles = nullptr;

    void prepare(bool notifyOpen = false, bool wpa3 = true)
    {
        resetSettings();
        writeAppSetting(QLatin1String(SettingsKey::AutoRefreshWlanNetworks), false);
        if (!notifyOpen)
            writeAppSetting(QLatin1String(SettingsKey::NotifyWhenOpenAP), false);
        sim = std::make_shared<FlowSim>();
        Sim::Adapter first = adapter(0, kAdapter);
        first.supportsWpa3 = wpa3;
        sim->addAdapter(first);
        // Notifications reach the engine only after its connect request has returned.
        sim->setConnectDelay(300);
        wlan::setDefaultClient(sim);
    }
    // Creates the window; the caller shows it.
    void create()
    {
        boxes = new BoxLog;
        window = new AirvaneLite;
        networks = child<QTreeWidget>(window, "networkList");
        profiles = child<QTreeWidget>(window, "profileList");
    }
    bool start()
    {
        create();
        return activate(window);
    }
    // Starts and waits until the network list has that many rows.
    bool startListing(int rows)
    {
        return start() && QTest::qWaitFor([this, rows] { return networks->topLevelItemCount() == rows; }, 5000);
    }
    void finish()
    {
        delete window;
        delete boxes;
    }
    QPushButton *connectButton() const { return child<QPushButton>(window, "connectButton"); }
    QString panel(const char *row) const { return panelValues(window, {QLatin1String(row)}).first(); }
    QString connected() const { return QString::fromStdU16String(sim->connectedProfile(0)); }
    QString profileXml(const QString &name) const
    {
        return QString::fromStdU16String(sim->storedProfileXml(0, name.toStdU16String()));
    }
    // The texts of the boxes shown so far.
    QStringList boxTexts() const
    {
        QStringList texts;
        for (const BoxLog::Box &box : boxes->boxes)
            texts << box.text;
        return texts;
    }
    // Presses the network's row; false when it is not listed.
    bool pressNetwork(const QString &ssid)
    {
        QTreeWidgetItem *row = findRow(networks, ssid);
        if (row)
            pressRow(networks, row);
        return row;
    }
    // Picks the network row, presses Connect and hands the password window, which must offer that
    // network, the key.
    void connectWithKey(const QString &ssid, const QString &key)
    {
        auto *dialog = topLevel<ConnectAP>();
        QVERIFY2(pressNetwork(ssid), qPrintable(ssid));
        connectButton()->click();
        QTRY_VERIFY(dialog->isVisible());
        QCOMPARE(child<QComboBox>(dialog, "comboBox")->currentText(), ssid);
        child<QLineEdit>(dialog, "lineEdit")->setText(key);
        child<QPushButton>(dialog, "pushButton")->click();
    }
    // Presses Connect and answers the box that follows with OK.
    void connectAnsweringOk()
    {
        boxes->answers << QStringLiteral("OK");
        connectButton()->click();
    }
};

} // namespace flowkit
