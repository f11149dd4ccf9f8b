#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace testsupport {

// The local HTTPS server of the update tests (tests/support/servers/https_server.py), started on
// free ports with certificates from a throw-away CA. Starting it makes that CA trusted for this
// test process only and points the program's web base address (AIRVANE_WEB_BASE_URL) at it.
class HttpsTestServer
{
public:
    HttpsTestServer();
    ~HttpsTestServer();

    bool start();
    QString error() const { return m_error; }

    // "https://127.0.0.1:<port>" of the server with the trusted certificate, of the one with the
    // rogue CA's certificate, and "http://127.0.0.1:<port>" of the plain listener.
    QString goodBase() const;
    QString badBase() const;
    QString plainBase() const;

    // Serves `body` at `path` (e.g. "/apps/airvane_lite/release/en.update.release.json") with
    // the given status, replacing what was there.
    void serve(const QString &path, const QByteArray &body, int status = 200);

    // "good GET /path" per request, in arrival order.
    QStringList requests() const;
    void clearRequests();

    // Points the web base at one of the listeners, or at a port where nothing listens.
    void useGood();
    void useBad();
    static void useUnreachable();

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_good = 0;
    int m_bad = 0;
    int m_plain = 0;
    QString m_error;
};

} // namespace testsupport
