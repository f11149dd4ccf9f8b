#pragma once

// Shared pieces of the main-window tests: a scripted wireless world, a log of the message boxes
// the window shows, and small helpers to reach the window's widgets.

#include "platform/wlan/SimulatedWlanClient.h"
#include "ui/widgets/MsgDialog.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QTextDocument>
#include <QTreeWidget>

#include <memory>

namespace mainwindowkit {

using Sim = wlan::SimulatedWlanClient;

inline wlan::Guid makeGuid(uint32_t first)
{
    wlan::Guid guid;
    guid.data1 = first;
    guid.data2 = 0x9ABC;
    guid.data3 = 0xDEF0;
    guid.data4 = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88};
    return guid;
}

inline Sim::Adapter makeAdapter(uint32_t guidFirst, const std::u16string &description)
{
    Sim::Adapter adapter;
    adapter.guid = makeGuid(guidFirst);
    adapter.description = description;
    return adapter;
}

inline Sim::Bss makeBss(uint8_t last, uint32_t frequencyKHz)
{
    Sim::Bss bss;
    bss.bssid = {0x00, 0x11, 0x22, 0x33, 0x44, last};
    bss.centerFrequencyKHz = frequencyKHz;
    return bss;
}

inline Sim::Network makeNetwork(const std::string &ssid, bool secured, int auth, int cipher,
                                uint32_t quality, std::vector<Sim::Bss> bss)
{
    Sim::Network network;
    network.ssid = ssid;
    network.securityEnabled = secured;
    network.authAlgorithm = auth;
    network.cipherAlgorithm = cipher;
    network.signalQuality = quality;
    network.bss = std::move(bss);
    network.key = secured ? "correct-horse" : "";
    return network;
}

// Records every message box shown while it lives. A box nobody answers is closed after a while,
// so an unexpected box makes a test fail instead of hanging it.
class BoxLog : public QObject
{
public:
    struct Box {
        QString title;
        QString text;
        bool plain = true;  // the text is drawn as it reads, never as markup
    };

    BoxLog() { qApp->installEventFilter(this); }
    ~BoxLog() override { qApp->removeEventFilter(this); }

    QList<Box> boxes;

    int count(const QString &text) const
    {
        int n = 0;
        for (const Box &box : boxes)
            n += box.text == text ? 1 : 0;
        return n;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto *box = qobject_cast<MsgDialog *>(watched)) {
                Box seen{box->windowTitle(), QString()};
                for (QLabel *label : box->findChildren<QLabel *>()) {
                    if (!label->text().isEmpty()) {
                        seen.text = label->text();
                        seen.plain = label->textFormat() == Qt::PlainText
                            || (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(seen.text));
                    }
                }
                boxes << seen;
                QTimer::singleShot(4000, box, [box] { box->reject(); });
            }
        }
        return false;
    }
};

template <typename T>
T *child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("main window has no %s", name);
    return found;
}

// The information panel's values of the given rows ("network" reads label "networkValue").
inline QStringList panelValues(QWidget *window, const QStringList &rows)
{
    QStringList values;
    for (const QString &row : rows)
        values << child<QLabel>(window, (row + QStringLiteral("Value")).toLatin1().constData())->text();
    return values;
}

inline QTreeWidgetItem *findRow(const QTreeWidget *list, int column, const QString &text)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->text(column) == text)
            return list->topLevelItem(i);
    }
    return nullptr;
}

inline void pressRow(QTreeWidget *list, QTreeWidgetItem *item,
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    list->scrollToItem(item);
    const QRect rect = list->visualItemRect(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, QPoint(rect.left() + 5, rect.center().y()));
}

inline bool activate(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

} // namespace mainwindowkit
