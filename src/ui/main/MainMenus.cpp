#include "ui/main/MainMenus.h"

#include "app/appearance/AppFont.h"
#include "ui/dialogs/DialogSupport.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>

#include <algorithm>

MainMenus::MainMenus(QWidget *window)
    : QObject(window)
    , window(window)
{
    dialogs::ensureIconResources();
    makeAction(Refresh, QString(), "Ctrl+R");
    makeAction(Connect, QString(), "Ctrl+C");
    makeAction(Exit, QStringLiteral(":/Icon/sign-out.svg"), "Alt+F4");
    makeAction(Settings, QStringLiteral(":/Icon/cog.svg"), "Ctrl+P");
    makeAction(Feedback, QString(), "Ctrl+F");
    makeAction(Log, QStringLiteral(":/Icon/file.svg"), "Ctrl+L");
    makeAction(Updates, QStringLiteral(":/Icon/sync.svg"), "Ctrl+U");
    makeAction(Changelog, QStringLiteral(":/Icon/file-code.svg"), "Ctrl+N");
    makeAction(HostlensOpen, QStringLiteral(":/Icon/hostlens_icon.jpg"), nullptr);
    makeAction(HostlensInfo, QStringLiteral(":/Icon/external-link.svg"), nullptr);
    makeAction(AboutApplication, QStringLiteral(":/Icon/about_icon.png"), "Ctrl+F1");
    makeAction(AboutContext, QString(), nullptr);
    makeAction(OpenWindow, QString(), nullptr)->setObjectName(QStringLiteral("trayOpenAction"));

    static const char *const flags[] = {nullptr, ":/Icon/en_US.png", ":/Icon/ru_RU.png", ":/Icon/uk_UA.png"};
    for (int set = 0; set < 2; ++set) {
        for (int value = 0; value < 4; ++value) {
            auto *action = new QAction(this);
            action->setCheckable(true);
            if (flags[value])
                action->setIcon(dialogs::resourceIcon(QString::fromLatin1(flags[value])));
            connect(action, &QAction::triggered, this,
                    [this, value] {
                        setLanguageChecked(static_cast<App::Language>(value));
                        emit languageChosen(static_cast<App::Language>(value));
                    });
            languages[set].append(action);
        }
        for (int value = 0; value < 3; ++value) {
            auto *action = new QAction(this);
            action->setCheckable(true);
            connect(action, &QAction::triggered, this,
                    [this, value] {
                        setThemeChecked(static_cast<App::Theme>(value));
                        emit themeChosen(static_cast<App::Theme>(value));
                    });
            themes[set].append(action);
        }
    }
    retranslate();
}

MainMenus::~MainMenus()
{
    delete rightClickMenu;
}

QAction *MainMenus::makeAction(Entry entry, const QString &icon, const char *keys)
{
    auto *action = new QAction(this);
    if (!icon.isEmpty())
        action->setIcon(dialogs::resourceIcon(icon));
    // The key is only shown beside the entry: the window's application-wide shortcut does the
    // work, and a second registration of the same key would make both ambiguous and dead.
    if (keys)
        keyTexts.insert(entry, QKeySequence(QString::fromLatin1(keys)).toString(QKeySequence::NativeText));
    connect(action, &QAction::triggered, this, [this, entry] { emit triggered(entry); });
    actions.insert(entry, action);
    return action;
}

QMenu *MainMenus::newMenu(QWidget *parent, QFont font)
{
    auto *menu = new QMenu(parent);
    font.setWeight(QFont::Normal);
    menu->setFont(font);
    menu->setToolTipsVisible(true);
    return menu;
}

QMenu *MainMenus::addSubmenu(QMenu *parent, const char *title, const QString &icon)
{
    QMenu *menu = parent->addMenu(QString());
    if (!icon.isEmpty())
        menu->setIcon(dialogs::resourceIcon(icon));
    menu->setFont(parent->font());
    menu->setToolTipsVisible(true);
    submenus.append({menu, title});
    connect(menu, &QObject::destroyed, this, [this, menu] {
        submenus.erase(std::remove_if(submenus.begin(), submenus.end(),
                                      [menu](const Titled &entry) { return entry.menu == menu; }),
                       submenus.end());
    });
    return menu;
}

void MainMenus::addLanguageAndThemeMenus(QMenu *parent, int set)
{
    QMenu *languageMenu = addSubmenu(parent, QT_TR_NOOP("Languages"));
    for (QAction *action : languages[set])
        languageMenu->addAction(action);
    QMenu *themeMenu = addSubmenu(parent, QT_TR_NOOP("Themes"));
    for (QAction *action : themes[set])
        themeMenu->addAction(action);
}

void MainMenus::buildToolbar(QToolBar *toolbar)
{
    const QFont font = applicationFont();
    const auto addButton = [this, toolbar, &font] {
        auto *button = new QPushButton(toolbar);
        button->setObjectName(QStringLiteral("menuButton"));
        button->setFont(font);
        QMenu *menu = newMenu(button, font);
        button->setMenu(menu);
        toolbar->addWidget(button);
        menuButtons.append(button);
        return menu;
    };

    QMenu *file = addButton();
    file->addActions({action(Refresh), action(Connect), action(Exit)});

    QMenu *options = addButton();
    options->addAction(action(Settings));
    addLanguageAndThemeMenus(options, 0);
    options->addActions({action(Feedback), action(Log), action(Updates), action(Changelog)});

    QMenu *hostlens = addButton();
    hostlens->addActions({action(HostlensOpen), action(HostlensInfo)});

    QMenu *about = addButton();
    about->addAction(action(AboutApplication));
    retranslate();
}

QMenu *MainMenus::contextMenu()
{
    if (rightClickMenu)
        return rightClickMenu;
    rightClickMenu = newMenu(nullptr);
    rightClickMenu->setObjectName(QStringLiteral("contextMenu"));
    rightClickMenu->addActions({action(Connect), action(Refresh)});
    QMenu *settings = addSubmenu(rightClickMenu, QT_TR_NOOP("Settings"), QStringLiteral(":/Icon/cog.svg"));
    addLanguageAndThemeMenus(settings, 1);
    settings->addActions({action(Log), action(Updates), action(Changelog)});
    rightClickMenu->addActions({action(Feedback), action(AboutContext), action(Exit)});
    retranslate();
    return rightClickMenu;
}

QMenu *MainMenus::newTrayMenu()
{
    QMenu *menu = newMenu(nullptr);
    menu->setObjectName(QStringLiteral("trayMenu"));
    menu->addActions({action(OpenWindow), action(Connect), action(Refresh)});
    QMenu *settings = addSubmenu(menu, QT_TR_NOOP("Settings"), QStringLiteral(":/Icon/cog.svg"));
    addLanguageAndThemeMenus(settings, 0);
    menu->addActions({action(Log), action(Changelog), action(Feedback), action(Updates), action(Exit)});
    retranslate();
    return menu;
}

void MainMenus::setLanguageChecked(App::Language language)
{
    for (const auto &set : languages) {
        for (int value = 0; value < set.size(); ++value)
            set[value]->setChecked(value == static_cast<int>(language));
    }
}

void MainMenus::setThemeChecked(App::Theme theme)
{
    for (const auto &set : themes) {
        for (int value = 0; value < set.size(); ++value)
            set[value]->setChecked(value == static_cast<int>(theme));
    }
}

void MainMenus::setAvailable(Entry entry, bool available)
{
    unavailable.insert(entry, !available);
    QAction *entryAction = action(entry);
    entryAction->setEnabled(available);
    entryAction->setToolTip(available ? entryAction->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'))
                                      : tr("Not available in this build"));
}

void MainMenus::setThemesAvailable(bool available)
{
    themesUnavailable = !available;
    for (const auto &set : themes) {
        for (QAction *action : set) {
            action->setEnabled(available);
            action->setToolTip(available ? action->text() : tr("Not available in this build"));
        }
    }
}

void MainMenus::setEntryText(Entry entry, const QString &text)
{
    const QString keys = keyTexts.value(entry);
    action(entry)->setText(keys.isEmpty() ? text : text + QLatin1Char('\t') + keys);
}

void MainMenus::setRefreshEnabled(bool enabled)
{
    action(Refresh)->setEnabled(enabled);
}

void MainMenus::retranslate()
{
    static const char *const buttonTexts[] = {QT_TR_NOOP("File"), QT_TR_NOOP("Options"),
                                              QT_TR_NOOP("Hostlens"), QT_TR_NOOP("About")};
    for (int i = 0; i < menuButtons.size(); ++i)
        menuButtons[i]->setText(tr(buttonTexts[i]));

    setEntryText(Refresh, tr("Refresh"));
    setEntryText(Connect, tr("Connect"));
    setEntryText(Exit, tr("Exit"));
    setEntryText(Settings, tr("Settings"));
    setEntryText(Feedback, tr("Feedback"));
    setEntryText(Log, tr("Log"));
    setEntryText(Updates, tr("Updates"));
    setEntryText(Changelog, tr("Changelog"));
    setEntryText(HostlensOpen, tr("Open"));
    setEntryText(HostlensInfo, tr("About Hostlens Home"));
    setEntryText(AboutApplication, tr("Application"));
    setEntryText(AboutContext, tr("About"));
    setEntryText(OpenWindow, tr("Open"));
    for (auto it = unavailable.cbegin(); it != unavailable.cend(); ++it) {
        if (it.value())
            action(static_cast<Entry>(it.key()))->setToolTip(tr("Not available in this build"));
    }

    for (const auto &set : languages) {
        set[0]->setText(tr("Auto select"));
        set[1]->setText(QStringLiteral("English"));
        set[2]->setText(QStringLiteral("Русский"));
        set[3]->setText(QStringLiteral("Українська"));
    }
    for (const auto &set : themes) {
        set[0]->setText(tr("Light"));
        set[1]->setText(tr("Gray"));
        set[2]->setText(tr("Dark"));
    }
    setThemesAvailable(!themesUnavailable);
    for (const Titled &entry : submenus)
        entry.menu->setTitle(tr(entry.title));
}
