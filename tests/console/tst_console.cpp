// The command catalogues, the launcher's decisions and the console window that runs them.

#include "console/CommandCatalogue.h"
#include "console/CommandLauncher.h"
#include "console/ConfigManager.h"

#include "ui/DialogTestKit.h"
#include "core/TestSettings.h"
#include "ui/RecordingCommandHost.h"

#include <QFile>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCodec>
#include <QWidget>
#include <QtTest>

#include <memory>

using testsupport::RecordingCommandHost;
using Form = CommandCatalogue::Form;

namespace {

const CommandFields Typed { QStringLiteral("Home Net"), QStringLiteral("p@ss word"), QStringLiteral("Office 5G") };

} // namespace

class TestConsole : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { testsupport::resetSettings(); }
    void cleanup();
    void netshCommandTexts();
    void unsafeFieldsRefused_data();
    void unsafeFieldsRefused();
    void shellFieldsCannotEscapeTheirQuotes();
    void decisionSteps_data();
    void decisionSteps();

    // The console window against real child processes of /bin/sh.
    void piecesBecomeParagraphsAndExitCodeIsReported();
    void results_data();
    void results();
    void closingEndsTheCommandAndItsChildren_data();
    void closingEndsTheCommandAndItsChildren();

private:
    QWidget parent;
    static QStringList paragraphs(ConfigManager &window);
};

void TestConsole::cleanup()
{
    // Console windows delete themselves later; end their commands now.
    for (ConfigManager *window : parent.findChildren<ConfigManager *>())
        delete window;
}

void TestConsole::netshCommandTexts()
{
    // "command|admin|confirmation" of the rows that take the typed fields, one of them asking first;
    // the command texts are what Windows is handed.
    const QStringList expected{
        "netsh wlan set hostednetwork mode=allow ssid=\"Home Net\" key=\"p@ss word\"|1|",
        "netsh wlan stop hostednetwork|0|",
        "netsh wlan set hostednetwork mode=disallow ssid=\"Home Net\"|1|Do you want to delete this hosted network profile?",
        "netsh wlan show profile name=\"Office 5G\" key=clear|0|",
        "netsh wlan delete profile name=\"Office 5G\"|0|Do you want to delete this network profile?"};
    const CommandCatalogue &netsh = CommandCatalogue::netsh();
    QStringList console, external;
    for (int row : {1, 3, 7, 12, 14}) {
        const QString tail = QStringLiteral("|%1|").arg(int(netsh.command(row).admin)) + netsh.confirmationText(row);
        console << netsh.build(row, Form::Console, Typed).text.mid(3) + tail;
        external << netsh.build(row, Form::External, Typed).text + tail;
    }
    QCOMPARE(console, expected);
    QCOMPARE(external, QStringList(expected).replaceInStrings(QRegularExpression("^"), "/K "));
    QVERIFY(netsh.build(1, Form::Console, Typed).text.startsWith(QLatin1String("/C ")));
}

void TestConsole::unsafeFieldsRefused_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("quote and ampersands") << QStringLiteral("x\" & touch /tmp/pwned & \"");
    QTest::newRow("variable") << QStringLiteral("%PATH%");
    QTest::newRow("caret") << QStringLiteral("a^b");
    QTest::newRow("line break") << QStringLiteral("first\ntouch /tmp/pwned");
    QTest::newRow("delayed expansion") << QStringLiteral("a!b!");
    QTest::newRow("pipe") << QStringLiteral("a|b");
    QTest::newRow("redirection") << QStringLiteral("a>b");
    QTest::newRow("tab") << QStringLiteral("a\tb");
}

void TestConsole::unsafeFieldsRefused()
{
    QFETCH(QString, text);
    QFile::remove(QStringLiteral("/tmp/pwned"));

    // In both catalogues: the rows taking the network name (1, 7) or the password (1) build nothing.
    for (const CommandCatalogue *catalogue : { &CommandCatalogue::netsh(), &CommandCatalogue::nmcli() }) {
        QVERIFY(catalogue->build(1, Form::Console, { text, QStringLiteral("pw"), QString() }).refused);
        QVERIFY(catalogue->build(1, Form::External, { QStringLiteral("n"), text, QString() }).text.isEmpty());
        QVERIFY(catalogue->build(7, Form::Console, { text, QString(), QString() }).refused);
    }

    // Through the launcher, elevated, switch on: an error box and nothing runs.
    RecordingCommandHost host;
    host.elevated = true;
    CommandLauncher launcher(CommandCatalogue::system(), host);
    const auto seen = dialogkit::answerNextBox(QStringLiteral("OK"));
    CommandFields fields = Typed;
    fields.profileName = text;
    QCOMPARE(launcher.run(12, fields, true, false, &parent), CommandLauncher::Outcome::Refused);
    QCOMPARE(seen->title, QStringLiteral("Error"));
    QVERIFY(seen->text.contains(QStringLiteral("network profile")));
    QVERIFY(host.externalConsoles.isEmpty());
    QVERIFY(parent.findChildren<ConfigManager *>().isEmpty());
    QVERIFY(!QFile::exists(QStringLiteral("/tmp/pwned")));
}

void TestConsole::shellFieldsCannotEscapeTheirQuotes()
{
    // Characters a shell would act on are allowed in names and stay literal inside their quotes.
    QTemporaryDir dir;
    const QString marker = dir.filePath(QStringLiteral("marker"));
    CommandFields fields = Typed;
    fields.profileName = QStringLiteral("it's $(touch %1) `touch %1`").arg(marker);
    const QString text = CommandCatalogue::nmcli().build(12, Form::Console, fields).text;
    QCOMPARE(text, QStringLiteral("nmcli --show-secrets connection show id 'it'\\''s $(touch %1) `touch %1`'").arg(marker));

    ConfigManager window(nullptr);
    QSignalSpy failed(&window, &ConfigManager::commandFailed);
    QSignalSpy succeeded(&window, &ConfigManager::commandSucceeded);
    // The same quoting around echo shows what the shell received.
    window.runCommand({ QStringLiteral("echo ") + text.mid(QStringLiteral("nmcli --show-secrets connection show id ").size()) });
    QTRY_COMPARE(failed.count() + succeeded.count(), 1);
    QCOMPARE(window.outputView()->toPlainText(), fields.profileName);
    QVERIFY(!QFile::exists(marker));
}

void TestConsole::decisionSteps_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("configManager");
    QTest::addColumn<bool>("elevated");
    QTest::addColumn<QString>("answer");   // pressed in the one box expected, empty: no box
    QTest::addColumn<QString>("boxTitle");
    QTest::addColumn<QString>("external"); // "plain" or "elevated" console asked for, empty: none
    QTest::addColumn<bool>("window");      // the console window runs the row

    QTest::newRow("delete network No, switch on") << 7 << true << true << "No" << "Warning" << "" << false;
    QTest::newRow("delete network No, switch off") << 7 << false << true << "No" << "Warning" << "" << false;
    QTest::newRow("delete profile No, switch on") << 14 << true << true << "No" << "Warning" << "" << false;
    QTest::newRow("delete profile No, switch off") << 14 << false << false << "No" << "Warning" << "" << false;
    QTest::newRow("delete profile Yes, switch off") << 14 << false << false << "Yes" << "Warning" << "plain" << false;
    QTest::newRow("admin, not elevated, No") << 2 << true << false << "No" << "Attention" << "" << false;
    QTest::newRow("admin, not elevated, Yes") << 2 << true << false << "Yes" << "Attention" << "elevated" << false;
    QTest::newRow("admin, elevated") << 1 << true << true << "" << "" << "" << true;
    QTest::newRow("no admin, not elevated") << 11 << true << false << "" << "" << "" << true;
    QTest::newRow("switch off, no admin") << 11 << false << true << "" << "" << "plain" << false;
    QTest::newRow("switch off, admin") << 2 << false << false << "" << "" << "elevated" << false;
}

void TestConsole::decisionSteps()
{
    QFETCH(int, row);
    QFETCH(bool, configManager);
    QFETCH(bool, elevated);
    QFETCH(QString, answer);
    QFETCH(QString, boxTitle);
    QFETCH(QString, external);
    QFETCH(bool, window);

    RecordingCommandHost host;
    host.elevated = elevated;
    CommandLauncher launcher(CommandCatalogue::system(), host);
    const auto seen = answer.isEmpty() ? std::make_shared<dialogkit::SeenBox>() : dialogkit::answerNextBox(answer);
    launcher.run(row, Typed, configManager, false, &parent);

    QCOMPARE(seen->title, boxTitle);
    if (boxTitle == QLatin1String("Attention"))
        QCOMPARE(seen->text, QStringLiteral("You need the admin privileges to use this feature with Config Manager!\n"
                                            "Do you want to run this command in console?"));
    else if (!boxTitle.isEmpty())
        QCOMPARE(seen->text, CommandCatalogue::system().confirmationText(row));
    const QString externalText = CommandCatalogue::system().build(row, Form::External, Typed).text;
    QCOMPARE(host.externalConsoles, external.isEmpty() ? QStringList() : QStringList{ external + '|' + externalText });

    ConfigManager *console = launcher.lastConsole();
    QCOMPARE(console != nullptr, window);
    if (console) {
        QCOMPARE(console->parent(), &parent);
        QCOMPARE(console->windowModality(), Qt::ApplicationModal);
        // The test host's interpreter is echo: the window shows the console form it was given.
        QCOMPARE(console->commandLine(), CommandCatalogue::system().build(row, Form::Console, Typed).text);
        QTRY_COMPARE(console->outputView()->toPlainText(), "-c " + console->commandLine());
    }
}

void TestConsole::initTestCase()
{
    // The console decodes with the locale's codec; the test machine's locale may be plain C.
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
}

QStringList TestConsole::paragraphs(ConfigManager &window)
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

void TestConsole::piecesBecomeParagraphsAndExitCodeIsReported()
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

void TestConsole::results_data()
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

void TestConsole::results()
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

void TestConsole::closingEndsTheCommandAndItsChildren_data()
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

void TestConsole::closingEndsTheCommandAndItsChildren()
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

QTEST_MAIN(TestConsole)
#include "tst_console.moc"
