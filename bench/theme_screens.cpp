// Renders every kind of window in each theme and saves it as docs/screenshots/theme-<theme>-<window>.png
// for review: the main window on the default simulated world, the four settings pages, the console
// with output, a message box, About, Updates and Changelog.
//   xvfb-run -a -s "-screen 0 1600x1000x24" theme_screens <output folder> [light|gray|dark ...] [--lang ru|uk]
// Without themes all three are taken. With a language the files end in -<language>.
#include "app/appearance/Translations.h"
#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "app/startup/AppTheme.h"
#include "app/startup/TranslationResources.h"
#include "console/CommandHost.h"
#include "console/ConfigManager.h"
#include "platform/wlan/SimulatedWlanClient.h"
#include "platform/wlan/WlanClientProvider.h"
#include "settings_dialog/AppSettings.h"
#include "ui/dialogs/About.h"
#include "ui/main/AirvaneLite.h"
#include "ui/main/MainWindowChrome.h"
#include "ui/widgets/MsgDialog.h"
#include "updates/Changelog.h"
#include "updates/Updates.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardPaths>
#include <QTest>
#include <QTextStream>
#include <QTranslator>
#include <QTreeWidget>

namespace {

// Commands go nowhere: the review must not touch the machine's network set-up.
class ReviewHost : public CommandHost
{
public:
    bool isProcessElevated() override { return true; }
    void runConsoleCommand(bool, const QString &) override {}
    void openNetworkSettings() override {}
};

const char *const Notes = "\n-Faster network scans\n-Profiles keep their order\nFixes";

class Shots
{
public:
    Shots(const QDir &dir, const QString &theme, const QString &suffix) : dir(dir), theme(theme), suffix(suffix) {}

    void save(QWidget *widget, const QString &window)
    {
        QTest::qWait(300);
        const QString path = dir.filePath(QStringLiteral("theme-%1-%2%3.png").arg(theme, window, suffix));
        const bool saved = widget->grab().save(path);
        QTextStream(stdout) << (saved ? "wrote " : "FAILED ") << path << '\n';
        ok = ok && saved;
    }

    bool ok = true;

private:
    QDir dir;
    QString theme;
    QString suffix;
};

void settingsPages(Shots &shots)
{
    SettingsDialogHooks hooks;
    hooks.commands = std::make_shared<ReviewHost>();
    AppSettings dialog(nullptr, hooks);
    dialog.resize(850, 560);
    dialog.show();
    dialog.findChild<QLineEdit *>(QStringLiteral("networkNameEdit"))->setText(QStringLiteral("Airvane Hotspot"));
    dialog.findChild<QLineEdit *>(QStringLiteral("networkPasswordEdit"))->setText(QStringLiteral("secret12"));
    auto *menu = dialog.findChild<QListWidget *>(QStringLiteral("settingsMenuView"));
    const char *pages[] = { "settings-application", "settings-misc", "settings-networks", "settings-updates" };
    for (int i = 0; i < 4; ++i) {
        menu->setCurrentRow(i);
        shots.save(&dialog, QLatin1String(pages[i]));
    }

    auto *console = new ConfigManager(&dialog);
    console->runCommand({ QStringLiteral("printf 'Wireless LAN settings\\n---------------------\\n"
                                         "    Show blocked networks in visible network list: No\\n'; sleep 0.2; "
                                         "printf 'Hosted network settings\\n    Mode: Allowed\\n    SSID name: \"Airvane Hotspot\"\\n'") });
    console->show();
    QTest::qWait(500);
    shots.save(console, QStringLiteral("console"));
    console->close();
}

void otherWindows(Shots &shots, AirvaneLite &window)
{
    MsgDialog box(&window, QObject::tr("Error"), QStringLiteral("Unable to set theme. File is not found!"),
                  MsgDialog::Critical, QMessageBox::Yes | QMessageBox::No);
    box.show();
    shots.save(&box, QStringLiteral("message"));
    box.close();

    window.aboutApp();
    About *about = window.chrome()->about();
    shots.save(about, QStringLiteral("about"));
    about->close();

    Updates *updates = Updates::open(nullptr, QStringLiteral("2.9.0.1"), QStringLiteral("Release"),
                                     QLatin1String(Notes), false, QString());
    shots.save(updates, QStringLiteral("updates"));
    updates->close();

    Changelog changelog;
    changelog.getUpdateData(QStringLiteral("2.9.0.1"), QStringLiteral("Release"), QLatin1String(Notes));
    changelog.show();
    shots.save(&changelog, QStringLiteral("changelog"));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnwick"));
    QCoreApplication::setApplicationName(QStringLiteral("Airvane Lite"));
    if (argc < 2) {
        QTextStream(stderr) << "usage: theme_screens <folder> [light|gray|dark ...] [--lang ru|uk]\n";
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const QStringList names = { QStringLiteral("light"), QStringLiteral("gray"), QStringLiteral("dark") };
    QStringList themes;
    QString language;
    for (int i = 2; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--lang") && i + 1 < argc)
            language = QString::fromLocal8Bit(argv[++i]);
        else if (names.contains(arg))
            themes << arg;
    }
    if (themes.isEmpty())
        themes = names;

    initTranslationResources();
    initAppearanceResources();
    writeDefaultSettings();
    QTranslator program;
    QTranslator toolkit;
    if (!language.isEmpty())
        loadTranslations(language == QLatin1String("uk") ? App::Language::Ukrainian : App::Language::Russian,
                         &program, &toolkit);
    writeAppSetting(QLatin1String(SettingsKey::AutoRefreshWlanNetworks), false);
    writeAppSetting(QLatin1String(SettingsKey::NotifyWhenOpenAP), false);
    writeSetting(QLatin1String(SettingsGroup::Updates), QLatin1String(SettingsKey::CheckForUpdatesWhenAppStarts), false);
    wlan::setDefaultClient(wlan::SimulatedWlanClient::fromScenarioJson(
        wlan::SimulatedWlanClient::defaultScenarioJson(), nullptr));

    // One main window for all themes: the wireless engine serves one per run.
    AirvaneLite window;
    window.resize(1260, 640);
    window.show();
    auto *networks = window.findChild<QTreeWidget *>(QStringLiteral("networkList"));
    if (!QTest::qWaitFor([&] { return networks->topLevelItemCount() > 0; }, 10000)) {
        QTextStream(stderr) << "the network list stayed empty\n";
        return 1;
    }
    const QString suffix = language.isEmpty() ? QString() : QLatin1Char('-') + language;
    bool ok = true;
    for (const QString &theme : themes) {
        AppTheme::apply(names.indexOf(theme), nullptr);
        Shots shots(dir, theme, suffix);
        shots.save(&window, QStringLiteral("main"));
        settingsPages(shots);
        otherWindows(shots, window);
        ok = ok && shots.ok;
    }
    window.shutdown();
    return ok ? 0 : 1;
}
