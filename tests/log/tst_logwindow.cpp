// The log window: button states, Save / Save as / Clear / Delete, and Send to a real FTP server.

#include "../feedback/UploadTestKit.h"

#include "app/settings/SettingsStore.h"
#include "core/FtpTestServer.h"
#include "core/TestSettings.h"
#include "log/Log.h"
#include "log/LogView.h"
#include "ui/ModalAnswer.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTextBrowser>
#include <QtTest>

using testsupport::FtpTestServer;

namespace {

const QStringList buttonNames = {"pushButtonSave", "pushButtonSaveAs", "pushButtonOpen", "pushButtonClear",
                                 "pushButtonDelete", "pushButtonSend", "pushButtonClose"};

QPushButton *button(Log &window, const char *name)
{
    return window.findChild<QPushButton *>(QLatin1String(name));
}

// "1" per enabled button, in the row's order (Save ... Close).
QString enabledButtons(Log &window)
{
    QString states;
    for (const QString &name : buttonNames)
        states += window.findChild<QPushButton *>(name)->isEnabled() ? '1' : '0';
    return states;
}

QString logPath()
{
    return readAppSetting(QStringLiteral("LogPath")).toString();
}

QString logFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/Log");
}

} // namespace

class TestLogWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void initialButtons_data();
    void initialButtons();
    void saveWritesWindows1251();
    void saveAsKeepsLogPath();
    void clearThenNewLines();
    void deleteLadder_data();
    void deleteLadder();
    void sendUploadsAndRemovesOnlyThatFile();
    void failedSendKeepsEverything_data();
    void failedSendKeepsEverything();
    void sendOfAVanishedFile();
    void offlineBeforeSending();
    void viewOutlivesTheWindow();
};

void TestLogWindow::init()
{
    testsupport::resetSettings();
    QDir(logFolder()).removeRecursively();
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
    QFETCH(QString, states);
    if (lines)
        appendLog(QStringLiteral("launching the program"));
    if (savedFile) {
        QDir().mkpath(logFolder());
        QVERIFY(uploadkit::writeBytes(logFolder() + "/earlier.txt", "x"));
        writeAppSetting(QStringLiteral("LogPath"), QString(logFolder() + "/earlier.txt"));
    }
    Log window;
    QCOMPARE(enabledButtons(window), states);
    QCOMPARE(window.windowTitle(), QStringLiteral("Log"));
}

void TestLogWindow::saveWritesWindows1251()
{
    appendLog(QString::fromUtf8("запуск программы"));
    appendLog(QStringLiteral("chosen network - <b>Cafe</b>"));
    Log window;
    uploadkit::BoxWatcher boxes;
    button(window, "pushButtonSave")->click();

    const QString path = window.defaultLogFilePath();
    QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(
                                    QRegularExpression::escape(QDir::toNativeSeparators(logFolder()))
                                    + "/Airvane_Lite_Log_" + QLocale::system().name()
                                    + "_\\d{4}\\.\\d\\d\\.\\d\\d\\.\\d\\d\\.\\d\\d\\.\\d\\d\\.\\d{3}\\.txt"))
                 .match(path).hasMatch(),
             qPrintable(path));
    const QByteArray bytes = uploadkit::bytesOf(path);
    // "запуск" in windows-1251, the markup kept as text.
    QVERIFY2(bytes.contains("\xe7\xe0\xef\xf3\xf1\xea \xef\xf0\xee\xe3\xf0\xe0\xec\xec\xfb\n"), bytes.constData());
    QVERIFY(bytes.endsWith(": chosen network - <b>Cafe</b>"));
    QCOMPARE(boxes.boxes, QStringList{"Log|Log file was successfully saved!\nLog path: " + path});
    QCOMPARE(logPath(), path);
    QCOMPARE(enabledButtons(window), QStringLiteral("1111111"));
}

void TestLogWindow::saveAsKeepsLogPath()
{
    appendLog(QStringLiteral("check for updates"));
    writeAppSetting(QStringLiteral("LogPath"), QStringLiteral("/earlier/path.txt"));
    Log window;
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath("mine.txt");
    testsupport::whenModalAppears([target](QWidget *dialog) {
        auto *files = qobject_cast<QFileDialog *>(dialog);
        QVERIFY(files);
        QCOMPARE(files->windowTitle(), QStringLiteral("Save as"));
        QCOMPARE(files->nameFilters(), (QStringList{"Text Documents(*.txt)", "All Files(*.*)"}));
        files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(target);
        QMetaObject::invokeMethod(files, "accept");
    });
    uploadkit::BoxWatcher boxes;
    button(window, "pushButtonSaveAs")->click();
    QVERIFY(uploadkit::bytesOf(target).endsWith(": check for updates"));
    QCOMPARE(boxes.boxes, QStringList{"Log|Log file was successfully saved!\nLog path: " + QDir::toNativeSeparators(target)});
    QCOMPARE(logPath(), QStringLiteral("/earlier/path.txt"));
}

void TestLogWindow::clearThenNewLines()
{
    appendLog(QStringLiteral("launching the program"));
    Log window;
    button(window, "pushButtonClear")->click();
    QVERIFY(LogView::view()->document()->isEmpty());
    QCOMPARE(enabledButtons(window), QStringLiteral("0000001"));
    // A line that arrives later can be saved again.
    appendLog(QStringLiteral("connected to Home"));
    QCOMPARE(enabledButtons(window), QStringLiteral("1101001"));
}

void TestLogWindow::deleteLadder_data()
{
    QTest::addColumn<QString>("stored");      // "file", "missing" or empty
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("stored file") << "file" << QStringList{"Log|Log file was successfully deleted!"};
    QTest::newRow("stored file gone") << "missing" << QStringList{"Error|Log file is not exists!"};
    QTest::newRow("nothing saved") << "" << QStringList();
}

void TestLogWindow::deleteLadder()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, boxes);
    appendLog(QStringLiteral("launching the program"));
    QDir().mkpath(logFolder());
    const QString path = logFolder() + "/saved.txt";
    const QString other = logFolder() + "/other.txt";
    QVERIFY(uploadkit::writeBytes(other, "other run"));
    if (!stored.isEmpty()) {
        QVERIFY(uploadkit::writeBytes(path, "saved"));
        writeAppSetting(QStringLiteral("LogPath"), path);
    }
    Log window;
    // Removed behind the window's back.
    if (stored == "missing")
        QVERIFY(QFile::remove(path));
    uploadkit::BoxWatcher watcher;
    button(window, "pushButtonDelete")->click();
    QCOMPARE(watcher.boxes, boxes);
    QVERIFY(!QFile::exists(path));
    QVERIFY(QFile::exists(other));
    QCOMPARE(logPath(), QString());
}

void TestLogWindow::sendUploadsAndRemovesOnlyThatFile()
{
    FtpTestServer server;
    QVERIFY(server.start());
    server.useForUploads();
    appendLog(QString::fromUtf8("подключено к Кафе"));
    QDir().mkpath(logFolder());
    const QString earlier = logFolder() + "/Airvane_Lite_Log_earlier.txt";
    QVERIFY(uploadkit::writeBytes(earlier, "an earlier run"));
    Log window;
    uploadkit::BoxWatcher boxes;
    button(window, "pushButtonSave")->click();
    const QString path = window.defaultLogFilePath();
    const QByteArray saved = uploadkit::bytesOf(path);
    QVERIFY(!saved.isEmpty());

    button(window, "pushButtonSend")->click();
    QCOMPARE(enabledButtons(window).mid(2), QStringLiteral("01001"));
    QTRY_COMPARE_WITH_TIMEOUT(boxes.boxes.size(), 2, 20000);
    QCOMPARE(boxes.boxes.last(), QStringLiteral("Log|Log file was successfully sent!"));
    const QString name = QFileInfo(path).fileName();
    QCOMPARE(server.remoteBytes("airvane_lite/telemetry/log/" + name), saved);
    QCOMPARE(logPath(), QString());
    QVERIFY(!QFile::exists(path));
    QCOMPARE(uploadkit::bytesOf(earlier), QByteArray("an earlier run"));
}

void TestLogWindow::failedSendKeepsEverything_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<int>("code");
    QTest::newRow("server down") << "down" << int(QNetworkReply::ConnectionRefusedError);
    QTest::newRow("read-only folder") << "read-only" << int(QNetworkReply::ContentAccessDenied);
    QTest::newRow("wrong password") << "password" << int(QNetworkReply::AuthenticationRequiredError);
}

void TestLogWindow::failedSendKeepsEverything()
{
    QFETCH(QString, failure);
    QFETCH(int, code);
    FtpTestServer server;
    FtpTestServer::Options options;
    if (failure == "read-only")
        options.readOnly << "airvane_lite/telemetry/log";
    QVERIFY(server.start(options));
    server.useForUploads(failure == "password" ? QStringLiteral("Wr0ng:p@ss/#16ch") : FtpTestServer::password());
    if (failure == "down")
        server.stop();

    uploadkit::MessageLog messages;
    appendLog(QStringLiteral("launching the program"));
    Log window;
    uploadkit::BoxWatcher boxes;
    button(window, "pushButtonSave")->click();
    const QString path = window.defaultLogFilePath();
    button(window, "pushButtonSend")->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes.boxes.size(), 2, 20000);
    QCOMPARE(boxes.boxes.last(), QStringLiteral("Error|Failed to send the log file! Error code: %1").arg(code));
    QVERIFY(QFile::exists(path));
    QCOMPARE(logPath(), path);
    QCOMPARE(enabledButtons(window).mid(4, 2), QStringLiteral("01"));
    // The account is in the upload address only, never in what the program shows or writes.
    const QString everything = boxes.boxes.join('\n') + messages.text() + LogView::view()->toPlainText()
                               + QString::fromLatin1(uploadkit::bytesOf(path));
    // (Distinctive parts of the passwords, so that no encoding of them slips through.)
    for (const QString &secret : {QStringLiteral("W0rd"), QStringLiteral("Wr0ng"), QString(FtpTestServer::user() + ':')})
        QVERIFY2(!everything.contains(secret), qPrintable(everything));
    QVERIFY(messages.text().contains(QStringLiteral("ftp://127.0.0.1:%1/public_html/apps/airvane_lite/telemetry/log/")
                                         .arg(server.port())));
}

void TestLogWindow::sendOfAVanishedFile()
{
    FtpTestServer server;
    QVERIFY(server.start());
    server.useForUploads();
    appendLog(QStringLiteral("launching the program"));
    Log window;
    uploadkit::BoxWatcher boxes;
    button(window, "pushButtonSave")->click();
    QVERIFY(QFile::remove(window.defaultLogFilePath()));
    button(window, "pushButtonSend")->click();
    QCOMPARE(boxes.boxes.last(), QStringLiteral("Error|Log file is not exists!"));
    QVERIFY(server.remoteFiles("airvane_lite/telemetry/log").isEmpty());
}

void TestLogWindow::offlineBeforeSending()
{
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    qputenv("AIRVANE_WEB_BASE_URL", QStringLiteral("https://127.0.0.1:%1").arg(port).toUtf8());
    appendLog(QStringLiteral("launching the program"));
    Log window;
    uploadkit::BoxWatcher boxes;
    button(window, "pushButtonSave")->click();
    button(window, "pushButtonSend")->click();
    QCOMPARE(boxes.boxes.last(),
             QStringLiteral("Error|Network connection is not available! Check your network and try again."));
    QCOMPARE(enabledButtons(window).mid(2, 4), QStringLiteral("0101"));
    QVERIFY(QFile::exists(window.defaultLogFilePath()));
}

void TestLogWindow::viewOutlivesTheWindow()
{
    appendLog(QStringLiteral("first"));
    QTextBrowser *view = LogView::view();
    {
        Log window;
        window.showWindow();
        QCOMPARE(view->parent(), &window);
        QVERIFY(view->isVisible());
        QVERIFY(!view->openLinks() && !view->openExternalLinks());
    }
    QVERIFY(LogView::exists());
    QCOMPARE(LogView::view(), view);
    appendLog(QStringLiteral("second"));
    Log again;
    again.showWindow();
    QCOMPARE(view->parent(), &again);
    QVERIFY(view->isVisible());
    QCOMPARE(view->document()->blockCount(), 2);
}

QTEST_MAIN(TestLogWindow)
#include "tst_logwindow.moc"
