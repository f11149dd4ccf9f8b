#include "updates/Changelog.h"
#include "ui_Changelog.h"

#include "app/appearance/AppFont.h"
#include "log/LogView.h"
#include "net/NetworkManager.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui/widgets/MsgDialog.h"
#include "ui/widgets/ScrollBar.h"
#include "ui/widgets/WindowRules.h"

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QStandardPaths>
#include <QTextCodec>
#include <QTextCursor>
#include <QTextEdit>

namespace {

QTextCodec *fileCodec()
{
    return QTextCodec::codecForName("windows-1251");
}

} // namespace

Changelog::Changelog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Changelog)
{
    dialogs::ensureIconResources();
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
    setMinimumSize(600, 300);
    applyWindowOpacity(this);
    ui->changelogText->setReadOnly(true);
    ui->changelogText->setFont(applicationFont());
    ui->changelogText->setVerticalScrollBar(new ScrollBar(Qt::Vertical, ui->changelogText));
    ui->changelogText->setHorizontalScrollBar(new ScrollBar(Qt::Horizontal, ui->changelogText));
    ui->updateButton->setIcon(QIcon(QStringLiteral(":/Icon/sync.svg")));

    connect(ui->clearButton, &QPushButton::clicked, this, &Changelog::askToClear);
    connect(ui->updateButton, &QPushButton::clicked, this, &Changelog::fetch);
    connect(ui->closeButton, &QPushButton::clicked, this, &QDialog::close);
    load();
}

Changelog::~Changelog()
{
    delete ui;
}

QString Changelog::filePath()
{
    const QString folder = QStringLiteral("%1/%2").arg(
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation), QStringLiteral("Changelog"));
    QDir().mkpath(folder);
    return QDir::toNativeSeparators(QStringLiteral("%1/%2.txt").arg(folder, QStringLiteral("Changelog")));
}

void Changelog::appendBlock(QTextEdit *view, const QString &build, const QString &channel, const QString &info)
{
    QString notes = info;
    notes.replace(QLatin1Char('-'), QChar(0x2022));
    QTextCursor cursor(view->document());
    cursor.movePosition(QTextCursor::End);
    const QStringList paragraphs{QStringLiteral("%1 %2").arg(tr("Build:"), build),
                                 QStringLiteral("%1 %2\n").arg(tr("Channel:"), channel),
                                 QStringLiteral("%1 %2").arg(tr("Changelog:"), notes)};
    for (const QString &paragraph : paragraphs) {
        if (!view->document()->isEmpty())
            cursor.insertBlock();
        cursor.insertText(paragraph);
    }
}

void Changelog::load()
{
    QFile file(filePath());
    if (file.size() > 0 && file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        ui->changelogText->setPlainText(fileCodec()->toUnicode(file.readAll()));
        ui->clearButton->setEnabled(true);
        return;
    }
    fetch();
}

void Changelog::fetch()
{
    ui->clearButton->setEnabled(false);
    ui->updateButton->setEnabled(false);
    const NetworkManager::Operation operation = NetworkManager::prepareOperation();
    connect(operation.worker, &NetworkManager::changelogInfo, this, &Changelog::getUpdateData);
    connect(operation.worker, &NetworkManager::noNetConnection, this, &Changelog::changeLogUpdateError);
    connect(operation.worker, &NetworkManager::jsonReaderError, this, &Changelog::setJsonReaderError);
    connect(operation.worker, &NetworkManager::localeError, this, &Changelog::updateLocaleError);
    // Whatever the outcome (a manifest without notes gives no result at all), the buttons work again.
    connect(operation.worker, &NetworkManager::finished, this, &Changelog::setButtonsEnabled);
    NetworkManager::startOperation(operation, "checkForApplicationUpdates", Q_ARG(bool, false));
}

void Changelog::getUpdateData(QString updateVer, QString updateChannel, QString updateInfo)
{
    // The old notes go only now that new ones have arrived; a failed refresh keeps them.
    ui->changelogText->clear();
    appendBlock(ui->changelogText, updateVer, updateChannel, updateInfo);
    QFile file(filePath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        file.write(fileCodec()->fromUnicode(ui->changelogText->toPlainText()));
    file.close();
    setButtonsEnabled();
    appendLog(tr("changelog has been updated"));
}

void Changelog::setButtonsEnabled()
{
    ui->updateButton->setEnabled(true);
    ui->clearButton->setEnabled(!ui->changelogText->document()->isEmpty());
}

void Changelog::changeLogUpdateError()
{
    setButtonsEnabled();
    const int answer = MsgDialog::run(
        this, tr("Error"),
        QStringLiteral("%1 %2").arg(tr("Can't get changelog information."), tr("Make sure you have network connection.")),
        MsgDialog::Critical, QMessageBox::Retry | QMessageBox::Cancel);
    if (answer == QMessageBox::Retry)
        fetch();
    else
        close();
}

void Changelog::setJsonReaderError(QJsonParseError parseError)
{
    setButtonsEnabled();
    showError(QStringLiteral("%1 %2").arg(tr("Can't get changelog information."),
                                          MsgDialog::errorCodeText(int(parseError.error))));
}

void Changelog::updateLocaleError()
{
    setButtonsEnabled();
    showError(tr("Update localization error!"));
}

void Changelog::askToClear()
{
    const int answer = MsgDialog::run(this, tr("Warning"),
                                      tr("Do you really want to delete the changelog? This action cannot be undone."),
                                      MsgDialog::Warning, QMessageBox::Yes | QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    clearFile();
    ui->changelogText->clear();
    ui->clearButton->setEnabled(false);
    MsgDialog::run(this, tr("Information"), tr("Changelog was successfully cleared."), MsgDialog::Information,
                   QMessageBox::Ok);
}

void Changelog::clearFile()
{
    QFile file(filePath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.close();
}

void Changelog::showError(const QString &text)
{
    MsgDialog::run(this, tr("Error"), text, MsgDialog::Critical, QMessageBox::Ok);
}

void Changelog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
