// Takes the review screenshots of the main window with its tray menu open, the About window and
// the licence viewer. Run under a real X server (Xvfb) so that menus are composed on screen:
//   xvfb-run -a -s "-screen 0 1600x1000x24" chrome_screenshots <output folder>
// The program's settings go to a throw-away store; the wireless world is the simulated one.
#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "app/startup/ProgramWiring.h"
#include "app/startup/TranslationResources.h"
#include "ui/dialogs/About.h"
#include "ui/dialogs/LicenseAgreement.h"
#include "ui/main/AirvaneLite.h"
#include "ui/main/AppTray.h"
#include "ui/main/MainWindowChrome.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QTextStream>

namespace {

bool save(const QPixmap &pixmap, const QDir &dir, const QString &name)
{
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    const bool ok = pixmap.save(path);
    QTextStream(stdout) << (ok ? "wrote " : "FAILED ") << path << '\n';
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Tarnwick"));
    QCoreApplication::setApplicationName(QStringLiteral("Airvane Lite"));
    QStandardPaths::setTestModeEnabled(true);
    if (argc < 2) {
        QTextStream(stderr) << "usage: chrome_screenshots <output folder>\n";
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    initTranslationResources();
    writeDefaultSettings();
    writeAppSetting(QLatin1String(SettingsKey::NotifyWhenOpenAP), false);
    writeAppSetting(QLatin1String(SettingsKey::AddToTray), true);
    writeAppSetting(QLatin1String(SettingsKey::ShowWindowWhenInTray), true);
    writeAppSetting(QLatin1String(SettingsKey::AutoRefreshWlanNetworks), false);
    writeAppSetting(QLatin1String(SettingsKey::Position), QByteArray());
    writeSetting(QLatin1String(SettingsGroup::Updates), QLatin1String(SettingsKey::CheckForUpdatesWhenAppStarts), false);

    bool ok = true;
    auto *window = new AirvaneLite;
    ProgramWiring::wireMainWindow(window); // the shipped program's window: every entry live
    window->move(40, 40);
    window->show();
    QTest::qWait(2500);

    QMenu *tray = window->chrome()->tray()->menu();
    const QRect frame = window->frameGeometry();
    tray->popup(QPoint(frame.right() - 260, frame.bottom() - 330));
    QTest::qWait(300);
    QScreen *screen = QGuiApplication::primaryScreen();
    const QRect shot = frame.united(tray->geometry()).adjusted(-10, -10, 10, 10);
    ok &= save(screen->grabWindow(0, shot.x(), shot.y(), shot.width(), shot.height()), dir,
               QStringLiteral("main-window-tray-menu"));
    tray->hide();

    window->aboutApp();
    About *about = window->chrome()->about();
    QTest::qWait(300);
    ok &= save(about->grab(), dir, QStringLiteral("about-window"));
    about->contextMenu()->popup(about->mapToGlobal(QPoint(120, 160)));
    QTest::qWait(300);
    const QRect aboutShot = about->frameGeometry().united(about->contextMenu()->geometry()).adjusted(-6, -6, 6, 6);
    ok &= save(screen->grabWindow(0, aboutShot.x(), aboutShot.y(), aboutShot.width(), aboutShot.height()), dir,
               QStringLiteral("about-window-context-menu"));
    about->contextMenu()->hide();

    writeSetting(QLatin1String(SettingsGroup::Updates), QLatin1String(SettingsKey::UpdatesChannel), 1);
    writeAppSetting(QLatin1String(SettingsKey::AppLanguage), 3);
    if (LicenseAgreement *viewer = LicenseAgreement::open(about)) {
        QTest::qWait(300);
        ok &= save(viewer->grab(), dir, QStringLiteral("license-agreement-insider-uk"));
        viewer->close();
    }
    about->close();
    window->exitApp();
    app.processEvents();
    delete window;
    return ok ? 0 : 1;
}
