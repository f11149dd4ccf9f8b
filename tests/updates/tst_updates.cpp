#include "UpdatesTestKit.h"
#include "app/settings/SettingsStore.h"
#include "core/HttpsTestServer.h"
#include "core/SignalRecorder.h"
#include "core/TestSettings.h"
#include "updates/Changelog.h"
#include "updates/InsiderNotification.h"
#include "updates/UpdateCheck.h"
#include "updates/Updates.h"
#include "net/NetworkManager.h"

#include <QProgressBar>
#include <QTextBrowser>
#include <QtTest>

using testsupport::SignalRecorder;
using updateskit::answerBoxes;

namespace {

QString text(QWidget *window, const char *name)
{
    return window->findChild<QLabel *>(name)->text();
}

QPushButton *button(QWidget *window, const char *name)
{
    return window->findChild<QPushButton *>(name);
}

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

// A release manifest whose notes have Cyrillic letters and markup.
QByteArray notesManifest(const QString &version)
{
    return QString("{\"airvane_lite\": {\"version\": \"%1\", \"channel\": \"Release\", "
                   "\"updateinfo\": [\"-Быстрее поиск\", \"Fixed <b>tags</b>\"]}}")
        .arg(version)
        .toUtf8();
}

QByteArray fileBytes()
{
    QFile file(Changelog::filePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct View
{
    explicit View(Changelog &window)
        : text(window.findChild<QTextBrowser *>())
        , clear(window.findChild<QPushButton *>("clearButton"))
        , update(window.findChild<QPushButton *>("updateButton"))
    {
    }
    bool idle() const { return update->isEnabled(); }
    QTextBrowser *text;
    QPushButton *clear;
    QPushButton *update;
};

QByteArray installerBody()
{
    QByteArray body;
    for (int i = 0; i < 5000; ++i)
        body += QByteArray::number(i * 7919 % 1000) + ',';
    return body;
}

// One operation as every caller runs it: own worker, own thread, both gone after finished().
struct Run
{
    explicit Run(bool endsWithWorker = true)
        : operation(NetworkManager::prepareOperation(endsWithWorker))
        , recorder(operation.worker)
        , thread(operation.thread)
    {
    }
    void start(const char *slot, QGenericArgument argument = QGenericArgument(nullptr))
    {
        NetworkManager::startOperation(operation, slot, argument);
    }
    bool ended(int timeoutMs = 15000)
    {
        return recorder.waitFor("finished", 1, timeoutMs) && recorder.waitUntil([this] { return thread.isNull(); });
    }
    NetworkManager::Operation operation;
    SignalRecorder recorder;
    QPointer<QThread> thread;
};

} // namespace

class TestUpdates : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(m_server.start(), qPrintable(m_server.error()));
        m_server.serve("/installer/exact", installerBody());
        const QByteArray record = m_work.filePath("arguments").toUtf8();
        QByteArray script = "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + record + ".tmp'\nmv '" + record + ".tmp' '"
            + record + "'\nexit 0\n";
        m_server.serve("/installer/recorder", script);
        m_server.serve("/installer/garbage", QByteArray(3000, '\x01'));
        script += QByteArray(4 * 1024 * 1024, '#');
        m_server.serve("/installer/slow.body", script);
        m_mainWindow.resize(800, 500);
        m_mainWindow.show();
    }

    void init()
    {
        testsupport::resetSettings();
        writeAppSetting("AppLanguage", 1);
        writeSetting("Updates", "DownloadPath", m_downloads.path());
        m_server.useGood();
        QFile::remove(m_work.filePath("arguments"));
        QFile::remove(installerPath());
        QFile::remove(Changelog::filePath());
        m_server.serve(releaseManifest, notesManifest("2.9.1"));
        m_server.clearRequests();
    }

    // ---- the network operations on their own thread ----

    void check_data()
    {
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QByteArray>("body"); // the manifest of the version when empty
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("badCertificate");
        QTest::addColumn<QStringList>("expected");
        const QStringList offer{"updateAvailable", "updateAvailable", "updateAvailable", "changelogInfo", "finished"};
        const QStringList upToDate{"latestVersion", "latestVersion", "changelogInfo", "finished"};
        const QStringList failed{"jsonReaderError", "finished"};
        QTest::newRow("newer by number") << QByteArray("2.8.10.1") << QByteArray() << 200 << false << offer;
        QTest::newRow("equal") << QByteArray("2.8.8.652") << QByteArray() << 200 << false << upToDate;
        QTest::newRow("no entry") << QByteArray() << QByteArray("{}") << 200 << false << QStringList{"finished"};
        QTest::newRow("404 with a manifest body") << QByteArray("9.9") << QByteArray() << 404 << false << failed;
        QTest::newRow("certificate of another CA") << QByteArray("9.9") << QByteArray() << 200 << true << failed;
    }

    void check()
    {
        QFETCH(QByteArray, version);
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        QFETCH(bool, badCertificate);
        QFETCH(QStringList, expected);
        m_server.serve(releaseManifest, body.isEmpty() ? notesManifest(QString::fromUtf8(version)) : body, status);
        if (badCertificate)
            m_server.useBad();
        writeSetting("Updates", "InstallUpdatesAutomatically", false);

        Run run;
        run.start("checkForApplicationUpdates", Q_ARG(bool, false));
        QVERIFY(run.ended());
        QCOMPARE(run.recorder.names(), expected);
        const QVariantList notes{QString::fromUtf8(version), "Release", "\n-Быстрее поиск\nFixed <b>tags</b>"};
        if (expected.first() == "updateAvailable") {
            QCOMPARE(run.recorder.argumentsOf("updateAvailable").last(), (notes + QVariantList{false, ""}));
            QCOMPARE(run.recorder.lastArguments("changelogInfo"), notes);
        } else if (expected.first() == "latestVersion") {
            QCOMPARE(run.recorder.argumentsOf("latestVersion").last(), QVariantList{notes.first()});
        }
    }

    void addressDetection_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("badCertificate");
        QTest::addColumn<QString>("expected");
        QTest::newRow("address") << QByteArray("198.51.100.23") << 200 << false
                                 << "userConnectedStatus userIPData(198.51.100.23) userIPLocationData(198.51.100.23) finished";
        const QString unknown = "userNotConnectedStatus userIPUnknownData(Unknown) userIPLocationData() finished";
        QTest::newRow("loopback") << QByteArray("::1") << 200 << false
                                  << "userConnectedStatus userIPData(127.0.0.1) userIPLocationData(127.0.0.1) finished";
        QTest::newRow("captive portal") << QByteArray("<html>login</html>") << 200 << false << unknown;
        QTest::newRow("error page") << QByteArray("198.51.100.23") << 500 << false << unknown;
        QTest::newRow("certificate of another CA") << QByteArray("198.51.100.23") << 200 << true << unknown;
    }

    void addressDetection()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        QFETCH(bool, badCertificate);
        QFETCH(QString, expected);
        m_server.serve("/includes/user_ip_detection.php", body, status);
        if (badCertificate)
            m_server.useBad();
        Run run;
        run.start("detectUserAddress");
        QVERIFY(run.ended());
        QStringList seen;
        for (const auto &emission : run.recorder.emissions()) {
            seen << QString::fromLatin1(emission.name)
                    + (emission.arguments.isEmpty() ? QString() : "(" + emission.arguments.first().toString() + ")");
        }
        QCOMPARE(seen.join(' '), expected);
    }

    void download_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("badCertificate");
        QTest::addColumn<bool>("installs");
        QTest::newRow("exact body") << "/installer/exact" << false << true;
        QTest::newRow("3 redirects") << "/redirect/2" << false << true;
        QTest::newRow("4 redirects") << "/redirect/3" << false << false;
        QTest::newRow("short then disconnect") << "/installer/short" << false << false;
        QTest::newRow("404 with body") << "/installer/missing" << false << false;
        QTest::newRow("chunked without length") << "/installer/chunked" << false << false;
        QTest::newRow("https to http redirect") << "/downgrade" << false << false;
        QTest::newRow("certificate of another CA") << "/installer/exact" << true << false;
        QTest::newRow("plain http address") << "plain" << false << false;
        QTest::newRow("empty address") << "" << false << false;
    }

    void download()
    {
        QFETCH(QString, path);
        QFETCH(bool, badCertificate);
        QFETCH(bool, installs);
        QString url = path.isEmpty() ? QString() : (badCertificate ? m_server.badBase() : m_server.goodBase()) + path;
        if (path == "plain")
            url = m_server.plainBase() + "/installer/exact";
        const QString file = QDir::toNativeSeparators(m_downloads.path() + "/Airvane.Lite.Setup.x64.exe");

        Run run;
        run.start("downloadUpdate", Q_ARG(QString, url));
        QVERIFY(run.ended());
        const QStringList names = run.recorder.names();
        QCOMPARE(names.mid(0, 2), (QStringList{"updateStarted", "updatesPaths"}));
        if (installs) {
            QCOMPARE(names.mid(names.size() - 3), (QStringList{"updateDownloadedSuccessfully", "installUpdate", "finished"}));
            QCOMPARE(run.recorder.lastArguments("installUpdate"), (QVariantList{file, QStringList{"/verysilent"}}));
            QFile installer(file);
            QVERIFY(installer.open(QIODevice::ReadOnly));
            QCOMPARE(installer.readAll(), installerBody());
            QVERIFY(installer.permissions() & QFileDevice::ExeOwner);
        } else {
            QCOMPARE(names.mid(names.size() - 2), (QStringList{"updateAborted", "finished"}));
            QCOMPARE(run.recorder.lastArguments("updateAborted").size(), 2);
            QVERIFY(!names.contains("installUpdate"));
            QVERIFY(!QFile::exists(file));
        }
    }

    void cancelWithoutTransferClosesAtOnce()
    {
        Run run(false);
        run.start("setDownloadCanceled");
        QVERIFY(run.recorder.waitFor("closeUpdateDlg"));
        run.operation.thread->quit();
        run.operation.worker->deleteLater();
        QVERIFY(run.recorder.waitUntil([&run] { return run.thread.isNull(); }));
    }

    void noNetworkEndsTheOperation()
    {
        testsupport::HttpsTestServer::useUnreachable();
        Run check;
        check.start("checkForApplicationUpdates", Q_ARG(bool, false));
        QVERIFY(check.ended());
        Run validate;
        validate.start("validateUpdateUrl");
        QVERIFY(validate.ended());
        for (const Run *run : {&check, &validate})
            QCOMPARE(run->recorder.names(), (QStringList{"noNetConnection", "finished"}));
    }

    // ---- the windows ----

    void fetchesWhenEmptyKeepsOneBlockInWindows1251AndClears()
    {
        Changelog window;
        View view(window);
        QTRY_VERIFY_WITH_TIMEOUT(view.idle() && !view.text->toPlainText().isEmpty(), 15000);
        m_server.serve(releaseManifest, notesManifest("2.9.2"));
        view.update->click();
        QVERIFY(!view.update->isEnabled() && !view.clear->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(view.idle() && view.text->toPlainText().contains("2.9.2"), 15000);

        const QString block = "Build: 2.9.2\nChannel: Release\n\nChangelog: \n\u2022Быстрее поиск\nFixed <b>tags</b>";
        QCOMPARE(view.text->toPlainText(), block);
        QCOMPARE(fileBytes(), QTextCodec::codecForName("windows-1251")->fromUnicode(block));
        QCOMPARE(fileBytes().count('\x95'), 1); // the bullet's byte in windows-1251
        QCOMPARE(m_server.requests().size(), 2);

        auto boxes = answerBoxes({"Yes", "OK"});
        view.clear->click();
        QCOMPARE(boxes->texts, (QStringList{"Do you really want to delete the changelog? This action cannot be undone.",
                                            "Changelog was successfully cleared."}));
        QCOMPARE(fileBytes(), QByteArray());
        QVERIFY(view.text->toPlainText().isEmpty());
        QVERIFY(!view.clear->isEnabled());
    }

    void savedFileShownWithoutNetwork()
    {
        {
            QFile file(Changelog::filePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("Build: 1.0\n\xC0\xC1");
        }
        Changelog window;
        View view(window);
        QCOMPARE(view.text->toPlainText(), QString("Build: 1.0\nАБ"));
        QVERIFY(view.clear->isEnabled() && view.update->isEnabled());
        // The refresh asked for is the only request.
        view.update->click();
        QTRY_VERIFY_WITH_TIMEOUT(view.idle() && view.text->toPlainText().contains("2.9.1"), 15000);
        QCOMPARE(m_server.requests().size(), 1);
    }

    void failedRefreshKeepsTheFile_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("message");
        QTest::newRow("no network") << "unreachable" << "Cancel"
                                    << "Can't get changelog information. Make sure you have network connection.";
        QTest::newRow("rogue certificate") << "bad" << "OK" << "Can't get changelog information. Error code: 5";
        QTest::newRow("no notes, no result") << "empty" << "" << "";
    }

    void failedRefreshKeepsTheFile()
    {
        QFETCH(QString, failure);
        QFETCH(QString, answer);
        QFETCH(QString, message);
        Changelog window;
        View view(window);
        QTRY_VERIFY_WITH_TIMEOUT(view.idle() && !view.text->toPlainText().isEmpty(), 15000);
        const QByteArray saved = fileBytes();
        QVERIFY(!saved.isEmpty());

        if (failure == "unreachable")
            testsupport::HttpsTestServer::useUnreachable();
        else if (failure == "bad")
            m_server.useBad();
        else
            m_server.serve(releaseManifest, "{\"a\": {\"version\": \"3.0\", \"channel\": \"Release\"}}");
        auto box = answer.isEmpty() ? nullptr : answerBoxes({answer});
        view.update->click();
        if (box) {
            QTRY_COMPARE_WITH_TIMEOUT(box->shown, 1, 15000);
            QCOMPARE(box->text, message);
        }
        QTRY_VERIFY_WITH_TIMEOUT(view.idle() && view.clear->isEnabled(), 15000);
        QCOMPARE(fileBytes(), saved);
        QVERIFY(view.text->toPlainText().contains("2.9.1"));
    }

    void quietCheckThenInsiderOffer()
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

    void outcomeBoxes_data()
    {
        QTest::addColumn<QString>("serverState");
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("text");
        QTest::newRow("no network") << "unreachable" << 3
                                    << "Network connection is not available! Check your network and try again.";
        QTest::newRow("json error") << "page" << 3 << "Failed to check for the updates! Error code: 5";
        QTest::newRow("up to date on beta") << "equal" << 2 << "Airvane Lite Beta is up to date";
        QTest::newRow("up to date on release") << "equal" << 3 << "Airvane Lite is up to date";
        QTest::newRow("no entry for the channel") << "empty" << 3 << "Failed to check for the updates!";
        QTest::newRow("up to date after a quiet offer") << "after quiet offer" << 3 << "Airvane Lite is up to date";
    }

    void outcomeBoxes()
    {
        QFETCH(QString, serverState);
        QFETCH(int, channel);
        QFETCH(QString, text);
        writeSetting("Updates", "UpdatesChannel", channel);
        writeSetting("Updates", "GetInsiderBuildsNotification", false);
        const QString path = channel == 2 ? "/apps/airvane_lite/beta/en.update.beta.json" : releaseManifest;
        if (serverState == "unreachable")
            testsupport::HttpsTestServer::useUnreachable();
        UpdateCheck check(&m_mainWindow);
        if (serverState == "after quiet offer") {
            // A quiet check that ends in an offer (declined) must not silence the next check.
            m_server.serve(path, manifest("2.8.10.1", "Release", QString()));
            auto offer = answerBoxes({"No"});
            check.checkQuietly();
            QTRY_COMPARE_WITH_TIMEOUT(offer->shown, 1, 15000);
        }
        m_server.serve(path, serverState == "page" ? "<html>" : serverState == "empty" ? "{}" : manifest("2.8.8.652", "Beta", QString()),
                       serverState == "page" ? 404 : 200);
        auto box = answerBoxes({"OK"});
        check.checkForAppUpdates();
        QTRY_COMPARE_WITH_TIMEOUT(box->shown, 1, 15000);
        QCOMPARE(box->text, text);
    }

    void changelogWindow()
    {
        m_server.serve(releaseManifest, manifest("2.8.10.1", "Release", QString()));
        QFile::remove(Changelog::filePath());
        Changelog window;
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.findChild<QPushButton *>("updateButton")->isEnabled(), 15000);
        screenshot(&window, "updates-changelog.png");
    }

    void manualInstallWaitsTwice()
    {
        QPointer<Updates> window = openWindow("/installer/recorder", false);
        QSignalSpy ready(window.data(), &Updates::updateReady);
        QPushButton *download = button(window, "downloadButton");
        QVERIFY(download->isVisible());
        QCOMPARE(download->text(), QString("Download"));
        QVERIFY(text(window, "speedLabel").size() > 0 && window->findChild<QLabel *>("speedLabel")->isHidden());

        download->click();
        QTRY_COMPARE_WITH_TIMEOUT(download->text(), QString("Install"), 15000);
        QTRY_VERIFY(download->isEnabled());
        QCOMPARE(text(window, "stateLabel"), QString("Downloaded:"));
        QCOMPARE(text(window, "stateValue"), QString("100%"));
        QVERIFY(recorded().isEmpty());
        download->click();
        QCOMPARE(ready.count(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(recorded(), QString("/verysilent\n"), 10000);
        window->close();
    }

    void failedDownloadsOfferRestart_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("status");
        QTest::newRow("short body") << "/installer/short" << "Status code: 200";
        QTest::newRow("no address") << "" << "Status code: 0";
    }

    void failedDownloadsOfferRestart()
    {
        QFETCH(QString, path);
        QFETCH(QString, status);
        auto box = answerBoxes({"No"});
        QPointer<Updates> window = openWindow(path, true);
        QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 15000);
        QCOMPARE(box->shown, 1);
        QVERIFY2(box->text.startsWith("Update process has been failed!\n" + status + "\nError code: "), qPrintable(box->text));
        QVERIFY(box->text.endsWith("\nDo you want to restart update now?"));
        QVERIFY(!QFile::exists(installerPath()));
    }

    void cancelDuringStall()
    {
        QPointer<Updates> window = openWindow("/installer/stall", true);
        QTRY_VERIFY_WITH_TIMEOUT(text(window, "stateValue") != "0%" && QFile::exists(installerPath()), 10000);
        auto box = answerBoxes({"Yes"});
        button(window, "cancelButton")->click();
        // Well before the server sends again (60 s): the cancel does not wait for the transfer.
        QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 15000);
        QCOMPARE(box->text, QString("Do you want to cancel update?"));
        QVERIFY(!QFile::exists(installerPath()));
    }

    void installerThatCannotStartIsReported()
    {
        auto box = answerBoxes({"OK"});
        QPointer<Updates> window = openWindow("/installer/garbage", true);
        QSignalSpy ready(window.data(), &Updates::updateReady);
        QTRY_COMPARE_WITH_TIMEOUT(box->shown, 1, 15000);
        QVERIFY2(box->text.startsWith("Failed to start the update installer!"), qPrintable(box->text));
        QCOMPARE(ready.count(), 0);
        QCOMPARE(window->updateState(), int(Updates::Failed));
        window->close();
        QVERIFY(window.isNull() || !window->isVisible());
    }

    void progressTexts()
    {
        Updates window;
        window.appProgressData(1.0, "KB/s", 1024, 512, 50, "KB", "00:00:01", "00:00:02");
        QCOMPARE((QStringList{text(&window, "speedValue"), text(&window, "stateValue"), text(&window, "sizeValue"),
                              text(&window, "elapsedValue"), text(&window, "remainingValue")}),
                 (QStringList{"1.0 KB/s", "50%", "1024 KB / 512 KB", "00:00:01", "00:00:02"}));
        QCOMPARE(window.findChild<QProgressBar *>()->maximum(), 1024);
        QCOMPARE(window.findChild<QProgressBar *>()->value(), 512);
    }

    void notesArePlainText()
    {
        Updates window;
        window.appJsonData("2.9", "<b>Beta</b>", "\n-<img src=x>");
        QCOMPARE(window.findChild<QTextBrowser *>()->toPlainText(),
                 QString("Build: 2.9\nChannel: <b>Beta</b>\n\nChangelog: \n\u2022<img src=x>"));
    }

    // Last: a started installer quits the application, after which no event loop runs again.
    void checkOfferDownloadInstall()
    {
        m_server.serve(releaseManifest, manifest("2.8.10.1", "Release", m_server.goodBase() + "/installer/slow"));
        UpdateCheck check(&m_mainWindow);
        QSignalSpy built(&check, &UpdateCheck::updatesBuildInfo);
        auto question = answerBoxes({"Yes"});
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

private:
    QString recorded() const
    {
        QFile file(m_work.filePath("arguments"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QString installerPath() const
    {
        return QDir::toNativeSeparators(m_downloads.path() + "/Airvane.Lite.Setup.x64.exe");
    }
    QPointer<Updates> openWindow(const QString &path, bool autoUpdate)
    {
        const QString url = path.isEmpty() ? QString() : m_server.goodBase() + path;
        return Updates::open(nullptr, "2.9.0.1", "Release", "\n-Faster scans\nFixes", autoUpdate, url);
    }
    testsupport::HttpsTestServer m_server;
    QTemporaryDir m_downloads;
    QTemporaryDir m_work;
    QWidget m_mainWindow;
};

QTEST_MAIN(TestUpdates)
#include "tst_updates.moc"
