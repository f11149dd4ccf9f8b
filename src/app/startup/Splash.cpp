#include "app/startup/Splash.h"
#include "ui_Splash.h"

#include "app/appearance/Translations.h"
#include "app/startup/LocalizationError.h"
#include "ui/widgets/WindowRules.h"
#include "app/startup/TranslationResources.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

Splash::Splash(std::function<QWidget *()> createMainWindow, QWidget *parent)
    : QWidget(parent), ui(new Ui::Splash), m_createMainWindow(std::move(createMainWindow))
{
    initAppearanceResources();
    ui->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint | Qt::SubWindow);
    setWindowTitle(QStringLiteral("Splash"));
    resize(680, 192);
    setMinimumSize(680, 192);
    // Frameless, so no window manager places it: the middle of the screen.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    setAttribute(Qt::WA_DeleteOnClose);
    applyWindowOpacity(this);

    if (!loadTranslations(&m_programTranslator, &m_toolkitTranslator)) {
        m_usable = false;
        LocalizationError::show();
        removeTranslations(&m_programTranslator, &m_toolkitTranslator);
        QCoreApplication::exit(LocalizationError::ExitCode);
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return;
    }

    ui->logoLabel->setPixmap(QPixmap(QStringLiteral(":Splash/%1_Logo.png").arg(QStringLiteral("Tarnwick"))));

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("splashTimer"));
    m_timer->setInterval(TickIntervalMs);
    connect(m_timer, &QTimer::timeout, this, &Splash::tick);
    m_timer->start();

    applyTopMostSetting(this, false);
}

Splash::~Splash()
{
    removeTranslations(&m_programTranslator, &m_toolkitTranslator);
    delete ui;
}

void Splash::tick()
{
    if (m_ticks >= LastTick) {
        m_timer->stop();
        ui->progressBar->setValue(m_ticks);
        removeTranslations(&m_programTranslator, &m_toolkitTranslator);
        close();
        // The splash opens the program as it is: always shown, no tray rule.
        if (m_createMainWindow) {
            QWidget *window = m_createMainWindow();
            window->show();
            emit mainWindowCreated(window);
        }
        return;
    }
    ++m_ticks;
    ui->progressBar->setValue(m_ticks);
}

void Splash::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        dragging = true;
        pressX = event->pos().x();
        pressY = event->pos().y();
    }
    QWidget::mousePressEvent(event);
}

void Splash::mouseMoveEvent(QMouseEvent *event)
{
    if (dragging)
        move(event->globalPos().x() - pressX, event->globalPos().y() - pressY);
    QWidget::mouseMoveEvent(event);
}

void Splash::mouseReleaseEvent(QMouseEvent *event)
{
    dragging = false;
    QWidget::mouseReleaseEvent(event);
}
