#include "ui/widgets/AppQLabel.h"

#include <QEvent>

AppQLabel::AppQLabel(QWidget *parent)
    : QLabel(parent)
{
}

AppQLabel::AppQLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
}

bool AppQLabel::event(QEvent *event)
{
    if (event->type() == QEvent::HoverEnter)
        emit mouseEnter();
    else if (event->type() == QEvent::HoverLeave)
        emit mouseLeave();
    return QLabel::event(event);
}

void AppQLabel::mousePressEvent(QMouseEvent *event)
{
    emit mouseClick();
    QLabel::mousePressEvent(event);
}
