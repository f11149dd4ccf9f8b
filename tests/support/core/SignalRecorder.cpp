#include "core/SignalRecorder.h"

#include <QCoreApplication>
#include <QMetaMethod>
#include <QTest>

namespace testsupport {

SignalRecorder::SignalRecorder(QObject *sender, QObject *parent)
    : QObject(parent)
    , m_senderMeta(sender->metaObject())
{
    const int memberOffset = QObject::staticMetaObject.methodCount();
    for (int i = m_senderMeta->methodOffset(); i < m_senderMeta->methodCount(); ++i) {
        if (m_senderMeta->method(i).methodType() != QMetaMethod::Signal)
            continue;
        const int slotId = m_signalIndexes.size();
        m_signalIndexes.append(i);
        QMetaObject::connect(sender, i, this, memberOffset + slotId, Qt::DirectConnection, nullptr);
    }
}

int SignalRecorder::qt_metacall(QMetaObject::Call call, int id, void **arguments)
{
    id = QObject::qt_metacall(call, id, arguments);
    if (id < 0 || call != QMetaObject::InvokeMetaMethod)
        return id;
    if (id < m_signalIndexes.size()) {
        const QMetaMethod method = m_senderMeta->method(m_signalIndexes.at(id));
        Emission emission;
        emission.name = method.name();
        for (int p = 0; p < method.parameterCount(); ++p)
            emission.arguments.append(QVariant(method.parameterType(p), arguments[p + 1]));
        std::lock_guard<std::mutex> lock(m_mutex);
        m_emissions.push_back(std::move(emission));
        return -1;
    }
    return id - m_signalIndexes.size();
}

QList<SignalRecorder::Emission> SignalRecorder::emissions() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QList<Emission> copy;
    copy.reserve(static_cast<int>(m_emissions.size()));
    for (const Emission &e : m_emissions)
        copy.append(e);
    return copy;
}

void SignalRecorder::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_emissions.clear();
}

// The queries walk the records under the lock instead of copying them: tests poll them in tight
// loops while other threads keep emitting.
QStringList SignalRecorder::names() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QStringList result;
    for (const Emission &e : m_emissions)
        result.append(QString::fromLatin1(e.name));
    return result;
}

int SignalRecorder::count(const QByteArray &name) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    int n = 0;
    for (const Emission &e : m_emissions)
        n += e.name == name ? 1 : 0;
    return n;
}

QList<QVariantList> SignalRecorder::argumentsOf(const QByteArray &name) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QList<QVariantList> result;
    for (const Emission &e : m_emissions) {
        if (e.name == name)
            result.append(e.arguments);
    }
    return result;
}

QVariantList SignalRecorder::lastArguments(const QByteArray &name) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (auto it = m_emissions.rbegin(); it != m_emissions.rend(); ++it) {
        if (it->name == name)
            return it->arguments;
    }
    return QVariantList();
}

int SignalRecorder::indexOf(const QByteArray &name, int from) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (size_t i = static_cast<size_t>(qMax(0, from)); i < m_emissions.size(); ++i) {
        if (m_emissions[i].name == name)
            return static_cast<int>(i);
    }
    return -1;
}

void SignalRecorder::flush()
{
    // Queued work may queue more work (a slot that emits); a few rounds settle it.
    for (int round = 0; round < 4; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

bool SignalRecorder::waitFor(const QByteArray &name, int times, int timeoutMs)
{
    return waitUntil([&] { return count(name) >= times; }, timeoutMs);
}

bool SignalRecorder::waitUntil(const std::function<bool()> &predicate, int timeoutMs)
{
    return QTest::qWaitFor([&] {
        QCoreApplication::sendPostedEvents();
        return predicate();
    }, timeoutMs);
}

} // namespace testsupport
