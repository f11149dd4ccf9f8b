#pragma once

// Shared pieces of the connect-flow tests: the real main window with the real engine in its worker
// thread, driven against a scripted simulated service; message boxes recorded and answered the
// way the user would.

#include "../main/MainWindowKit.h"
#include "ui/ModalAnswer.h"

#include "log/LogView.h"
#include "platform/wlan/SimulatedWlanClient.h"
#include "wireless/ConnectionState.h"

#include <QAbstractButton>
#include <QDeadlineTimer>
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

inline std::vector<QString> storedProfiles(const Sim &sim)
{
    std::vector<QString> names;
    for (const std::u16string &name : sim.storedProfileNames(0))
        names.push_back(QString::fromStdU16String(name));
    return names;
}

inline bool hasProfile(const Sim &sim, const QString &name)
{
    for (const QString &stored : storedProfiles(sim)) {
        if (stored == name)
            return true;
    }
    return false;
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

// Runs `action` on the next modal widget of type T. Other modal windows that are already up
// (the password window is application-modal while it shows) are passed over.
template <typename T>
void whenDialogAppears(std::function<void(T *)> action, int timeoutMs = 8000)
{
    const QDeadlineTimer deadline(timeoutMs);
    testsupport::whenModalAppears(
        [action, deadline](QWidget *modal) {
            if (T *dialog = qobject_cast<T *>(modal)) {
                action(dialog);
                return;
            }
            if (deadline.hasExpired())
                return;
            QTimer::singleShot(20, [action, deadline] {
                whenDialogAppears<T>(action, int(qMax<qint64>(1, deadline.remainingTime())));
            });
        },
        timeoutMs);
}

inline void clickButtonNamed(QWidget *dialog, const QString &text)
{
    for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>()) {
        if (button->text().remove(QLatin1Char('&')) == text) {
            button->click();
            return;
        }
    }
    qWarning("no button %s", qPrintable(text));
}

// Presses `button` in the next message box.
inline void answerBox(const QString &button)
{
    whenDialogAppears<MsgDialog>([button](MsgDialog *box) {
        // Answered from the box's own event loop, after the box has finished showing.
        QTimer::singleShot(0, box, [box, button] { clickButtonNamed(box, button); });
    });
}

} // namespace flowkit

namespace flowkit {

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

} // namespace flowkit
