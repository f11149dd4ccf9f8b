#include "platform/os/InterpreterProcess.h"

#include <QTextCodec>

#include <signal.h>
#include <unistd.h>

namespace os {

struct InterpreterProcess::Platform
{
};

InterpreterProcess::InterpreterProcess(QObject *parent)
    : QProcess(parent)
    , m_interpreter(systemInterpreter())
{
}

InterpreterProcess::~InterpreterProcess()
{
    stopCommand();
}

QString InterpreterProcess::systemInterpreter()
{
    return QStringLiteral("/bin/sh");
}

QTextCodec *InterpreterProcess::outputCodec()
{
    return QTextCodec::codecForLocale();
}

void InterpreterProcess::setInterpreter(const QString &program)
{
    m_interpreter = program;
}

void InterpreterProcess::startCommand(const QString &commandLine)
{
    setProgram(m_interpreter);
    setArguments({ QStringLiteral("-c"), commandLine });
    start(QIODevice::ReadWrite);
    // The child makes itself a group leader before it runs the shell; doing it from here too
    // closes the gap in which a stop could come before the child got that far.
    const qint64 pid = processId();
    if (pid > 0)
        ::setpgid(pid_t(pid), pid_t(pid));
}

void InterpreterProcess::setupChildProcess()
{
    // A group of its own, so that a stop reaches the commands the shell starts as well.
    ::setpgid(0, 0);
}

void InterpreterProcess::stopCommand()
{
    if (state() == QProcess::NotRunning)
        return;
    const qint64 pid = processId();
    if (pid > 0) {
        ::kill(-pid_t(pid), SIGKILL);
        ::kill(pid_t(pid), SIGKILL);
    }
    kill();
    waitForFinished(1000);
}

} // namespace os
