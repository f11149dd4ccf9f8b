#include "platform/os/Services.h"

#include <QtTest>

namespace {

// Sets or unsets an environment variable for one scope and puts the old value back afterwards.
class EnvironmentGuard
{
public:
    EnvironmentGuard(const char *name, bool set, const QByteArray &value)
        : m_name(name), m_wasSet(qEnvironmentVariableIsSet(name)), m_saved(qgetenv(name))
    {
        apply(set, value);
    }
    ~EnvironmentGuard() { apply(m_wasSet, m_saved); }

private:
    void apply(bool set, const QByteArray &value) { set ? qputenv(m_name, value) : qunsetenv(m_name); }
    const char *m_name;
    bool m_wasSet;
    QByteArray m_saved;
};

} // namespace

class TestOsServices : public QObject
{
    Q_OBJECT

private slots:
    void userName_data();
    void userName();
    void wmiServiceNeedsNothingHere();
};

void TestOsServices::userName_data()
{
    QTest::addColumn<bool>("hasUsername");
    QTest::addColumn<QByteArray>("username");
    QTest::addColumn<bool>("hasUser");
    QTest::addColumn<QByteArray>("user");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("posixOnly");

    QTest::newRow("USERNAME wins") << true << QByteArray("alice") << true << QByteArray("bob") << "alice" << false;
    QTest::newRow("non-ASCII") << true << QStringLiteral("Ярослав").toLocal8Bit() << false << QByteArray()
                               << QStringLiteral("Ярослав") << true;
    QTest::newRow("USER when USERNAME unset") << false << QByteArray() << true << QByteArray("bob") << "bob" << true;
    QTest::newRow("USER when USERNAME empty") << true << QByteArray() << true << QByteArray("dave") << "dave" << true;
    QTest::newRow("neither") << false << QByteArray() << false << QByteArray() << QString() << false;
}

void TestOsServices::userName()
{
    QFETCH(bool, hasUsername);
    QFETCH(QByteArray, username);
    QFETCH(bool, hasUser);
    QFETCH(QByteArray, user);
    QFETCH(QString, expected);
    QFETCH(bool, posixOnly);
#ifdef Q_OS_WIN
    if (posixOnly)
        QSKIP("Windows always reads USERNAME alone");
#else
    Q_UNUSED(posixOnly)
#endif

    const EnvironmentGuard usernameGuard("USERNAME", hasUsername, username);
    const EnvironmentGuard userGuard("USER", hasUser, user);

    QCOMPARE(QString::fromStdWString(os::userName()), expected);
}

void TestOsServices::wmiServiceNeedsNothingHere()
{
#ifdef Q_OS_WIN
    QSKIP("controlling the real service needs an administrator and changes the machine");
#else
    QCOMPARE(os::ensureWmiServiceRunning(), os::WmiServiceStatus::Running);
#endif
}

QTEST_GUILESS_MAIN(TestOsServices)
#include "tst_osservices.moc"
