// The upload operations of the network worker against a real FTP server.

#include "UploadTestKit.h"

#include "core/FtpTestServer.h"
#include "core/SignalRecorder.h"
#include "core/TestSettings.h"
#include "net/FtpData.h"
#include "net/FtpUploadJob.h"
#include "net/NetworkManager.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using testsupport::FtpTestServer;

class TestFtpUpload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void onlyTheFirstRecordIsUploaded();
    void areasAndNames_data();
    void areasAndNames();
    void serverStoppedMidTransfer();
    void unreadableFileIsAFailure();

private:
    // Runs one operation the way the windows do and records what the worker reports.
    QStringList run(const char *slot, QGenericArgument a1, QGenericArgument a2 = QGenericArgument(nullptr),
                    QGenericArgument a3 = QGenericArgument(nullptr));
    FtpData record(const QString &file) const;

    QTemporaryDir local;
};

void TestFtpUpload::initTestCase()
{
    testsupport::resetSettings();
    QVERIFY(local.isValid());
}

QStringList TestFtpUpload::run(const char *slot, QGenericArgument a1, QGenericArgument a2, QGenericArgument a3)
{
    const NetworkManager::Operation operation = NetworkManager::prepareOperation();
    auto outcome = std::make_shared<QStringList>();
    QObject context;
    connect(operation.worker, &NetworkManager::dataUploaded, &context, [outcome] { *outcome << "dataUploaded"; });
    connect(operation.worker, &NetworkManager::dataUploadFailed, &context,
            [outcome](int code) { *outcome << QStringLiteral("dataUploadFailed %1").arg(code); });
    connect(operation.worker, &NetworkManager::finished, &context, [outcome] { *outcome << "finished"; });
    NetworkManager::startOperation(operation, slot, a1, a2, a3);
    if (!QTest::qWaitFor([outcome] { return outcome->contains("finished"); }, 30000))
        *outcome << "timed out";
    return *outcome;
}

FtpData TestFtpUpload::record(const QString &file) const
{
    FtpData data;
    data.directoryPath = local.path();
    data.filePath = local.filePath(file);
    data.productName = QStringLiteral("Airvane Lite");
    data.ftpDirName = QStringLiteral("log");
    return data;
}

void TestFtpUpload::onlyTheFirstRecordIsUploaded()
{
    FtpTestServer server;
    QVERIFY(server.start());
    server.useForUploads();
    QVERIFY(uploadkit::writeBytes(local.filePath("first.txt"), "first"));
    QVERIFY(uploadkit::writeBytes(local.filePath("second.txt"), "second"));
    const QVector<FtpData> records = {record("first.txt"), record("second.txt")};

    QCOMPARE(run("uploadToFtp", Q_ARG(QVector<FtpData>, records)), (QStringList{"dataUploaded", "finished"}));
    QCOMPARE(server.remoteFiles("airvane_lite/telemetry/log"), QStringList{"first.txt"});
    QCOMPARE(server.remoteBytes("airvane_lite/telemetry/log/first.txt"), QByteArray("first"));
}

void TestFtpUpload::areasAndNames_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("remoteFolder");
    QTest::newRow("installer area") << "ALI" << "installers/online/ali/telemetry/feedback/files";
    QTest::newRow("product area") << "Airvane Lite" << "airvane_lite/telemetry/feedback/files";
}

void TestFtpUpload::areasAndNames()
{
    QFETCH(QString, product);
    QFETCH(QString, remoteFolder);
    FtpTestServer server;
    QVERIFY(server.start());
    server.useForUploads();
    QStringList names = {QStringLiteral("shot #1 100%.png"), QStringLiteral("why?%41.dmp"),
                         QString::fromUtf8("снимок экрана.png")};
    QStringList paths;
    for (const QString &name : names) {
        paths << local.filePath(name);
        QVERIFY(uploadkit::writeBytes(paths.last(), name.toUtf8()));
    }

    QCOMPARE(run("multipleUploadsToFTP", Q_ARG(QString, product), Q_ARG(QString, QStringLiteral("feedback/files")),
                 Q_ARG(QStringList, paths)),
             QStringList{"finished"});
    names.sort();
    QCOMPARE(server.remoteFiles(remoteFolder), names);
    for (const QString &name : names)
        QCOMPARE(server.remoteBytes(remoteFolder + QLatin1Char('/') + name), name.toUtf8());
}

void TestFtpUpload::serverStoppedMidTransfer()
{
    FtpTestServer server;
    FtpTestServer::Options slow;
    slow.bytesPerSecond = 64 * 1024;
    QVERIFY(server.start(slow));
    server.useForUploads();
    FtpUploadJob::setTimeLimit(2000, 1 << 30);
    const QByteArray body(4 * 1024 * 1024, 'L');
    QVERIFY(uploadkit::writeBytes(local.filePath("big.txt"), body));
    FtpData data = record("big.txt");
    data.deleteFileAfterUpload = true;
    data.deleteDirectoryAfterUpload = true;

    const NetworkManager::Operation operation = NetworkManager::prepareOperation();
    testsupport::SignalRecorder recorder(operation.worker);
    NetworkManager::startOperation(operation, "uploadToFtp", Q_ARG(QVector<FtpData>, {data}));
    QVERIFY(server.waitForTransferStart());
    server.stop();
    QVERIFY(recorder.waitFor("finished", 1, 30000));
    QCOMPARE(recorder.names(), (QStringList{"dataUploadFailed", "finished"}));
    QCOMPARE(recorder.lastArguments("dataUploadFailed"), QVariantList{int(QNetworkReply::TimeoutError)});
    QCOMPARE(uploadkit::bytesOf(local.filePath("big.txt")), body);
    FtpUploadJob::setTimeLimit(60000, 16 * 1024);
}

void TestFtpUpload::unreadableFileIsAFailure()
{
    FtpTestServer server;
    QVERIFY(server.start());
    server.useForUploads();
    QCOMPARE(run("uploadToFtp", Q_ARG(QVector<FtpData>, {record("gone.txt")})),
             (QStringList{QStringLiteral("dataUploadFailed %1").arg(int(QNetworkReply::ContentNotFoundError)),
                          "finished"}));
    QVERIFY(server.remoteFiles("airvane_lite/telemetry/log").isEmpty());
}

QTEST_MAIN(TestFtpUpload)
#include "tst_ftpupload.moc"
