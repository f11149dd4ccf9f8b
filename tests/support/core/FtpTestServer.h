#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace testsupport {

// A real FTP server (tests/support/servers/ftp_server.py, pyftpdlib under /usr/bin/python3) on a free
// port of 127.0.0.1, serving a temporary folder that holds the maker's upload tree
// public_html/apps/... The account has the production lengths: 17 and 16 characters, with the
// characters that an address must escape in its password.
class FtpTestServer
{
public:
    static QString user() { return QStringLiteral("ali_upload_tester"); }
    static QString password() { return QStringLiteral("p@ss:W0rd/#16chr"); }

    struct Options
    {
        QStringList readOnly;        // folders under the root without write permission
        int bytesPerSecond = 0;      // throttles incoming transfers when set
    };

    FtpTestServer() = default;
    ~FtpTestServer();

    bool start(const Options &options);
    bool start() { return start(Options()); }
    // Stops the server the hard way, as a machine that goes away would.
    void stop();
    bool isRunning() const;

    // Points the program's uploads at this server (base address and account) and its network
    // probe at a port that answers. With a wrong password the login is refused.
    void useForUploads(const QString &passwordToUse = password()) const;

    int port() const { return m_port; }
    // A file below public_html/apps/, e.g. "airvane_lite/telemetry/log/x.txt".
    QString remoteFile(const QString &relative) const;
    QStringList remoteFiles(const QString &relativeFolder) const;
    QByteArray remoteBytes(const QString &relative) const;
    // The folders a transfer was started into, in order, as the server logged them.
    QStringList storedPaths();
    // Waits until a transfer into the server has started.
    bool waitForTransferStart(int timeoutMs = 10000);

private:
    QTemporaryDir m_root;
    QProcess m_process;
    QByteArray m_output;
    int m_port = 0;
};

} // namespace testsupport
