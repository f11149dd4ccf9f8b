#include "console/CommandCatalogue.h"
#include "console/CommandLauncher.h"
#include "console/ConfigManager.h"

#include "core/TestSettings.h"
#include "ui/ModalAnswer.h"
#include "ui/RecordingCommandHost.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
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

struct SeenBox
{
    QString title;
    QString text;
    int shown = 0;
};

// Presses `button` in the next message box and keeps its title and text.
std::shared_ptr<SeenBox> answerNextBox(const QString &button)
{
    auto seen = std::make_shared<SeenBox>();
    testsupport::whenModalAppears([seen, button](QWidget *dialog) {
        ++seen->shown;
        seen->title = dialog->windowTitle();
        if (auto *text = dialog->findChild<QLabel *>(QStringLiteral("textLabel")))
            seen->text = text->text();
        for (QAbstractButton *candidate : dialog->findChildren<QAbstractButton *>()) {
            if (candidate->text().remove(QLatin1Char('&')) == button) {
                candidate->click();
                return;
            }
        }
    });
    return seen;
}

} // namespace

class TestCommandCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::resetSettings(); }
    void cleanup();
    void netshCommandTexts_data();
    void netshCommandTexts();
    void nmcliCommandTexts_data();
    void nmcliCommandTexts();
    void unsafeFieldsRefused_data();
    void unsafeFieldsRefused();
    void shellFieldsCannotEscapeTheirQuotes();
    void confirmationAnsweredNoRunsNothing_data();
    void confirmationAnsweredNoRunsNothing();
    void adminQuestionWhenNotElevated_data();
    void adminQuestionWhenNotElevated();
    void switchOffOpensExternalConsole_data();
    void switchOffOpensExternalConsole();
    void consoleWindowWhenAllowed();

private:
    QWidget parent;
};

void TestCommandCatalogue::cleanup()
{
    // Console windows delete themselves later; end their commands now.
    for (ConfigManager *window : parent.findChildren<ConfigManager *>())
        delete window;
}

void TestCommandCatalogue::netshCommandTexts_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("admin");
    QTest::addColumn<QString>("confirmation");

    const QString none;
    QTest::newRow("1 create") << 1 << "netsh wlan set hostednetwork mode=allow ssid=\"Home Net\" key=\"p@ss word\"" << true << none;
    QTest::newRow("2 start") << 2 << "netsh wlan start hostednetwork" << true << none;
    QTest::newRow("3 stop") << 3 << "netsh wlan stop hostednetwork" << false << none;
    QTest::newRow("4 show") << 4 << "netsh wlan show hostednetwork" << false << none;
    QTest::newRow("5 enable") << 5 << "netsh wlan set hostednetwork mode=allow" << true << none;
    QTest::newRow("6 disable") << 6 << "netsh wlan set hostednetwork mode=disallow" << true << none;
    QTest::newRow("7 delete network") << 7 << "netsh wlan set hostednetwork mode=disallow ssid=\"Home Net\"" << true
                                      << "Do you want to delete this hosted network profile?";
    QTest::newRow("8 security") << 8 << "netsh wlan show hostednetwork setting=security" << false << none;
    QTest::newRow("9 settings") << 9 << "netsh wlan show settings" << false << none;
    QTest::newRow("10 all") << 10 << "netsh wlan show all" << false << none;
    QTest::newRow("11 profiles") << 11 << "netsh wlan show profiles" << false << none;
    QTest::newRow("12 key") << 12 << "netsh wlan show profile name=\"Office 5G\" key=clear" << false << none;
    QTest::newRow("13 manual") << 13 << "netsh wlan set profileparameter name=\"Office 5G\" connectionmode=manual" << false << none;
    QTest::newRow("14 delete profile") << 14 << "netsh wlan delete profile name=\"Office 5G\"" << false
                                       << "Do you want to delete this network profile?";
}

void TestCommandCatalogue::netshCommandTexts()
{
    QFETCH(int, row);
    QFETCH(QString, command);
    QFETCH(bool, admin);
    QFETCH(QString, confirmation);
    const CommandCatalogue &netsh = CommandCatalogue::netsh();
    QCOMPARE(netsh.build(row, Form::Console, Typed).text, "/C " + command);
    QCOMPARE(netsh.build(row, Form::External, Typed).text, "/K " + command);
    QCOMPARE(netsh.command(row).admin, admin);
    QCOMPARE(netsh.confirmationText(row), confirmation);
}

void TestCommandCatalogue::nmcliCommandTexts_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("admin");

    QTest::newRow("1 create") << 1 << "nmcli connection add type wifi ifname '*' con-name 'Home Net' autoconnect no "
                                      "802-11-wireless.ssid 'Home Net' 802-11-wireless.mode ap ipv4.method shared "
                                      "wifi-sec.key-mgmt wpa-psk wifi-sec.psk 'p@ss word'" << true;
    QTest::newRow("2 start") << 2 << "nmcli connection up id 'Home Net'" << true;
    QTest::newRow("3 stop") << 3 << "nmcli connection down id 'Home Net'" << false;
    QTest::newRow("4 show") << 4 << "nmcli connection show id 'Home Net'" << false;
    QTest::newRow("5 enable: none") << 5 << "" << false;
    QTest::newRow("6 disable: none") << 6 << "" << false;
    QTest::newRow("7 delete network") << 7 << "nmcli connection delete id 'Home Net'" << true;
    QTest::newRow("8 security") << 8 << "nmcli device wifi show-password" << false;
    QTest::newRow("9 settings") << 9 << "nmcli general status" << false;
    QTest::newRow("10 all") << 10 << "nmcli device show" << false;
    QTest::newRow("11 profiles") << 11 << "nmcli connection show" << false;
    QTest::newRow("12 key") << 12 << "nmcli --show-secrets connection show id 'Office 5G'" << false;
    QTest::newRow("13 manual") << 13 << "nmcli connection modify id 'Office 5G' connection.autoconnect no" << false;
    QTest::newRow("14 delete profile") << 14 << "nmcli connection delete id 'Office 5G'" << false;
}

void TestCommandCatalogue::nmcliCommandTexts()
{
    QFETCH(int, row);
    QFETCH(QString, command);
    QFETCH(bool, admin);
    const CommandCatalogue &nmcli = CommandCatalogue::nmcli();
    QCOMPARE(nmcli.command(row).available(), !command.isEmpty());
    QCOMPARE(nmcli.build(row, Form::Console, Typed).text, command);
    QCOMPARE(nmcli.build(row, Form::External, Typed).text, command);
    QCOMPARE(nmcli.command(row).admin, admin);
    QCOMPARE(nmcli.confirmationText(row), CommandCatalogue::netsh().confirmationText(row));
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

    // Every field of every row that takes one, in both catalogues: nothing is built.
    for (const CommandCatalogue *catalogue : { &CommandCatalogue::netsh(), &CommandCatalogue::nmcli() }) {
        for (const CommandField field : { CommandField::NetworkName, CommandField::NetworkPassword, CommandField::ProfileName }) {
            CommandFields fields = Typed;
            (field == CommandField::NetworkName ? fields.networkName
             : field == CommandField::NetworkPassword ? fields.networkPassword : fields.profileName) = text;
            for (const CatalogueCommand &command : catalogue->commands()) {
                const CommandCatalogue::Built built = catalogue->build(command.row, Form::Console, fields);
                QCOMPARE(built.refused, command.fields.contains(field));
                if (built.refused)
                    QVERIFY(built.text.isEmpty());
            }
        }
    }

    // Through the launcher, elevated, switch on: an error box and nothing runs.
    RecordingCommandHost host;
    host.elevated = true;
    CommandLauncher launcher(CommandCatalogue::system(), host);
    const auto seen = answerNextBox(QStringLiteral("OK"));
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

void TestCommandCatalogue::confirmationAnsweredNoRunsNothing_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("configManager");
    QTest::newRow("delete network, switch on") << 7 << true;
    QTest::newRow("delete network, switch off") << 7 << false;
    QTest::newRow("delete profile, switch on") << 14 << true;
    QTest::newRow("delete profile, switch off") << 14 << false;
}

void TestCommandCatalogue::confirmationAnsweredNoRunsNothing()
{
    QFETCH(int, row);
    QFETCH(bool, configManager);
    RecordingCommandHost host;
    host.elevated = true;
    CommandLauncher launcher(CommandCatalogue::system(), host);
    const auto seen = answerNextBox(QStringLiteral("No"));
    QCOMPARE(launcher.run(row, Typed, configManager, false, &parent), CommandLauncher::Outcome::NotConfirmed);
    QCOMPARE(seen->title, QStringLiteral("Warning"));
    QCOMPARE(seen->text, CommandCatalogue::system().confirmationText(row));
    QVERIFY(host.externalConsoles.isEmpty());
    QVERIFY(parent.findChildren<ConfigManager *>().isEmpty());
}

void TestCommandCatalogue::adminQuestionWhenNotElevated_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("consoles");
    const QString external = CommandCatalogue::system().build(2, Form::External, Typed).text;
    QTest::newRow("No runs nothing") << "No" << QStringList();
    QTest::newRow("Yes opens an elevated console") << "Yes" << QStringList{ "elevated|" + external };
}

void TestCommandCatalogue::adminQuestionWhenNotElevated()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, consoles);
    RecordingCommandHost host;
    host.elevated = false;
    CommandLauncher launcher(CommandCatalogue::system(), host);
    const auto seen = answerNextBox(answer);
    launcher.run(2, Typed, true, false, &parent);
    QCOMPARE(seen->title, QStringLiteral("Attention"));
    QCOMPARE(seen->text, QStringLiteral("You need the admin privileges to use this feature with Config Manager!\n"
                                        "Do you want to run this command in console?"));
    QCOMPARE(host.externalConsoles, consoles);
    QVERIFY(parent.findChildren<ConfigManager *>().isEmpty());
}

void TestCommandCatalogue::switchOffOpensExternalConsole_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("kind");
    QTest::newRow("show profiles: plain") << 11 << "plain|";
    QTest::newRow("start network: elevated") << 2 << "elevated|";
}

void TestCommandCatalogue::switchOffOpensExternalConsole()
{
    QFETCH(int, row);
    QFETCH(QString, kind);
    RecordingCommandHost host;
    host.elevated = true; // elevation only matters to the console window
    CommandLauncher launcher(CommandCatalogue::system(), host);
    launcher.run(row, Typed, false, false, &parent);
    QCOMPARE(host.externalConsoles, QStringList{ kind + CommandCatalogue::system().build(row, Form::External, Typed).text });
    QVERIFY(parent.findChildren<ConfigManager *>().isEmpty());
}

void TestCommandCatalogue::consoleWindowWhenAllowed()
{
    RecordingCommandHost host;
    host.elevated = true;
    CommandLauncher launcher(CommandCatalogue::system(), host);
    QCOMPARE(launcher.run(1, Typed, true, false, &parent), CommandLauncher::Outcome::Console);
    QVERIFY(host.externalConsoles.isEmpty());
    ConfigManager *window = launcher.lastConsole();
    QVERIFY(window);
    QCOMPARE(window->parent(), &parent);
    QCOMPARE(window->commandLine(), CommandCatalogue::system().build(1, Form::Console, Typed).text);
    // The test host's interpreter is echo: the window shows what it was given.
    QTRY_COMPARE(window->outputView()->toPlainText(), "-c " + window->commandLine());
    QCOMPARE(window->windowModality(), Qt::ApplicationModal);
}

QTEST_MAIN(TestCommandCatalogue)
#include "tst_commandcatalogue.moc"
