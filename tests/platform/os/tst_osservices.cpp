#include "platform/os/Services.h"

#include <QtTest>

namespace {

// Sets or unsets environment variables for one test and puts the old values back afterwards.
class EnvironmentGuard
{
public:
    explicit EnvironmentGuard(const QList<QByteArray> &names)
    {
        for (const QByteArray &name : names)
            m_saved.append({name, qEnvironmentVariableIsSet(name.constData()), qgetenv(name.constData())});
    }
    ~EnvironmentGuard()
    {
        for (const Saved &saved : qAsConst(m_saved)) {
            if (saved.wasSet)
                qputenv(saved.name.constData(), saved.value);
            else
                qunsetenv(saved.name.constData());
        }
    }

private:
    struct Saved
    {
        QByteArray name;
        bool wasSet;
        QByteArray value;
    };
    QList<Saved> m_saved;
};

void setOrUnset(const char *name, const QByteArray &value, bool set)
{
    if (set)
        qputenv(name, value);
    else
        qunsetenv(name);
}

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
    QTest::newRow("USERNAME alone") << true << QByteArray("carol") << false << QByteArray() << "carol" << false;
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

    EnvironmentGuard guard({"USERNAME", "USER"});
    setOrUnset("USERNAME", username, hasUsername);
    setOrUnset("USER", user, hasUser);

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
