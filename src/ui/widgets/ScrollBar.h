#pragma once

#include <QScrollBar>

// A scroll bar that widens while the pointer is over it.
class ScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit ScrollBar(QWidget *parent = nullptr);
    explicit ScrollBar(Qt::Orientation orientation, QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
};
