#include "platform/os/InterpreterProcess.h"

#include <QTextCodec>

#include <windows.h>

namespace os {

// The job object that holds cmd.exe and whatever it starts; closing it ends them all.
struct InterpreterProcess::Platform
{
    HANDLE job = nullptr;
    PROCESS_INFORMATION *started = nullptr;

    void closeJob()
    {
        if (job) {
            TerminateJobObject(job, 1);
            CloseHandle(job);
            job = nullptr;
        }
    }
};

InterpreterProcess::InterpreterProcess(QObject *parent)
    : QProcess(parent)
    , m_interpreter(systemInterpreter())
    , m_platform(new Platform)
{
}

InterpreterProcess::~InterpreterProcess()
{
    stopCommand();
    m_platform->closeJob();
}

QString InterpreterProcess::systemInterpreter()
{
    return QStringLiteral("cmd.exe");
}

QTextCodec *InterpreterProcess::outputCodec()
{
    // Built into Qt's 8-bit codecs; the locale's codec only if a build ever left it out.
    QTextCodec *oem = QTextCodec::codecForName("IBM 866");
    return oem ? oem : QTextCodec::codecForLocale();
}

void InterpreterProcess::setInterpreter(const QString &program)
{
    m_interpreter = program;
}

void InterpreterProcess::startCommand(const QString &commandLine)
{
    Platform *platform = m_platform.get();
    platform->closeJob();
    platform->started = nullptr;
    setProgram(m_interpreter);
    setNativeArguments(commandLine);
    // Started suspended so that it is inside the job before it can start anything itself.
    setCreateProcessArgumentsModifier([platform](QProcess::CreateProcessArguments *args) {
        args->flags |= CREATE_SUSPENDED;
        platform->started = reinterpret_cast<PROCESS_INFORMATION *>(args->processInformation);
    });
    start(QIODevice::ReadWrite);
    if (state() == QProcess::NotRunning || !platform->started)
        return;

    platform->job = CreateJobObjectW(nullptr, nullptr);
    if (platform->job) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(platform->job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
        if (!AssignProcessToJobObject(platform->job, platform->started->hProcess)) {
            CloseHandle(platform->job);
            platform->job = nullptr;
        }
    }
    ResumeThread(platform->started->hThread);
}

void InterpreterProcess::setupChildProcess()
{
}

void InterpreterProcess::stopCommand()
{
    m_platform->closeJob();
    if (state() == QProcess::NotRunning)
        return;
    kill();
    waitForFinished(1000);
}

} // namespace os
