#include "UpdatesTestKit.h"
#include "app/settings/SettingsStore.h"
#include "core/HttpsTestServer.h"
#include "core/TestSettings.h"
#include "updates/Changelog.h"
#include "updates/InsiderNotification.h"
#include "updates/UpdateCheck.h"
#include "updates/Updates.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using updateskit::answerNextBox;

namespace {

const QString releaseManifest = "/apps/airvane_lite/release/en.update.release.json";
const QString insiderManifest = "/apps/airvane_lite/insider/en.update.insider.json";

QByteArray manifest(const QString &version, const QString &channel, const QString &url)
{
    return QString("{\"airvane_lite\": {\"version\": \"%1\", \"channel\": \"%2\", \"update_url_x64\": \"%3\", "
                   "\"updateinfo\": [\"-Faster network scans\", \"-Hidden networks keep their names\", "
                   "\"Fixed the tray icon after a theme change\"]}}")
        .arg(version, channel, url)
        .toUtf8();
}

template <typename T>
T *findWindow()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<T *>(widget); window && window->isVisible())
            return window;
    }
    return nullptr;
}

// With AIRVANE_SCREENSHOT_DIR set (the Xvfb run of scripts/screenshots-updates.sh) the windows
// are saved there for review.
void screenshot(QWidget *window, const QString &name)
{
    const QString folder = qEnvironmentVariable("AIRVANE_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        QVERIFY(window->grab().save(folder + "/" + name));
}

} // namespace

class TestUpdateFlow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void quietCheckThenInsiderOffer();
    void outcomeBoxes_data();
    void outcomeBoxes();
    void changelogWindow();
    // Last: a started installer quits the application, after which no event loop runs again.
    void checkOfferDownloadInstall();

private:
    QString recorded() const;
    testsupport::HttpsTestServer m_server;
    QTemporaryDir m_downloads;
    QTemporaryDir m_work;
    QWidget m_mainWindow;
};

void TestUpdateFlow::initTestCase()
{
    QVERIFY2(m_server.start(), qPrintable(m_server.error()));
    const QByteArray record = m_work.filePath("arguments").toUtf8();
    QByteArray script = "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + record + ".tmp'\nmv '" + record + ".tmp' '"
        + record + "'\nexit 0\n";
    script += QByteArray(4 * 1024 * 1024, '#');
    m_server.serve("/installer/slow.body", script);
    m_mainWindow.resize(800, 500);
    m_mainWindow.show();
}

void TestUpdateFlow::init()
{
    testsupport::resetSettings();
    writeAppSetting("AppLanguage", 1);
    writeSetting("Updates", "DownloadPath", m_downloads.path());
    m_server.useGood();
    QFile::remove(m_work.filePath("arguments"));
}

QString TestUpdateFlow::recorded() const
{
    QFile file(m_work.filePath("arguments"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void TestUpdateFlow::checkOfferDownloadInstall()
{
    m_server.serve(releaseManifest, manifest("2.8.10.1", "Release", m_server.goodBase() + "/installer/slow"));
    UpdateCheck check(&m_mainWindow);
    QSignalSpy built(&check, &UpdateCheck::updatesBuildInfo);
    auto question = answerNextBox("Yes");
    check.checkForAppUpdates();
    QTRY_VERIFY_WITH_TIMEOUT(findWindow<Updates>(), 15000);
    QCOMPARE(question->text, QString("New Airvane Lite build: 2.8.10.1 is available, would you like to download it?"));
    QCOMPARE(built.count(), 1);
    QCOMPARE(built.first().first().toString(), QString("2.8.10.1"));

    QPointer<Updates> window = findWindow<Updates>();
    QSignalSpy ready(window.data(), &Updates::updateReady);
    auto *state = window->findChild<QLabel *>("stateValue");
    QTRY_VERIFY_WITH_TIMEOUT(state->text().remove('%').toInt() >= 30, 15000);
    screenshot(window, "updates-downloading.png");
    QVERIFY(ready.wait(15000));
    QTRY_COMPARE_WITH_TIMEOUT(recorded(), QString("/verysilent\n"), 10000);
    window->close();
    QTRY_VERIFY(window.isNull());
}

void TestUpdateFlow::quietCheckThenInsiderOffer()
{
    writeSetting("Updates", "InstallUpdatesAutomatically", false);
    m_server.serve(releaseManifest, manifest("2.8.8.652", "Release", QString()));
    m_server.serve(insiderManifest, manifest("2.9.0.17", "Insider", m_server.goodBase() + "/installer/exact"));
    m_server.clearRequests();
    UpdateCheck check(&m_mainWindow);
    QSignalSpy channel(&check, &UpdateCheck::insiderUpdateChannel);
    check.checkQuietly();
    QTRY_VERIFY_WITH_TIMEOUT(findWindow<InsiderNotification>(), 15000);
    QCOMPARE(m_server.requests(), (QStringList{"good GET " + releaseManifest, "good GET " + insiderManifest}));
    QVERIFY(!check.isQuiet());

    InsiderNotification *notification = findWindow<InsiderNotification>();
    QCOMPARE(notification->findChild<QLabel *>("messageLabel")->text(),
             QString("New insider build 2.9.0.17 is available! Do you want to install it?"));
    screenshot(notification, "updates-insider-notification.png");
    notification->findChild<QPushButton *>("installButton")->click();
    QCOMPARE(readSetting("Updates", "UpdatesChannel").toInt(), 1);
    QCOMPARE(channel.count(), 1);
    QCOMPARE(check.currentChannel(), Update::Channel::Insider);
    QTRY_VERIFY(findWindow<Updates>());
    QPointer<Updates> window = findWindow<Updates>();
    QVERIFY(window->isManualInstall());
    QVERIFY(window->findChild<QPushButton *>("downloadButton")->isVisible());
    screenshot(window, "updates-waiting-for-download.png");
    window->close();
    QTRY_VERIFY(window.isNull());
}

void TestUpdateFlow::outcomeBoxes_data()
{
    QTest::addColumn<QString>("serverState");
    QTest::addColumn<int>("channel");
    QTest::addColumn<QString>("text");
    QTest::newRow("no network") << "unreachable" << 3
                                << "Network connection is not available! Check your network and try again.";
    QTest::newRow("json error") << "page" << 3 << "Failed to check for the updates! Error code: 5";
    QTest::newRow("up to date on beta") << "equal" << 2 << "Airvane Lite Beta is up to date";
    QTest::newRow("up to date on release") << "equal" << 3 << "Airvane Lite is up to date";
}

void TestUpdateFlow::outcomeBoxes()
{
    QFETCH(QString, serverState);
    QFETCH(int, channel);
    QFETCH(QString, text);
    writeSetting("Updates", "UpdatesChannel", channel);
    writeSetting("Updates", "GetInsiderBuildsNotification", false);
    const QString path = channel == 2 ? "/apps/airvane_lite/beta/en.update.beta.json" : releaseManifest;
    if (serverState == "unreachable")
        testsupport::HttpsTestServer::useUnreachable();
    m_server.serve(path, serverState == "page" ? "<html>" : manifest("2.8.8.652", "Beta", QString()),
                   serverState == "page" ? 404 : 200);
    UpdateCheck check(&m_mainWindow);
    auto box = answerNextBox("OK");
    check.checkForAppUpdates();
    QTRY_COMPARE_WITH_TIMEOUT(box->shown, 1, 15000);
    QCOMPARE(box->text, text);
}

void TestUpdateFlow::changelogWindow()
{
    m_server.serve(releaseManifest, manifest("2.8.10.1", "Release", QString()));
    QFile::remove(Changelog::filePath());
    Changelog window;
    window.show();
    QTRY_VERIFY_WITH_TIMEOUT(window.findChild<QPushButton *>("updateButton")->isEnabled(), 15000);
    screenshot(&window, "updates-changelog.png");
}

QTEST_MAIN(TestUpdateFlow)
#include "tst_updateflow.moc"
