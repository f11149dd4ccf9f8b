#pragma once

#include <QPointer>
#include <QVariantAnimation>

// Drives a widget's repaint from an animated value. The target is only weakly held: once it is
// gone (or it refuses the update), the animation stops instead of touching it.
class Animator : public QVariantAnimation
{
    Q_OBJECT

public:
    explicit Animator(QObject *target, QObject *parent = nullptr);

    QObject *targetObject() const;
    void setTargetObject(QObject *target);

    // The value the target should show: the current value while running, else where the last
    // run was heading (a run cut short by a hidden target counts as arrived).
    QVariant settledValue() const;

protected:
    void updateCurrentValue(const QVariant &value) override;
    void updateState(QAbstractAnimation::State newState, QAbstractAnimation::State oldState) override;

private:
    QPointer<QObject> m_target;
};
