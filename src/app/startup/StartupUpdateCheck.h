#pragma once

#include <QJsonParseError>
#include <QObject>
#include <QString>

// The update check that the start-up sequence runs before it opens the program. The updater
// provides the real one (its network worker on a thread of its own); the sequence only needs
// the outcome, which arrives as one of the four result signals, then finished(); a manifest
// without an entry for this channel ends with finished() alone.
class StartupUpdateCheck : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Starts the check without blocking; results arrive queued on the caller's thread.
    virtual void start() = 0;

signals:
    void updateAvailable(QString build, QString channel, QString info, bool isAutoUpdate, QString url);
    void latestVersion();
    void noNetConnection();
    void jsonReaderError(QJsonParseError updateError);
    void finished();
};
