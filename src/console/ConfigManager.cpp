#include "console/ConfigManager.h"
#include "ui_ConfigManager.h"

#include "app/appearance/AppFont.h"
#include "platform/os/InterpreterProcess.h"
#include "ui/widgets/ScrollBar.h"
#include "ui/widgets/WindowRules.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCodec>
#include <QTextCursor>

ConfigManager::ConfigManager(QWidget *parent, const QString &interpreter)
    : QDialog(parent)
    , ui(new Ui::ConfigManager)
    , process(new os::InterpreterProcess(this))
    // One decoder for the whole run: a character split between two reads comes out whole.
    , decoder(os::InterpreterProcess::outputCodec()->makeDecoder())
{
    ui->setupUi(this);
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("ConfigManager"));
    retranslate();
    setMinimumSize(660, 530);
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    applyWindowOpacity(this);

    ui->outputView->setVerticalScrollBar(new ScrollBar(Qt::Vertical, ui->outputView));
    ui->outputView->setHorizontalScrollBar(new ScrollBar(Qt::Horizontal, ui->outputView));
    ui->outputView->setFont(applicationFont());

    if (!interpreter.isEmpty())
        process->setInterpreter(interpreter);
    connect(process, &QProcess::readyReadStandardOutput, this, &ConfigManager::appendOutput);
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            [this](int exitCode, QProcess::ExitStatus status) { commandFinished(exitCode, status); });
    connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            startFailed();
    });
}

ConfigManager::~ConfigManager()
{
    endCommand();
    delete ui;
}

QTextBrowser *ConfigManager::outputView() const
{
    return ui->outputView;
}

void ConfigManager::retranslate()
{
    setWindowTitle(QStringLiteral("%1 - %2").arg(QStringLiteral("Airvane Lite"), tr("Config Manager")));
}

void ConfigManager::runCommand(const QStringList &arguments)
{
    m_commandLine = arguments.join(QLatin1Char(' '));
    process->startCommand(m_commandLine);
}

void ConfigManager::appendOutput()
{
    const QString text = decoder->toUnicode(process->readAllStandardOutput());
    if (!text.isEmpty())
        appendParagraph(text);
}

void ConfigManager::appendParagraph(QString text)
{
    // A piece normally ends its last line; that line break would only add an empty paragraph.
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));

    QTextDocument *document = ui->outputView->document();
    QTextCursor end(document);
    end.movePosition(QTextCursor::End);
    // Output is plain text whatever it looks like; it never becomes markup or a link.
    if (!document->isEmpty())
        end.insertBlock();
    end.insertText(text);

    QTextCursor top(document);
    top.setPosition(0);
    ui->outputView->setTextCursor(top);
}

void ConfigManager::commandFinished(int exitCode, int exitStatus)
{
    if (exitStatus == QProcess::CrashExit)
        emit commandFailed(Crashed);
    else if (exitCode != 0)
        emit commandFailed(exitCode);
    else
        emit commandSucceeded();
    process->close();
}

void ConfigManager::startFailed()
{
    appendParagraph(tr("The command could not be started: %1").arg(process->errorString()));
    emit commandFailed(CannotStart);
}

void ConfigManager::endCommand()
{
    // The user ended it: no result is reported for a command that was cut short.
    disconnect(process, nullptr, this, nullptr);
    process->stopCommand();
}

void ConfigManager::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        endCommand();
    QDialog::keyPressEvent(event);
}

void ConfigManager::closeEvent(QCloseEvent *event)
{
    endCommand();
    QDialog::closeEvent(event);
    event->accept();
}

void ConfigManager::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}
