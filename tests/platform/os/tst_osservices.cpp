#include "platform/os/OsRelease.h"
#include "platform/os/Services.h"

#include <QtTest>

// The user's name and the system's name as the dialogs and the system facts read them.

class TestOsServices : public QObject
{
    Q_OBJECT

    QByteArray savedUsername, savedUser;

private slots:
    void initTestCase()
    {
        savedUsername = qgetenv("USERNAME");
        savedUser = qgetenv("USER");
    }
    void cleanupTestCase()
    {
        qputenv("USERNAME", savedUsername);
        qputenv("USER", savedUser);
    }

    void userName_data()
    {
        QTest::addColumn<QByteArray>("username");   // null: unset
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("posixOnly");
        QTest::newRow("USERNAME wins") << QByteArray("alice") << QByteArray("bob") << "alice" << false;
        QTest::newRow("non-ASCII") << QStringLiteral("Ярослав").toLocal8Bit() << QByteArray() << QStringLiteral("Ярослав") << true;
        QTest::newRow("USER when USERNAME unset") << QByteArray() << QByteArray("bob") << "bob" << true;
        QTest::newRow("USER when USERNAME empty") << QByteArray("") << QByteArray("dave") << "dave" << true;
        QTest::newRow("neither") << QByteArray() << QByteArray() << QString() << false;
    }

    void userName()
    {
        QFETCH(QByteArray, username);
        QFETCH(QByteArray, user);
        QFETCH(QString, expected);
        QFETCH(bool, posixOnly);
#ifdef Q_OS_WIN
        if (posixOnly)
            QSKIP("Windows always reads USERNAME alone");
#else
        Q_UNUSED(posixOnly)
#endif
        username.isNull() ? qunsetenv("USERNAME") : qputenv("USERNAME", username);
        user.isNull() ? qunsetenv("USER") : qputenv("USER", user);
        QCOMPARE(QString::fromStdWString(os::userName()), expected);
    }

    void systemName_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("name");
        QTest::newRow("pretty name") << QByteArray("NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n")
                                     << "Debian GNU/Linux 12 (bookworm)";
        QTest::newRow("name and version") << QByteArray("NAME=Fedora\nVERSION=\"39 (Workstation Edition)\"\n")
                                          << "Fedora 39 (Workstation Edition)";
        QTest::newRow("empty pretty name") << QByteArray("PRETTY_NAME=\"\"\nNAME=Arch\n") << "Arch";
        QTest::newRow("single quotes") << QByteArray("PRETTY_NAME='Void Linux'\n") << "Void Linux";
        QTest::newRow("escapes") << QByteArray("PRETTY_NAME=\"My \\\"Best\\\" OS \\\\ 1\"\n") << "My \"Best\" OS \\ 1";
        QTest::newRow("comments, blanks, CRLF") << QByteArray("# PRETTY_NAME=wrong\r\n\r\n  \r\nPRETTY_NAME=\"Right\"\r\n") << "Right";
        QTest::newRow("utf-8") << QStringLiteral("PRETTY_NAME=\"Астра Линукс\"\n").toUtf8() << QStringLiteral("Астра Линукс");
        QTest::newRow("no equals sign") << QByteArray("PRETTY_NAME\n=value\n") << QString();
    }

    void systemName()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, name);
        QCOMPARE(QString::fromStdWString(os::osReleaseName(content.toStdString())), name);
    }
};

QTEST_GUILESS_MAIN(TestOsServices)
#include "tst_osservices.moc"
