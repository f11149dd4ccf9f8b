#pragma once

// Shared pieces of the log-window and feedback tests: answering every message box while keeping
// what it said, and keeping every text the program writes to its debug output.

#include "ui/widgets/MsgDialog.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMutex>
#include <QPushButton>
#include <QTimer>

namespace uploadkit {

// Presses the first button of every message box that opens and records "title|text".
class BoxWatcher : public QObject
{
public:
    BoxWatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<MsgDialog *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || m_answered.contains(box))
                return;
            m_answered << box;
            boxes << box->windowTitle() + '|' + box->findChildren<QLabel *>().last()->text();
            box->buttons().first()->click();
        });
        m_timer.start(10);
    }
    QStringList boxes;

private:
    QTimer m_timer;
    QList<QObject *> m_answered;
};

// Debug output of every thread, kept from the first call on.
inline QString debugOutput()
{
    static QMutex mutex;
    static QString text;
    static const bool installed = (qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &line) {
        QMutexLocker lock(&mutex);
        text += line + '\n';
    }), true);
    Q_UNUSED(installed)
    QMutexLocker lock(&mutex);
    return text;
}

inline QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QString writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
}

} // namespace uploadkit
