#include "updates/InsiderNotification.h"
#include "ui_InsiderNotification.h"

#include "app/appearance/AppFont.h"
#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui/widgets/WindowRules.h"

#include <QIcon>
#include <QMouseEvent>

namespace {

const QString minimizeBlack = QStringLiteral(":/Icon/window-minimize_black.svg");
const QString minimizeBlue = QStringLiteral(":/Icon/window-minimize_blue.svg");
const QString closeBlack = QStringLiteral(":/Icon/times_black.svg");
const QString closeRed = QStringLiteral(":/Icon/times_red.svg");

} // namespace

InsiderNotification::InsiderNotification(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::InsiderNotification)
{
    dialogs::ensureIconResources();
    ui->setupUi(this);
    setWindowIcon(QIcon(QStringLiteral(":/Icon/airvane_large_icon.ico")));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(472, 165);
    applyWindowOpacity(this);

    QFont titleFont = applicationFont(true);
    titleFont.setPixelSize(14);
    ui->dlgTitle->setFont(titleFont);
    ui->messageLabel->setFont(applicationFont());
    ui->messageLabel->setTextFormat(Qt::PlainText);
    ui->noteLabel->setFont(applicationFont());
    ui->noteLabel->setTextFormat(Qt::RichText);
    for (QLabel *icon : {static_cast<QLabel *>(ui->minimizeLabel), static_cast<QLabel *>(ui->closeLabel)}) {
        icon->setAttribute(Qt::WA_Hover);
        icon->setScaledContents(true);
    }
    setIcon(ui->minimizeLabel, minimizeBlack);
    setIcon(ui->closeLabel, closeBlack);

    connect(ui->doNotShowSwitch, &QAbstractButton::clicked, this, &InsiderNotification::doNotShowAgain);
    connect(ui->installButton, &QPushButton::clicked, this, &InsiderNotification::install);
    connect(ui->closeButton, &QPushButton::clicked, this, &QWidget::close);

    connect(ui->titleBar, &AppQFrame::mouseClick, this, &InsiderNotification::titlePressed);
    connect(ui->titleBar, &AppQFrame::mouseMove, this, &InsiderNotification::titleMoved);
    connect(ui->titleBar, &AppQFrame::mouseRelease, this, [this] {
        dragging = false;
        ui->titleBar->unsetCursor();
    });
    connect(ui->minimizeLabel, &AppQLabel::mouseEnter, this, [this] { setIcon(ui->minimizeLabel, minimizeBlue); });
    connect(ui->minimizeLabel, &AppQLabel::mouseLeave, this, [this] { setIcon(ui->minimizeLabel, minimizeBlack); });
    connect(ui->minimizeLabel, &AppQLabel::mouseClick, this, &QWidget::showMinimized);
    connect(ui->closeLabel, &AppQLabel::mouseEnter, this, [this] { setIcon(ui->closeLabel, closeRed); });
    connect(ui->closeLabel, &AppQLabel::mouseLeave, this, [this] { setIcon(ui->closeLabel, closeBlack); });
    connect(ui->closeLabel, &AppQLabel::mouseClick, this, &QWidget::close);
    retranslate();
}

InsiderNotification::~InsiderNotification()
{
    delete ui;
}

void InsiderNotification::setBuild(const QString &build)
{
    this->build = build;
    retranslate();
}

void InsiderNotification::retranslate()
{
    ui->messageLabel->setText(QStringLiteral("%1 %2 %3").arg(tr("New insider build"),
                                                             build.isEmpty() ? tr("unknown") : build,
                                                             tr("is available! Do you want to install it?")));
    ui->noteLabel->setText(QStringLiteral("<strong>%1</strong> %2")
                               .arg(tr("Note:"), tr("If you click install you will be automatically set to "
                                                    "Insider updates channel")));
}

void InsiderNotification::doNotShowAgain(bool checked)
{
    writeSetting(QLatin1String(SettingsGroup::Updates), QLatin1String(SettingsKey::GetInsiderBuildsNotification),
                 !checked);
    emit disableInsiderNotification(checked);
}

void InsiderNotification::install()
{
    writeUpdatesChannel(Update::Channel::Insider);
    emit setInsiderChannel(Update::Channel::Insider);
    emit startInsiderUpdate();
    close();
}

void InsiderNotification::setIcon(QLabel *label, const QString &resource)
{
    label->setPixmap(dialogs::svgPixmap(resource, label->size(), devicePixelRatioF()));
}

void InsiderNotification::titlePressed(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    dragging = true;
    pressPosition = event->pos();
    ui->titleBar->setCursor(Qt::SizeAllCursor);
}

void InsiderNotification::titleMoved(QMouseEvent *event)
{
    if (dragging)
        move(event->globalPos() - pressPosition);
}

void InsiderNotification::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslate();
    }
    QWidget::changeEvent(event);
}
