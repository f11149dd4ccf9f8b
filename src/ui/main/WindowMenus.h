#pragma once

#include <QObject>
#include <QString>

class AirvaneLite;
class ConnectionFlow;
class QAction;
class QIcon;
class QShortcut;

// The main window's menu buttons (File, Options, Hostlens, About) in the toolbar on its left, and
// its keyboard shortcuts. Every key is registered once, by a shortcut of the window; a menu entry
// only shows its key beside the text.
class WindowMenus : public QObject
{
    Q_OBJECT

public:
    WindowMenus(AirvaneLite *window, ConnectionFlow *flow);

    // "Connect" or "Disconnect" in the File menu, with its key.
    void setConnectText(const QString &text);
    static QIcon svgIcon(const QString &path);

    QAction *refreshAction = nullptr;
    QAction *connectAction = nullptr;
    // Blocked from a press until the refresh it started has ended.
    QShortcut *refreshShortcut = nullptr;

private:
    void buildToolbar(AirvaneLite *window, ConnectionFlow *flow);
    void buildShortcuts(AirvaneLite *window, ConnectionFlow *flow);
};
