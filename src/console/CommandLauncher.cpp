#include "console/CommandLauncher.h"

#include "console/CommandHost.h"
#include "console/ConfigManager.h"
#include "ui/widgets/MsgDialog.h"
#include "ui/widgets/WindowRules.h"

CommandLauncher::CommandLauncher(const CommandCatalogue &catalogue, CommandHost &host)
    : m_catalogue(catalogue)
    , m_host(host)
{
}

ConfigManager *CommandLauncher::lastConsole() const
{
    return m_lastConsole;
}

QString CommandLauncher::fieldName(CommandField field)
{
    switch (field) {
    case CommandField::NetworkName:
        return tr("network name");
    case CommandField::NetworkPassword:
        return tr("network password");
    case CommandField::ProfileName:
        return tr("network profile");
    }
    return QString();
}

CommandLauncher::Outcome CommandLauncher::run(int row, const CommandFields &fields, bool useConfigManager,
                                              bool alwaysOnTop, QWidget *parent)
{
    const CatalogueCommand &command = m_catalogue.command(row);
    if (!command.available())
        return Outcome::Unavailable;

    // The field texts end up inside a command line that may run with administrator rights: a
    // text that could leave its quotes is refused before anything else happens.
    const CommandCatalogue::Built console = m_catalogue.build(row, CommandCatalogue::Form::Console, fields);
    if (console.refused) {
        MsgDialog::run(parent, tr("Error"),
                       tr("The %1 contains a character that cannot be passed to a command (quotes, %, !, ^, &, |, "
                          "angle brackets or a line break). The command was not run.")
                           .arg(fieldName(console.refusedField)),
                       MsgDialog::Critical);
        return Outcome::Refused;
    }
    const QString external = m_catalogue.build(row, CommandCatalogue::Form::External, fields).text;

    const QString question = m_catalogue.confirmationText(row);
    if (!question.isEmpty()
        && MsgDialog::run(parent, tr("Warning"), question, MsgDialog::Warning, QMessageBox::Yes | QMessageBox::No)
            != QMessageBox::Yes)
        return Outcome::NotConfirmed;

    if (!useConfigManager) {
        m_host.runConsoleCommand(command.admin, external);
        return command.admin ? Outcome::ExternalElevated : Outcome::External;
    }

    if (command.admin && !m_host.isProcessElevated()) {
        const QString text = tr("You need the admin privileges to use this feature with Config Manager!")
            + QLatin1Char('\n') + tr("Do you want to run this command in console?");
        if (MsgDialog::run(parent, tr("Attention"), text, MsgDialog::Warning, QMessageBox::Yes | QMessageBox::No)
            != QMessageBox::Yes)
            return Outcome::NotConfirmed;
        m_host.runConsoleCommand(true, external);
        return Outcome::ExternalElevated;
    }

    auto *window = new ConfigManager(parent, m_host.interpreter());
    applyTopMost(window, alwaysOnTop);
    window->runCommand({ console.text });
    window->show();
    m_lastConsole = window;
    return Outcome::Console;
}
