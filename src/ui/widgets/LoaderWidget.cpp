#include "ui/widgets/LoaderWidget.h"

#include <QPainter>
#include <QTimer>

#include <cmath>

LoaderWidget::LoaderWidget(QWidget *parent)
    : QWidget(parent)
{
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &LoaderWidget::rotate);
    updateSize();
    updateTimer();
    hide();
}

void LoaderWidget::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void LoaderWidget::setRoundness(qreal roundness)
{
    m_roundness = qBound<qreal>(0.0, roundness, 100.0);
    update();
}

void LoaderWidget::setMinimumTrailOpacity(qreal percent)
{
    m_minimumTrailOpacity = percent;
    update();
}

void LoaderWidget::setTrailFadePercentage(qreal percent)
{
    m_trailFadePercentage = percent;
    update();
}

void LoaderWidget::setRevolutionsPerSecond(qreal revolutionsPerSecond)
{
    m_revolutionsPerSecond = revolutionsPerSecond;
    updateTimer();
}

void LoaderWidget::setNumberOfLines(int lines)
{
    // At least one line: the counter wraps at this number and the timer divides by it.
    m_numberOfLines = qMax(1, lines);
    m_currentCounter = 0;
    updateTimer();
    update();
}

void LoaderWidget::setLineLength(int length)
{
    m_lineLength = length;
    updateSize();
}

void LoaderWidget::setLineWidth(int width)
{
    m_lineWidth = width;
    update();
}

void LoaderWidget::setInnerRadius(int radius)
{
    m_innerRadius = radius;
    updateSize();
}

void LoaderWidget::setCenterOnParent(bool center)
{
    m_centerOnParent = center;
}

void LoaderWidget::setDisableParentWhenSpinning(bool disable)
{
    m_disableParentWhenSpinning = disable;
}

int LoaderWidget::timerInterval() const
{
    return m_timer->interval();
}

bool LoaderWidget::isTimerActive() const
{
    return m_timer->isActive();
}

void LoaderWidget::start()
{
    updatePosition();
    m_isSpinning = true;
    show();
    if (parentWidget() && m_disableParentWhenSpinning)
        parentWidget()->setEnabled(false);
    if (!m_timer->isActive())
        m_timer->start();
    m_currentCounter = 0;
}

void LoaderWidget::stop()
{
    m_isSpinning = false;
    hide();
    if (parentWidget() && m_disableParentWhenSpinning)
        parentWidget()->setEnabled(true);
    if (m_timer->isActive())
        m_timer->stop();
    m_currentCounter = 0;
}

void LoaderWidget::rotate()
{
    ++m_currentCounter;
    if (m_currentCounter >= m_numberOfLines)
        m_currentCounter = 0;
    update();
}

void LoaderWidget::updateSize()
{
    const int side = 2 * (m_innerRadius + m_lineLength);
    setFixedSize(side, side);
}

void LoaderWidget::updateTimer()
{
    const qreal perSecond = m_numberOfLines * m_revolutionsPerSecond;
    // A non-positive speed would divide by zero; keep the last usable interval then.
    if (perSecond > 0)
        m_timer->setInterval(static_cast<int>(1000 / perSecond));
}

void LoaderWidget::updatePosition()
{
    if (parentWidget() && m_centerOnParent) {
        move(parentWidget()->width() / 2 - width() / 2,
             parentWidget()->height() / 2 - height() / 2);
    }
}

qreal LoaderWidget::trailAlpha(int distance, int numberOfLines, qreal trailFadePercentage,
                               qreal minimumTrailOpacity, qreal colorAlpha)
{
    const qreal minAlpha = minimumTrailOpacity / 100.0;
    const int threshold =
        static_cast<int>(std::ceil((numberOfLines - 1) * trailFadePercentage / 100.0));
    if (distance > threshold)
        return minAlpha;
    const qreal alpha = colorAlpha - distance * (colorAlpha - minAlpha) / (threshold + 1);
    return qBound<qreal>(0.0, alpha, 1.0);
}

QColor LoaderWidget::lineColor(int distance) const
{
    if (distance == 0)
        return m_color;
    QColor faded = m_color;
    faded.setAlphaF(trailAlpha(distance, m_numberOfLines, m_trailFadePercentage,
                               m_minimumTrailOpacity, m_color.alphaF()));
    return faded;
}

void LoaderWidget::paintEvent(QPaintEvent *)
{
    updatePosition();
    QPainter painter(this);
    painter.fillRect(rect(), Qt::transparent);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);

    const int origin = m_innerRadius + m_lineLength;
    for (int i = 0; i < m_numberOfLines; ++i) {
        painter.save();
        painter.translate(origin, origin);
        painter.rotate(360.0 * i / m_numberOfLines);
        painter.translate(m_innerRadius, 0);
        int distance = m_currentCounter - i;
        if (distance < 0)
            distance += m_numberOfLines;
        painter.setBrush(lineColor(distance));
        painter.drawRoundedRect(QRectF(0, -m_lineWidth / 2.0, m_lineLength, m_lineWidth),
                                m_roundness, m_roundness, Qt::RelativeSize);
        painter.restore();
    }
}
