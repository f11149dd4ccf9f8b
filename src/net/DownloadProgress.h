#pragma once

#include <QString>
#include <QtGlobal>

// One progress report of an installer download, in the units the Updates window shows.
struct DownloadProgress
{
    double speed = 0;   // in speedUnit
    QString speedUnit;  // "bytes/s", "KB/s", "MB/s" (translated)
    int total = 0;      // in sizeUnit; 0 when the server gave no length
    int received = 0;   // in sizeUnit
    int percentage = 0; // of the announced length, from exact byte counts
    QString sizeUnit;   // "KB" or "MB"
    QString elapsed;    // "hh:mm:ss"
    QString remaining;  // "hh:mm:ss" or "unknown" (translated)

    // False when there is nothing to report yet: no bytes, or no time has passed (a speed over
    // zero milliseconds would be infinite). lastPercentage is kept while the length is unknown.
    static bool compute(qint64 received, qint64 total, qint64 elapsedMs, int lastPercentage,
                        DownloadProgress *out);
};

// "%1:%2:%3" hours, minutes, seconds, each at least two digits.
QString durationText(qint64 milliseconds);
