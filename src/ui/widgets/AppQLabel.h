#pragma once

#include <QLabel>

// A label that reports presses and hovering (hover tracking must be switched on by its user).
class AppQLabel : public QLabel
{
    Q_OBJECT

public:
    explicit AppQLabel(QWidget *parent = nullptr);
    explicit AppQLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void mouseClick();
    void mouseEnter();
    void mouseLeave();

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};
