#include "ui/widgets/Switch.h"

#include "ui/widgets/Animator.h"

#include <QApplication>
#include <QGraphicsBlurEffect>
#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QPainter>

QColor SwitchStyle::withOpacity(QColor color, qreal opacity)
{
    color.setAlpha(static_cast<int>(opacity * 255));
    return color;
}

Switch::Switch(QWidget *parent)
    : SelectionControl(parent)
{
    m_style.font = QApplication::font();
    setFont(m_style.font);
    setObjectName(QStringLiteral("Switch"));

    m_thumbColorAnimation = new Animator(this, this);
    m_trackColorAnimation = new Animator(this, this);
    m_thumbPositionAnimation = new Animator(this, this);

    m_thumbColorAnimation->setEasingCurve(QEasingCurve::Linear);
    m_thumbColorAnimation->setDuration(m_style.thumbColorDuration);
    m_trackColorAnimation->setEasingCurve(QEasingCurve::Linear);
    m_trackColorAnimation->setDuration(m_style.trackColorDuration);
    m_thumbPositionAnimation->setEasingCurve(QEasingCurve::InOutQuad);
    m_thumbPositionAnimation->setDuration(m_style.thumbPositionDuration);

    restart(m_thumbPositionAnimation, 0, 0);

    const QColor thumbOff = SwitchStyle::withOpacity(m_style.thumbOffColor, m_style.thumbOffOpacity);
    const QColor trackOff = SwitchStyle::withOpacity(m_style.trackOffColor, m_style.trackOffOpacity);
    m_thumbColorAnimation->setStartValue(thumbOff);
    m_thumbColorAnimation->setEndValue(thumbOff);
    m_trackColorAnimation->setStartValue(trackOff);
    m_trackColorAnimation->setEndValue(trackOff);

    QPalette pal = palette();
    pal.setColor(QPalette::Active, QPalette::ButtonText, m_style.textColor);
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, m_style.textColor);
    setPalette(pal);

    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

Switch::Switch(const QString &text, QWidget *parent)
    : Switch(parent)
{
    setText(text);
}

Switch::~Switch()
{
    // Stop while this is still a whole Switch, before the children go.
    m_thumbColorAnimation->stop();
    m_trackColorAnimation->stop();
    m_thumbPositionAnimation->stop();
}

int Switch::checkedPosition() const
{
    return (m_style.indicatorMargin.left() + m_style.indicatorMargin.right()) * 2 + 4;
}

QSize Switch::sizeHint() const
{
    const int textWidth = fontMetrics().horizontalAdvance(text());
    return QSize(textWidth + m_style.height + m_style.indicatorMargin.left()
                     + m_style.indicatorMargin.right(),
                 m_style.height);
}

void Switch::restart(Animator *animation, const QVariant &from, const QVariant &to)
{
    animation->stop();
    animation->setStartValue(from);
    animation->setEndValue(to);
    animation->start();
}

void Switch::setChecked(bool checked)
{
    if (checked && isChecked())
        return;

    m_settingDirectly = true;
    QAbstractButton::setChecked(checked);
    m_settingDirectly = false;

    if (checked) {
        const int position = checkedPosition();
        const QColor thumbOn = SwitchStyle::withOpacity(m_style.thumbOnColor, m_style.thumbOnOpacity);
        restart(m_thumbPositionAnimation, position, position);
        restart(m_thumbColorAnimation, thumbOn, thumbOn);
        restart(m_trackColorAnimation,
                SwitchStyle::withOpacity(m_style.thumbOnColor, m_style.trackOnOpacity),
                SwitchStyle::withOpacity(m_style.trackOnColor, m_style.trackOnOpacity));
    } else {
        const QColor thumbOff = SwitchStyle::withOpacity(m_style.thumbOffColor, m_style.thumbOffOpacity);
        const QColor trackOff = SwitchStyle::withOpacity(m_style.trackOffColor, m_style.trackOffOpacity);
        restart(m_thumbPositionAnimation, 0, 0);
        restart(m_thumbColorAnimation, thumbOff, thumbOff);
        restart(m_trackColorAnimation, trackOff, trackOff);
    }
    update();
}

void Switch::checkStateChanged(bool checked)
{
    if (m_settingDirectly)
        return;

    const QColor thumbOn = SwitchStyle::withOpacity(m_style.thumbOnColor, m_style.thumbOnOpacity);
    const QColor trackOn = SwitchStyle::withOpacity(m_style.trackOnColor, m_style.trackOnOpacity);
    const QColor thumbOff = SwitchStyle::withOpacity(m_style.thumbOffColor, m_style.thumbOffOpacity);
    const QColor trackOff = SwitchStyle::withOpacity(m_style.trackOffColor, m_style.trackOffOpacity);

    if (checked) {
        restart(m_thumbPositionAnimation, 0, checkedPosition());
        restart(m_thumbColorAnimation, thumbOff, thumbOn);
        restart(m_trackColorAnimation, trackOff, trackOn);
    } else {
        const QVariant from = m_thumbPositionAnimation->settledValue();
        restart(m_thumbPositionAnimation, from, 0);
        restart(m_thumbColorAnimation, thumbOn, thumbOff);
        restart(m_trackColorAnimation, trackOn, trackOff);
    }
    update();
}

void Switch::resizeEvent(QResizeEvent *event)
{
    rebuildShadow();
    SelectionControl::resizeEvent(event);
}

void Switch::rebuildShadow()
{
    const int side = 20;
    const qreal radius = 10 - 2;
    QPixmap circle(side, side);
    circle.fill(Qt::transparent);
    {
        QPainter painter(&circle);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 70));
        painter.drawEllipse(QPointF(side / 2.0, side / 2.0), radius, radius);
    }

    QGraphicsScene scene;
    auto *item = new QGraphicsPixmapItem(circle);
    auto *blur = new QGraphicsBlurEffect;
    blur->setBlurRadius(2 * 4);
    blur->setBlurHints(QGraphicsBlurEffect::QualityHint);
    item->setGraphicsEffect(blur);
    scene.addItem(item);

    QImage blurred(side, side, QImage::Format_ARGB32_Premultiplied);
    blurred.fill(Qt::transparent);
    {
        QPainter painter(&blurred);
        scene.render(&painter, QRectF(0, 0, side, side), QRectF(0, 0, side, side));
    }
    shadow = QPixmap::fromImage(blurred);
}

void Switch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const QMargins &margin = m_style.indicatorMargin;
    const int indicatorWidth = m_style.height + margin.left() + margin.right();
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    const QRectF indicator(rightToLeft ? width() - indicatorWidth : 0, 0, indicatorWidth,
                           m_style.height);
    const QRectF track = indicator.marginsRemoved(
        QMarginsF(margin.left(), margin.top() + 2, margin.right(), margin.bottom() + 2));
    const qreal shift = margin.left() + margin.right() + 2;

    if (shadow.isNull())
        rebuildShadow();

    painter.setPen(Qt::NoPen);
    QRectF thumbArea = track;
    QColor thumbColor;
    if (isEnabled()) {
        painter.setOpacity(1.0);
        painter.setBrush(m_trackColorAnimation->settledValue().value<QColor>());
        painter.drawRoundedRect(track, 8, 8);
        thumbArea.setLeft(track.left() - shift
                          + m_thumbPositionAnimation->settledValue().toReal());
        thumbColor = m_thumbColorAnimation->settledValue().value<QColor>();
    } else {
        painter.setOpacity(m_style.trackDisabledOpacity);
        painter.setBrush(SwitchStyle::withOpacity(m_style.trackDisabledColor,
                                                  m_style.trackDisabledOpacity));
        painter.drawRoundedRect(track, 8, 8);
        painter.setOpacity(1.0);
        thumbArea.setLeft(track.left() + (isChecked() ? shift : -shift));
        thumbColor = SwitchStyle::withOpacity(m_style.thumbDisabledColor, m_style.thumbDisabledOpacity);
    }
    const QPointF centre = thumbArea.center();
    painter.drawPixmap(QPointF(centre.x() - 10, centre.y() - 9), shadow);
    painter.setBrush(thumbColor);
    painter.drawEllipse(centre, 7, 7);

    if (text().isEmpty())
        return;
    const QRectF textArea(rightToLeft ? 0 : indicatorWidth, 0, width() - indicatorWidth, height());
    painter.setFont(font());
    if (isEnabled()) {
        painter.setOpacity(1.0);
        painter.setPen(palette().color(QPalette::Active, QPalette::ButtonText));
    } else {
        painter.setOpacity(m_style.textDisabledOpacity);
        painter.setPen(palette().color(QPalette::Disabled, QPalette::ButtonText));
    }
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, text());
}
