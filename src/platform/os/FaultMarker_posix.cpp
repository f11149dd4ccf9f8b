#include "platform/os/FaultMarker.h"

#include <QFile>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace os {

namespace {

char markerFile[4096];

extern "C" void onFatalFault(int signalNumber)
{
    // Only async-signal-safe calls from here on: open, write, close, signal, raise.
    const int fd = ::open(markerFile, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd >= 0) {
        static const char text[] = "SIGSEGV\n";
        ssize_t written = ::write(fd, text, sizeof text - 1);
        (void)written;
        ::close(fd);
    }
    ::signal(signalNumber, SIG_DFL);
    ::raise(signalNumber);
}

} // namespace

bool installFaultMarker(const QString &markerPath)
{
    const QByteArray encoded = QFile::encodeName(markerPath);
    if (encoded.isEmpty() || encoded.size() >= int(sizeof markerFile))
        return false;
    std::memcpy(markerFile, encoded.constData(), size_t(encoded.size()) + 1);

    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = onFatalFault;
    sigemptyset(&action.sa_mask);
    // Let the re-raised signal through at once instead of when the handler returns.
    action.sa_flags = SA_NODEFER | SA_RESETHAND;
    return ::sigaction(SIGSEGV, &action, nullptr) == 0;
}

} // namespace os
