// The feedback window: attachments, validation, the feedback file, and sending to a real FTP server.

#include "UploadTestKit.h"

#include "app/appearance/Translations.h"
#include "app/settings/SettingsEnums.h"
#include "app/startup/TranslationResources.h"
#include "core/FtpTestServer.h"
#include "core/TestSettings.h"
#include "feedback/Feedback.h"
#include "log/LogView.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTextCodec>
#include <QTranslator>
#include <QtTest>

using testsupport::FtpTestServer;

namespace {

template <typename T>
T *child(QWidget *window, const char *name)
{
    return window->findChild<T *>(QLatin1String(name));
}

void fill(Feedback *window, const char *type, int rate, const QString &message, const QString &email = QString())
{
    if (type)
        child<QRadioButton>(window, type)->click();
    if (rate)
        child<QRadioButton>(window, qPrintable(QStringLiteral("radioButtonRate%1").arg(rate)))->click();
    child<QPlainTextEdit>(window, "textEditMessage")->setPlainText(message);
    if (!email.isNull()) {
        child<QCheckBox>(window, "checkBoxEmail")->click();
        child<QLineEdit>(window, "lineEditEmail")->setText(email);
    }
}

QString feedbackFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/Feedback");
}

} // namespace

class TestFeedback : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void sendNeedsAType();
    void attachmentLimit_data();
    void attachmentLimit();
    void fileContents_data();
    void fileContents();
    void validation_data();
    void validation();
    void sendWithAttachments();
    void failedSendKeepsTheFile_data();
    void failedSendKeepsTheFile();

private:
    QString makeFile(const QString &name, qint64 size);
    QTemporaryDir files;
};

void TestFeedback::initTestCase()
{
    initTranslationResources();
    QVERIFY(files.isValid());
}

void TestFeedback::init()
{
    testsupport::resetSettings();
    QDir(feedbackFolder()).removeRecursively();
}

QString TestFeedback::makeFile(const QString &name, qint64 size)
{
    QFile file(files.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || !file.resize(size))
        return QString();
    return file.fileName();
}

void TestFeedback::sendNeedsAType()
{
    Feedback window;
    auto *send = child<QPushButton>(&window, "pushButtonSend");
    QVERIFY(!send->isEnabled());
    child<QRadioButton>(&window, "radioButtonRate3")->click();
    QVERIFY(!send->isEnabled());
    child<QRadioButton>(&window, "radioButtonVote")->click();
    QVERIFY(send->isEnabled());
    // The rating and the type are chosen independently.
    QVERIFY(child<QRadioButton>(&window, "radioButtonRate3")->isChecked());
    QVERIFY(!child<QLineEdit>(&window, "lineEditEmail")->isEnabled());
    child<QCheckBox>(&window, "checkBoxEmail")->click();
    QVERIFY(child<QLineEdit>(&window, "lineEditEmail")->isEnabled());
}

void TestFeedback::attachmentLimit_data()
{
    QTest::addColumn<QList<qint64>>("sizes");
    QTest::addColumn<QString>("label");   // "<path>" stands for the one file's native path
    QTest::addColumn<bool>("refused");
    QTest::newRow("20 MB in one file") << QList<qint64>{20971520} << "No file is selected" << true;
    QTest::newRow("20 MB in two files") << QList<qint64>{10485760, 10485760} << "No file is selected" << true;
    QTest::newRow("one byte less") << QList<qint64>{20971519} << "<path>" << false;
    QTest::newRow("several in MB") << QList<qint64>{1048576, 524288, 1} << "Selected 3 files (1.50 MB)" << false;
    QTest::newRow("exactly 1 MB in KB") << QList<qint64>{524288, 524288} << "Selected 2 files (1024.00 KB)" << false;
}

void TestFeedback::attachmentLimit()
{
    QFETCH(QList<qint64>, sizes);
    QFETCH(QString, label);
    QFETCH(bool, refused);
    QStringList paths;
    for (int i = 0; i < sizes.size(); ++i)
        paths << makeFile(QStringLiteral("part%1.dmp").arg(i), sizes[i]);
    Feedback window;
    uploadkit::BoxWatcher boxes;
    QCOMPARE(window.setAttachments(paths), !refused);
    QCOMPARE(boxes.boxes, refused ? QStringList{"Error|The size of selected data is too big (max. 20.0 MB)!"}
                                  : QStringList());
    QCOMPARE(window.attachments(), refused ? QStringList() : paths);
    auto *shown = child<QLabel>(&window, "labelFiles");
    QCOMPARE(shown->text(), label == "<path>" ? QDir::toNativeSeparators(paths.first()) : label);
    const auto previews = child<QWidget>(&window, "previewRow")->findChildren<QLabel *>();
    QCOMPARE(previews.size(), refused ? 0 : paths.size());
    if (!refused) {
        QCOMPARE(previews.first()->size(), QSize(100, 100));
        QCOMPARE(previews.first()->toolTip(), QStringLiteral("Click to open"));
    }
    child<QPushButton>(&window, "pushButtonClearFiles")->click();
    QCOMPARE(shown->text(), QStringLiteral("No file is selected"));
    QVERIFY(window.attachments().isEmpty());
    QTRY_VERIFY(child<QWidget>(&window, "previewRow")->findChildren<QLabel *>().isEmpty());
}

void TestFeedback::fileContents_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("text");
    QTest::newRow("English") << int(App::Language::English)
                             << "Application name: Airvane Lite\n"
                                "Application build: 2.8.8.652\n"
                                "Application channel: Beta\n"
                                "Application architecture: x64\n"
                                "Creation date: 3/5/2024 04:07:09 PM\n"
                                "Feedback type: Problem with the application\n"
                                "Application rate: 7\n"
                                "Message: drops <b>every</b> hour\n"
                                "Email: jo.doe@example.com\n"
                                "Attachments:\n"
                                "shot #1.png\n"
                                "crash.dmp\n";
    QTest::newRow("Russian") << int(App::Language::Russian)
                             << QString::fromUtf8("Название приложения: Airvane Lite\n"
                                                  "Сборка приложения: 2.8.8.652\n"
                                                  "Канал приложения: Бета\n"
                                                  "Архитектура приложения: x64\n"
                                                  "Дата создания: 3/5/2024 16:07:09\n"
                                                  "Тип отзыва: Проблема с приложением\n"
                                                  "Оценка приложения: 7\n"
                                                  "Сообщение: drops <b>every</b> hour\n"
                                                  "Эл. почта: jo.doe@example.com\n"
                                                  "Вложения:\n"
                                                  "shot #1.png\n"
                                                  "crash.dmp\n");
}

void TestFeedback::fileContents()
{
    QFETCH(int, language);
    QFETCH(QString, text);
    writeLanguage(App::Language(language));
    writeUpdatesChannel(Update::Channel::Beta);
    QTranslator program;
    QVERIFY(loadTranslations(App::Language(language), &program, nullptr) || language == 1);
    {
        Feedback window;
        fill(&window, "radioButtonProblem", 7, QStringLiteral("drops <b>every</b> hour"),
             QStringLiteral("jo.doe@example.com"));
        window.setAttachments({makeFile("shot #1.png", 10), makeFile("crash.dmp", 10)});
        // 14:07:09 UTC is 16:07:09 in the maker's time zone (UTC+2 in early March).
        const QDateTime when(QDate(2024, 3, 5), QTime(14, 7, 9, 123), Qt::UTC);
        const QByteArray bytes = window.feedbackFileContents(when);
        QCOMPARE(bytes, QTextCodec::codecForName("windows-1251")->fromUnicode(text));
        if (language == int(App::Language::Russian))
            QVERIFY(bytes.startsWith("\xcd\xe0\xe7\xe2\xe0\xed\xe8\xe5 "));   // "Название "
        QCOMPARE(QFileInfo(window.feedbackFilePathFor(when)).fileName(),
                 "Airvane_Lite_Feedback_" + QLocale::system().name() + "_2024.03.05.16.07.09.123.txt");
        QCOMPARE(window.feedbackFilePathFor(when),
                 QDir::toNativeSeparators(feedbackFolder() + "/" + QFileInfo(window.feedbackFilePathFor(when)).fileName()));
    }
    removeTranslations(&program, nullptr);
}

void TestFeedback::validation_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("rate");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("box");
    QTest::newRow("problem without text") << "radioButtonProblem" << 5 << "" << QString() << "Feedback field is empty!";
    QTest::newRow("no rating") << "radioButtonVote" << 0 << "" << QString() << "You forgot to rate this application!";
    QTest::newRow("empty address") << "radioButtonSuggestion" << 9 << "more" << "" << "Email field is empty!";
    QTest::newRow("no domain") << "radioButtonVote" << 9 << "" << "jo@example" << "Please enter a valid email address!";
    QTest::newRow("upper-case domain") << "radioButtonVote" << 9 << "" << "jo@EXAMPLE.COM"
                                       << "Please enter a valid email address!";
}

void TestFeedback::validation()
{
    QFETCH(QString, type);
    QFETCH(int, rate);
    QFETCH(QString, message);
    QFETCH(QString, email);
    QFETCH(QString, box);
    Feedback window;
    fill(&window, qPrintable(type), rate, message, email);
    uploadkit::BoxWatcher boxes;
    child<QPushButton>(&window, "pushButtonSend")->click();
    QCOMPARE(boxes.boxes, QStringList{"Error|" + box});
    QVERIFY(QDir(feedbackFolder()).entryList(QDir::Files).isEmpty());
}

void TestFeedback::sendWithAttachments()
{
    FtpTestServer server;
    QVERIFY(server.start());
    server.useForUploads();
    const QString picture = makeFile("shot #1 50%.png", 3000);
    const QString dump = makeFile(QString::fromUtf8("дамп памяти.dmp"), 5000);
    LogView::view()->clear();

    QPointer<Feedback> window = new Feedback;
    // A vote needs no message.
    fill(window, "radioButtonVote", 10, QString());
    QVERIFY(window->setAttachments({picture, dump}));
    uploadkit::BoxWatcher boxes;
    child<QPushButton>(window, "pushButtonSend")->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes.boxes, QStringList{"Feedback|Thank you for the feedback!"}, 20000);
    QTRY_VERIFY(window.isNull());

    QCOMPARE(server.remoteFiles("airvane_lite/telemetry/feedback/files"),
             (QStringList{"shot #1 50%.png", QString::fromUtf8("дамп памяти.dmp")}));
    QCOMPARE(server.remoteBytes("airvane_lite/telemetry/feedback/files/shot #1 50%.png"), uploadkit::bytesOf(picture));
    const QStringList sent = server.remoteFiles("airvane_lite/telemetry/feedback");
    QCOMPARE(sent.size(), 1);
    QVERIFY(sent.first().startsWith("Airvane_Lite_Feedback_"));
    // The attachments went first, the feedback file last.
    const QStringList order = server.storedPaths();
    QCOMPARE(order.size(), 3);
    QCOMPARE(order.last(), "airvane_lite/telemetry/feedback/" + sent.first());
    const QByteArray uploaded = server.remoteBytes("airvane_lite/telemetry/feedback/" + sent.first());
    QVERIFY2(uploaded.endsWith("Feedback type: Just vote for the application\nApplication rate: 10\n"
                               "Attachments:\nshot #1 50%.png\n\xe4\xe0\xec\xef \xef\xe0\xec\xff\xf2\xe8.dmp\n"),
             uploaded.constData());
    QVERIFY(!QFileInfo::exists(feedbackFolder()));
    QVERIFY(LogView::view()->toPlainText().endsWith(": feedback was successfully sent"));
}

void TestFeedback::failedSendKeepsTheFile_data()
{
    QTest::addColumn<bool>("wrongPassword");
    QTest::addColumn<int>("code");
    QTest::newRow("read-only folder") << false << int(QNetworkReply::ContentAccessDenied);
    QTest::newRow("wrong password") << true << int(QNetworkReply::AuthenticationRequiredError);
}

void TestFeedback::failedSendKeepsTheFile()
{
    QFETCH(bool, wrongPassword);
    QFETCH(int, code);
    FtpTestServer server;
    FtpTestServer::Options options;
    if (!wrongPassword)
        options.readOnly << "airvane_lite/telemetry/feedback";
    QVERIFY(server.start(options));
    server.useForUploads(wrongPassword ? QStringLiteral("Wr0ng:p@ss/#16ch") : FtpTestServer::password());
    uploadkit::MessageLog messages;

    QPointer<Feedback> window = new Feedback;
    fill(window, "radioButtonProblem", 2, QStringLiteral("it fails"));
    uploadkit::BoxWatcher boxes;
    child<QPushButton>(window, "pushButtonSend")->click();
    QTRY_COMPARE_WITH_TIMEOUT(boxes.boxes.size(), 1, 20000);
    QCOMPARE(boxes.boxes.first(), QStringLiteral("Error|Failed to send the feedback! Error code: %1").arg(code));
    QVERIFY(!window.isNull());
    QTRY_VERIFY(child<QPushButton>(window, "pushButtonSend")->isEnabled());
    const QStringList kept = QDir(feedbackFolder()).entryList(QDir::Files);
    QCOMPARE(kept.size(), 1);
    QVERIFY(uploadkit::bytesOf(feedbackFolder() + "/" + kept.first()).contains("Message: it fails\n"));
    const QString everything = boxes.boxes.join('\n') + messages.text();
    QVERIFY(!everything.contains("W0rd") && !everything.contains("Wr0ng"));
    delete window;
}

QTEST_MAIN(TestFeedback)
#include "tst_feedback.moc"
