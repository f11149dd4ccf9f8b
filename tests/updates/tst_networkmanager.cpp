#include "core/HttpsTestServer.h"
#include "core/SignalRecorder.h"
#include "core/TestSettings.h"
#include "app/settings/SettingsStore.h"
#include "net/NetworkManager.h"

#include <QtTest>

using testsupport::SignalRecorder;

namespace {

const QString releaseManifest = "/apps/airvane_lite/release/en.update.release.json";

QByteArray manifest(const QByteArray &version, const QString &url = QString())
{
    return "{\"airvane_lite\": {\"version\": \"" + version + "\", \"channel\": \"Release\", "
           "\"updateinfo\": [\"-One\", \"Two\"], \"update_url_x64\": \"" + url.toUtf8() + "\"}}";
}

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

class TestNetworkManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(m_server.start(), qPrintable(m_server.error()));
        m_server.serve("/installer/exact", installerBody());
    }

    void init()
    {
        testsupport::resetSettings();
        writeAppSetting("AppLanguage", 1);
        writeSetting("Updates", "DownloadPath", downloads());
        m_server.useGood();
        m_server.clearRequests();
    }

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
        m_server.serve(releaseManifest, body.isEmpty() ? manifest(version) : body, status);
        if (badCertificate)
            m_server.useBad();
        writeSetting("Updates", "InstallUpdatesAutomatically", false);

        Run run;
        run.start("checkForApplicationUpdates", Q_ARG(bool, false));
        QVERIFY(run.ended());
        QCOMPARE(run.recorder.names(), expected);
        const QVariantList notes{QString::fromUtf8(version), "Release", "\n-One\nTwo"};
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
        const QString file = QDir::toNativeSeparators(downloads() + "/Airvane.Lite.Setup.x64.exe");

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

private:
    QString downloads() const { return m_downloads.path(); }
    testsupport::HttpsTestServer m_server;
    QTemporaryDir m_downloads;
};

QTEST_GUILESS_MAIN(TestNetworkManager)
#include "tst_networkmanager.moc"
