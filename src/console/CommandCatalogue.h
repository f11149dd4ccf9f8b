#pragma once

#include <QCoreApplication>
#include <QString>
#include <QVector>

// The input fields of the network console page that commands take their values from.
enum class CommandField { NetworkName, NetworkPassword, ProfileName };

struct CommandFields
{
    QString networkName;
    QString networkPassword;
    QString profileName;

    QString value(CommandField field) const;
};

// One button of the network console page.
struct CatalogueCommand
{
    int row = 0;                 // 1 to 14, the order of the page's buttons
    QString consoleForm;         // run by the console window; empty when the system has no equivalent
    QString externalForm;        // run in a console of the system that stays open
    bool admin = false;          // needs administrator rights
    const char *confirmation = nullptr; // question asked first (untranslated), or none
    QVector<CommandField> fields;       // what %1 and %2 stand for

    bool available() const { return !consoleForm.isEmpty(); }
};

// The network configuration commands: netsh on Windows, the nearest nmcli command elsewhere.
class CommandCatalogue
{
    Q_DECLARE_TR_FUNCTIONS(CommandCatalogue)

public:
    enum class Syntax {
        Cmd,   // the texts carry double quotes around %1 and %2; fields go in between unchanged
        Shell, // each field is put in single quotes of its own
    };

    enum class Form { Console, External };

    // What building a command line came to.
    struct Built
    {
        QString text;              // the whole command line, empty when refused
        bool refused = false;      // a field holds a character that could leave its quotes
        CommandField refusedField = CommandField::NetworkName;
    };

    static const CommandCatalogue &netsh();
    static const CommandCatalogue &nmcli();
    // The catalogue of the system the program runs on.
    static const CommandCatalogue &system();

    Syntax syntax() const { return m_syntax; }
    const QVector<CatalogueCommand> &commands() const { return m_commands; }
    // The command of a row (1 to 14).
    const CatalogueCommand &command(int row) const;

    // Characters never put into a command line, whatever the quoting: ", %, !, ^, &, |, <, > and
    // control characters. cmd.exe expands or acts on all of them even between double quotes.
    static bool isRefusedCharacter(QChar c);

    Built build(int row, Form form, const CommandFields &fields) const;

    // The translated confirmation question of a row; empty when it has none.
    QString confirmationText(int row) const;

private:
    CommandCatalogue(Syntax syntax, QVector<CatalogueCommand> commands);

    Syntax m_syntax;
    QVector<CatalogueCommand> m_commands;
};
