#pragma once

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

class QMenu;
class QWidget;

// The main window's tray icon. Its signals are connected once, when it is built; showing it again
// only swaps in the new menu and lets the old one go.
class AppTray : public QObject
{
    Q_OBJECT

public:
    // `window` is the main window: a double-click or a balloon click brings it back.
    explicit AppTray(QWidget *window);
    ~AppTray() override;

    // Takes the menu over (the previous one is deleted later), sets icon and tooltip, shows the
    // icon, and keeps the application running when its last window closes.
    void show(QMenu *menu);
    // Hides the icon and lets the application quit with its last window; the menu goes as soon
    // as it is hidden. `keep`: the tray stays as it is (all three tray modes are on).
    void release(bool keep);
    // The "running in a tray" balloon, only while the icon is visible.
    void showBalloon(const QString &windowTitle);

    bool isVisible() const;
    QMenu *menu() const { return trayMenu; }
    QSystemTrayIcon *icon() const { return trayIcon; }

    // Text that came from outside the program, safe to show in a balloon: no markup.
    static QString plainBalloonText(const QString &text);

signals:
    // The window should become visible and active.
    void showWindowRequested();
    // A balloon was handed to the desktop.
    void balloonShown(const QString &title, const QString &text);

private:
    void activated(QSystemTrayIcon::ActivationReason reason);
    void menuAboutToShow();

    QWidget *window;
    QSystemTrayIcon *trayIcon;
    QPointer<QMenu> trayMenu;
};
