#include "net/DownloadProgress.h"

#include <QCoreApplication>

QString durationText(qint64 milliseconds)
{
    const qint64 hours = milliseconds / 3600000;
    const qint64 minutes = milliseconds / 60000 % 60;
    const qint64 seconds = milliseconds / 1000 % 60;
    const QChar zero(QLatin1Char('0'));
    return QStringLiteral("%1:%2:%3").arg(hours, 2, 10, zero).arg(minutes, 2, 10, zero).arg(seconds, 2, 10, zero);
}

bool DownloadProgress::compute(qint64 received, qint64 total, qint64 elapsedMs, int lastPercentage,
                               DownloadProgress *out)
{
    if (received <= 0 || elapsedMs <= 0)
        return false;
    const double bytesPerSecond = double(received) * 1000.0 / double(elapsedMs);
    if (!(bytesPerSecond > 0))
        return false;

    DownloadProgress progress;
    if (bytesPerSecond < 1024) {
        progress.speed = bytesPerSecond;
        progress.speedUnit = QCoreApplication::translate("NetworkManager", "bytes/s");
    } else if (bytesPerSecond < 1048576) {
        progress.speed = bytesPerSecond / 1024;
        progress.speedUnit = QCoreApplication::translate("NetworkManager", "KB/s");
    } else {
        progress.speed = bytesPerSecond / 1048576;
        progress.speedUnit = QCoreApplication::translate("NetworkManager", "MB/s");
    }

    const qint64 totalKB = total > 0 ? total / 1024 : 0;
    const qint64 receivedKB = received >> 10;
    const qint64 bytesLeft = total > 0 ? total - received : 0;
    if (totalKB > 0) {
        const bool megabytes = totalKB > 1024;
        progress.sizeUnit = megabytes ? QCoreApplication::translate("NetworkManager", "MB") : QCoreApplication::translate("NetworkManager", "KB");
        progress.total = int(megabytes ? totalKB / 1024 : totalKB);
        progress.received = int(megabytes ? receivedKB >> 10 : receivedKB);
        // From the byte counts: in whole megabytes 10.0 of 10.5 would already read 100 %.
        progress.percentage = int(qMin<qint64>(received, total) * 100 / total);
    } else {
        const bool megabytes = receivedKB > 1024;
        progress.sizeUnit = megabytes ? QCoreApplication::translate("NetworkManager", "MB") : QCoreApplication::translate("NetworkManager", "KB");
        progress.received = int(megabytes ? receivedKB >> 10 : receivedKB);
        progress.percentage = lastPercentage;
    }

    progress.elapsed = durationText(elapsedMs);
    const qint64 divisor = qint64(bytesPerSecond) >> 10;
    const qint64 remainingMs = bytesLeft > 0 && divisor > 0 ? bytesLeft / divisor : 0;
    progress.remaining = remainingMs >= 1 ? durationText(remainingMs) : QCoreApplication::translate("NetworkManager", "unknown");
    *out = progress;
    return true;
}
