#pragma once

#include "app/settings/SettingsEnums.h"

#include <QByteArray>
#include <QJsonParseError>
#include <QString>

// What one update manifest says. Everything in it comes from the network: any byte sequence must
// parse without harm into one of the outcomes.
struct UpdateManifest
{
    enum class Outcome {
        JsonError,  // the body is not a JSON object; see error
        NoEntry,    // empty object, or its first entry is empty or not an object
        Incomplete, // no "channel" or no "updateinfo" text
        Complete
    };

    Outcome outcome = Outcome::NoEntry;
    QJsonParseError error{};
    QString build;    // "version"
    QString channel;  // "channel"
    QString info;     // each "updateinfo" line preceded by a line break
    QString url;      // the installer address for the delivery; empty unless https
    bool isNewer = false;

    // The entry is the value of the first key in sorted order; other top-level keys are ignored.
    static UpdateManifest parse(const QByteArray &body, Update::Delivery delivery, const QString &currentBuild);

    // The manifest key that holds the installer address for this delivery.
    static QString urlKey(Update::Delivery delivery);
};

// Compares dotted build numbers component by component as numbers ("2.8.10.1" > "2.8.8.652",
// "2.9" > "2.8.8.652"). A candidate that is not a plain dotted number is never newer.
bool isNewerBuild(const QString &candidate, const QString &current);

// The address in a reply of the address-detection page: the body of a 200 reply that reads as an
// IPv4 or IPv6 address ("::1" reads as "127.0.0.1"); empty for anything else.
QString parseAddressReply(int httpStatus, const QByteArray &body);
