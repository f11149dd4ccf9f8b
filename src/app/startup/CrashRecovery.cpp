#include "app/startup/CrashRecovery.h"

#include "log/LogView.h"
#include "platform/os/FaultMarker.h"
#include "ui/widgets/MsgDialog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString CrashRecovery::defaultMarkerPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
        + QStringLiteral("/CrashDumps/unexpected-exit");
}

CrashRecovery::CrashRecovery(const QString &markerPath)
    : m_markerPath(markerPath)
{
}

bool CrashRecovery::install() const
{
    // The handler cannot create folders safely; the folder must exist before any fault.
    QDir().mkpath(QFileInfo(m_markerPath).absolutePath());
    return os::installFaultMarker(m_markerPath);
}

bool CrashRecovery::previousRunFaulted() const
{
    return QFileInfo::exists(m_markerPath);
}

bool CrashRecovery::offerFeedback(const std::function<void()> &openFeedback) const
{
    if (!previousRunFaulted())
        return false;
    // Removed first: a fault while the question is open must not ask twice next time.
    QFile::remove(m_markerPath);
    appendLog(tr("the previous run ended with an unexpected error"));
    if (!openFeedback)
        return false;
    const int answer = MsgDialog::run(nullptr, tr("Error"),
                                      tr("Unexpected error has occurred! Do you want to submit the feedback?"),
                                      MsgDialog::Critical, QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        openFeedback();
    return true;
}
