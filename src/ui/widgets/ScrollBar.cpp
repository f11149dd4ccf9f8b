#include "ui/widgets/ScrollBar.h"

#include <QEvent>

ScrollBar::ScrollBar(QWidget *parent)
    : QScrollBar(parent)
{
    setAttribute(Qt::WA_Hover);
}

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget *parent)
    : QScrollBar(orientation, parent)
{
    setAttribute(Qt::WA_Hover);
}

bool ScrollBar::event(QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::HoverEnter || type == QEvent::HoverLeave) && isVisible() && isEnabled()) {
        const bool vertical = orientation() == Qt::Vertical;
        if (type == QEvent::HoverEnter)
            setStyleSheet(vertical ? QStringLiteral("width: 16px;") : QStringLiteral("height: 16px;"));
        else
            setStyleSheet(vertical ? QStringLiteral("width: 12px;") : QStringLiteral("height: 12px;"));
    }
    return QScrollBar::event(event);
}
