#include "platform/os/SystemConsole.h"

#include "platform/os/ShellQuote.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace os {

bool runConsoleCommand(bool elevated, const QString &parameters)
{
    const QString terminal = QStandardPaths::findExecutable(QStringLiteral("x-terminal-emulator"));
    if (terminal.isEmpty())
        return false;
    // The command runs first; an interactive shell then keeps the window open, as cmd /K does.
    QString command = parameters;
    if (elevated)
        command = QStringLiteral("pkexec /bin/sh -c ") + shellQuoted(parameters);
    const QString script = command + QStringLiteral("; exec /bin/sh -i");
    return QProcess::startDetached(terminal, { QStringLiteral("-e"), QStringLiteral("/bin/sh"),
                                               QStringLiteral("-c"), script });
}

bool openNetworkSettings()
{
    const QString editor = QStandardPaths::findExecutable(QStringLiteral("nm-connection-editor"));
    if (!editor.isEmpty())
        return QProcess::startDetached(editor, {});
    const QString gnome = QStandardPaths::findExecutable(QStringLiteral("gnome-control-center"));
    if (!gnome.isEmpty())
        return QProcess::startDetached(gnome, { QStringLiteral("network") });
    return false;
}

} // namespace os
