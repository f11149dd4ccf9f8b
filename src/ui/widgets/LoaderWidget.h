#pragma once

#include <QColor>
#include <QWidget>

class QTimer;

// Spinning busy indicator: numberOfLines rounded lines around a circle, the brightest one
// advancing on every timer tick with a fading trail behind it.
class LoaderWidget : public QWidget
{
    Q_OBJECT

public:
    explicit LoaderWidget(QWidget *parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    qreal roundness() const { return m_roundness; }
    void setRoundness(qreal roundness);
    qreal minimumTrailOpacity() const { return m_minimumTrailOpacity; }
    void setMinimumTrailOpacity(qreal percent);
    qreal trailFadePercentage() const { return m_trailFadePercentage; }
    void setTrailFadePercentage(qreal percent);
    qreal revolutionsPerSecond() const { return m_revolutionsPerSecond; }
    void setRevolutionsPerSecond(qreal revolutionsPerSecond);
    int numberOfLines() const { return m_numberOfLines; }
    void setNumberOfLines(int lines);
    int lineLength() const { return m_lineLength; }
    void setLineLength(int length);
    int lineWidth() const { return m_lineWidth; }
    void setLineWidth(int width);
    int innerRadius() const { return m_innerRadius; }
    void setInnerRadius(int radius);
    bool centerOnParent() const { return m_centerOnParent; }
    void setCenterOnParent(bool center);
    bool disableParentWhenSpinning() const { return m_disableParentWhenSpinning; }
    void setDisableParentWhenSpinning(bool disable);

    bool isSpinning() const { return m_isSpinning; }
    int currentCounter() const { return m_currentCounter; }
    int timerInterval() const;
    bool isTimerActive() const;

    // Colour of the line `distance` steps behind the leading one.
    QColor lineColor(int distance) const;
    // Opacity (0..1) of a trail line; the leading line (distance 0) is not part of the trail.
    static qreal trailAlpha(int distance, int numberOfLines, qreal trailFadePercentage,
                            qreal minimumTrailOpacity, qreal colorAlpha);

public slots:
    void start();
    void stop();

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void rotate();

private:
    void updateSize();
    void updateTimer();
    void updatePosition();

    QColor m_color = Qt::black;
    qreal m_roundness = 100.0;
    qreal m_minimumTrailOpacity = 3.141592653589793;
    qreal m_trailFadePercentage = 80.0;
    qreal m_revolutionsPerSecond = 1.5707963267948966;
    int m_numberOfLines = 20;
    int m_lineLength = 10;
    int m_lineWidth = 2;
    int m_innerRadius = 10;
    QTimer *m_timer = nullptr;
    bool m_centerOnParent = true;
    bool m_disableParentWhenSpinning = true;
    int m_currentCounter = 0;
    bool m_isSpinning = false;
};
