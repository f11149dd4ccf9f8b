#include "UpdatesTestKit.h"
#include "app/settings/SettingsStore.h"
#include "core/HttpsTestServer.h"
#include "core/TestSettings.h"
#include "updates/Changelog.h"

#include <QTextBrowser>
#include <QtTest>

using updateskit::answerBoxes;

namespace {

const QString manifestPath = "/apps/airvane_lite/release/en.update.release.json";

QByteArray manifest(const QString &version)
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

} // namespace

class TestChangelog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(m_server.start(), qPrintable(m_server.error())); }

    void init()
    {
        testsupport::resetSettings();
        writeAppSetting("AppLanguage", 1);
        QFile::remove(Changelog::filePath());
        m_server.useGood();
        m_server.serve(manifestPath, manifest("2.9.1"));
        m_server.clearRequests();
    }

    void fetchesWhenEmptyKeepsOneBlockInWindows1251AndClears()
    {
        Changelog window;
        View view(window);
        QTRY_VERIFY_WITH_TIMEOUT(view.idle() && !view.text->toPlainText().isEmpty(), 15000);
        m_server.serve(manifestPath, manifest("2.9.2"));
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
            m_server.serve(manifestPath, "{\"a\": {\"version\": \"3.0\", \"channel\": \"Release\"}}");
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

private:
    testsupport::HttpsTestServer m_server;
};

QTEST_MAIN(TestChangelog)
#include "tst_changelog.moc"
