#include "platform/os/RaiseListener.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace os {

RaiseListener::RaiseListener(const QString &instanceKey, RaiseWindow raiseWindow, QObject *parent)
    : QObject(parent), m_key(instanceKey), m_raiseWindow(std::move(raiseWindow))
{
}

bool RaiseListener::listen()
{
    if (!m_server) {
        m_server = new QLocalServer(this);
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, &RaiseListener::serve);
    }
    if (m_server->isListening())
        return true;
    const QString name = serverName(m_key);
    if (m_server->listen(name))
        return true;
    // Only the marker's holder gets here, so a socket file that is in the way is a dead one.
    QLocalServer::removeServer(name);
    return m_server->listen(name);
}

QString RaiseListener::serverName(const QString &instanceKey)
{
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(instanceKey.toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
    const QString runtime = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"));
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(QStringLiteral("airvane-lite-%1.sock").arg(hash));
    return QDir(QDir::tempPath()).filePath(
        QStringLiteral("airvane-lite-%1-%2.sock").arg(QString::number(::getuid()), hash));
}

void RaiseListener::serve()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > 4096) // a title is short; anything else is noise
                    socket->abort();
                return;
            }
            const QString title = QString::fromUtf8(socket->readLine()).trimmed();
            const bool raised = m_raiseWindow && m_raiseWindow(title);
            socket->write((raised ? raisedReply() : QByteArrayLiteral("missing")) + '\n');
            socket->disconnectFromServer();
        });
    }
}

} // namespace os
