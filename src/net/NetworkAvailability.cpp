#include "net/NetworkAvailability.h"

#include "net/NetworkEndpoints.h"

#include <QTcpSocket>

bool isNetworkAvailable(int timeoutMs)
{
    const QUrl base = endpoints::webBase();
    QTcpSocket socket;
    socket.connectToHost(base.host(), quint16(base.port(443)));
    socket.waitForConnected(timeoutMs);
    const bool available = socket.state() != QAbstractSocket::UnconnectedState;
    socket.abort();
    return available;
}
