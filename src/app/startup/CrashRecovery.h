#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

// A fault ends the program at once (see os::installFaultMarker); what the user is asked about it
// waits for the next start, when dialogs are safe again.
class CrashRecovery
{
    Q_DECLARE_TR_FUNCTIONS(CrashRecovery)

public:
    // "<local data>/CrashDumps/unexpected-exit", beside the system's crash dumps.
    static QString defaultMarkerPath();

    explicit CrashRecovery(const QString &markerPath = defaultMarkerPath());

    // Prepares the marker's folder and installs the fault handler.
    bool install() const;

    // Whether the last run ended by a fault.
    bool previousRunFaulted() const;

    // After a faulted run: removes the marker, logs it and, when a feedback form can be opened,
    // asks "Unexpected error has occurred! Do you want to submit the feedback?" and opens it on
    // Yes. True when the question was asked.
    bool offerFeedback(const std::function<void()> &openFeedback) const;

private:
    QString m_markerPath;
};
