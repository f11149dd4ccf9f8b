#include "feedback/Feedback.h"
#include "ui_Feedback.h"

#include "app/appearance/InterfaceLanguage.h"
#include "app/settings/SettingsEnums.h"
#include "log/LogView.h"
#include "net/FtpData.h"
#include "net/NetworkManager.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui/widgets/AppQLabel.h"
#include "ui/widgets/LoaderWidget.h"
#include "ui/widgets/MsgDialog.h"
#include "ui/widgets/WindowRules.h"

#include <QButtonGroup>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextCodec>
#include <QUrl>

namespace {

const QString productName = QStringLiteral("Airvane Lite");

QString channelName(Update::Channel channel)
{
    switch (channel) {
    case Update::Channel::Development:
        return Feedback::tr("Development");
    case Update::Channel::Insider:
        return Feedback::tr("Insider");
    case Update::Channel::Beta:
        return Feedback::tr("Beta");
    default:
        return Feedback::tr("Release");
    }
}

QString makerTime(const QDateTime &when, const QString &format)
{
    return QLocale(QLocale::English, QLocale::UnitedStates)
        .toString(when.toTimeZone(Feedback::makerTimeZone()), format);
}

bool isValidEmail(const QString &address)
{
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(
        QStringLiteral("\\b[A-z0-9._%+-]+@[a-z0-9.-]+\\.[a-z]{2,4}\\b")));
    return pattern.match(address).hasMatch();
}

// Outside text for a tool tip: always shown as it is, never as markup.
QString plainToolTip(const QString &text)
{
    return QStringLiteral("<p style=\"white-space:pre\">") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

} // namespace

Feedback::Feedback(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Feedback)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    applyWindowOpacity(this);
    dialogs::ensureIconResources();
    ui->pushButtonClearFiles->setIcon(QIcon(QStringLiteral(":/Icon/times_red.svg")));
    ui->pushButtonClearFiles->setIconSize(QSize(16, 16));

    auto *rateGroup = new QButtonGroup(this);
    const QList<QRadioButton *> rates = {ui->radioButtonRate1, ui->radioButtonRate2, ui->radioButtonRate3,
                                         ui->radioButtonRate4, ui->radioButtonRate5, ui->radioButtonRate6,
                                         ui->radioButtonRate7, ui->radioButtonRate8, ui->radioButtonRate9,
                                         ui->radioButtonRate10};
    for (QRadioButton *rate : rates)
        rateGroup->addButton(rate);
    auto *typeGroup = new QButtonGroup(this);
    for (QRadioButton *type : {ui->radioButtonProblem, ui->radioButtonSuggestion, ui->radioButtonVote}) {
        typeGroup->addButton(type);
        connect(type, &QRadioButton::toggled, this, &Feedback::checkFeedbackType);
    }

    connect(ui->checkBoxEmail, &QCheckBox::toggled, ui->lineEditEmail, &QLineEdit::setEnabled);
    connect(ui->pushButtonSelect, &QPushButton::clicked, this, &Feedback::selectFiles);
    connect(ui->pushButtonClearFiles, &QPushButton::clicked, this, &Feedback::clearAttachments);
    connect(ui->pushButtonSend, &QPushButton::clicked, this, &Feedback::sendFeedback);
    connect(ui->pushButtonClose, &QPushButton::clicked, this, &Feedback::close);
    ui->previewLayout->setAlignment(Qt::AlignLeft);
    retranslate();
}

Feedback::~Feedback()
{
    delete ui;
}

Feedback *Feedback::openFeedback(QWidget *parent)
{
    auto *window = new Feedback(parent);
    applyTopMostSetting(window);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QTimeZone Feedback::makerTimeZone()
{
    const QTimeZone zone(QByteArrayLiteral(AIRVANE_MAKER_TIME_ZONE));
    return zone.isValid() ? zone : QTimeZone::utc();
}

void Feedback::retranslate()
{
    ui->labelAttachment->setText(QStringLiteral("%1 (%2)").arg(tr("Attachment"), tr("max. 20.0 MB")));
    if (attachmentPaths.isEmpty())
        resetFilesLabel();
}

void Feedback::checkFeedbackType()
{
    ui->pushButtonSend->setEnabled(ui->radioButtonProblem->isChecked() || ui->radioButtonSuggestion->isChecked()
                                   || ui->radioButtonVote->isChecked());
}

void Feedback::resetFilesLabel()
{
    ui->labelFiles->setText(tr("No file is selected"));
    ui->labelFiles->setToolTip(QString());
}

void Feedback::selectFiles()
{
    const QStringList chosen = QFileDialog::getOpenFileNames(
        this, tr("Select files"), QString(),
        tr("Image Files") + QStringLiteral(" (*.png *.jpg *.bmp *.jpeg *.gif);;") + tr("Crash dumps")
            + QStringLiteral(" (*.dmp)"));
    setAttachments(chosen);
}

bool Feedback::setAttachments(const QStringList &paths)
{
    clearAttachments();
    qint64 total = 0;
    for (const QString &path : paths) {
        total += QFileInfo(path).size();
        if (total >= attachmentLimit) {
            error(tr("The size of selected data is too big (max. 20.0 MB)!"));
            resetFilesLabel();
            return false;
        }
    }
    if (paths.isEmpty())
        return true;

    attachmentPaths = paths;
    if (paths.size() == 1) {
        const QString shown = QDir::toNativeSeparators(paths.first());
        ui->labelFiles->setText(shown);
        ui->labelFiles->setToolTip(plainToolTip(shown));
    } else {
        const bool megabytes = total > 1048576;
        const double amount = megabytes ? double(total) / 1048576 : double(total) / 1024;
        ui->labelFiles->setText(QStringLiteral("%1 %2 %3 (%4 %5)")
                                    .arg(tr("Selected"), QString::number(paths.size()), tr("files"),
                                         QString::number(amount, 'f', 2), megabytes ? tr("MB") : tr("KB")));
        ui->labelFiles->setToolTip(QString());
    }
    for (const QString &path : paths) {
        addPreview(path);
        attachmentText += QFileInfo(path).fileName() + QLatin1Char('\n');
    }
    return true;
}

void Feedback::addPreview(const QString &path)
{
    auto *preview = new AppQLabel(ui->previewRow);
    preview->setFixedSize(100, 100);
    preview->setScaledContents(true);
    preview->setToolTip(tr("Click to open"));
    const QFileInfo info(path);
    static const QStringList pictures = {QStringLiteral("jpg"), QStringLiteral("png"), QStringLiteral("gif"),
                                         QStringLiteral("jpeg"), QStringLiteral("bmp")};
    QPixmap picture;
    if (pictures.contains(info.suffix().toLower()))
        picture.load(path);
    if (picture.isNull())
        picture = QFileIconProvider().icon(info).pixmap(64, 64);
    preview->setPixmap(picture);
    connect(preview, &AppQLabel::mouseClick, this, [this, path] {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            error(tr("Failed to open the file!"));
    });
    ui->previewLayout->addWidget(preview);
}

void Feedback::clearAttachments()
{
    attachmentPaths.clear();
    attachmentText.clear();
    while (QLayoutItem *item = ui->previewLayout->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    resetFilesLabel();
}

QString Feedback::feedbackFilePathFor(const QDateTime &when) const
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
                        + QStringLiteral("/Feedback");
    const QString name = QStringLiteral("%1_Feedback_%2_%3.txt")
                             .arg(QString(productName).replace(QLatin1Char(' '), QLatin1Char('_')),
                                  QLocale::system().name(), makerTime(when, QStringLiteral("yyyy.MM.dd.HH.mm.ss.zzz")));
    return QDir::toNativeSeparators(dir + QLatin1Char('/') + name);
}

QByteArray Feedback::feedbackFileContents(const QDateTime &when) const
{
    const auto line = [](const QString &label, const QString &value) {
        return QStringLiteral("%1 %2\n").arg(label, value);
    };
    const bool english = interfaceLanguage() == App::Language::English;
    QString text = line(tr("Application name:"), productName)
                   + line(tr("Application build:"), QStringLiteral(AIRVANE_VERSION))
                   + line(tr("Application channel:"), channelName(readUpdatesChannel()))
                   + line(tr("Application architecture:"), QStringLiteral("x64"))
                   + line(tr("Creation date:"),
                          makerTime(when, english ? QStringLiteral("M/d/yyyy hh:mm:ss AP")
                                                  : QStringLiteral("M/d/yyyy hh:mm:ss")));
    for (QRadioButton *type : {ui->radioButtonProblem, ui->radioButtonSuggestion, ui->radioButtonVote}) {
        if (type->isChecked())
            text += QStringLiteral("%1: %2\n").arg(ui->labelFeedbackType->text(), type->text());
    }
    const QList<QAbstractButton *> rates = ui->radioButtonRate1->group()->buttons();
    for (QAbstractButton *rate : rates) {
        if (rate->isChecked())
            text += line(tr("Application rate:"), rate->text());
    }
    const QString message = ui->textEditMessage->toPlainText();
    if (!message.isEmpty())
        text += line(tr("Message:"), message);
    const bool withEmail = ui->checkBoxEmail->isChecked() && isValidEmail(ui->lineEditEmail->text());
    if (withEmail)
        text += QStringLiteral("%1 %2").arg(tr("Email:"), ui->lineEditEmail->text());
    if (!attachmentPaths.isEmpty()) {
        if (withEmail)
            text += QLatin1Char('\n');
        text += tr("Attachments:") + QLatin1Char('\n') + attachmentText;
    }
    return QTextCodec::codecForName("windows-1251")->fromUnicode(text);
}

void Feedback::error(const QString &text)
{
    MsgDialog::run(this, tr("Error"), text, MsgDialog::Critical);
}

void Feedback::sendFeedback()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    feedbackFilePath = feedbackFilePathFor(now);
    feedbackDir = QFileInfo(feedbackFilePath).absolutePath();
    QDir().mkpath(feedbackDir);
    feedbackDir = QDir::toNativeSeparators(feedbackDir);

    if (!ui->radioButtonVote->isChecked() && ui->textEditMessage->toPlainText().isEmpty()) {
        error(tr("Feedback field is empty!"));
        return;
    }
    if (!ui->radioButtonRate1->group()->checkedButton()) {
        error(tr("You forgot to rate this application!"));
        return;
    }
    if (ui->checkBoxEmail->isChecked()) {
        if (ui->lineEditEmail->text().isEmpty()) {
            error(tr("Email field is empty!"));
            return;
        }
        if (!isValidEmail(ui->lineEditEmail->text())) {
            error(tr("Please enter a valid email address!"));
            return;
        }
    }

    QFile file(feedbackFilePath);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(feedbackFileContents(now));
        file.close();
    }
    if (!file.exists())
        return;
    ui->pushButtonSend->setEnabled(false);
    if (!isNetworkAvailable()) {
        error(tr("Network connection is not available! Check your network and try again."));
        ui->pushButtonSend->setEnabled(true);
        return;
    }
    if (attachmentPaths.isEmpty())
        uploadFeedbackFile();
    else
        uploadAttachments();
}

void Feedback::uploadAttachments()
{
    attachmentsFailed = false;
    const NetworkManager::Operation operation = NetworkManager::prepareOperation();
    connect(operation.worker, &NetworkManager::dataUploadFailed, this, [this](int errorCode) {
        attachmentsFailed = true;
        stopSpinner();
        feedbackUploadFailed(errorCode);
    });
    // With the window as context: a window closed meanwhile is simply gone, nothing is uploaded.
    connect(operation.worker, &NetworkManager::finished, this, [this] {
        if (!attachmentsFailed)
            uploadFeedbackFile();
    });
    showSpinner();
    NetworkManager::startOperation(operation, "multipleUploadsToFTP", Q_ARG(QString, productName),
                                   Q_ARG(QString, QStringLiteral("%1/files").arg(QStringLiteral("feedback"))),
                                   Q_ARG(QStringList, attachmentPaths));
}

void Feedback::uploadFeedbackFile()
{
    const NetworkManager::Operation operation = NetworkManager::prepareOperation();
    connect(operation.worker, &NetworkManager::dataUploaded, this, &Feedback::uploadFeedbackFinished);
    connect(operation.worker, &NetworkManager::noNetworkAvailable, this, &Feedback::feedbackNetworkError);
    connect(operation.worker, &NetworkManager::dataUploadFailed, this, &Feedback::feedbackUploadFailed);
    connect(operation.worker, &NetworkManager::finished, this, &Feedback::stopSpinner);
    const QVector<FtpData> records = {stagedTelemetryUpload(feedbackDir, feedbackFilePath, QStringLiteral("feedback"))};
    NetworkManager::startOperation(operation, "uploadToFtp", Q_ARG(QVector<FtpData>, records));
}

void Feedback::showSpinner()
{
    if (!spinner) {
        spinner = new LoaderWidget(this);
        spinner->setCenterOnParent(false);
        spinner->setDisableParentWhenSpinning(false);
        spinner->setNumberOfLines(12);
        spinner->setInnerRadius(4);
        spinner->setLineLength(5);
        spinner->setLineWidth(2);
        spinner->setFixedSize(20, 20);
        ui->buttonLayout->insertWidget(0, spinner);
    }
    spinner->start();
}

void Feedback::stopSpinner()
{
    if (!spinner)
        return;
    spinner->stop();
    spinner->deleteLater();
    spinner = nullptr;
}

void Feedback::uploadFeedbackFinished()
{
    ui->pushButtonSend->setEnabled(true);
    MsgDialog::run(this, tr("Feedback"), tr("Thank you for the feedback!"), MsgDialog::Information);
    appendLog(tr("feedback was successfully sent"));
    close();
}

void Feedback::feedbackNetworkError()
{
    error(tr("No network connection is available at this moment!"));
    close();
}

void Feedback::feedbackUploadFailed(int errorCode)
{
    // Nothing local is removed: the feedback file stays in its folder and Send can be pressed again.
    ui->pushButtonSend->setEnabled(true);
    error(tr("Failed to send the feedback!") + QLatin1Char(' ') + MsgDialog::errorCodeText(errorCode));
}

void Feedback::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslate();
    }
    QDialog::changeEvent(event);
}
