#pragma once

#include "ui/widgets/SelectionControl.h"

#include <QColor>
#include <QFont>
#include <QMargins>
#include <QPixmap>

class Animator;

// The switch's look; the values are fixed, callers only change the font.
struct SwitchStyle
{
    int height = 36;
    QFont font;
    QMargins indicatorMargin { 8, 8, 8, 8 };

    QColor thumbOnColor { 162, 187, 152 };
    qreal thumbOnOpacity = 1.0;
    QColor trackOnColor { 162, 187, 152 };
    qreal trackOnOpacity = 0.5;
    QColor thumbOffColor { 255, 255, 255 };
    qreal thumbOffOpacity = 1.0;
    QColor trackOffColor { 70, 70, 70 };
    qreal trackOffOpacity = 0.38;
    QColor thumbDisabledColor { 255, 255, 255 };
    qreal thumbDisabledOpacity = 1.0;
    QColor trackDisabledColor { 70, 70, 70 };
    qreal trackDisabledOpacity = 0.12;
    QColor textColor { 70, 70, 70 };
    qreal textDisabledOpacity = 0.26;

    int thumbColorDuration = 1;
    int trackColorDuration = 1;
    int thumbPositionDuration = 1;

    // A colour with its alpha replaced by opacity x 255 (truncated).
    static QColor withOpacity(QColor color, qreal opacity);
};

// Toggle switch: a rounded track with a round thumb, left when off and right when on, with an
// optional text beside it.
class Switch : public SelectionControl
{
    Q_OBJECT

public:
    explicit Switch(QWidget *parent = nullptr);
    explicit Switch(const QString &text, QWidget *parent = nullptr);
    ~Switch() override;

    QSize sizeHint() const override;

    const SwitchStyle &switchStyle() const { return m_style; }

    Animator *thumbColorAnimation() const { return m_thumbColorAnimation; }
    Animator *trackColorAnimation() const { return m_trackColorAnimation; }
    Animator *thumbPositionAnimation() const { return m_thumbPositionAnimation; }

    // Where the thumb sits when checked, measured from where it sits when unchecked.
    int checkedPosition() const;

public slots:
    // Moves the switch to the state at once, without the toggle animation. Hides the toolkit's
    // setter on purpose; a call through a QAbstractButton pointer animates like a click.
    void setChecked(bool checked);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void checkStateChanged(bool checked) override;

private:
    void rebuildShadow();
    static void restart(Animator *animation, const QVariant &from, const QVariant &to);

    SwitchStyle m_style;
    Animator *m_thumbColorAnimation = nullptr;
    Animator *m_trackColorAnimation = nullptr;
    Animator *m_thumbPositionAnimation = nullptr;
    QPixmap shadow;
    bool m_settingDirectly = false;
};
