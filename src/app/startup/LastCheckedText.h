#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

// The moment of the last update check as the updater shows it.
class LastCheckedText
{
    Q_DECLARE_TR_FUNCTIONS(LastCheckedText)

public:
    // The moment in the interface language ("Monday, 09:05 PM"); logs
    // "last updates checked on <full date>".
    static QString text(const QDateTime &moment = QDateTime::currentDateTime());
};

inline QString lastCheckedText()
{
    return LastCheckedText::text();
}
