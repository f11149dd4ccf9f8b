// What the program writes and sends: the log view on its own; the log window's button states,
// Save, Delete, and Send to a real FTP server; the feedback window and the upload operations of
// the network worker against the same server.

#include "app/appearance/Translations.h"
#include "app/settings/SettingsStore.h"
#include "app/startup/TranslationResources.h"
#include "core/FtpTestServer.h"
#include "core/SignalRecorder.h"
#include "core/TestSettings.h"
#include "ui/ModalAnswer.h"
#include "feedback/Feedback.h"
#include "log/Log.h"
#include "log/LogView.h"
#include "net/FtpUploadJob.h"
#include "net/NetworkManager.h"
#include "ui/widgets/MsgDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QMutex>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCodec>
#include <QTranslator>
#include <QVBoxLayout>
#include <QtTest>

#include <thread>

using testsupport::FtpTestServer;

namespace {

// Debug output of every thread, kept from the first call on.
inline QString debugOutput()
{
    static QMutex mutex;
    static QString text;
    static const bool installed = (qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &line) {
        QMutexLocker lock(&mutex);
        text += line + '\n';
    }), true);
    Q_UNUSED(installed)
    QMutexLocker lock(&mutex);
    return text;
}

inline QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QString writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
}

} // namespace

class TestLogAndFeedback : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initTranslationResources(); }
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

    // The feedback window and the upload operations of the network worker.
    void attachmentLimit_data();
    void attachmentLimit();
    void fileContents_data();
    void fileContents();
    void sendWithAttachments();
    void workerFirstRecordAndInstallerArea();
    void workerServerStoppedMidTransfer();

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
    QString file(const QString &name, qint64 size)
    {
        QFile made(files.filePath(name));
        return made.open(QIODevice::WriteOnly) && made.resize(size) ? made.fileName() : QString();
    }
    static void fill(Feedback *window, const QString &type, int rate, const QString &message,
                     const QString &email = QString())
    {
        window->findChild<QRadioButton *>(type)->click();
        if (rate)
            window->findChild<QRadioButton *>(QStringLiteral("radioButtonRate%1").arg(rate))->click();
        window->findChild<QPlainTextEdit *>()->setPlainText(message);
        window->findChild<QCheckBox *>()->setChecked(!email.isNull());
        window->findChild<QLineEdit *>()->setText(email);
    }
    static void send(Feedback *window) { window->findChild<QPushButton *>("pushButtonSend")->click(); }
    static FtpData record(const QString &path)
    {
        return FtpData{QFileInfo(path).path(), path, "Airvane Lite", "log", true, true, false};
    }
    static QString feedbackFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/Feedback"; }

    QTemporaryDir files;
};

void TestLogAndFeedback::init()
{
    testsupport::resetSettings();
    QDir(folder()).removeRecursively();
    QDir(feedbackFolder()).removeRecursively();
    QDir().mkpath(folder());
    if (LogView::exists())
        LogView::view()->clear();
}

void TestLogAndFeedback::initialButtons_data()
{
    QTest::addColumn<bool>("lines");
    QTest::addColumn<bool>("savedFile");
    QTest::addColumn<QString>("states");
    QTest::newRow("nothing") << false << false << "0000001";
    QTest::newRow("file of an earlier run, empty view") << false << true << "1101001";
    QTest::newRow("lines, nothing saved") << true << false << "1101001";
    QTest::newRow("lines and a saved file") << true << true << "1111111";
}

void TestLogAndFeedback::initialButtons()
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

void TestLogAndFeedback::deleteLadder_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("stored file") << "file" << QStringList{"Log: Log file was successfully deleted!"};
    QTest::newRow("stored file gone") << "gone" << QStringList{"Error: Log file is not exists!"};
}

void TestLogAndFeedback::deleteLadder()
{
    QFETCH(QString, stored);
    appendLog(QStringLiteral("launching the program"));
    const QString other = writeBytes(folder() + "/other.txt", "other run");
    writeAppSetting(QStringLiteral("LogPath"), writeBytes(folder() + "/saved.txt", "saved"));
    Log window;
    if (stored == "gone")   // behind the window's back
        QFile::remove(folder() + "/saved.txt");
    testsupport::ModalScript boxes({"OK", "OK"});
    press(window, "Delete");
    QTEST(boxes.seen, "boxes");
    QVERIFY(!QFile::exists(folder() + "/saved.txt") && QFile::exists(other));
    QCOMPARE(logPath(), QString());
}

void TestLogAndFeedback::sendUploadsAndRemovesOnlyThatFile()
{
    FtpTestServer server;
    QVERIFY(server.start());
    server.useForUploads();
    appendLog(QString::fromUtf8("запуск программы"));
    appendLog(QStringLiteral("chosen network - <b>Cafe</b>"));
    const QString earlier = writeBytes(folder() + "/Airvane_Lite_Log_earlier.txt", "an earlier run");
    Log window;
    testsupport::ModalScript boxes({"OK", "OK"});
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
    QCOMPARE(boxes.seen, QStringList{"Log: Log file was successfully saved!\nLog path: " + path});
    QCOMPARE(logPath(), path);
    QCOMPARE(buttons(window), QStringLiteral("1111111"));

    press(window, "Send");
    QCOMPARE(buttons(window).mid(4, 2), QStringLiteral("00"));
    QTRY_COMPARE_WITH_TIMEOUT(boxes.seen.size(), 2, 20000);
    QCOMPARE(boxes.seen.last(), QStringLiteral("Log: Log file was successfully sent!"));
    QCOMPARE(server.bytes("airvane_lite/telemetry/log/" + QFileInfo(path).fileName()), saved);
    QCOMPARE(logPath(), QString());
    QVERIFY(!QFile::exists(path));
    QCOMPARE(bytesOf(earlier), QByteArray("an earlier run"));
}

void TestLogAndFeedback::failedSendKeepsEverything_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("box");
    QTest::newRow("server down") << "down" << "Error: Failed to send the log file! Error code: 1";
    QTest::newRow("read-only folder") << "read-only" << "Error: Failed to send the log file! Error code: 201";
    QTest::newRow("wrong password") << "password" << "Error: Failed to send the log file! Error code: 204";
    QTest::newRow("saved file gone") << "gone" << "Error: Log file is not exists!";
    QTest::newRow("offline") << "offline"
                             << "Error: Network connection is not available! Check your network and try again.";
}

void TestLogAndFeedback::failedSendKeepsEverything()
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
    testsupport::ModalScript boxes({"OK", "OK"});
    press(window, "Save");
    const QString path = window.defaultLogFilePath();
    if (failure == "gone")
        QFile::remove(path);
    press(window, "Send");
    QTRY_COMPARE_WITH_TIMEOUT(boxes.seen.size(), 2, 20000);
    QTEST(boxes.seen.last(), "box");
    QCOMPARE(QFile::exists(path), failure != "gone");
    QCOMPARE(logPath(), path);
    QCOMPARE(buttons(window).mid(4, 2), failure == "gone" ? "00" : "01");
    QVERIFY(server.files("airvane_lite/telemetry/log").isEmpty());
    // No part of the account in anything the program shows or writes (any encoding of it).
    const QString everything = boxes.seen.join('\n') + debugOutput() + LogView::view()->toPlainText();
    for (const QString &secret : {QStringLiteral("W0rd"), QStringLiteral("Wr0ng"), QString(FtpTestServer::user() + ':')})
        QVERIFY2(!everything.contains(secret), qPrintable(everything));
}

void TestLogAndFeedback::viewOutlivesTheWindow()
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

void TestLogAndFeedback::appendBeforeAnyWindowCreatesTheView()
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

void TestLogAndFeedback::eachLineIsAParagraphOfPlainText()
{
    QTextBrowser *view = LogView::view();
    view->clear();
    appendLog(QStringLiteral("check for updates"));
    appendLog(QStringLiteral("chosen network - <b>Cafe</b> & <i>Bar</i>"));
    QCOMPARE(view->document()->blockCount(), 2);
    QVERIFY(view->document()->firstBlock().text().endsWith(QStringLiteral(": check for updates")));
    QVERIFY(view->document()->lastBlock().text().endsWith(QStringLiteral(": chosen network - <b>Cafe</b> & <i>Bar</i>")));
}

void TestLogAndFeedback::lineFormat_data()
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

void TestLogAndFeedback::lineFormat()
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

void TestLogAndFeedback::survivesAdoptionAndItsEnd()
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

void TestLogAndFeedback::fromAnotherThread()
{
    LogView::view()->clear();
    std::thread worker([] { appendLog(QStringLiteral("feedback was successfully sent")); });
    worker.join();
    QTRY_VERIFY(LogView::view()->toPlainText().endsWith(QStringLiteral(": feedback was successfully sent")));
}


void TestLogAndFeedback::attachmentLimit_data()
{
    QTest::addColumn<QList<qint64>>("sizes");
    QTest::addColumn<QString>("label");   // "" stands for the one file's native path
    QTest::newRow("20 MB in one file") << QList<qint64>{20971520} << "No file is selected";
    QTest::newRow("20 MB in two files") << QList<qint64>{10485760, 10485760} << "No file is selected";
    QTest::newRow("one byte less") << QList<qint64>{20971519} << "";
    QTest::newRow("several in MB") << QList<qint64>{1048576, 524288, 1} << "Selected 3 files (1.50 MB)";
    QTest::newRow("exactly 1 MB in KB") << QList<qint64>{524288, 524288} << "Selected 2 files (1024.00 KB)";
}

void TestLogAndFeedback::attachmentLimit()
{
    QFETCH(QList<qint64>, sizes);
    QFETCH(QString, label);
    QStringList paths;
    for (qint64 size : sizes)
        paths << file(QStringLiteral("part%1.dmp").arg(paths.size()), size);
    const bool refused = label == "No file is selected";
    Feedback window;
    testsupport::ModalScript boxes({"OK", "OK"});
    QCOMPARE(window.setAttachments(paths), !refused);
    QCOMPARE(boxes.seen.join(""), refused ? "Error: The size of selected data is too big (max. 20.0 MB)!" : "");
    QCOMPARE(window.attachments(), refused ? QStringList() : paths);
    QCOMPARE(window.findChild<QLabel *>("labelFiles")->text(), label.isEmpty() ? QDir::toNativeSeparators(paths[0]) : label);
    QCOMPARE(window.findChild<QWidget *>("previewRow")->findChildren<QLabel *>().size(), refused ? 0 : paths.size());
}

void TestLogAndFeedback::fileContents_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("text");
    QTest::newRow("English") << int(App::Language::English)
                             << "Application name: Airvane Lite\nApplication build: 2.8.8.652\n"
                                "Application channel: Beta\nApplication architecture: x64\n"
                                "Creation date: 3/5/2024 04:07:09 PM\n"
                                "Feedback type: Problem with the application\nApplication rate: 7\n"
                                "Message: drops <b>every</b> hour\nEmail: jo.doe@example.com\n"
                                "Attachments:\nshot #1.png\ncrash.dmp\n";
    QTest::newRow("Russian") << int(App::Language::Russian)
                             << QString::fromUtf8("Название приложения: Airvane Lite\nСборка приложения: 2.8.8.652\n"
                                                  "Канал приложения: Бета\nАрхитектура приложения: x64\n"
                                                  "Дата создания: 3/5/2024 16:07:09\n"
                                                  "Тип отзыва: Проблема с приложением\nОценка приложения: 7\n"
                                                  "Сообщение: drops <b>every</b> hour\nЭл. почта: jo.doe@example.com\n"
                                                  "Вложения:\nshot #1.png\ncrash.dmp\n");
}

void TestLogAndFeedback::fileContents()
{
    QFETCH(int, language);
    QFETCH(QString, text);
    writeLanguage(App::Language(language));
    writeUpdatesChannel(Update::Channel::Beta);
    QTranslator program;
    loadTranslations(App::Language(language), &program, nullptr);
    auto *window = new Feedback;
    fill(window, "radioButtonProblem", 7, "drops <b>every</b> hour", "jo.doe@example.com");
    window->setAttachments({file("shot #1.png", 10), file("crash.dmp", 10)});
    // 14:07:09 UTC is 16:07:09 in the maker's time zone (UTC+2 in early March).
    const QDateTime when(QDate(2024, 3, 5), QTime(14, 7, 9, 123), Qt::UTC);
    const QByteArray bytes = window->feedbackFileContents(when);
    QCOMPARE(bytes, QTextCodec::codecForName("windows-1251")->fromUnicode(text));
    QVERIFY(language == 1 || bytes.startsWith("\xcd\xe0\xe7\xe2\xe0\xed\xe8\xe5 "));   // "Название "
    QCOMPARE(window->feedbackFilePathFor(when), QDir::toNativeSeparators(feedbackFolder() + "/Airvane_Lite_Feedback_"
                                                                          + QLocale::system().name()
                                                                          + "_2024.03.05.16.07.09.123.txt"));
    delete window;
    removeTranslations(&program, nullptr);
    writeLanguage(App::Language::English);
}

void TestLogAndFeedback::sendWithAttachments()
{
    FtpTestServer server;
    QVERIFY(server.start());
    server.useForUploads();
    const QStringList names = {"shot #1 50%41.png", QString::fromUtf8("дамп памяти.dmp")};
    QPointer<Feedback> window = new Feedback;
    fill(window, "radioButtonVote", 10, QString());   // a vote needs no message
    QVERIFY(window->setAttachments({file(names[0], 3000), file(names[1], 5000)}));
    testsupport::ModalScript boxes({"OK", "OK"});
    send(window);
    QTRY_COMPARE_WITH_TIMEOUT(boxes.seen, QStringList{"Feedback: Thank you for the feedback!"}, 20000);
    QTRY_VERIFY(window.isNull());

    QCOMPARE(server.files("airvane_lite/telemetry/feedback/files"), names);
    QCOMPARE(server.bytes("airvane_lite/telemetry/feedback/files/" + names[1]), bytesOf(files.filePath(names[1])));
    const QStringList sent = server.files("airvane_lite/telemetry/feedback");
    QCOMPARE(sent.size(), 1);
    // The attachments went first, the feedback file last.
    QCOMPARE(server.stored().value(2), "airvane_lite/telemetry/feedback/" + sent[0]);
    QVERIFY(server.bytes("airvane_lite/telemetry/feedback/" + sent[0])
                .endsWith("Feedback type: Just vote for the application\nApplication rate: 10\n"
                          "Attachments:\nshot #1 50%41.png\n\xe4\xe0\xec\xef \xef\xe0\xec\xff\xf2\xe8.dmp\n"));
    QVERIFY(!QFileInfo::exists(feedbackFolder()));
    QVERIFY(LogView::view()->toPlainText().endsWith(": feedback was successfully sent"));
}

void TestLogAndFeedback::workerFirstRecordAndInstallerArea()
{
    FtpTestServer server;
    QVERIFY(server.start());
    server.useForUploads();
    const QString first = writeBytes(files.filePath("first.txt"), "first");
    const QVector<FtpData> records = {record(first), record(file("second.txt", 6))};
    const QStringList paths = {file("a?.png", 1), file("b.png", 2)};
    for (const char *operation : {"uploadToFtp", "multipleUploadsToFTP"}) {
        const NetworkManager::Operation run = NetworkManager::prepareOperation();
        testsupport::SignalRecorder recorder(run.worker);
        if (*operation == 'u')
            NetworkManager::startOperation(run, operation, Q_ARG(QVector<FtpData>, records));
        else
            NetworkManager::startOperation(run, operation, Q_ARG(QString, "ALI"), Q_ARG(QString, "feedback/files"),
                                           Q_ARG(QStringList, paths));
        QVERIFY(recorder.waitFor("finished"));
        QCOMPARE(recorder.names().join(' '), *operation == 'u' ? "dataUploaded finished" : "finished");
    }
    QCOMPARE(server.files("airvane_lite/telemetry/log"), QStringList{"first.txt"});
    QCOMPARE(server.bytes("airvane_lite/telemetry/log/first.txt"), QByteArray("first"));
    QCOMPARE(server.files("installers/online/ali/telemetry/feedback/files"), (QStringList{"a?.png", "b.png"}));
    // Sent, so removed here; the folder stays while it holds another file.
    QVERIFY(!QFile::exists(first) && QFile::exists(files.filePath("second.txt")));
}

void TestLogAndFeedback::workerServerStoppedMidTransfer()
{
    FtpTestServer server;
    QVERIFY(server.start({"--slow", "65536"}));
    server.useForUploads();
    FtpUploadJob::setTimeLimit(2000, 1 << 30);
    const QByteArray body(4 * 1024 * 1024, 'L');
    const QString big = writeBytes(files.filePath("big.txt"), body);
    const NetworkManager::Operation operation = NetworkManager::prepareOperation();
    testsupport::SignalRecorder recorder(operation.worker);
    NetworkManager::startOperation(operation, "uploadToFtp", Q_ARG(QVector<FtpData>, {record(big)}));
    QTRY_VERIFY_WITH_TIMEOUT(!server.stored().isEmpty(), 10000);
    server.stop();
    QVERIFY(recorder.waitFor("finished", 1, 30000));
    QCOMPARE(recorder.names(), (QStringList{"dataUploadFailed", "finished"}));
    QCOMPARE(recorder.lastArguments("dataUploadFailed"), QVariantList{int(QNetworkReply::TimeoutError)});
    QCOMPARE(bytesOf(big), body);
    FtpUploadJob::setTimeLimit(60000, 16 * 1024);
}

QTEST_MAIN(TestLogAndFeedback)
#include "tst_logandfeedback.moc"
