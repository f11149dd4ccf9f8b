#include "console/CommandCatalogue.h"

#include "platform/os/ShellQuote.h"

namespace {

const char DeleteHostedQuestion[] =
    QT_TRANSLATE_NOOP("CommandCatalogue", "Do you want to delete this hosted network profile?");
const char DeleteProfileQuestion[] =
    QT_TRANSLATE_NOOP("CommandCatalogue", "Do you want to delete this network profile?");

using F = CommandField;

CatalogueCommand netshRow(int row, const QString &command, bool admin, const char *confirmation = nullptr,
                          QVector<CommandField> fields = {})
{
    return { row, QStringLiteral("/C ") + command, QStringLiteral("/K ") + command, admin, confirmation,
             std::move(fields) };
}

CatalogueCommand shellRow(int row, const QString &command, bool admin, const char *confirmation = nullptr,
                          QVector<CommandField> fields = {})
{
    // The external console keeps itself open; the command is the same in both places.
    return { row, command, command, admin, confirmation, std::move(fields) };
}

CatalogueCommand missingRow(int row)
{
    return { row, QString(), QString(), false, nullptr, {} };
}

} // namespace

QString CommandFields::value(CommandField field) const
{
    switch (field) {
    case CommandField::NetworkName:
        return networkName;
    case CommandField::NetworkPassword:
        return networkPassword;
    case CommandField::ProfileName:
        return profileName;
    }
    return QString();
}

CommandCatalogue::CommandCatalogue(Syntax syntax, QVector<CatalogueCommand> commands)
    : m_syntax(syntax)
    , m_commands(std::move(commands))
{
}

const CommandCatalogue &CommandCatalogue::netsh()
{
    static const CommandCatalogue catalogue(Syntax::Cmd, {
        netshRow(1, QStringLiteral("netsh wlan set hostednetwork mode=allow ssid=\"%1\" key=\"%2\""), true, nullptr,
                 { F::NetworkName, F::NetworkPassword }),
        netshRow(2, QStringLiteral("netsh wlan start hostednetwork"), true),
        netshRow(3, QStringLiteral("netsh wlan stop hostednetwork"), false),
        netshRow(4, QStringLiteral("netsh wlan show hostednetwork"), false),
        netshRow(5, QStringLiteral("netsh wlan set hostednetwork mode=allow"), true),
        netshRow(6, QStringLiteral("netsh wlan set hostednetwork mode=disallow"), true),
        netshRow(7, QStringLiteral("netsh wlan set hostednetwork mode=disallow ssid=\"%1\""), true,
                 DeleteHostedQuestion, { F::NetworkName }),
        netshRow(8, QStringLiteral("netsh wlan show hostednetwork setting=security"), false),
        netshRow(9, QStringLiteral("netsh wlan show settings"), false),
        netshRow(10, QStringLiteral("netsh wlan show all"), false),
        netshRow(11, QStringLiteral("netsh wlan show profiles"), false),
        netshRow(12, QStringLiteral("netsh wlan show profile name=\"%1\" key=clear"), false, nullptr,
                 { F::ProfileName }),
        netshRow(13, QStringLiteral("netsh wlan set profileparameter name=\"%1\" connectionmode=manual"), false,
                 nullptr, { F::ProfileName }),
        netshRow(14, QStringLiteral("netsh wlan delete profile name=\"%1\""), false, DeleteProfileQuestion,
                 { F::ProfileName }),
    });
    return catalogue;
}

const CommandCatalogue &CommandCatalogue::nmcli()
{
    // NetworkManager keeps a hotspot as a connection profile; it is named after its network name,
    // so the hosted-network rows that take no field in netsh take the network name here.
    static const CommandCatalogue catalogue(Syntax::Shell, {
        shellRow(1, QStringLiteral("nmcli connection add type wifi ifname '*' con-name %1 autoconnect no "
                                   "802-11-wireless.ssid %1 802-11-wireless.mode ap ipv4.method shared "
                                   "wifi-sec.key-mgmt wpa-psk wifi-sec.psk %2"),
                 true, nullptr, { F::NetworkName, F::NetworkPassword }),
        shellRow(2, QStringLiteral("nmcli connection up id %1"), true, nullptr, { F::NetworkName }),
        shellRow(3, QStringLiteral("nmcli connection down id %1"), false, nullptr, { F::NetworkName }),
        shellRow(4, QStringLiteral("nmcli connection show id %1"), false, nullptr, { F::NetworkName }),
        missingRow(5),
        missingRow(6),
        shellRow(7, QStringLiteral("nmcli connection delete id %1"), true, DeleteHostedQuestion,
                 { F::NetworkName }),
        shellRow(8, QStringLiteral("nmcli device wifi show-password"), false),
        shellRow(9, QStringLiteral("nmcli general status"), false),
        shellRow(10, QStringLiteral("nmcli device show"), false),
        shellRow(11, QStringLiteral("nmcli connection show"), false),
        shellRow(12, QStringLiteral("nmcli --show-secrets connection show id %1"), false, nullptr,
                 { F::ProfileName }),
        shellRow(13, QStringLiteral("nmcli connection modify id %1 connection.autoconnect no"), false, nullptr,
                 { F::ProfileName }),
        shellRow(14, QStringLiteral("nmcli connection delete id %1"), false, DeleteProfileQuestion,
                 { F::ProfileName }),
    });
    return catalogue;
}

const CatalogueCommand &CommandCatalogue::command(int row) const
{
    Q_ASSERT(row >= 1 && row <= m_commands.size());
    return m_commands.at(row - 1);
}

bool CommandCatalogue::isRefusedCharacter(QChar c)
{
    static const QString refused = QStringLiteral("\"%!^&|<>");
    return refused.contains(c) || c.category() == QChar::Other_Control
        || c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph;
}

CommandCatalogue::Built CommandCatalogue::build(int row, Form form, const CommandFields &fields) const
{
    const CatalogueCommand &entry = command(row);
    Built built;
    QString text = form == Form::Console ? entry.consoleForm : entry.externalForm;
    QStringList values;
    for (CommandField field : entry.fields) {
        const QString value = fields.value(field);
        if (std::any_of(value.cbegin(), value.cend(), isRefusedCharacter)) {
            built.refused = true;
            built.refusedField = field;
            return built;
        }
        values << (m_syntax == Syntax::Shell ? os::shellQuoted(value) : value);
    }
    // Filled in one pass, so that a "%2" typed into the first field stays literal text.
    if (values.size() == 1)
        text = text.arg(values.at(0));
    else if (values.size() == 2)
        text = text.arg(values.at(0), values.at(1));
    built.text = text;
    return built;
}

QString CommandCatalogue::confirmationText(int row) const
{
    const char *question = command(row).confirmation;
    return question ? QCoreApplication::translate("CommandCatalogue", question) : QString();
}
