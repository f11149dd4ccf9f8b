#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTcpServer>
#include <QTemporaryDir>

namespace testsupport {

// A real FTP server (tests/support/servers/ftp_server.py, pyftpdlib under /usr/bin/python3) on a
// free port of 127.0.0.1, serving a temporary folder with the maker's upload tree public_html/apps/...
// The account has the production lengths (17 and 16 characters) and characters an address escapes.
class FtpTestServer
{
public:
    static QString user() { return QStringLiteral("ali_upload_tester"); }
    static QString password() { return QStringLiteral("p@ss:W0rd/#16chr"); }

    // Extra arguments: "--read-only <folder below public_html/apps/>", "--slow <bytes per second>".
    bool start(const QStringList &extra = {})
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PYTHONIOENCODING"), QStringLiteral("utf-8"));
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral("/usr/bin/python3"),
                        QStringList{qEnvironmentVariable("AIRVANE_TEST_SOURCE_DIR") + "/support/servers/ftp_server.py",
                                    m_root.path(), user(), password()} + extra);
        const QRegularExpression portLine(QStringLiteral("PORT (\\d+)"));
        for (QDeadlineTimer deadline(10000); !deadline.hasExpired() && m_process.state() != QProcess::NotRunning;) {
            m_process.waitForReadyRead(100);
            m_output += m_process.readAllStandardOutput();
            const auto match = portLine.match(QString::fromUtf8(m_output));
            if (match.hasMatch())
                return (m_port = match.captured(1).toInt()) > 0;
        }
        return false;
    }
    // The hard way, as a machine that goes away would.
    void stop() { m_process.kill(); m_process.waitForFinished(5000); }
    ~FtpTestServer() { stop(); }

    // Points uploads (base address and account) at this server, and the network probe at a port
    // that answers.
    void useForUploads(const QString &passwordToUse = password()) const
    {
        static QTcpServer *probe = [] {
            auto *listener = new QTcpServer(QCoreApplication::instance());
            listener->listen(QHostAddress::LocalHost);
            return listener;
        }();
        qputenv("AIRVANE_FTP_BASE_URL", QStringLiteral("ftp://127.0.0.1:%1").arg(m_port).toUtf8());
        qputenv("AIRVANE_FTP_USER", user().toUtf8());
        qputenv("AIRVANE_FTP_PASSWORD", passwordToUse.toUtf8());
        qputenv("AIRVANE_WEB_BASE_URL", QStringLiteral("https://127.0.0.1:%1").arg(probe->serverPort()).toUtf8());
    }

    int port() const { return m_port; }
    // Below public_html/apps/, e.g. "airvane_lite/telemetry/log".
    QStringList files(const QString &folder) const
    {
        return QDir(m_root.filePath("public_html/apps/" + folder)).entryList(QDir::Files, QDir::Name);
    }
    QByteArray bytes(const QString &file) const
    {
        QFile stored(m_root.filePath("public_html/apps/" + file));
        return stored.open(QIODevice::ReadOnly) ? stored.readAll() : QByteArray();
    }
    // Where transfers were started, in order, as the server logged them.
    QStringList stored()
    {
        m_output += m_process.readAllStandardOutput();
        QStringList paths;
        for (const QString &line : QString::fromUtf8(m_output).split('\n'))
            if (line.startsWith(QLatin1String("STOR public_html/apps/")))
                paths << line.mid(22);
        return paths;
    }

private:
    QTemporaryDir m_root;
    QProcess m_process;
    QByteArray m_output;
    int m_port = 0;
};

} // namespace testsupport
