// Shows the settings dialog's pages and the console window and saves each as a PNG for review:
//   settings_screens <output folder> [ru|uk]   (run under Xvfb for the real fonts and window frames;
//   with a language the files are named settings-<page>-<language>.png)
#include "app/appearance/Translations.h"
#include "app/startup/TranslationResources.h"
#include "console/CommandHost.h"
#include "console/ConfigManager.h"
#include "settings_dialog/AppSettings.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTextStream>
#include <QTranslator>

namespace {

// Commands go nowhere: the review must not touch the machine's network set-up.
class ReviewHost : public CommandHost
{
public:
    bool isProcessElevated() override { return true; }
    void runConsoleCommand(bool, const QString &) override {}
    void openNetworkSettings() override {}
};

bool save(QWidget *widget, const QDir &dir, const QString &name)
{
    QTest::qWait(300);
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    const bool ok = widget->grab().save(path);
    QTextStream(stdout) << (ok ? "wrote " : "FAILED ") << path << '\n';
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnwick"));
    QCoreApplication::setApplicationName(QStringLiteral("Airvane Lite"));
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const QString language = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const QString suffix = language.isEmpty() ? QString() : QLatin1Char('-') + language;
    QTranslator program;
    QTranslator toolkit;
    if (!language.isEmpty()) {
        initTranslationResources();
        loadTranslations(language == QLatin1String("uk") ? App::Language::Ukrainian : App::Language::Russian,
                         &program, &toolkit);
    }

    SettingsDialogHooks hooks;
    hooks.commands = std::make_shared<ReviewHost>();
    AppSettings dialog(nullptr, hooks);
    dialog.resize(850, 560);
    dialog.show();
    const char *pages[] = { "application", "misc", "networks", "updates" };
    auto *menu = dialog.findChild<QListWidget *>(QStringLiteral("settingsMenuView"));
    dialog.findChild<QLineEdit *>(QStringLiteral("networkNameEdit"))->setText(QStringLiteral("Airvane Hotspot"));
    dialog.findChild<QLineEdit *>(QStringLiteral("networkPasswordEdit"))->setText(QStringLiteral("secret12"));
    bool ok = true;
    for (int i = 0; i < 4; ++i) {
        menu->setCurrentRow(i);
        ok = save(&dialog, dir, QStringLiteral("settings-%1").arg(QLatin1String(pages[i])) + suffix) && ok;
    }

    auto *console = new ConfigManager(&dialog);
    console->runCommand({ QStringLiteral("printf 'Wireless LAN settings\\n---------------------\\n"
                                         "    Show blocked networks in visible network list: No\\n'; sleep 0.2; "
                                         "printf 'Hosted network settings\\n    Mode: Allowed\\n    SSID name: \"Airvane Hotspot\"\\n'") });
    console->show();
    QTest::qWait(800);
    ok = save(console, dir, QStringLiteral("console-output") + suffix) && ok;
    console->close();
    return ok ? 0 : 1;
}
