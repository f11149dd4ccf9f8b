#include "core/TestSettings.h"
#include "net/DownloadProgress.h"
#include "net/UpdateManifest.h"
#include "net/UpdateTargets.h"
#include "app/settings/SettingsStore.h"
#include "util/TextCipher.h"

#include <QtTest>

namespace {

const QString ours = QStringLiteral("2.8.8.652");

QByteArray manifest(const QByteArray &entry, const QByteArray &key = "airvane_lite")
{
    return "{\"" + key + "\": {" + entry + "}}";
}

} // namespace

class TestUpdateManifest : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::resetSettings(); }

    void parse_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("delivery");
        QTest::addColumn<int>("outcome");
        // build | channel | info | url | newer
        QTest::addColumn<QStringList>("fields");
        const QByteArray full = "\"version\": \"2.9.0.1\", \"channel\": \"Release\", \"updateinfo\": [\"-Fixed\", \"Faster\"],"
                                " \"update_url_x64\": \"https://h/s.exe\", \"update_onedrive_url_x64\": \"https://o/s.exe\"";
        const int complete = int(UpdateManifest::Outcome::Complete);
        QTest::newRow("full, server") << manifest(full) << 0 << complete
                                      << QStringList{"2.9.0.1", "Release", "\n-Fixed\nFaster", "https://h/s.exe", "1"};
        QTest::newRow("onedrive") << manifest(full) << 1 << complete
                                  << QStringList{"2.9.0.1", "Release", "\n-Fixed\nFaster", "https://o/s.exe", "1"};
        QTest::newRow("dropbox missing -> empty")
            << manifest(full) << 2 << complete << QStringList{"2.9.0.1", "Release", "\n-Fixed\nFaster", "", "1"};
        QTest::newRow("two top-level keys, first sorted")
            << QByteArray("{\"zeta\": {\"version\": \"9.9\", \"channel\": \"Z\", \"updateinfo\": [\"z\"]},"
                          " \"alpha\": {\"version\": \"2.8.8.652\", \"channel\": \"A\", \"updateinfo\": [\"a\"]}}")
            << 0 << complete << QStringList{"2.8.8.652", "A", "\na", "", "0"};
        QTest::newRow("http installer refused")
            << manifest("\"version\": \"3\", \"channel\": \"B\", \"updateinfo\": [\"x\"], \"update_url_x64\": \"http://h/s.exe\"")
            << 0 << complete << QStringList{"3", "B", "\nx", "", "1"};
        // Versions compare as numbers, not as text; one that is not a number is never newer.
        for (const char *version : {"2.8.10.1", "2.9", "2.8.8.7", "2.9beta", ""}) {
            const bool newer = QByteArray(version).startsWith("2.8.10") || QByteArray(version) == "2.9";
            QTest::newRow(version) << manifest(QByteArray("\"version\": \"") + version + "\", \"channel\": \"B\", \"updateinfo\": [\"x\"]")
                                   << 0 << complete << QStringList{version, "B", "\nx", "", newer ? "1" : "0"};
        }
        QTest::newRow("no channel") << manifest("\"version\": \"3\", \"updateinfo\": [\"x\"]") << 0
                                    << int(UpdateManifest::Outcome::Incomplete) << QStringList{"3", "", "\nx", "", "1"};
        QTest::newRow("no notes") << manifest("\"version\": \"3\", \"channel\": \"B\", \"updateinfo\": []") << 0
                                  << int(UpdateManifest::Outcome::Incomplete) << QStringList{"3", "B", "", "", "1"};
        QTest::newRow("empty object") << QByteArray("{}") << 0 << int(UpdateManifest::Outcome::NoEntry)
                                      << QStringList{ours, "", "", "", "0"};
        QTest::newRow("entry not an object") << QByteArray("{\"a\": 5}") << 0 << int(UpdateManifest::Outcome::NoEntry)
                                             << QStringList{ours, "", "", "", "0"};
    }

    void parse()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, delivery);
        QFETCH(int, outcome);
        QFETCH(QStringList, fields);
        const UpdateManifest m = UpdateManifest::parse(body, Update::Delivery(delivery), ours);
        QCOMPARE(int(m.outcome), outcome);
        QCOMPARE((QStringList{m.build, m.channel, m.info, m.url, QString::number(m.isNewer)}), fields);
    }

    void progress_data()
    {
        QTest::addColumn<qint64>("received");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<qint64>("elapsed");
        // speed|unit|total|received|percent|size unit|elapsed|remaining
        QTest::addColumn<QString>("expected");
        QTest::newRow("1024 KB stays in KB") << qint64(512 * 1024) << qint64(1024 * 1024) << qint64(1000)
                                             << "512.0|KB/s|1024|512|50|KB|00:00:01|00:00:01";
        QTest::newRow("1025 KB switches to MB") << qint64(1025 * 1024) << qint64(1025 * 1024) << qint64(1000)
                                                << "1.0|MB/s|1|1|100|MB|00:00:01|unknown";
        QTest::newRow("1024 B/s is KB/s") << qint64(1024) << qint64(4096) << qint64(1000)
                                          << "1.0|KB/s|4|1|25|KB|00:00:01|00:00:03";
        QTest::newRow("1023 B/s is bytes/s") << qint64(1023) << qint64(0) << qint64(1000)
                                             << "1023.0|bytes/s|0|0|7|KB|00:00:01|unknown";
        QTest::newRow("10.0 of 10.5 MB is not 100 %") << qint64(10 * 1048576) << qint64(10752 * 1024) << qint64(3723000)
                                                      << "2.8|KB/s|10|10|95|MB|01:02:03|00:04:22";
        QTest::newRow("no length, MB after 1024 KB") << qint64(2048 * 1024) << qint64(-1) << qint64(2000)
                                                     << "1.0|MB/s|0|2|7|MB|00:00:02|unknown";
        QTest::newRow("0 ms: nothing") << qint64(4096) << qint64(8192) << qint64(0) << "";
        QTest::newRow("0 bytes: nothing") << qint64(0) << qint64(8192) << qint64(100) << "";
    }

    void progress()
    {
        QFETCH(qint64, received);
        QFETCH(qint64, total);
        QFETCH(qint64, elapsed);
        QFETCH(QString, expected);
        DownloadProgress p;
        QCOMPARE(DownloadProgress::compute(received, total, elapsed, 7, &p), !expected.isEmpty());
        if (expected.isEmpty())
            return;
        QCOMPARE(QStringList({QString::number(p.speed, 'f', 1), p.speedUnit, QString::number(p.total),
                              QString::number(p.received), QString::number(p.percentage), p.sizeUnit, p.elapsed,
                              p.remaining})
                     .join('|'),
                 expected);
    }

    void effectiveChannelAndAddress_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("devBuild");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("installer");
        QTest::newRow("development without flag is insider")
            << 0 << "" << 3 << "/apps/airvane_lite/insider/ua.update.insider.json" << "Airvane.Lite.Insider.Setup.x64.exe";
        QTest::newRow("development with flag")
            << 0 << "yes" << 2 << "/apps/airvane_lite/dev/ru.update.dev.json" << "Airvane.Lite.Dev.Setup.x64.exe";
        QTest::newRow("flag that is not yes") << 0 << "no" << 1 << "/apps/airvane_lite/insider/en.update.insider.json"
                                              << "Airvane.Lite.Insider.Setup.x64.exe";
        QTest::newRow("beta") << 2 << "" << 1 << "/apps/airvane_lite/beta/en.update.beta.json"
                              << "Airvane.Lite.Beta.Setup.x64.exe";
        QTest::newRow("release, unknown language")
            << 3 << "" << 9 << "/apps/airvane_lite/release/update.release.json" << "Airvane.Lite.Setup.x64.exe";
        QTest::newRow("out of range channel is release")
            << 7 << "" << 1 << "/apps/airvane_lite/release/en.update.release.json" << "Airvane.Lite.Setup.x64.exe";
    }

    void effectiveChannelAndAddress()
    {
        QFETCH(int, stored);
        QFETCH(QString, devBuild);
        QFETCH(int, language);
        QFETCH(QString, address);
        QFETCH(QString, installer);
        writeSetting("Updates", "UpdatesChannel", stored);
        if (!devBuild.isEmpty())
            writeSetting("Credentials", "DevBuild", TextCipher::encryptText(TextCipher::storedSecretKey, devBuild));
        bool valid = false;
        const QString prefix = updates::languagePrefix(language, QLocale::German, &valid);
        QCOMPARE(valid, language <= 3);
        qputenv("AIRVANE_WEB_BASE_URL", "https://updates.test:8443/");
        QCOMPARE(updates::manifestAddress(updates::effectiveChannel(), prefix), "https://updates.test:8443" + address);
        QCOMPARE(updates::installerFilePath("/dl", updates::effectiveChannel()), QDir::toNativeSeparators("/dl/" + installer));
        qunsetenv("AIRVANE_WEB_BASE_URL");
    }

    void oldInstallersUnderBothNames()
    {
        QTemporaryDir folder;
        const QStringList names{"Airvane.Lite.Dev.Setup.x64.exe", "Airvane.Lite.Insider.Setup.x64.exe",
                                "Airvane.Lite.Setup.x64.exe"};
        for (const QString &name : names) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        writeSetting("Updates", "UpdatesChannel", 0);
        QVERIFY(updates::removeOldInstallers(folder.path()));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"Airvane.Lite.Setup.x64.exe"});
    }
};

QTEST_GUILESS_MAIN(TestUpdateManifest)
#include "tst_updatemanifest.moc"
