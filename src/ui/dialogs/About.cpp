#include "ui/dialogs/About.h"
#include "ui_About.h"

#include "app/appearance/AppFont.h"
#include "app/appearance/InterfaceLanguage.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui/dialogs/LicenseAgreement.h"
#include "ui/dialogs/MakerSite.h"
#include "ui/main/WindowTitle.h"
#include "ui/widgets/WindowRules.h"

#include <QContextMenuEvent>
#include <QIcon>
#include <QMenu>
#include <QMetaMethod>

static QString internalLink(const QString &text)
{
    return QStringLiteral("<a style=\"text-decoration: none;\" href=\"#\">%1</a>").arg(text.toHtmlEscaped());
}

About::About(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::About)
{
    dialogs::ensureIconResources();
    ui->setupUi(this);
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    applyWindowOpacity(this);

    const QFont font = applicationFont();
    for (QWidget *widget : findChildren<QWidget *>())
        widget->setFont(font);
    QFont nameFont = font;
    nameFont.setPixelSize(font.pixelSize() + 8);
    nameFont.setWeight(QFont::Bold);
    ui->programName->setFont(nameFont);
    ui->logo->setPixmap(dialogs::resourceIcon(QStringLiteral(":/Icon/airvane.png")).pixmap(72, 72));

    for (QLabel *link : {ui->eulaValue, ui->privacyValue, ui->websiteValue, ui->feedbackValue, ui->accountValue}) {
        link->setTextFormat(Qt::RichText);
        link->setTextInteractionFlags(Qt::TextBrowserInteraction);
        link->setCursor(Qt::PointingHandCursor);
    }
    ui->privacyValue->setOpenExternalLinks(true);
    ui->websiteValue->setOpenExternalLinks(true);
    connect(ui->eulaValue, &QLabel::linkActivated, this, [this] { LicenseAgreement::open(this); });
    connect(ui->feedbackValue, &QLabel::linkActivated, this, [this] { showFeedbackDlg(this); });
    connect(ui->accountValue, &QLabel::linkActivated, this, [this] { emit signIn(this); });
    connect(ui->okButton, &QPushButton::clicked, this, &QDialog::accept);

    channel = readUpdatesChannel();
    language = readLanguage();
    buildMenu();
    fillTexts();
}

About::~About()
{
    delete ui;
}

void About::setChangelogOpener(WindowOpener opener)
{
    changelogOpener = std::move(opener);
    markAvailability();
}

void About::setFeedbackOpener(WindowOpener opener)
{
    feedbackOpener = std::move(opener);
    markAvailability();
}

void About::setAvailability(bool log, bool updates)
{
    logAvailable = log;
    updatesAvailable = updates;
    markAvailability();
}

QString About::privacyPolicyCode(App::Language language, QLocale::Language systemLanguage)
{
    return languageCode(interfaceLanguageFor(language, systemLanguage));
}

void About::buildMenu()
{
    menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("aboutContextMenu"));
    menu->setFont(applicationFont());
    logAction = menu->addAction(dialogs::resourceIcon(QStringLiteral(":/Icon/file.svg")), QString());
    changelogAction = menu->addAction(dialogs::resourceIcon(QStringLiteral(":/Icon/file-code.svg")), QString());
    updatesAction = menu->addAction(dialogs::resourceIcon(QStringLiteral(":/Icon/sync.svg")), QString());
    feedbackAction = menu->addAction(QString());
    exitAction = menu->addAction(dialogs::resourceIcon(QStringLiteral(":/Icon/sign-out.svg")), QString());
    connect(logAction, &QAction::triggered, this, [this] { emit displayLog(this); });
    connect(changelogAction, &QAction::triggered, this, [this] {
        if (changelogOpener)
            changelogOpener(this);
    });
    connect(updatesAction, &QAction::triggered, this, &About::checkUpdates);
    connect(feedbackAction, &QAction::triggered, this, [this] { showFeedbackDlg(this); });
    connect(exitAction, &QAction::triggered, this, &About::exitApplication);
    connect(menu, &QMenu::aboutToShow, this, &About::markAvailability);
}

void About::fillTexts()
{
    ui->companyValue->setText(QStringLiteral("Tarnwick"));
    ui->versionValue->setText(QStringLiteral("Lite"));
    ui->buildValue->setText(QStringLiteral(AIRVANE_VERSION));
    ui->channelValue->setText(WindowTitle::channelName(static_cast<int>(channel)));
    ui->architectureValue->setText(WindowTitle::architecture());
    ui->eulaValue->setText(internalLink(tr("License agreement")));
    ui->privacyValue->setText(
        QStringLiteral("<a style=\"text-decoration: none;\" href=\"%1/terms/privacy-policy-%2\">%3</a>")
            .arg(makerWebsite(), privacyPolicyCode(language, QLocale::system().language()),
                 tr("Privacy Policy").toHtmlEscaped()));
    ui->websiteValue->setText(QStringLiteral("<a style=\"text-decoration: none;\" href=\"%1\">%1</a>")
                                  .arg(makerWebsite()));

    logAction->setText(tr("Log"));
    changelogAction->setText(tr("Changelog"));
    updatesAction->setText(tr("Updates"));
    feedbackAction->setText(tr("Feedback"));
    exitAction->setText(tr("Exit"));
    markAvailability();
}

void About::markAvailability()
{
    setAvailable(logAction, logAvailable && isSignalConnected(QMetaMethod::fromSignal(&About::displayLog)));
    setAvailable(changelogAction, bool(changelogOpener));
    setAvailable(updatesAction, updatesAvailable && isSignalConnected(QMetaMethod::fromSignal(&About::checkUpdates)));
    if (refreshRunning)
        updatesAction->setEnabled(false);
    setAvailable(feedbackAction, bool(feedbackOpener));
    setAvailable(exitAction, isSignalConnected(QMetaMethod::fromSignal(&About::exitApplication)));
    setAvailable(ui->feedbackValue, bool(feedbackOpener));
    setAvailable(ui->accountValue, isSignalConnected(QMetaMethod::fromSignal(&About::signIn)));
}

void About::setAvailable(QAction *action, bool available)
{
    action->setEnabled(available);
    action->setToolTip(available ? QString() : tr("Not available in this build"));
}

void About::setAvailable(QLabel *link, bool available)
{
    // A disabled label still draws its link in the link colour: an entry that leads nowhere is
    // shown as plain text instead.
    const QString text = link == ui->feedbackValue ? tr("Send feedback") : tr("Sign in");
    link->setText(available ? internalLink(text) : text.toHtmlEscaped());
    link->setEnabled(available);
    link->setToolTip(available ? QString() : tr("Not available in this build"));
}

void About::setUpdateChannel(Update::Channel index)
{
    channel = index;
    ui->channelValue->setText(WindowTitle::channelName(static_cast<int>(channel)));
}

void About::setPrivacyPolicyLanguage(App::Language index)
{
    language = index;
    fillTexts();
}

void About::showFeedbackDlg(QWidget *parent)
{
    if (feedbackOpener)
        feedbackOpener(parent);
}

void About::setNetworksRefreshStarted()
{
    refreshRunning = true;
    updatesAction->setEnabled(false);
}

void About::setNetworksRefreshCompleted()
{
    refreshRunning = false;
    markAvailability();
}

void About::contextMenuEvent(QContextMenuEvent *event)
{
    menu->exec(event->globalPos());
}

void About::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        fillTexts();
    }
    QDialog::changeEvent(event);
}
