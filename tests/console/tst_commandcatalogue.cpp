#include "console/CommandCatalogue.h"
#include "console/CommandLauncher.h"
#include "console/ConfigManager.h"

#include "ui/DialogTestKit.h"
#include "core/TestSettings.h"
#include "ui/RecordingCommandHost.h"

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QWidget>
#include <QtTest>

#include <memory>

using testsupport::RecordingCommandHost;
using Form = CommandCatalogue::Form;

namespace {

const CommandFields Typed { QStringLiteral("Home Net"), QStringLiteral("p@ss word"), QStringLiteral("Office 5G") };

} // namespace

class TestCommandCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::resetSettings(); }
    void cleanup();
    void netshCommandTexts();
    void unsafeFieldsRefused_data();
    void unsafeFieldsRefused();
    void shellFieldsCannotEscapeTheirQuotes();
    void decisionSteps_data();
    void decisionSteps();

private:
    QWidget parent;
};

void TestCommandCatalogue::cleanup()
{
    // Console windows delete themselves later; end their commands now.
    for (ConfigManager *window : parent.findChildren<ConfigManager *>())
        delete window;
}

void TestCommandCatalogue::netshCommandTexts()
{
    // Each row as "command|admin|confirmation": the command texts are what Windows is handed.
    QStringList expected{
        "netsh wlan set hostednetwork mode=allow ssid=\"Home Net\" key=\"p@ss word\"|1|",
        "netsh wlan start hostednetwork|1|",
        "netsh wlan stop hostednetwork|0|",
        "netsh wlan show hostednetwork|0|",
        "netsh wlan set hostednetwork mode=allow|1|",
        "netsh wlan set hostednetwork mode=disallow|1|",
        "netsh wlan set hostednetwork mode=disallow ssid=\"Home Net\"|1|Do you want to delete this hosted network profile?",
        "netsh wlan show hostednetwork setting=security|0|",
        "netsh wlan show settings|0|",
        "netsh wlan show all|0|",
        "netsh wlan show profiles|0|",
        "netsh wlan show profile name=\"Office 5G\" key=clear|0|",
        "netsh wlan set profileparameter name=\"Office 5G\" connectionmode=manual|0|",
        "netsh wlan delete profile name=\"Office 5G\"|0|Do you want to delete this network profile?"};
    const CommandCatalogue &netsh = CommandCatalogue::netsh();
    QStringList console, external;
    for (int row = 1; row <= expected.size(); ++row) {
        const QString tail = QStringLiteral("|%1|").arg(int(netsh.command(row).admin)) + netsh.confirmationText(row);
        console << netsh.build(row, Form::Console, Typed).text + tail;
        external << netsh.build(row, Form::External, Typed).text + tail;
    }
    QCOMPARE(console, expected.replaceInStrings(QRegularExpression("^"), "/C "));
    QCOMPARE(external, expected.replaceInStrings(QRegularExpression("^/C "), "/K "));
}

void TestCommandCatalogue::unsafeFieldsRefused_data()
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

void TestCommandCatalogue::unsafeFieldsRefused()
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

void TestCommandCatalogue::shellFieldsCannotEscapeTheirQuotes()
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

void TestCommandCatalogue::decisionSteps_data()
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

void TestCommandCatalogue::decisionSteps()
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

QTEST_MAIN(TestCommandCatalogue)
#include "tst_commandcatalogue.moc"
