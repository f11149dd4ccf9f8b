#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>

namespace Ui {
class ConfigManager;
}
namespace os {
class InterpreterProcess;
}
class QTextBrowser;
class QTextDecoder;

// The program's console window: runs one command line through the system's command interpreter
// and shows what it writes to its standard output, one paragraph per piece that arrives. It takes
// no input. Closing the window (or Escape) ends the command and everything it started.
class ConfigManager : public QDialog
{
    Q_OBJECT

public:
    // commandFailed codes that are not exit codes of the command.
    enum : int {
        CannotStart = -1, // the interpreter could not be started; the window says why
        Crashed = -2,     // the interpreter ended abnormally (killed or crashed)
    };

    // `interpreter`: the program that runs the command lines (the system's by default).
    explicit ConfigManager(QWidget *parent = nullptr, const QString &interpreter = QString());
    ~ConfigManager() override;

    // The interpreter's arguments: one element, the whole command line (cmd.exe's "/C ..." form
    // on Windows, a shell command elsewhere).
    void runCommand(const QStringList &arguments);

    QString commandLine() const { return m_commandLine; }
    QTextBrowser *outputView() const;

signals:
    void commandSucceeded();
    void commandFailed(int errorCode);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void appendOutput();
    void appendParagraph(QString text);
    void commandFinished(int exitCode, int exitStatus);
    void startFailed();
    void endCommand();

    Ui::ConfigManager *ui;
    os::InterpreterProcess *process = nullptr;
    std::unique_ptr<QTextDecoder> decoder;
    QString m_commandLine;
};
