// The feedback window and the upload operations of the network worker, against a real FTP server.

#include "UploadTestKit.h"

#include "app/appearance/Translations.h"
#include "app/startup/TranslationResources.h"
#include "core/FtpTestServer.h"
#include "core/SignalRecorder.h"
#include "core/TestSettings.h"
#include "feedback/Feedback.h"
#include "log/LogView.h"
#include "net/FtpUploadJob.h"
#include "net/NetworkManager.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTextCodec>
#include <QTranslator>
#include <QtTest>

using testsupport::FtpTestServer;
using uploadkit::bytesOf;

class TestFeedback : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { QDir(folder()).removeRecursively(); }
    void attachmentLimit_data();
    void attachmentLimit();
    void fileContents_data();
    void fileContents();
    void sendWithAttachments();
    void workerFirstRecordAndInstallerArea();
    void workerServerStoppedMidTransfer();

private:
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

    QTemporaryDir files;
    static QString folder() { return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/Feedback"; }
};

void TestFeedback::initTestCase()
{
    testsupport::resetSettings();
    initTranslationResources();
}

void TestFeedback::attachmentLimit_data()
{
    QTest::addColumn<QList<qint64>>("sizes");
    QTest::addColumn<QString>("label");   // "" stands for the one file's native path
    QTest::newRow("20 MB in one file") << QList<qint64>{20971520} << "No file is selected";
    QTest::newRow("20 MB in two files") << QList<qint64>{10485760, 10485760} << "No file is selected";
    QTest::newRow("one byte less") << QList<qint64>{20971519} << "";
    QTest::newRow("several in MB") << QList<qint64>{1048576, 524288, 1} << "Selected 3 files (1.50 MB)";
    QTest::newRow("exactly 1 MB in KB") << QList<qint64>{524288, 524288} << "Selected 2 files (1024.00 KB)";
}

void TestFeedback::attachmentLimit()
{
    QFETCH(QList<qint64>, sizes);
    QFETCH(QString, label);
    QStringList paths;
    for (qint64 size : sizes)
        paths << file(QStringLiteral("part%1.dmp").arg(paths.size()), size);
    const bool refused = label == "No file is selected";
    Feedback window;
    uploadkit::BoxWatcher boxes;
    QCOMPARE(window.setAttachments(paths), !refused);
    QCOMPARE(boxes.boxes.join(""), refused ? "Error|The size of selected data is too big (max. 20.0 MB)!" : "");
    QCOMPARE(window.attachments(), refused ? QStringList() : paths);
    QCOMPARE(window.findChild<QLabel *>("labelFiles")->text(), label.isEmpty() ? QDir::toNativeSeparators(paths[0]) : label);
    QCOMPARE(window.findChild<QWidget *>("previewRow")->findChildren<QLabel *>().size(), refused ? 0 : paths.size());
}

void TestFeedback::fileContents_data()
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

void TestFeedback::fileContents()
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
    QCOMPARE(window->feedbackFilePathFor(when), QDir::toNativeSeparators(folder() + "/Airvane_Lite_Feedback_"
                                                                          + QLocale::system().name()
                                                                          + "_2024.03.05.16.07.09.123.txt"));
    delete window;
    removeTranslations(&program, nullptr);
    writeLanguage(App::Language::English);
}

void TestFeedback::sendWithAttachments()
{
    FtpTestServer server;
    QVERIFY(server.start());
    server.useForUploads();
    const QStringList names = {"shot #1 50%41.png", QString::fromUtf8("дамп памяти.dmp")};
    QPointer<Feedback> window = new Feedback;
    fill(window, "radioButtonVote", 10, QString());   // a vote needs no message
    QVERIFY(window->setAttachments({file(names[0], 3000), file(names[1], 5000)}));
    uploadkit::BoxWatcher boxes;
    send(window);
    QTRY_COMPARE_WITH_TIMEOUT(boxes.boxes, QStringList{"Feedback|Thank you for the feedback!"}, 20000);
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
    QVERIFY(!QFileInfo::exists(folder()));
    QVERIFY(LogView::view()->toPlainText().endsWith(": feedback was successfully sent"));
}

void TestFeedback::workerFirstRecordAndInstallerArea()
{
    FtpTestServer server;
    QVERIFY(server.start());
    server.useForUploads();
    const QString first = uploadkit::writeBytes(files.filePath("first.txt"), "first");
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

void TestFeedback::workerServerStoppedMidTransfer()
{
    FtpTestServer server;
    QVERIFY(server.start({"--slow", "65536"}));
    server.useForUploads();
    FtpUploadJob::setTimeLimit(2000, 1 << 30);
    const QByteArray body(4 * 1024 * 1024, 'L');
    const QString big = uploadkit::writeBytes(files.filePath("big.txt"), body);
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

QTEST_MAIN(TestFeedback)
#include "tst_feedback.moc"
