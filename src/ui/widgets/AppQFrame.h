#pragma once

#include <QFrame>

class QMouseEvent;

// A frame that hands its mouse events out as signals (custom title bars drag windows with it).
class AppQFrame : public QFrame
{
    Q_OBJECT

public:
    explicit AppQFrame(QWidget *parent = nullptr);

signals:
    void mouseMove(QMouseEvent *event);
    void mouseClick(QMouseEvent *event);
    void mouseRelease(QMouseEvent *event);
    void mouseEnter();
    void mouseLeave();

protected:
    bool event(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
