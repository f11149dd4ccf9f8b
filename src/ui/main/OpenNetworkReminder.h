#pragma once

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

#include <QTimer>

// The "Remind later" moment of the open-network notification: once a second the stored moment
// ("AppSettings"/"Reminder") is compared with the clock; when it has come and the network is still
// in range, the notification is switched on again and `reminderDue` is emitted.
class OpenNetworkReminder : public QObject
{
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;
    using InRange = std::function<bool(const QString &name)>;

    OpenNetworkReminder(InRange inRange, QObject *parent);

    // Tests put a clock of their own here; the default is the system's local time.
    void setClock(Clock clock) { now = std::move(clock); }
    bool isRunning() const { return !timer.isNull(); }
    void stop();

signals:
    void reminderDue();

public slots:
    void setReminder(const QString &apName);
    void checkReminder();

private:
    InRange inRange;
    Clock now;
    QPointer<QTimer> timer;
    QString apName;
    QDateTime lastCheck;
};
