#include "FtpTestServer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTcpServer>
#include <QThread>

namespace testsupport {

namespace {

QString scriptPath()
{
    const QString tests = qEnvironmentVariable("AIRVANE_TEST_SOURCE_DIR");
    return QDir(tests).absoluteFilePath(QStringLiteral("support/servers/ftp_server.py"));
}

// Something that accepts connections, for the program's network probe.
QTcpServer *probeTarget()
{
    static QTcpServer *server = [] {
        auto *listener = new QTcpServer(QCoreApplication::instance());
        listener->listen(QHostAddress::LocalHost);
        return listener;
    }();
    return server;
}

} // namespace

FtpTestServer::~FtpTestServer()
{
    stop();
}

bool FtpTestServer::start(const Options &options)
{
    QStringList arguments = {scriptPath(), m_root.path(), user(), password()};
    for (const QString &folder : options.readOnly)
        arguments << QStringLiteral("--read-only") << QStringLiteral("public_html/apps/") + folder;
    if (options.bytesPerSecond > 0)
        arguments << QStringLiteral("--slow") << QString::number(options.bytesPerSecond);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PYTHONIOENCODING"), QStringLiteral("utf-8"));
    m_process.setProcessEnvironment(environment);
    m_process.start(QStringLiteral("/usr/bin/python3"), arguments);
    if (!m_process.waitForStarted(5000))
        return false;
    const QRegularExpression portLine(QStringLiteral("PORT (\\d+)"));
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        m_process.waitForReadyRead(100);
        m_output += m_process.readAllStandardOutput();
        const auto match = portLine.match(QString::fromUtf8(m_output));
        if (match.hasMatch()) {
            m_port = match.captured(1).toInt();
            return true;
        }
        if (m_process.state() == QProcess::NotRunning)
            return false;
    }
    return false;
}

void FtpTestServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(5000);
}

bool FtpTestServer::isRunning() const
{
    return m_process.state() == QProcess::Running;
}

void FtpTestServer::useForUploads(const QString &passwordToUse) const
{
    qputenv("AIRVANE_FTP_BASE_URL", QStringLiteral("ftp://127.0.0.1:%1").arg(m_port).toUtf8());
    qputenv("AIRVANE_FTP_USER", user().toUtf8());
    qputenv("AIRVANE_FTP_PASSWORD", passwordToUse.toUtf8());
    qputenv("AIRVANE_WEB_BASE_URL",
            QStringLiteral("https://127.0.0.1:%1").arg(probeTarget()->serverPort()).toUtf8());
}

QString FtpTestServer::remoteFile(const QString &relative) const
{
    return m_root.filePath(QStringLiteral("public_html/apps/") + relative);
}

QStringList FtpTestServer::remoteFiles(const QString &relativeFolder) const
{
    return QDir(remoteFile(relativeFolder)).entryList(QDir::Files, QDir::Name);
}

QByteArray FtpTestServer::remoteBytes(const QString &relative) const
{
    QFile file(remoteFile(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList FtpTestServer::storedPaths()
{
    m_output += m_process.readAllStandardOutput();
    QStringList paths;
    const QStringList lines = QString::fromUtf8(m_output).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("STOR public_html/apps/")))
            paths << line.mid(int(qstrlen("STOR public_html/apps/")));
    }
    return paths;
}

bool FtpTestServer::waitForTransferStart(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (!storedPaths().isEmpty())
            return true;
        m_process.waitForReadyRead(50);
    }
    return false;
}

} // namespace testsupport
