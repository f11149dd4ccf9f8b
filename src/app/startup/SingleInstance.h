#pragma once

#include <QObject>
#include <QSharedMemory>
#include <QStringList>

#include <functional>

namespace os {
class RaiseListener;
}

// One running instance per user: the instance that runs first holds a 1-byte shared-memory
// marker for as long as it runs and answers requests to bring its main window to the front.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Decision { Start, Quit };

    explicit SingleInstance(const QString &key = QStringLiteral("Airvane Lite"), QObject *parent = nullptr);
    ~SingleInstance() override;

    // Takes the marker, or decides what to do without it. The single argument "-restart" starts
    // without asking (the old instance may still be leaving) and takes the marker as soon as it
    // is free. Otherwise the user is asked "Do you want to open another instance?"; No brings
    // the running instance's window titled `mainWindowTitle()` to the front and ends.
    Decision decide(const QStringList &arguments, const std::function<QString()> &mainWindowTitle);

    bool ownsMarker() const;
    QString key() const { return m_marker.key(); }

    // Raises the top-level window of this process with this title; used to answer requests.
    static bool raiseLocalWindow(const QString &title);

    // How long a restarted instance keeps trying to take the marker of the leaving one.
    static constexpr int MarkerRetryIntervalMs = 250;
    static constexpr int MarkerRetries = 40;

signals:
    // Emitted when the marker was taken (at once or by a later retry).
    void markerTaken();

private:
    bool takeMarker();
    void retryTakingMarker(int attemptsLeft);

    QSharedMemory m_marker;
    os::RaiseListener *m_listener = nullptr;
};
