#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <mutex>
#include <vector>

namespace testsupport {

// Records every signal that an object's own class declares (not QObject's), in emission order,
// with its arguments. Emissions are recorded in the emitting thread under a lock, so an object
// that emits from a worker thread, a service thread and the test thread at once is recorded
// safely and in the order a receiver in another thread would get the signals. Queued work of the
// test thread (slots invoked with Qt::QueuedConnection) still needs an event loop: see flush().
class SignalRecorder : public QObject
{
public:
    struct Emission {
        QByteArray name;        // signal name without parameters, e.g. "apNotConnected"
        QVariantList arguments;
    };

    explicit SignalRecorder(QObject *sender, QObject *parent = nullptr);

    QList<Emission> emissions() const;
    QStringList names() const;                          // names in emission order
    int count(const QByteArray &name) const;
    QList<QVariantList> argumentsOf(const QByteArray &name) const;
    QVariantList lastArguments(const QByteArray &name) const;
    int indexOf(const QByteArray &name, int from = 0) const;
    void clear();

    // Runs what is already queued for objects of this thread (and what that queues in turn).
    void flush();
    // Processes events until `name` has been recorded `times` times in total, or the time is up.
    bool waitFor(const QByteArray &name, int times = 1, int timeoutMs = 5000);
    // Processes events until `predicate` holds, or the time is up.
    bool waitUntil(const std::function<bool()> &predicate, int timeoutMs = 5000);

    int qt_metacall(QMetaObject::Call call, int id, void **arguments) override;

private:
    QList<int> m_signalIndexes;     // method index in the sender's meta-object, per slot id
    const QMetaObject *m_senderMeta = nullptr;
    mutable std::mutex m_mutex;
    // A std::vector, not a QList: a copy handed out must never share (and later detach from) the
    // container that other threads append to.
    std::vector<Emission> m_emissions;  // guarded by m_mutex
};

} // namespace testsupport
