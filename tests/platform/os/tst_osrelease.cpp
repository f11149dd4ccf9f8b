#include "platform/os/OsRelease.h"

#include <QtTest>

class TestOsRelease : public QObject
{
    Q_OBJECT

private slots:
    void systemName_data();
    void systemName();
};

void TestOsRelease::systemName_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("name");

    QTest::newRow("pretty name") << QByteArray("NAME=\"Debian GNU/Linux\"\nVERSION_ID=\"12\"\n"
                                               "PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n")
                                 << QStringLiteral("Debian GNU/Linux 12 (bookworm)");
    QTest::newRow("name and version") << QByteArray("NAME=Fedora\nVERSION=\"39 (Workstation Edition)\"\n")
                                      << QStringLiteral("Fedora 39 (Workstation Edition)");
    QTest::newRow("name only") << QByteArray("NAME=Alpine\n") << QStringLiteral("Alpine");
    QTest::newRow("empty pretty name") << QByteArray("PRETTY_NAME=\"\"\nNAME=Arch\n") << QStringLiteral("Arch");
    QTest::newRow("single quotes") << QByteArray("PRETTY_NAME='Void Linux'\n") << QStringLiteral("Void Linux");
    QTest::newRow("escapes") << QByteArray("PRETTY_NAME=\"My \\\"Best\\\" OS \\\\ 1\"\n")
                             << QStringLiteral("My \"Best\" OS \\ 1");
    QTest::newRow("comments, blanks, CRLF") << QByteArray("# PRETTY_NAME=wrong\r\n\r\n  \r\nPRETTY_NAME=\"Right\"\r\n")
                                            << QStringLiteral("Right");
    QTest::newRow("utf-8") << QStringLiteral("PRETTY_NAME=\"Астра Линукс\"\n").toUtf8() << QStringLiteral("Астра Линукс");
    QTest::newRow("no equals sign") << QByteArray("PRETTY_NAME\n=value\n") << QString();
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestOsRelease::systemName()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, name);
    QCOMPARE(QString::fromStdWString(os::osReleaseName(content.toStdString())), name);
}

QTEST_GUILESS_MAIN(TestOsRelease)
#include "tst_osrelease.moc"
