#pragma once

#include <QMetaType>
#include <QString>
#include <QVector>

// One label/value line of the system information: the label is translated and ends with a colon.
struct WmiOSData
{
    QString label;
    QString value;

    bool operator==(const WmiOSData &other) const { return label == other.label && value == other.value; }
};

Q_DECLARE_METATYPE(WmiOSData)
Q_DECLARE_METATYPE(QVector<WmiOSData>)
