#include "platform/os/RaiseListener.h"

namespace os {

RaiseListener::RaiseListener(const QString &instanceKey, RaiseWindow raiseWindow, QObject *parent)
    : QObject(parent), m_key(instanceKey), m_raiseWindow(std::move(raiseWindow))
{
}

bool RaiseListener::listen()
{
    // Later instances find the main window through the window manager; nothing to serve.
    return true;
}

QString RaiseListener::serverName(const QString &instanceKey)
{
    return instanceKey;
}

void RaiseListener::serve()
{
}

} // namespace os
