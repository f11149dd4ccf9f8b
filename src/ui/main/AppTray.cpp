#include "ui/main/AppTray.h"

#include "platform/os/Notifications.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui/main/TrayPolicy.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QWidget>

AppTray::AppTray(QWidget *window)
    : QObject(window)
    , window(window)
    , trayIcon(new QSystemTrayIcon(this))
{
    trayIcon->setObjectName(QStringLiteral("trayIcon"));
    connect(trayIcon, &QSystemTrayIcon::activated, this, &AppTray::activated);
    connect(trayIcon, &QSystemTrayIcon::messageClicked, this, &AppTray::showWindowRequested);
}

AppTray::~AppTray()
{
    delete trayMenu;
}

void AppTray::show(QMenu *menu)
{
    dialogs::ensureIconResources();
    if (trayMenu && trayMenu != menu)
        trayMenu->deleteLater();
    trayMenu = menu;
    trayIcon->setIcon(QIcon(QStringLiteral(":/Icon/airvane_large_icon.ico")));
    trayIcon->setToolTip(QStringLiteral("Airvane Lite"));
    trayIcon->setContextMenu(menu);
    if (menu)
        connect(menu, &QMenu::aboutToShow, this, &AppTray::menuAboutToShow, Qt::UniqueConnection);
    trayIcon->show();
    if (trayIcon->isVisible())
        QApplication::setQuitOnLastWindowClosed(false);
}

void AppTray::release(bool keep)
{
    if (keep)
        return;
    if (trayMenu) {
        QMenu *menu = trayMenu;
        trayMenu = nullptr;
        trayIcon->setContextMenu(nullptr);
        if (menu->isVisible())
            connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
        else
            menu->deleteLater();
    }
    QApplication::setQuitOnLastWindowClosed(true);
    trayIcon->hide();
}

void AppTray::showBalloon(const QString &windowTitle)
{
    if (!trayIcon->isVisible())
        return;
    const QString title = tr("Information");
    const QString text = plainBalloonText(windowTitle + QLatin1Char(' ') + tr("running in a tray"));
    trayIcon->showMessage(title, text, QSystemTrayIcon::Information, 5000);
    emit balloonShown(title, text);
}

bool AppTray::isVisible() const
{
    return trayIcon->isVisible();
}

QString AppTray::plainBalloonText(const QString &text)
{
    return os::notificationTextIsMarkup() ? text.toHtmlEscaped() : text;
}

void AppTray::activated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick && TrayPolicy::doubleClickShowsWindow(window->isVisible()))
        emit showWindowRequested();
}

void AppTray::menuAboutToShow()
{
    if (!trayMenu)
        return;
    const bool enabled = TrayPolicy::openEntryEnabled(window->isVisible(), trayIcon->isVisible());
    for (QAction *action : trayMenu->actions()) {
        if (action->objectName() == QLatin1String("trayOpenAction"))
            action->setEnabled(enabled);
    }
}
