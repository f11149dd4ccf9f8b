#pragma once

#include "wireless/WirelessAP.h"

#include <QObject>
#include <QString>
#include <QVector>

class QFont;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace Ui {
class AirvaneLite;
}

// The main window's two lists: the networks in range without a profile and the profiles in range
// (the same columns one place to the right, after the profile name). Builds the rows, keeps the
// "no data" placeholders over empty lists and finds the rows of a connection.
class NetworkLists : public QObject
{
    Q_OBJECT

public:
    // What identifies a row across refreshes: a profile row by its profile name, any row by SSID
    // and security (two networks may share a name).
    struct RowKey {
        bool isProfile = false;
        QString profileName;
        QString ssid;
        bool isSecured = false;
        int authAlgorithm = 0;
        int cipherAlgorithm = 0;
    };

    NetworkLists(Ui::AirvaneLite *form, QWidget *window);

    QTreeWidget *networks() const;
    QTreeWidget *profiles() const;

    void clear();
    // Adds the records as rows; sorting and repainting are held while the batch goes in.
    void fill(QTreeWidget *list, const QVector<WirelessAP> &records);
    // The placeholder of each list that has no rows is shown (both: when the data is gone).
    void showEmptyPlaceholders();
    void showPlaceholders();
    void hidePlaceholders();
    // The placeholders' texts in the current language.
    void retranslate();
    void showProfilePlaceholderIfEmpty();

    static RowKey keyOf(const QTreeWidgetItem *row, bool isProfile);
    // The row a key stands for, or null when it is not listed.
    QTreeWidgetItem *rowFor(const RowKey &key) const;
    // The profile row named so (its SSID must match when one is given).
    QTreeWidgetItem *profileRow(const QString &profileName, const QString &ssid = QString()) const;
    // The network row with this SSID and, when `like` is given, the same security as that row;
    // without `like`, null when several rows share the SSID.
    QTreeWidgetItem *networkRow(const QString &ssid, const QTreeWidgetItem *like = nullptr) const;

    static bool isConnectedRow(const QTreeWidgetItem *row, bool isProfile);
    void markConnected(QTreeWidgetItem *row, bool isProfile);
    void markDisconnected(QTreeWidgetItem *row, bool isProfile);
    // "Connecting" was put into a row by hand; an attempt that ends without a connection leaves
    // the row as its state says.
    void clearConnectingMarks();
    // The records behind the network list (SSID, security, algorithms, hidden), in list order.
    QVector<WirelessAP> networkRecords() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void layOut(QTreeWidget *list, QLabel *placeholder);
    QTreeWidgetItem *makeRow(const WirelessAP &record, bool withProfile, const QFont &boldFont) const;

    Ui::AirvaneLite *ui;
    QLabel *networkPlaceholder = nullptr;
    QLabel *profilePlaceholder = nullptr;
};
