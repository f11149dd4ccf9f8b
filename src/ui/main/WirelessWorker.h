#pragma once

#include <QObject>

#include <memory>

class AirvaneLite;
class ConnectionFlow;
class QThread;

// The worker thread of the process-wide WirelessConnect engine: moves the engine into it, wires
// the engine to the window and the connection flow, and starts it. Destroying it stops the thread
// (the WLAN handle is freed first) and waits for it.
class WirelessWorker : public QObject
{
    Q_OBJECT

public:
    explicit WirelessWorker(QObject *parent = nullptr);
    ~WirelessWorker() override;

    void start(AirvaneLite *window, ConnectionFlow *flow);
    // Frees the WLAN resources, quits the thread and waits for it; once.
    void stop();

signals:
    void freeWlanResources();

private:
    std::unique_ptr<QThread> thread;
};
