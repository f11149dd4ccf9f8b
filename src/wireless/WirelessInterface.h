#pragma once

#include <QMetaType>
#include <QString>
#include <QVector>

// One wireless adapter. Only index and description describe the record's own adapter; the other
// fields describe the active adapter in every record of a list.
struct WirelessInterface {
    int index = 0;
    int activeIndex = 0;
    QString description;
    QString guid;
    QString type;
    QString stateText;
    int state = 0;
    QString operationMode;
    QString bssType;
    QString autoConfiguration;
};

Q_DECLARE_METATYPE(WirelessInterface)
Q_DECLARE_METATYPE(QVector<WirelessInterface>)
