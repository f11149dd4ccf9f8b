#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;

namespace os {

// The running instance's side of "bring the running instance to the front". Windows finds the
// window by itself (FindWindowExW), so nothing listens there. Elsewhere the instance that holds
// the marker listens on a local socket that only its user can reach; a later instance sends the
// title of the window it looks for (one UTF-8 line) and reads back "raised" or "missing".
class RaiseListener : public QObject
{
    Q_OBJECT

public:
    using RaiseWindow = std::function<bool(const QString &title)>;

    RaiseListener(const QString &instanceKey, RaiseWindow raiseWindow, QObject *parent = nullptr);

    // Starts listening; a socket left behind by a killed instance is replaced. Call only while
    // holding the marker, so that a live instance's socket is never taken over.
    bool listen();

    // $XDG_RUNTIME_DIR/airvane-lite-<key hash>.sock (a private folder of the user), or a name
    // with the user id in the temporary folder when there is no runtime folder.
    static QString serverName(const QString &instanceKey);
    static QByteArray raisedReply() { return QByteArrayLiteral("raised"); }

private:
    void serve();

    QString m_key;
    RaiseWindow m_raiseWindow;
    QLocalServer *m_server = nullptr;
};

} // namespace os
