#include "ModalAnswer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

namespace testsupport {

namespace {

// Polls for the modal widget from the event loop that the dialog's exec() runs, then deletes itself.
class ModalPoller : public QObject
{
public:
    ModalPoller(std::function<void(QWidget *)> action, int timeoutMs)
        : m_action(std::move(action)), m_timeoutMs(timeoutMs)
    {
        m_clock.start();
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start();
    }

private:
    void poll()
    {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            m_timer.stop();
            m_action(modal);
            deleteLater();
        } else if (m_clock.elapsed() > m_timeoutMs) {
            m_timer.stop();
            deleteLater();
        }
    }

    std::function<void(QWidget *)> m_action;
    int m_timeoutMs;
    QElapsedTimer m_clock;
    QTimer m_timer;
};

} // namespace

void whenModalAppears(std::function<void(QWidget *)> action, int timeoutMs)
{
    new ModalPoller(std::move(action), timeoutMs);
}

bool clickButton(QWidget *dialog, const QString &buttonText)
{
    for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>()) {
        if (button->text().remove(QLatin1Char('&')) == buttonText) {
            button->click();
            return true;
        }
    }
    return false;
}

void pressInNextModal(const QString &buttonText, int timeoutMs)
{
    whenModalAppears([buttonText](QWidget *dialog) { clickButton(dialog, buttonText); }, timeoutMs);
}

} // namespace testsupport
