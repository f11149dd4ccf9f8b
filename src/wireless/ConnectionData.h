#pragma once

#include <QMetaType>
#include <QString>

// The adapter's current connection.
struct ConnectionData {
    QString ssid;
    QString profileName;
    int state = 0;  // Connection::State; always Connected when the engine emits it
};

Q_DECLARE_METATYPE(ConnectionData)
