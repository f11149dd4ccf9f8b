#pragma once

// Shared pieces of the connection-dialog tests: network records, picking a drop-down entry the
// way the user does, and answering the next message box while keeping what it said.

#include "ui/ModalAnswer.h"
#include "wireless/Dot11Types.h"
#include "wireless/WirelessAP.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <memory>

namespace dialogkit {

// A line edit's clear-button fade outlives the field by one animation tick and then deletes
// itself later; give it that tick so nothing is left behind when the process ends.
inline void settleDeferredDeletes()
{
    QTest::qWait(60);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline WirelessAP network(const QString &ssid, bool secured, int cipher, int auth, bool hidden = false,
                          const QString &signal = QStringLiteral("80% (-60 dBm)"))
{
    WirelessAP ap;
    ap.ssid = ssid;
    ap.profileName = ssid;
    ap.isSecured = secured;
    ap.cipherAlgorithm = cipher;
    ap.authAlgorithm = auth;
    ap.isHidden = hidden;
    ap.signal = signal;
    return ap;
}

inline WirelessAP wpa2(const QString &ssid)
{
    return network(ssid, true, DOT11_CIPHER_ALGO_CCMP, DOT11_AUTH_ALGO_RSNA_PSK);
}

inline WirelessAP open(const QString &ssid, const QString &signal = QStringLiteral("80% (-60 dBm)"))
{
    return network(ssid, false, DOT11_CIPHER_ALGO_NONE, DOT11_AUTH_ALGO_80211_OPEN, false, signal);
}

inline QStringList entries(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

// What the user does: choose the entry in the list, which activates it.
inline void pick(QComboBox *box, const QString &text)
{
    box->setCurrentIndex(box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    emit box->textActivated(text);
}

struct SeenBox
{
    QString title;
    QString text;
    int shown = 0;
};

// Presses `button` in the next modal dialog and records its title and text.
inline std::shared_ptr<SeenBox> answerNextBox(const QString &button, int timeoutMs = 5000)
{
    auto seen = std::make_shared<SeenBox>();
    testsupport::whenModalAppears([seen, button](QWidget *dialog) {
        ++seen->shown;
        seen->title = dialog->windowTitle();
        const auto labels = dialog->findChildren<QLabel *>();
        for (QLabel *label : labels) {
            if (!label->text().isEmpty())
                seen->text = label->text();
        }
        testsupport::clickButton(dialog, button);
    }, timeoutMs);
    return seen;
}

// Signal names without the state queries a window sends whenever it becomes active.
inline QStringList withoutActivation(QStringList names)
{
    names.removeAll(QStringLiteral("checkWlanState"));
    return names;
}

// One emission as "a|b|c", the algorithm enumerations as their numbers, so a whole request is
// compared in one assertion.
inline QString argsText(const QList<QVariant> &args)
{
    QStringList parts;
    for (const QVariant &value : args) {
        if (value.userType() == qMetaTypeId<_DOT11_AUTH_ALGORITHM>())
            parts << QString::number(int(value.value<_DOT11_AUTH_ALGORITHM>()));
        else if (value.userType() == qMetaTypeId<_DOT11_CIPHER_ALGORITHM>())
            parts << QString::number(int(value.value<_DOT11_CIPHER_ALGORITHM>()));
        else
            parts << value.toString();
    }
    return parts.join(QLatin1Char('|'));
}

inline QStringList emissions(const QSignalSpy &spy)
{
    QStringList all;
    for (const QList<QVariant> &args : spy)
        all << argsText(args);
    return all;
}

} // namespace dialogkit
