#include "ui/main/HostlensLauncher.h"

#include "platform/os/HostlensPaths.h"
#include "ui/dialogs/MakerSite.h"
#include "ui/widgets/MsgDialog.h"
#include "ui/widgets/WindowRules.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>

HostlensLauncher::HostlensLauncher(QWidget *parent, UrlOpener opener)
    : parent(parent)
    , opener(opener ? std::move(opener) : UrlOpener([](const QUrl &url) { return QDesktopServices::openUrl(url); }))
    , installPaths(os::hostlensInstallPaths())
{
}

QString HostlensLauncher::infoPageAddress()
{
    return QStringLiteral("%1/apps/hostlens-home").arg(makerWebsite());
}

void HostlensLauncher::open()
{
    for (const QString &path : installPaths) {
        if (QFileInfo::exists(path)) {
            opener(QUrl::fromLocalFile(path));
            return;
        }
    }

    const QString missing = tr("Application was not found! Would you like to provide path to the application?");
    if (MsgDialog::run(parent, tr("Attention"), missing, MsgDialog::Question,
                       QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;

    // One dialog, then a warning and a second one, then a sterner warning and the last one.
    const int retryIcons[] = {MsgDialog::Warning, MsgDialog::Critical};
    QString chosen = chooseFile();
    for (int attempt = 0; chosen.isEmpty() && attempt < 2; ++attempt) {
        if (MsgDialog::run(parent, tr("Warning"), missing, retryIcons[attempt],
                           QMessageBox::Retry | QMessageBox::Cancel) != QMessageBox::Retry)
            return;
        chosen = chooseFile();
    }
    if (!chosen.isEmpty()) {
        openChosen(chosen);
        return;
    }
    MsgDialog::run(parent, tr("Information"), tr("You can purchase it here:") + QLatin1Char(' ') + makerWebsite(),
                   MsgDialog::Information);
}

void HostlensLauncher::openInfoPage()
{
    if (!opener(QUrl(infoPageAddress())))
        MsgDialog::run(parent, tr("Error"), tr("Failed to open the information about the application!"),
                       MsgDialog::Critical);
}

QString HostlensLauncher::chooseFile()
{
    QFileDialog dialog(parent, tr("Open"), QCoreApplication::applicationDirPath(),
                       QStringLiteral("HostlensHome.exe"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    applyTopMostSetting(&dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void HostlensLauncher::openChosen(const QString &path)
{
    if (!opener(QUrl::fromLocalFile(path)))
        MsgDialog::run(parent, tr("Error"), tr("Failed to open the application! Make sure it is installed."),
                       MsgDialog::Critical);
}
