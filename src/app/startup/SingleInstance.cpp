#include "app/startup/SingleInstance.h"

#include "platform/os/InstanceRaise.h"
#include "platform/os/RaiseListener.h"
#include "ui/widgets/MsgDialog.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

SingleInstance::SingleInstance(const QString &key, QObject *parent)
    : QObject(parent), m_marker(key)
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::ownsMarker() const
{
    return m_marker.isAttached();
}

bool SingleInstance::takeMarker()
{
    if (m_marker.isAttached())
        return true;
    // A segment whose owner was killed outlives it on some systems (System V memory), and its
    // system key comes from a file number that a later key file may reuse after the temporary
    // folder was emptied. Attaching and detaching removes it when nobody is attached; a live
    // owner keeps it. Removing one orphan also removes the key file, and the next key file may
    // hit the key of another orphan, hence a few rounds.
    int orphansLeftToClear = 8;
    while (!m_marker.create(1, QSharedMemory::ReadWrite)) {
        if (m_marker.error() != QSharedMemory::AlreadyExists || orphansLeftToClear-- == 0)
            return false;
        if (m_marker.attach())
            m_marker.detach();
    }
    if (!m_listener) {
        m_listener = new os::RaiseListener(m_marker.key(), &SingleInstance::raiseLocalWindow, this);
        m_listener->listen();
    }
    emit markerTaken();
    return true;
}

void SingleInstance::retryTakingMarker(int attemptsLeft)
{
    if (attemptsLeft <= 0 || takeMarker())
        return;
    QTimer::singleShot(MarkerRetryIntervalMs, this, [this, attemptsLeft] { retryTakingMarker(attemptsLeft - 1); });
}

SingleInstance::Decision SingleInstance::decide(const QStringList &arguments,
                                                const std::function<QString()> &mainWindowTitle)
{
    if (takeMarker())
        return Decision::Start;
    if (arguments.size() == 2 && arguments.at(1) == QLatin1String("-restart")) {
        retryTakingMarker(MarkerRetries);
        return Decision::Start;
    }
    const int answer = MsgDialog::run(nullptr, tr("Attention"), tr("Do you want to open another instance?"),
                                      MsgDialog::Warning, QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        return Decision::Start;
    os::raiseRunningInstance(m_marker.key(), QStringLiteral("Qt5QWindowIcon"), mainWindowTitle());
    return Decision::Quit;
}

bool SingleInstance::raiseLocalWindow(const QString &title)
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (!window->isWindow() || window->windowTitle() != title)
            continue;
        if (window->isMinimized())
            window->showNormal();
        else
            window->show();
        window->raise();
        window->activateWindow();
        return true;
    }
    return false;
}
