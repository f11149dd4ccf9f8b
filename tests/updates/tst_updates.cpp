#include "UpdatesTestKit.h"
#include "app/settings/SettingsStore.h"
#include "core/HttpsTestServer.h"
#include "core/TestSettings.h"
#include "updates/Updates.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using updateskit::answerNextBox;

namespace {

QString text(QWidget *window, const char *name)
{
    return window->findChild<QLabel *>(name)->text();
}

QPushButton *button(QWidget *window, const char *name)
{
    return window->findChild<QPushButton *>(name);
}

} // namespace

class TestUpdates : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void automaticInstallRunsInstallerWithVerysilent();
    void manualInstallWaitsTwice();
    void failedDownloadsOfferRestart_data();
    void failedDownloadsOfferRestart();
    void cancelDuringStall();
    void installerThatCannotStartIsReported();
    void progressTexts();
    void notesArePlainText();

private:
    QString installerPath() const
    {
        return QDir::toNativeSeparators(m_downloads.path() + "/Airvane.Lite.Setup.x64.exe");
    }
    QString recorded() const;
    QPointer<Updates> openWindow(const QString &path, bool autoUpdate);

    testsupport::HttpsTestServer m_server;
    QTemporaryDir m_downloads;
    QTemporaryDir m_work;
};

void TestUpdates::initTestCase()
{
    QVERIFY2(m_server.start(), qPrintable(m_server.error()));
    // The "installer" records the arguments it was started with.
    m_server.serve("/installer/recorder",
                   "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + m_work.filePath("arguments").toUtf8() + ".tmp'\n"
                   "mv '" + m_work.filePath("arguments").toUtf8() + ".tmp' '" + m_work.filePath("arguments").toUtf8() + "'\n");
    m_server.serve("/installer/garbage", QByteArray(3000, '\x01'));
}

void TestUpdates::init()
{
    testsupport::resetSettings();
    writeAppSetting("AppLanguage", 1);
    writeSetting("Updates", "DownloadPath", m_downloads.path());
    QFile::remove(m_work.filePath("arguments"));
    QFile::remove(installerPath());
}

QString TestUpdates::recorded() const
{
    QFile file(m_work.filePath("arguments"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QPointer<Updates> TestUpdates::openWindow(const QString &path, bool autoUpdate)
{
    const QString url = path.isEmpty() ? QString() : m_server.goodBase() + path;
    return Updates::open(nullptr, "2.9.0.1", "Release", "\n-Faster scans\nFixes", autoUpdate, url);
}

void TestUpdates::automaticInstallRunsInstallerWithVerysilent()
{
    QPointer<Updates> window = openWindow("/installer/recorder", true);
    QSignalSpy ready(window.data(), &Updates::updateReady);
    QVERIFY(button(window, "downloadButton")->isHidden());
    QVERIFY(ready.wait(15000));
    QTRY_COMPARE_WITH_TIMEOUT(recorded(), QString("/verysilent\n"), 10000);
    QCOMPARE(text(window, "statusLine"), QString("Downloaded successfully!"));
    QCOMPARE(button(window, "cancelButton")->text(), QString("Close"));
    window->close();
}

void TestUpdates::manualInstallWaitsTwice()
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

void TestUpdates::failedDownloadsOfferRestart_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("status");
    QTest::newRow("short body") << "/installer/short" << "Status code: 200";
    QTest::newRow("404") << "/installer/missing" << "Status code: 404";
    QTest::newRow("no length") << "/installer/chunked" << "Status code: 200";
    QTest::newRow("no address") << "" << "Status code: 0";
}

void TestUpdates::failedDownloadsOfferRestart()
{
    QFETCH(QString, path);
    QFETCH(QString, status);
    auto box = answerNextBox("No");
    QPointer<Updates> window = openWindow(path, true);
    QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 15000);
    QCOMPARE(box->shown, 1);
    QVERIFY2(box->text.startsWith("Update process has been failed!\n" + status + "\nError code: "), qPrintable(box->text));
    QVERIFY(box->text.endsWith("\nDo you want to restart update now?"));
    QVERIFY(!QFile::exists(installerPath()));
}

void TestUpdates::cancelDuringStall()
{
    QPointer<Updates> window = openWindow("/installer/stall", true);
    QTRY_VERIFY_WITH_TIMEOUT(text(window, "stateValue") != "0%" && QFile::exists(installerPath()), 10000);
    auto box = answerNextBox("Yes");
    QElapsedTimer clock;
    clock.start();
    button(window, "cancelButton")->click();
    QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 1000);
    QVERIFY(clock.elapsed() < 1000);
    QCOMPARE(box->text, QString("Do you want to cancel update?"));
    QVERIFY(!QFile::exists(installerPath()));
}

void TestUpdates::installerThatCannotStartIsReported()
{
    auto box = answerNextBox("OK");
    QPointer<Updates> window = openWindow("/installer/garbage", true);
    QSignalSpy ready(window.data(), &Updates::updateReady);
    QTRY_COMPARE_WITH_TIMEOUT(box->shown, 1, 15000);
    QVERIFY2(box->text.startsWith("Failed to start the update installer!"), qPrintable(box->text));
    QCOMPARE(ready.count(), 0);
    QCOMPARE(window->updateState(), int(Updates::Failed));
    window->close();
    QVERIFY(window.isNull() || !window->isVisible());
}

void TestUpdates::progressTexts()
{
    Updates window;
    window.appProgressData(1.0, "KB/s", 1024, 512, 50, "KB", "00:00:01", "00:00:02");
    QCOMPARE((QStringList{text(&window, "speedValue"), text(&window, "stateValue"), text(&window, "sizeValue"),
                          text(&window, "elapsedValue"), text(&window, "remainingValue")}),
             (QStringList{"1.0 KB/s", "50%", "1024 KB / 512 KB", "00:00:01", "00:00:02"}));
    QCOMPARE(window.findChild<QProgressBar *>()->maximum(), 1024);
    QCOMPARE(window.findChild<QProgressBar *>()->value(), 512);
}

void TestUpdates::notesArePlainText()
{
    Updates window;
    window.appJsonData("2.9", "<b>Beta</b>", "\n-<img src=x>");
    QCOMPARE(window.findChild<QTextBrowser *>()->toPlainText(),
             QString("Build: 2.9\nChannel: <b>Beta</b>\n\nChangelog: \n\u2022<img src=x>"));
}

QTEST_MAIN(TestUpdates)
#include "tst_updates.moc"
