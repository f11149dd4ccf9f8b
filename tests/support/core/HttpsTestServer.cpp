#include "HttpsTestServer.h"

#include "net/NetworkEndpoints.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTcpServer>

namespace testsupport {

HttpsTestServer::HttpsTestServer() = default;

HttpsTestServer::~HttpsTestServer()
{
    m_process.kill();
    m_process.waitForFinished(3000);
}

bool HttpsTestServer::start()
{
    const QString script = qEnvironmentVariable("AIRVANE_TEST_SOURCE_DIR") + "/support/servers/https_server.py";
    if (!QFileInfo::exists(script)) {
        m_error = "server script not found: " + script;
        return false;
    }
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start("/usr/bin/python3", {script, m_dir.path()});
    if (!m_process.waitForStarted(5000)) {
        m_error = "python3 did not start";
        return false;
    }
    while (!m_process.canReadLine()) {
        if (!m_process.waitForReadyRead(30000)) {
            m_error = "the server did not report its ports";
            return false;
        }
    }
    const QJsonObject ready = QJsonDocument::fromJson(m_process.readLine()).object();
    m_good = ready.value("good").toInt();
    m_bad = ready.value("bad").toInt();
    m_plain = ready.value("plain").toInt();
    const auto authority = QSslCertificate::fromPath(ready.value("ca").toString());
    if (!m_good || authority.isEmpty()) {
        m_error = "unexpected ready line";
        return false;
    }
    // Trusted by this process only: the system's store is left alone.
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.addCaCertificates(authority);
    QSslConfiguration::setDefaultConfiguration(configuration);
    useGood();
    return true;
}

QString HttpsTestServer::goodBase() const { return QString("https://127.0.0.1:%1").arg(m_good); }
QString HttpsTestServer::badBase() const { return QString("https://127.0.0.1:%1").arg(m_bad); }
QString HttpsTestServer::plainBase() const { return QString("http://127.0.0.1:%1").arg(m_plain); }

void HttpsTestServer::serve(const QString &path, const QByteArray &body, int status)
{
    const QString file = m_dir.path() + "/root" + path;
    QDir().mkpath(QFileInfo(file).path());
    QFile out(file);
    out.open(QIODevice::WriteOnly | QIODevice::Truncate);
    out.write(body);
    QFile statusFile(file + ".status");
    statusFile.open(QIODevice::WriteOnly | QIODevice::Truncate);
    statusFile.write(QByteArray::number(status));
}

QStringList HttpsTestServer::requests() const
{
    QFile log(m_dir.path() + "/requests.log");
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
}

void HttpsTestServer::clearRequests()
{
    QFile::remove(m_dir.path() + "/requests.log");
}

void HttpsTestServer::useGood() { qputenv(endpoints::webOverrideVariable, goodBase().toUtf8()); }
void HttpsTestServer::useBad() { qputenv(endpoints::webOverrideVariable, badBase().toUtf8()); }

void HttpsTestServer::useUnreachable()
{
    // A port that was free a moment ago: connections to it are refused at once.
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    qputenv(endpoints::webOverrideVariable, QString("https://127.0.0.1:%1").arg(port).toUtf8());
}

} // namespace testsupport
