#pragma once

#include "app/appearance/AppFont.h"
#include "app/settings/SettingsEnums.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QVector>

class QAction;
class QMenu;
class QPushButton;
class QToolBar;
class QWidget;

// The main window's menus: the four menu buttons of the left toolbar, the right-click menu and
// the tray menu. The language and theme entries exist twice (one set for the "Options" and tray
// menus, one for the right-click menu) and are always checked alike. The keys shown beside the
// entries are served by the window's application-wide shortcuts, so each key is bound once.
class MainMenus : public QObject
{
    Q_OBJECT

public:
    enum Entry {
        Refresh, Connect, Exit, Settings, Feedback, Log, Updates, Changelog,
        HostlensOpen, HostlensInfo, AboutApplication, AboutContext, OpenWindow
    };
    Q_ENUM(Entry)

    explicit MainMenus(QWidget *window);
    ~MainMenus() override;

    // Adds the "File", "Options", "Hostlens" and "About" buttons to the toolbar.
    void buildToolbar(QToolBar *toolbar);
    // The right-click menu (built once, owned by the window).
    QMenu *contextMenu();
    // A new tray menu; the caller (the tray) owns it.
    QMenu *newTrayMenu();

    // Check the entry of this language in both sets and uncheck the others; nothing is checked
    // for a value outside the four.
    void setLanguageChecked(App::Language language);
    void setThemeChecked(App::Theme theme);

    // Entries whose window is not part of this build: disabled, saying so in the tooltip.
    void setAvailable(Entry entry, bool available);
    void setRefreshEnabled(bool enabled);
    // The entry's text; the key that serves it is added after a tab.
    void setEntryText(Entry entry, const QString &text);
    // The theme entries of both sets; without a theme loader they say so.
    void setThemesAvailable(bool available);

    QAction *action(Entry entry) const { return actions.value(entry); }
    // set 0: "Options" and tray menus; set 1: right-click menu. Order: auto, en, ru, uk.
    QVector<QAction *> languageActions(int set) const { return languages[set]; }
    // Order: light, gray, dark.
    QVector<QAction *> themeActions(int set) const { return themes[set]; }

    void retranslate();

signals:
    void triggered(MainMenus::Entry entry);
    void languageChosen(App::Language language);
    void themeChosen(App::Theme theme);

private:
    QAction *makeAction(Entry entry, const QString &icon, const char *keys);
    QMenu *newMenu(QWidget *parent, QFont font = applicationFont());
    // A submenu whose title follows the language.
    QMenu *addSubmenu(QMenu *parent, const char *title, const QString &icon = QString());
    void addLanguageAndThemeMenus(QMenu *parent, int set);

    struct Titled
    {
        QMenu *menu;
        const char *title;
    };

    QWidget *window;
    QHash<int, QAction *> actions;
    QHash<int, bool> unavailable;
    QHash<int, QString> keyTexts;
    bool themesUnavailable = false;
    QVector<QAction *> languages[2];
    QVector<QAction *> themes[2];
    QVector<QPushButton *> menuButtons;
    QVector<Titled> submenus;
    QMenu *rightClickMenu = nullptr;
};
