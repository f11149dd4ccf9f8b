// Renders the main window on the default simulated world, with a profile row pressed so that every
// row of the panel shows, and the open-network notification, for a visual review:
//   main_window_shots <output folder> <en|ru|uk>
#include "app/appearance/Translations.h"
#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "app/startup/ProgramWiring.h"
#include "app/startup/TranslationResources.h"
#include "platform/wlan/SimulatedWlanClient.h"
#include "platform/wlan/WlanClientProvider.h"
#include "ui/dialogs/NotifyAP.h"
#include "ui/main/AirvaneLite.h"
#include "ui/main/ConnectionDialogs.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: main_window_shots <folder> <en|ru|uk>\n");
        return 2;
    }
    QStandardPaths::setTestModeEnabled(true);
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const QString code = QString::fromLatin1(argv[2]);
    const App::Language language = code == QLatin1String("ru") ? App::Language::Russian
        : code == QLatin1String("uk")                           ? App::Language::Ukrainian
                                                                : App::Language::English;
    initTranslationResources();
    QTranslator program;
    QTranslator toolkit;
    loadTranslations(language, &program, &toolkit);
    writeAppSetting(QLatin1String(SettingsKey::AutoRefreshWlanNetworks), false);
    writeAppSetting(QLatin1String(SettingsKey::NotifyWhenOpenAP), false);
    wlan::setDefaultClient(wlan::SimulatedWlanClient::fromScenarioJson(
        wlan::SimulatedWlanClient::defaultScenarioJson(), nullptr));

    AirvaneLite window;
    ProgramWiring::wireMainWindow(&window); // the shipped program's window: every entry live
    window.show();
    auto *profiles = window.findChild<QTreeWidget *>(QStringLiteral("profileList"));
    auto *networks = window.findChild<QTreeWidget *>(QStringLiteral("networkList"));
    if (!QTest::qWaitFor([&] { return profiles->topLevelItemCount() > 0 && networks->topLevelItemCount() > 0; },
                         10000)) {
        std::fprintf(stderr, "the lists stayed empty\n");
        return 1;
    }
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    (void)QTest::qWaitForWindowActive(&window);
    QTest::qWait(200);
    window.grab().save(dir.filePath(QStringLiteral("main-window-%1-start.png").arg(code)));
    QTreeWidgetItem *row = profiles->topLevelItem(0);
    profiles->setCurrentItem(row);
    emit profiles->itemPressed(row, 0);
    QTest::qWait(100);
    window.grab().save(dir.filePath(QStringLiteral("main-window-%1.png").arg(code)));

    NotifyAP *notify = window.connectionDialogs()->notifyAP();
    notify->show();
    QTest::qWait(100);
    notify->grab().save(dir.filePath(QStringLiteral("main-window-%1-notification.png").arg(code)));
    notify->hide();
    window.shutdown();
    std::printf("wrote %s shots to %s\n", qPrintable(code), qPrintable(dir.path()));
    return 0;
}
