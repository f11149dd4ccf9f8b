#include "ui/main/OpenNetworkReminder.h"

#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "ui/dialogs/NotifyAP.h"

#include <QTimer>

namespace {

QDateTime wholeSecond(QDateTime moment)
{
    const QTime time = moment.time();
    moment.setTime(QTime(time.hour(), time.minute(), time.second()));
    return moment;
}

} // namespace

OpenNetworkReminder::OpenNetworkReminder(InRange inRange, QObject *parent)
    : QObject(parent), inRange(std::move(inRange)), now([] { return QDateTime::currentDateTime(); })
{
    setObjectName(QStringLiteral("openNetworkReminder"));
}

void OpenNetworkReminder::setReminder(const QString &name)
{
    stop();
    apName = name;
    // The second in progress counts as well: a reminder set for this very second is due.
    lastCheck = now().addSecs(-1);
    timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("reminderTimer"));
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(1000);
    connect(timer.data(), &QTimer::timeout, this, &OpenNetworkReminder::checkReminder);
    timer->start();
}

void OpenNetworkReminder::stop()
{
    if (!timer)
        return;
    timer->stop();
    timer->deleteLater();
    timer = nullptr;
}

void OpenNetworkReminder::checkReminder()
{
    const QString reminder = readAppSetting(QLatin1String(SettingsKey::Reminder), QString()).toString();
    const QDateTime current = wholeSecond(now());

    // The moment is kept to the second; a tick that comes late (a busy event loop, a modal box)
    // must not step over it, so every second since the previous tick is compared.
    QDateTime moment = current;
    if (lastCheck.isValid() && lastCheck < current && lastCheck.secsTo(current) <= 3600)
        moment = wholeSecond(lastCheck).addSecs(1);
    bool due = false;
    for (; moment <= current && !due; moment = moment.addSecs(1))
        due = NotifyAP::reminderText(moment) == reminder;
    lastCheck = current;

    if (!due || !inRange(apName))
        return;

    writeAppSetting(QLatin1String(SettingsKey::NotifyWhenOpenAP), true);
    writeAppSetting(QLatin1String(SettingsKey::Reminder), QStringLiteral("unknown"));
    // Stopped before the notification runs its own event loop, or the next tick would fire in it.
    stop();
    emit reminderDue();
}
