#include "ui/widgets/Animator.h"

#include <QCoreApplication>
#include <QEvent>
#include <QtDebug>

Animator::Animator(QObject *target, QObject *parent)
    : QVariantAnimation(parent), m_target(target)
{
}

QObject *Animator::targetObject() const
{
    return m_target.data();
}

void Animator::setTargetObject(QObject *target)
{
    if (m_target == target)
        return;
    if (state() != QAbstractAnimation::Stopped) {
        qWarning("Animation::setTargetObject: you can't change the target of a running animation");
        return;
    }
    m_target = target;
}

QVariant Animator::settledValue() const
{
    if (state() == QAbstractAnimation::Running)
        return currentValue();
    const QVariant end = endValue();
    return end.isValid() ? end : currentValue();
}

void Animator::updateCurrentValue(const QVariant &)
{
    if (state() == QAbstractAnimation::Stopped)
        return;
    QObject *target = m_target.data();
    if (!target) {
        stop();
        return;
    }
    QEvent update(QEvent::StyleAnimationUpdate);
    update.setAccepted(false);
    QCoreApplication::sendEvent(target, &update);
    if (!update.isAccepted())
        stop();
}

void Animator::updateState(QAbstractAnimation::State newState, QAbstractAnimation::State oldState)
{
    if (!m_target && oldState == QAbstractAnimation::Stopped) {
        qWarning("Animation::updateState: Changing state of an animation without target");
    } else if (newState == QAbstractAnimation::Running && !endValue().isValid()) {
        qWarning("Animation::updateState (%s): starting an animation without end value",
                 m_target ? m_target->metaObject()->className() : "");
    }
    QVariantAnimation::updateState(newState, oldState);
}
