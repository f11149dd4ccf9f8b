#pragma once

#include <QMetaType>
#include <QString>
#include <QVector>

// One entry of an adapter's available-network list, with every display text already made.
struct WirelessAP {
    QString profileName;
    QString ssid;
    bool isHidden = false;
    QString cipherText;
    int cipherAlgorithm = 0;
    QString signal;
    QString securityText;
    bool isSecured = false;
    QString credentials;
    QString authText;
    int authAlgorithm = 0;
    QString bssType;
    QString connectable;
    QString bssidCount;
    QString notConnectableReason;
    QString phyTypeCount;
    QString flagsText;
    int flags = 0;              // CWlanNetworkState
    QString connectionText;
    int connectionState = 0;    // Connection::State
    QString channel;
    QString bssid;
    QString phyType;
    QString frequency;
    QString band;
};

Q_DECLARE_METATYPE(WirelessAP)
Q_DECLARE_METATYPE(QVector<WirelessAP>)
