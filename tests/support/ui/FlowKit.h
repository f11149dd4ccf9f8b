#pragma once

// Shared pieces of the connect-flow tests: the real main window with the real engine in its worker
// thread, driven against a scripted simulated service; message boxes recorded and answered the
// way the user would.

#include "ui/DialogTestKit.h"
#include "ui/MainWindowKit.h"
#include "core/TestSettings.h"
#include "ui/ModalAnswer.h"

#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "platform/wlan/WlanClientProvider.h"
#include "ui/main/AirvaneLite.h"
#include "ui/main/ConnectionFlow.h"

#include "log/LogView.h"
#include "platform/wlan/SimulatedWlanClient.h"
#include "wireless/ConnectionState.h"
#include "wireless/WirelessConnect.h"

#include <QAbstractButton>
#include <QDeadlineTimer>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>

#include <functional>

namespace flowkit {

using namespace mainwindowkit;

inline const QString kAdapter = QStringLiteral("Contoso Wireless AX210");
inline const QString kRightKey = QStringLiteral("correct-horse");

// Reason codes the simulated service reports.
constexpr int kWrongKeyReason = 0x48014;

inline QString wrongKeyText()
{
    return QStringLiteral("Your security key/network name is not correct! Error code: %1\nPlease try again.")
        .arg(kWrongKeyReason);
}

// The simulated service with one difference: the engine is subscribed to notifications before a
// connect request reaches the service. The engine itself subscribes only once its request has
// returned, and the service reports the start of the attempt at once, so on a busy machine that
// report could be lost and the window would never see the attempt as connecting.
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

inline Sim::Network openNetwork(const std::string &ssid, uint8_t bss, bool hidden = false)
{
    Sim::Network network = makeNetwork(ssid, false, 1, 0, 70, {makeBss(bss, 2437000)});
    network.hidden = hidden;
    return network;
}

inline Sim::Network securedNetwork(const std::string &ssid, uint8_t bss, int auth = 7, bool hidden = false)
{
    Sim::Network network = makeNetwork(ssid, true, auth, 4, 80, {makeBss(bss, 5180000)});
    network.hidden = hidden;
    return network;
}

inline QString connectedTo(const Sim &sim)
{
    return QString::fromStdU16String(sim.connectedProfile(0));
}

// The first row of a list whose column 0 reads `text` and that satisfies `extra`.
inline QTreeWidgetItem *rowWhere(const QTreeWidget *list, const QString &text,
                                 const std::function<bool(QTreeWidgetItem *)> &extra = {})
{
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = list->topLevelItem(i);
        if (row->text(0) == text && (!extra || extra(row)))
            return row;
    }
    return nullptr;
}

inline QString logText()
{
    return LogView::exists() ? LogView::view()->toPlainText() : QString();
}

// Runs `action` on the next modal widget of type T other than `skip`. Other modal windows that
// are already up (the password window is application-modal while it shows) are passed over.
template <typename T>
void whenDialogAppears(std::function<void(T *)> action, int timeoutMs = 8000, QPointer<QWidget> skip = {})
{
    const QDeadlineTimer deadline(timeoutMs);
    testsupport::whenModalAppears(
        [action, deadline, skip](QWidget *modal) {
            T *dialog = qobject_cast<T *>(modal);
            if (dialog && modal != skip.data()) {
                action(dialog);
                return;
            }
            if (deadline.hasExpired())
                return;
            QTimer::singleShot(20, [action, deadline, skip] {
                whenDialogAppears<T>(action, int(qMax<qint64>(1, deadline.remainingTime())), skip);
            });
        },
        timeoutMs);
}

// Presses the given buttons in the next message boxes, one box after the other.
inline void answerBoxes(const QStringList &buttons, QPointer<QWidget> previous = {})
{
    if (buttons.isEmpty())
        return;
    whenDialogAppears<MsgDialog>(
        [buttons](MsgDialog *box) {
            const QPointer<QWidget> answered(box);
            // Answered from the box's own event loop, after the box has finished showing.
            QTimer::singleShot(0, box, [box, buttons, answered] {
                answerBoxes(buttons.mid(1), answered);
                if (!testsupport::clickButton(box, buttons.first()))
                    qWarning("no button %s", qPrintable(buttons.first()));
            });
        },
        8000, previous);
}

inline void answerBox(const QString &button)
{
    answerBoxes({button});
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

// The real window against a simulated world with one adapter; each flow test adds its networks
// between prepare() and start().
struct Flow
{
    std::shared_ptr<Sim> sim;
    BoxLog *boxes = nullptr;
    AirvaneLite *window = nullptr;
    QTreeWidget *networks = nullptr;
    QTreeWidget *profiles = nullptr;

    void prepare(bool notifyOpen = false, bool wpa3 = true)
    {
        testsupport::resetSettings();
        writeAppSetting(QLatin1String(SettingsKey::AutoRefreshWlanNetworks), false);
        if (!notifyOpen)
            writeAppSetting(QLatin1String(SettingsKey::NotifyWhenOpenAP), false);
        sim = std::make_shared<FlowSim>();
        Sim::Adapter adapter = makeAdapter(0x0A0B0C0D, kAdapter.toStdU16String());
        adapter.supportsWpa3 = wpa3;
        sim->addAdapter(adapter);
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
    void finish()
    {
        delete window;
        delete boxes;
    }
    QPushButton *connectButton() const { return child<QPushButton>(window, "connectButton"); }
    QString panel(const char *row) const { return panelValues(window, {QLatin1String(row)}).first(); }
    // Presses the network's row; false when it is not listed.
    bool pressNetwork(const QString &ssid)
    {
        QTreeWidgetItem *row = findRow(networks, 0, ssid);
        if (row)
            pressRow(networks, row);
        return row;
    }
};

} // namespace flowkit

