#pragma once

#include <QTranslator>
#include <QWidget>

#include <functional>

class QTimer;

namespace Ui {
class Splash;
}

// The window with the maker's logo and a busy bar that stays for 101 ticks of 100 ms and then
// opens the main window. It can be dragged with the left mouse button.
class Splash : public QWidget
{
    Q_OBJECT

public:
    static constexpr int TickIntervalMs = 100;
    static constexpr int LastTick = 100;

    explicit Splash(std::function<QWidget *()> createMainWindow, QWidget *parent = nullptr);
    ~Splash() override;

    int ticks() const { return m_ticks; }
    QTimer *timer() const { return m_timer; }
    // False when the translations could not be loaded: the program is ending.
    bool isUsable() const { return m_usable; }

signals:
    // The main window it created and showed; the receiver owns it.
    void mainWindowCreated(QWidget *window);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void tick();

    Ui::Splash *ui;
    std::function<QWidget *()> m_createMainWindow;
    QTranslator m_programTranslator;
    QTranslator m_toolkitTranslator;
    QTimer *m_timer = nullptr;
    int m_ticks = 0;
    bool m_usable = true;
    bool dragging = false;
    int pressX = 0;
    int pressY = 0;
};
