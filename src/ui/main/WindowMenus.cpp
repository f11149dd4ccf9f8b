#include "ui/main/WindowMenus.h"

#include "app/appearance/AppFont.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui/main/AirvaneLite.h"
#include "ui/main/ConnectionFlow.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QToolBar>

WindowMenus::WindowMenus(AirvaneLite *window, ConnectionFlow *flow) : QObject(window)
{
    setObjectName(QStringLiteral("windowMenus"));
    buildToolbar(window, flow);
    buildShortcuts(window, flow);
}

void WindowMenus::setConnectText(const QString &text)
{
    connectAction->setText(text + QLatin1Char('\t') + QKeySequence(QStringLiteral("Ctrl+C")).toString(QKeySequence::NativeText));
}

QIcon WindowMenus::svgIcon(const QString &path)
{
    QIcon icon;
    for (int side : {16, 24, 32, 48})
        icon.addPixmap(dialogs::svgPixmap(path, QSize(side, side)));
    return icon;
}

void WindowMenus::buildToolbar(AirvaneLite *window, ConnectionFlow *flow)
{
    auto *menuToolBar = new QToolBar(window);
    menuToolBar->setObjectName(QStringLiteral("menuToolBar"));
    menuToolBar->setOrientation(Qt::Vertical);
    menuToolBar->setMovable(false);
    menuToolBar->setFloatable(false);
    window->addToolBar(Qt::LeftToolBarArea, menuToolBar);

    // The window's own shortcuts serve the keys; a menu entry only shows its key beside the text,
    // so that no key is registered twice (two registrations make a key ambiguous and dead).
    auto addEntry = [](QMenu *menu, const QString &text, const QString &icon, const char *keys) {
        const QString label = keys ? text + QLatin1Char('\t') + QKeySequence(QString::fromLatin1(keys))
                                                                    .toString(QKeySequence::NativeText)
                                   : text;
        return icon.isEmpty() ? menu->addAction(label) : menu->addAction(svgIcon(icon), label);
    };
    auto addMenuButton = [menuToolBar](const QString &text) {
        auto *button = new QPushButton(text, menuToolBar);
        button->setObjectName(QStringLiteral("menuButton"));
        button->setFont(applicationFont());
        auto *menu = new QMenu(button);
        menu->setFont(applicationFont());
        button->setMenu(menu);
        menuToolBar->addWidget(button);
        return menu;
    };

    QMenu *fileMenu = addMenuButton(tr("File"));
    refreshAction = addEntry(fileMenu, tr("Refresh"), QString(), "Ctrl+R");
    connect(refreshAction, &QAction::triggered, window, &AirvaneLite::refreshData);
    connectAction = addEntry(fileMenu, tr("Connect"), QString(), "Ctrl+C");
    connect(connectAction, &QAction::triggered, flow, &ConnectionFlow::connectNetwork);
    QAction *exitAction = addEntry(fileMenu, tr("Exit"), QStringLiteral(":/Icon/sign-out.svg"), "Alt+F4");
    connect(exitAction, &QAction::triggered, window, &AirvaneLite::exitApp);

    QMenu *optionsMenu = addMenuButton(tr("Options"));
    QAction *settingsAction = addEntry(optionsMenu, tr("Settings"), QStringLiteral(":/Icon/cog.svg"), "Ctrl+P");
    connect(settingsAction, &QAction::triggered, window, &AirvaneLite::openAppSettings);
    QMenu *languages = optionsMenu->addMenu(tr("Languages"));
    languages->setFont(applicationFont());
    languages->addAction(tr("Auto select"))->setCheckable(true);
    for (const char *name : {"English", "Русский", "Українська"})
        languages->addAction(QString::fromUtf8(name))->setCheckable(true);
    QMenu *themes = optionsMenu->addMenu(tr("Themes"));
    themes->setFont(applicationFont());
    for (const QString &name : {tr("Light"), tr("Gray"), tr("Dark")})
        themes->addAction(name)->setCheckable(true);
    connect(addEntry(optionsMenu, tr("Feedback"), QString(), "Ctrl+F"), &QAction::triggered, window,
            &AirvaneLite::openFeedback);
    connect(addEntry(optionsMenu, tr("Log"), QStringLiteral(":/Icon/file.svg"), "Ctrl+L"), &QAction::triggered,
            window, [window] { window->openLog(window); });
    connect(addEntry(optionsMenu, tr("Updates"), QStringLiteral(":/Icon/sync.svg"), "Ctrl+U"), &QAction::triggered,
            window, &AirvaneLite::checkForAppUpdates);
    connect(addEntry(optionsMenu, tr("Changelog"), QStringLiteral(":/Icon/file-code.svg"), "Ctrl+N"),
            &QAction::triggered, window, &AirvaneLite::openChangelog);

    QMenu *hostlensMenu = addMenuButton(tr("Hostlens"));
    connect(addEntry(hostlensMenu, tr("Open"), QString(), nullptr), &QAction::triggered, window,
            &AirvaneLite::openHostlensHome);
    addEntry(hostlensMenu, tr("About Hostlens Home"), QStringLiteral(":/Icon/external-link.svg"), nullptr);

    QMenu *aboutMenu = addMenuButton(tr("About"));
    connect(addEntry(aboutMenu, tr("Application"), QString(), "Ctrl+F1"), &QAction::triggered, window,
            &AirvaneLite::aboutApp);
}

void WindowMenus::buildShortcuts(AirvaneLite *window, ConnectionFlow *flow)
{
    auto add = [window](const char *keys) {
        auto *shortcut = new QShortcut(QKeySequence(QString::fromLatin1(keys)), window, nullptr, nullptr,
                                       Qt::ApplicationShortcut);
        shortcut->setObjectName(QLatin1String(keys));
        return shortcut;
    };
    refreshShortcut = add("Ctrl+R");
    connect(refreshShortcut, &QShortcut::activated, window, &AirvaneLite::refreshShortcutActivated);
    connect(add("Ctrl+C"), &QShortcut::activated, flow, &ConnectionFlow::connectNetwork);
    connect(add("Ctrl+P"), &QShortcut::activated, window, &AirvaneLite::openAppSettings);
    connect(add("Ctrl+L"), &QShortcut::activated, window, [window] { window->openLog(window); });
    connect(add("Ctrl+U"), &QShortcut::activated, window, &AirvaneLite::checkForAppUpdates);
    connect(add("Ctrl+N"), &QShortcut::activated, window, &AirvaneLite::openChangelog);
    connect(add("Ctrl+F"), &QShortcut::activated, window, &AirvaneLite::openFeedback);
    connect(add("Ctrl+F1"), &QShortcut::activated, window, &AirvaneLite::aboutApp);
}
