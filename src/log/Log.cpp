#include "log/Log.h"
#include "ui_Log.h"

#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "log/LogView.h"
#include "net/FtpData.h"
#include "net/NetworkManager.h"
#include "ui/widgets/MsgDialog.h"
#include "ui/widgets/WindowRules.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTextCodec>
#include <QUrl>

Log::Log(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Log)
    , view(LogView::view())
{
    ui->setupUi(this);
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    applyWindowOpacity(this);
    ui->verticalLayout->insertWidget(0, view);
    // A view handed back by an earlier window is hidden; it shows with this one.
    view->show();
    fitButtons();

    logDirPath = QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/Log"));
    logDir.setPath(logDirPath);
    logDir.mkpath(QStringLiteral("."));
    const QString stamp = QLocale(QLocale::English, QLocale::UnitedStates)
                              .toString(QDateTime::currentDateTime(), QStringLiteral("yyyy.MM.dd.HH.mm.ss.zzz"));
    logFilePath = QDir::toNativeSeparators(
        QStringLiteral("%1/%2_Log_%3_%4.txt")
            .arg(logDirPath, QStringLiteral("Airvane Lite").replace(QLatin1Char(' '), QLatin1Char('_')),
                 QLocale::system().name(), stamp));

    const bool viewEmpty = view->document()->isEmpty();
    viewWasEmpty = viewEmpty;
    const bool savedExists = QFile::exists(storedLogPath());
    ui->pushButtonSave->setEnabled(!viewEmpty || savedExists);
    ui->pushButtonSaveAs->setEnabled(!viewEmpty || savedExists);
    ui->pushButtonClear->setEnabled(!viewEmpty || savedExists);
    setFileButtonsEnabled(!viewEmpty && savedExists);

    connect(ui->pushButtonSave, &QPushButton::clicked, this, &Log::saveLog);
    connect(ui->pushButtonSaveAs, &QPushButton::clicked, this, &Log::saveLogAs);
    connect(ui->pushButtonOpen, &QPushButton::clicked, this, &Log::openLog);
    connect(ui->pushButtonClear, &QPushButton::clicked, this, &Log::clearLog);
    connect(ui->pushButtonDelete, &QPushButton::clicked, this, &Log::deleteLog);
    connect(ui->pushButtonSend, &QPushButton::clicked, this, &Log::sendLog);
    connect(ui->pushButtonClose, &QPushButton::clicked, this, &Log::close);
    connect(view->document(), &QTextDocument::contentsChanged, this, &Log::viewChanged);
}

Log::~Log()
{
    // The view outlives this window: it is the log of the whole run.
    LogView::release(view);
    delete ui;
}

void Log::fitButtons()
{
    // 600 x 380, wider when the button texts of the language need more room than that.
    int needed = ui->verticalLayout->contentsMargins().left() + ui->verticalLayout->contentsMargins().right()
                 + ui->buttonLayout->spacing() * (ui->buttonLayout->count() - 1);
    for (int i = 0; i < ui->buttonLayout->count(); ++i) {
        if (auto *button = qobject_cast<QPushButton *>(ui->buttonLayout->itemAt(i)->widget()))
            needed += button->fontMetrics().horizontalAdvance(button->text()) + 24;
    }
    const QSize size(qMax(600, needed), 380);
    setMinimumSize(size);
    resize(size.expandedTo(this->size()));
}

void Log::showWindow()
{
    applyTopMostSetting(this);
    show();
    raise();
    activateWindow();
}

void Log::setFileButtonsEnabled(bool enabled)
{
    ui->pushButtonOpen->setEnabled(enabled);
    ui->pushButtonDelete->setEnabled(enabled);
    ui->pushButtonSend->setEnabled(enabled);
}

void Log::viewChanged()
{
    // Lines that arrive after a Clear (or into a log that was empty when the window was made)
    // must be savable.
    const bool empty = view->document()->isEmpty();
    if (viewWasEmpty && !empty) {
        ui->pushButtonSave->setEnabled(true);
        ui->pushButtonSaveAs->setEnabled(true);
        ui->pushButtonClear->setEnabled(true);
    }
    viewWasEmpty = empty;
}

QString Log::storedLogPath() const
{
    return readAppSetting(QLatin1String(SettingsKey::LogPath), QString()).toString();
}

void Log::storeLogPath(const QString &path)
{
    writeAppSetting(QLatin1String(SettingsKey::LogPath), path);
}

void Log::writeLogTo(QFile &file, const QString &shownPath)
{
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(QTextCodec::codecForName("windows-1251")->fromUnicode(view->toPlainText()));
        file.close();
    }
    // An empty log makes an empty file: nothing to announce.
    const QFileInfo written(file.fileName());
    if (!written.exists() || written.size() == 0)
        return;
    MsgDialog::run(this, tr("Log"),
                   tr("Log file was successfully saved!") + QLatin1Char('\n') + tr("Log path:")
                       + QLatin1Char(' ') + shownPath,
                   MsgDialog::Information);
    logSaved();
}

void Log::saveLog()
{
    logDir.mkpath(QStringLiteral("."));
    savedFile.reset(new QFile(logFilePath));
    writeLogTo(*savedFile, logFilePath);
    savedWithSave = true;
    storeLogPath(logFilePath);
}

void Log::saveLogAs()
{
    const QString chosen = QFileDialog::getSaveFileName(
        this, tr("Save as"), logFilePath,
        tr("Text Documents") + QStringLiteral("(*.txt);;") + tr("All Files") + QStringLiteral("(*.*)"));
    if (!chosen.isEmpty()) {
        saveAsPath = QDir::toNativeSeparators(chosen);
        saveAsFileName = QFileInfo(chosen).fileName();
        savedAsFile.reset(new QFile(chosen));
        writeLogTo(*savedAsFile, saveAsPath);
    }
    savedWithSave = false;
}

void Log::openLog()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(storedLogPath()));
}

void Log::clearLog()
{
    view->clear();
    ui->pushButtonSave->setEnabled(false);
    ui->pushButtonSaveAs->setEnabled(false);
    ui->pushButtonClear->setEnabled(false);
    setFileButtonsEnabled(!storedLogPath().isEmpty());
}

void Log::deleteLog()
{
    const QString path = storedLogPath();
    if (!path.isEmpty()) {
        storeLogPath(QString());
        if (QFile::remove(path))
            deletedAppLog();
        else
            fileNotFound();
    } else if (savedFile && savedFile->exists()) {
        savedFile->remove();
        deletedAppLog();
    } else if (savedAsFile && savedAsFile->exists()) {
        savedAsFile->remove();
        deletedAppLog();
    } else if (savedFile || savedAsFile) {
        fileNotFound();
    }
}

void Log::deletedAppLog()
{
    MsgDialog::run(this, tr("Log"), tr("Log file was successfully deleted!"), MsgDialog::Information);
    setFileButtonsEnabled(false);
}

void Log::fileNotFound()
{
    MsgDialog::run(this, tr("Error"), tr("Log file is not exists!"), MsgDialog::Critical);
    setFileButtonsEnabled(false);
}

void Log::logSaved()
{
    setFileButtonsEnabled(true);
}

void Log::sendLog()
{
    setFileButtonsEnabled(false);
    if (!isNetworkAvailable()) {
        ui->pushButtonSend->setEnabled(true);
        MsgDialog::run(this, tr("Error"),
                       tr("Network connection is not available! Check your network and try again."),
                       MsgDialog::Critical);
        return;
    }
    const QString path = storedLogPath();
    QString file;
    if (!path.isEmpty()) {
        // A stored path whose file has gone is not sent (and not reported as sent).
        if (QFile::exists(path))
            file = path;
    } else if (savedWithSave && savedFile && savedFile->exists()) {
        file = savedFile->fileName();
        savedFile.reset();
    } else if (!savedWithSave && savedAsFile && savedAsFile->exists()) {
        file = savedAsFile->fileName();
        savedAsFile.reset();
    }
    if (file.isEmpty()) {
        fileNotFound();
        return;
    }
    uploadData(file);
}

void Log::uploadData(QString fileName)
{
    uploadingPath = fileName;
    const NetworkManager::Operation operation = NetworkManager::prepareOperation();
    connect(operation.worker, &NetworkManager::dataUploaded, this, &Log::uploadFinished);
    connect(operation.worker, &NetworkManager::dataUploadFailed, this, &Log::uploadFailed);
    connect(operation.worker, &NetworkManager::noNetworkAvailable, this, &Log::logNetworkError);
    const QVector<FtpData> records = {stagedTelemetryUpload(logDirPath, fileName, QStringLiteral("log"))};
    NetworkManager::startOperation(operation, "uploadToFtp", Q_ARG(QVector<FtpData>, records));
}

void Log::uploadFinished()
{
    const QString path = storedLogPath();
    if (!path.isEmpty() && path == uploadingPath) {
        QFile::remove(path);
        storeLogPath(QString());
    }
    uploadingPath.clear();
    MsgDialog::run(this, tr("Log"), tr("Log file was successfully sent!"), MsgDialog::Information);
}

void Log::uploadFailed(int errorCode)
{
    // The file stays where it was; the user may try again.
    uploadingPath.clear();
    ui->pushButtonSend->setEnabled(true);
    MsgDialog::run(this, tr("Error"),
                   tr("Failed to send the log file!") + QLatin1Char(' ') + MsgDialog::errorCodeText(errorCode),
                   MsgDialog::Critical);
}

void Log::logNetworkError()
{
    uploadingPath.clear();
    ui->pushButtonSend->setEnabled(false);
    MsgDialog::run(this, tr("Error"), tr("You are offline. Go online and try again!"), MsgDialog::Critical);
}

void Log::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        fitButtons();
    }
    QDialog::changeEvent(event);
}
