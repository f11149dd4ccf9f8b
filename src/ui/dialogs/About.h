#pragma once

#include "app/settings/SettingsEnums.h"

#include <QDialog>
#include <QLocale>
#include <QString>

#include <functional>

class QAction;
class QLabel;
class QMenu;

namespace Ui {
class About;
}

// Who makes the program, its edition, build, channel and architecture, and links to the licence,
// the privacy policy, the web site and the feedback form. Its context menu reaches the log, the
// changelog, the update check, the feedback form and exit.
class About : public QDialog
{
    Q_OBJECT

public:
    // Opens a window with the given parent (the changelog and the feedback form are built elsewhere).
    using WindowOpener = std::function<void(QWidget *parent)>;

    explicit About(QWidget *parent = nullptr);
    ~About() override;

    void setChangelogOpener(WindowOpener opener);
    void setFeedbackOpener(WindowOpener opener);
    // Whether the log window and the update check behind displayLog and checkUpdates exist.
    void setAvailability(bool log, bool updates);

    // "en", "ru" or "uk" for the privacy-policy address; automatic follows the system language.
    static QString privacyPolicyCode(App::Language language, QLocale::Language systemLanguage);

    QMenu *contextMenu() const { return menu; }

signals:
    void checkUpdates();
    void exitApplication();
    void displayLog(QWidget *parent);
    void signIn(QWidget *parent);
    void accountInfo();

public slots:
    void setUpdateChannel(Update::Channel index);
    void setPrivacyPolicyLanguage(App::Language index);
    void showFeedbackDlg(QWidget *parent);
    // A scan is running: the update check waits until it is over.
    void setNetworksRefreshStarted();
    void setNetworksRefreshCompleted();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildMenu();
    void fillTexts();
    // Entries whose window is not part of this build are disabled and say so.
    void markAvailability();
    static void setAvailable(QAction *action, bool available);
    void setAvailable(QLabel *link, bool available);

    Ui::About *ui;
    QMenu *menu = nullptr;
    QAction *logAction = nullptr;
    QAction *changelogAction = nullptr;
    QAction *updatesAction = nullptr;
    QAction *feedbackAction = nullptr;
    QAction *exitAction = nullptr;
    WindowOpener changelogOpener;
    WindowOpener feedbackOpener;
    Update::Channel channel = Update::Channel::Release;
    App::Language language = App::Language::Automatic;
    bool refreshRunning = false;
    bool logAvailable = true;
    bool updatesAvailable = true;
};
