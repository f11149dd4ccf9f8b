#pragma once

// Shared pieces of the log-window, feedback and upload tests: answering every message box while
// keeping what it said, and collecting every text the program writes to its debug output.

#include "ui/widgets/MsgDialog.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMutex>
#include <QMutexLocker>
#include <QPushButton>
#include <QStringList>
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
            QString text;
            const auto labels = box->findChildren<QLabel *>();
            for (QLabel *label : labels) {
                if (!label->text().isEmpty())
                    text = label->text();
            }
            boxes << box->windowTitle() + QLatin1Char('|') + text;
            box->buttons().first()->click();
        });
        m_timer.start(10);
    }
    QStringList boxes;

private:
    QTimer m_timer;
    QList<QObject *> m_answered;
};

// Everything written through qDebug/qWarning while it exists.
class MessageLog
{
public:
    MessageLog() { instance() = this; m_previous = qInstallMessageHandler(&MessageLog::handle); }
    ~MessageLog() { qInstallMessageHandler(m_previous); instance() = nullptr; }
    QString text() const { QMutexLocker lock(&m_mutex); return m_lines.join(QLatin1Char('\n')); }

private:
    static MessageLog *&instance() { static MessageLog *log = nullptr; return log; }
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (MessageLog *log = instance()) {
            QMutexLocker lock(&log->m_mutex);
            log->m_lines << message;
        }
        if (instance() && instance()->m_previous)
            instance()->m_previous(type, context, message);
    }
    QtMessageHandler m_previous = nullptr;
    mutable QMutex m_mutex;
    QStringList m_lines;
};

inline QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace uploadkit
