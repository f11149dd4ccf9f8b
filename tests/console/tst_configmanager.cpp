#include "console/ConfigManager.h"

#include "core/TestSettings.h"

#include <QFile>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCodec>
#include <QtTest>

// The console window against real child processes of /bin/sh.
class TestConfigManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { testsupport::resetSettings(); }
    void piecesBecomeParagraphsAndExitCodeIsReported();
    void results_data();
    void results();
    void closingEndsTheCommandAndItsChildren_data();
    void closingEndsTheCommandAndItsChildren();

private:
    static QStringList paragraphs(ConfigManager &window);
};

void TestConfigManager::initTestCase()
{
    // The console decodes with the locale's codec; the test machine's locale may be plain C.
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
}

QStringList TestConfigManager::paragraphs(ConfigManager &window)
{
    QStringList texts;
    for (QTextBlock block = window.outputView()->document()->begin(); block.isValid(); block = block.next())
        texts << block.text();
    return texts;
}

// printf argument that writes these bytes, so the command line itself stays ASCII.
static QString octal(const QByteArray &bytes)
{
    QString text;
    for (unsigned char byte : bytes)
        text += byte < 0x80 && byte != '\\' && byte != '\'' && byte != '%' ? QString(QChar(byte))
                                                                          : QStringLiteral("\\%1").arg(byte, 3, 8, QLatin1Char('0'));
    return text;
}

void TestConfigManager::piecesBecomeParagraphsAndExitCodeIsReported()
{
    // "Привет" plus the first byte of "м", then the rest of "мир": the character split between
    // two reads must come out whole. Markup in the output stays text.
    const QByteArray first = QStringLiteral("Привет").toUtf8() + QStringLiteral("м").toUtf8().left(1);
    const QByteArray second = QStringLiteral("м").toUtf8().mid(1) + QStringLiteral("ир\n").toUtf8();
    const QByteArray third = QStringLiteral("<b>конец</b>\n").toUtf8();
    const QString command = QStringLiteral("printf '%1'; sleep 0.3; printf '%2'; sleep 0.3; printf '%3'; exit 3")
                                .arg(octal(first), octal(second), octal(third));

    ConfigManager window;
    QSignalSpy failed(&window, &ConfigManager::commandFailed);
    window.runCommand({ command });

    QVERIFY(failed.wait(5000));
    QCOMPARE(failed.takeFirst(), QVariantList{ 3 });
    QCOMPARE(paragraphs(window), QStringList({ QStringLiteral("Привет"), QStringLiteral("мир"),
                                               QStringLiteral("<b>конец</b>") }));
    QCOMPARE(window.outputView()->textCursor().position(), 0);
}

void TestConfigManager::results_data()
{
    QTest::addColumn<QString>("interpreter");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("result");
    QTest::newRow("exit 0") << "/bin/sh" << "true" << "succeeded";
    QTest::newRow("exit 5") << "/bin/sh" << "exit 5" << "failed 5";
    QTest::newRow("killed") << "/bin/sh" << "kill -9 $$" << "failed -2";
    // The window says why instead of staying empty.
    QTest::newRow("cannot start") << "/nonexistent/interpreter" << "true" << "failed -1";
}

void TestConfigManager::results()
{
    QFETCH(QString, interpreter);
    QFETCH(QString, command);
    QFETCH(QString, result);
    ConfigManager window(nullptr, interpreter);
    QStringList seen;
    connect(&window, &ConfigManager::commandSucceeded, this, [&] { seen << QStringLiteral("succeeded"); });
    connect(&window, &ConfigManager::commandFailed, this, [&](int code) { seen << QStringLiteral("failed %1").arg(code); });
    window.runCommand({ command });
    QTRY_COMPARE(seen, QStringList{ result });
    QCOMPARE(window.outputView()->toPlainText().startsWith(QStringLiteral("The command could not be started")),
             result == QLatin1String("failed -1"));
}

void TestConfigManager::closingEndsTheCommandAndItsChildren_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("window closed") << false;
    QTest::newRow("Escape") << true;
}

static bool processGone(const QString &pid)
{
    // A child of the shell is re-parented when the shell dies; a zombie waiting for its new parent
    // has ended too.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    const int end = line.lastIndexOf(')');
    return end > 0 && line.mid(end + 2, 1) == "Z";
}

void TestConfigManager::closingEndsTheCommandAndItsChildren()
{
    QFETCH(bool, escape);
    auto *window = new ConfigManager;
    QPointer<ConfigManager> alive(window);
    window->runCommand({ QStringLiteral("echo $$; sleep 30 & echo $!; wait") });
    window->show();
    QTRY_COMPARE_WITH_TIMEOUT(window->outputView()->toPlainText().split(QLatin1Char('\n')).size(), 2, 5000);
    const QStringList pids = window->outputView()->toPlainText().split(QLatin1Char('\n'));
    QVERIFY(!processGone(pids.at(0)));
    QVERIFY(!processGone(pids.at(1)));

    QElapsedTimer clock;
    clock.start();
    if (escape)
        QTest::keyClick(window, Qt::Key_Escape);
    else
        window->close();
    QTRY_VERIFY_WITH_TIMEOUT(processGone(pids.at(0)) && processGone(pids.at(1)), 1000);
    QVERIFY(clock.elapsed() < 1000);
    // The window deletes itself when closed.
    QTRY_VERIFY(alive.isNull());
}

QTEST_MAIN(TestConfigManager)
#include "tst_configmanager.moc"
