#include "platform/os/InstanceRaise.h"

#include "platform/os/RaiseListener.h"

#include <QLocalSocket>

namespace os {

quintptr findWindowByTitle(const QString &, const QString &)
{
    return 0;
}

bool raiseRunningInstance(const QString &instanceKey, const QString &, const QString &title)
{
    QLocalSocket socket;
    socket.connectToServer(RaiseListener::serverName(instanceKey));
    if (!socket.waitForConnected(2000))
        return false;
    socket.write(title.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(2000))
        return false;
    QByteArray reply;
    while (!reply.contains('\n') && socket.waitForReadyRead(3000))
        reply += socket.readAll();
    return reply.trimmed() == RaiseListener::raisedReply();
}

} // namespace os
