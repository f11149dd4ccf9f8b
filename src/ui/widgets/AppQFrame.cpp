#include "ui/widgets/AppQFrame.h"

#include <QEvent>

AppQFrame::AppQFrame(QWidget *parent)
    : QFrame(parent)
{
}

bool AppQFrame::event(QEvent *event)
{
    if (event->type() == QEvent::HoverEnter)
        emit mouseEnter();
    else if (event->type() == QEvent::HoverLeave)
        emit mouseLeave();
    return QFrame::event(event);
}

void AppQFrame::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMove(event);
    QFrame::mouseMoveEvent(event);
}

void AppQFrame::mousePressEvent(QMouseEvent *event)
{
    emit mouseClick(event);
    QFrame::mousePressEvent(event);
}

void AppQFrame::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseRelease(event);
    QFrame::mouseReleaseEvent(event);
}
