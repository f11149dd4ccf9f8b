// The log view on its own, then the log window: button states, Save, Delete, and Send to a real
// FTP server.

#include "../feedback/UploadTestKit.h"

#include "app/settings/SettingsStore.h"
#include "core/FtpTestServer.h"
#include "core/TestSettings.h"
#include "log/Log.h"
#include "log/LogView.h"

#include <QStandardPaths>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QtTest>

#include <thread>

using testsupport::FtpTestServer;
using uploadkit::bytesOf;
using uploadkit::writeBytes;

class TestLogWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::resetSettings(); }
    void init();

    // The log view on its own; first, while no window exists yet.
    void appendBeforeAnyWindowCreatesTheView();
    void eachLineIsAParagraphOfPlainText();
    void lineFormat_data();
    void lineFormat();
    void survivesAdoptionAndItsEnd();
    void fromAnotherThread();

    void initialButtons_data();
    void initialButtons();
    void deleteLadder_data();
    void deleteLadder();
    void sendUploadsAndRemovesOnlyThatFile();
    void failedSendKeepsEverything_data();
    void failedSendKeepsEverything();
    void viewOutlivesTheWindow();

private:
    // "1" per enabled button: Save, Save as, Open, Clear, Delete, Send, Close.
    static QString buttons(Log &window)
    {
        QString states;
        for (const char *name : {"Save", "SaveAs", "Open", "Clear", "Delete", "Send", "Close"})
            states += press(window, name, false)->isEnabled() ? '1' : '0';
        return states;
    }
    static QPushButton *press(Log &window, const char *name, bool click = true)
    {
        auto *button = window.findChild<QPushButton *>(QStringLiteral("pushButton") + name);
        if (click)
            button->click();
        return button;
    }
    static QString logPath() { return readAppSetting(QStringLiteral("LogPath")).toString(); }
    static QString folder() { return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/Log"; }
};

void TestLogWindow::init()
{
    testsupport::resetSettings();
    QDir(folder()).removeRecursively();
    QDir().mkpath(folder());
    if (LogView::exists())
        LogView::view()->clear();
}

void TestLogWindow::initialButtons_data()
{
    QTest::addColumn<bool>("lines");
    QTest::addColumn<bool>("savedFile");
    QTest::addColumn<QString>("states");
    QTest::newRow("nothing") << false << false << "0000001";
    QTest::newRow("file of an earlier run, empty view") << false << true << "1101001";
    QTest::newRow("lines, nothing saved") << true << false << "1101001";
    QTest::newRow("lines and a saved file") << true << true << "1111111";
}

void TestLogWindow::initialButtons()
{
    QFETCH(bool, lines);
    QFETCH(bool, savedFile);
    if (lines)
        appendLog(QStringLiteral("launching the program"));
    if (savedFile)
        writeAppSetting(QStringLiteral("LogPath"), writeBytes(folder() + "/earlier.txt", "x"));
    Log window;
    QTEST(buttons(window), "states");
}

void TestLogWindow::deleteLadder_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("stored file") << "file" << QStringList{"Log|Log file was successfully deleted!"};
    QTest::newRow("stored file gone") << "gone" << QStringList{"Error|Log file is not exists!"};
}

void TestLogWindow::deleteLadder()
{
    QFETCH(QString, stored);
    appendLog(QStringLiteral("launching the program"));
    const QString other = writeBytes(folder() + "/other.txt", "other run");
    writeAppSetting(QStringLiteral("LogPath"), writeBytes(folder() + "/saved.txt", "saved"));
    Log window;
    if (stored == "gone")   // behind the window's back
        QFile::remove(folder() + "/saved.txt");
    uploadkit::BoxWatcher boxes;
    press(window, "Delete");
    QTEST(boxes.boxes, "boxes");
    QVERIFY(!QFile::exists(folder() + "/saved.txt") && QFile::exists(other));
    QCOMPARE(logPath(), QString());
}

void TestLogWindow::sendUploadsAndRemovesOnlyThatFile()
{
    FtpTestServer server;
    QVERIFY(server.start());
    server.useForUploads();
    appendLog(QString::fromUtf8("запуск программы"));
    appendLog(QStringLiteral("chosen network - <b>Cafe</b>"));
    const QString earlier = writeBytes(folder() + "/Airvane_Lite_Log_earlier.txt", "an earlier run");
    Log window;
    uploadkit::BoxWatcher boxes;
    press(window, "Save");
    const QString path = window.defaultLogFilePath();
    QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(
                                    QRegularExpression::escape(QDir::toNativeSeparators(folder()) + "/Airvane_Lite_Log_"
                                                               + QLocale::system().name())
                                    + "_\\d{4}(\\.\\d\\d){5}\\.\\d{3}\\.txt"))
                 .match(path).hasMatch(), qPrintable(path));
    const QByteArray saved = bytesOf(path);
    // windows-1251, the markup kept as text.
    QVERIFY2(saved.contains("\xe7\xe0\xef\xf3\xf1\xea \xef\xf0\xee\xe3\xf0\xe0\xec\xec\xfb\n"), saved.constData());
    QVERIFY(saved.endsWith(": chosen network - <b>Cafe</b>"));
    QCOMPARE(boxes.boxes, QStringList{"Log|Log file was successfully saved!\nLog path: " + path});
    QCOMPARE(logPath(), path);
    QCOMPARE(buttons(window), QStringLiteral("1111111"));

    press(window, "Send");
    QCOMPARE(buttons(window).mid(4, 2), QStringLiteral("00"));
    QTRY_COMPARE_WITH_TIMEOUT(boxes.boxes.size(), 2, 20000);
    QCOMPARE(boxes.boxes.last(), QStringLiteral("Log|Log file was successfully sent!"));
    QCOMPARE(server.bytes("airvane_lite/telemetry/log/" + QFileInfo(path).fileName()), saved);
    QCOMPARE(logPath(), QString());
    QVERIFY(!QFile::exists(path));
    QCOMPARE(bytesOf(earlier), QByteArray("an earlier run"));
}

void TestLogWindow::failedSendKeepsEverything_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("box");
    QTest::newRow("server down") << "down" << "Error|Failed to send the log file! Error code: 1";
    QTest::newRow("read-only folder()") << "read-only" << "Error|Failed to send the log file! Error code: 201";
    QTest::newRow("wrong password") << "password" << "Error|Failed to send the log file! Error code: 204";
    QTest::newRow("saved file gone") << "gone" << "Error|Log file is not exists!";
    QTest::newRow("offline") << "offline"
                             << "Error|Network connection is not available! Check your network and try again.";
}

void TestLogWindow::failedSendKeepsEverything()
{
    QFETCH(QString, failure);
    FtpTestServer server;
    QVERIFY(server.start(failure == "read-only" ? QStringList{"--read-only", "public_html/apps/airvane_lite/telemetry/log"}
                                                : QStringList()));
    server.useForUploads(failure == "password" ? QStringLiteral("Wr0ng:p@ss/#16ch") : FtpTestServer::password());
    if (failure == "down")
        server.stop();
    if (failure == "offline")   // nothing answers the probe
        qputenv("AIRVANE_WEB_BASE_URL", QStringLiteral("https://127.0.0.1:%1").arg(server.port()).toUtf8()), server.stop();

    appendLog(QStringLiteral("launching the program"));
    Log window;
    uploadkit::BoxWatcher boxes;
    press(window, "Save");
    const QString path = window.defaultLogFilePath();
    if (failure == "gone")
        QFile::remove(path);
    press(window, "Send");
    QTRY_COMPARE_WITH_TIMEOUT(boxes.boxes.size(), 2, 20000);
    QTEST(boxes.boxes.last(), "box");
    QCOMPARE(QFile::exists(path), failure != "gone");
    QCOMPARE(logPath(), path);
    QCOMPARE(buttons(window).mid(4, 2), failure == "gone" ? "00" : "01");
    QVERIFY(server.files("airvane_lite/telemetry/log").isEmpty());
    // No part of the account in anything the program shows or writes (any encoding of it).
    const QString everything = boxes.boxes.join('\n') + uploadkit::debugOutput() + LogView::view()->toPlainText();
    for (const QString &secret : {QStringLiteral("W0rd"), QStringLiteral("Wr0ng"), QString(FtpTestServer::user() + ':')})
        QVERIFY2(!everything.contains(secret), qPrintable(everything));
}

void TestLogWindow::viewOutlivesTheWindow()
{
    appendLog(QStringLiteral("first"));
    QTextBrowser *view = LogView::view();
    for (int i = 0; i < 2; ++i) {
        Log window;
        window.showWindow();
        QVERIFY(view->parent() == &window && view->isVisible());
        QVERIFY(!view->openLinks() && !view->openExternalLinks());
    }
    QCOMPARE(LogView::view(), view);
    QCOMPARE(view->toPlainText().count(": first"), 1);
}

void TestLogWindow::appendBeforeAnyWindowCreatesTheView()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    QVERIFY(!LogView::exists());
    appendLog(QStringLiteral("launching the program"));
    QTextBrowser *view = LogView::view();
    QVERIFY(LogView::exists() && view && !view->parent());
    // Stamped with the current local time, in the line format checked below.
    QVERIFY2(view->toPlainText().endsWith(QStringLiteral(": launching the program")), qPrintable(view->toPlainText()));
    const QDateTime stamped = QDateTime::fromString(view->toPlainText().left(19), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    QVERIFY(qAbs(stamped.secsTo(QDateTime::currentDateTime())) <= 2);
}

void TestLogWindow::eachLineIsAParagraphOfPlainText()
{
    QTextBrowser *view = LogView::view();
    view->clear();
    appendLog(QStringLiteral("check for updates"));
    appendLog(QStringLiteral("chosen network - <b>Cafe</b> & <i>Bar</i>"));
    QCOMPARE(view->document()->blockCount(), 2);
    QVERIFY(view->document()->firstBlock().text().endsWith(QStringLiteral(": check for updates")));
    QVERIFY(view->document()->lastBlock().text().endsWith(QStringLiteral(": chosen network - <b>Cafe</b> & <i>Bar</i>")));
}

void TestLogWindow::lineFormat_data()
{
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("line");
    QTest::newRow("afternoon is 24-hour") << QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9))
                                          << "checked for updates"
                                          << "2024-03-05 14:07:09: checked for updates";
    QTest::newRow("translated text") << QDateTime(QDate(2024, 1, 2), QTime(9, 3, 4))
                                     << QString::fromUtf8("запуск программы")
                                     << QString::fromUtf8("2024-01-02 09:03:04: запуск программы");
}

void TestLogWindow::lineFormat()
{
    QFETCH(QDateTime, when);
    QFETCH(QString, event);
    QFETCH(QString, line);
    // The digits do not follow the user's locale.
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    const QString actual = LogView::line(event, when);
    QLocale::setDefault(previous);
    QCOMPARE(actual, line);
}

void TestLogWindow::survivesAdoptionAndItsEnd()
{
    QTextBrowser *view = LogView::view();
    view->clear();
    appendLog(QStringLiteral("first"));
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(LogView::view());
        QCOMPARE(LogView::view(), view);
        QCOMPARE(view->parent(), &window);
        appendLog(QStringLiteral("second"));
        QCOMPARE(view->document()->blockCount(), 2);
    }
    // Its owner is gone: the next line starts a new view rather than failing.
    QVERIFY(!LogView::exists());
    appendLog(QStringLiteral("third"));
    QVERIFY(LogView::exists());
    QVERIFY(LogView::view()->toPlainText().endsWith(QStringLiteral(": third")));
}

void TestLogWindow::fromAnotherThread()
{
    LogView::view()->clear();
    std::thread worker([] { appendLog(QStringLiteral("feedback was successfully sent")); });
    worker.join();
    QTRY_VERIFY(LogView::view()->toPlainText().endsWith(QStringLiteral(": feedback was successfully sent")));
}

QTEST_MAIN(TestLogWindow)
#include "tst_logwindow.moc"
