#pragma once

#include <QProcess>
#include <QString>

#include <memory>

class QTextCodec;

namespace os {

// Runs one command line through the system's command interpreter: cmd.exe on Windows, with the
// text handed over untouched (cmd.exe parses its own command line, QProcess quoting is not what
// it reads), and /bin/sh -c elsewhere. The interpreter and every process it starts form one unit
// (a job object on Windows, a process group elsewhere) that stopCommand() ends together.
class InterpreterProcess : public QProcess
{
    Q_OBJECT

public:
    explicit InterpreterProcess(QObject *parent = nullptr);
    // Ends a command that still runs, with everything it started.
    ~InterpreterProcess() override;

    // "cmd.exe" or "/bin/sh".
    static QString systemInterpreter();
    // The codec console programs write in: the OEM code page 866 on Windows, the locale's
    // codec elsewhere.
    static QTextCodec *outputCodec();

    // Another interpreter taking the same arguments (a missing one makes the start fail).
    void setInterpreter(const QString &program);
    QString interpreter() const { return m_interpreter; }

    void startCommand(const QString &commandLine);
    // Ends the interpreter and everything it started, and waits (briefly) until it is gone.
    void stopCommand();

protected:
    void setupChildProcess() override;

private:
    struct Platform;
    QString m_interpreter;
    std::unique_ptr<Platform> m_platform;
};

} // namespace os
