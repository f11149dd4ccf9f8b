#include "app/startup/AppRestart.h"

#include "log/LogView.h"
#include "ui/widgets/MsgDialog.h"

#include <QProcess>

bool AppRestart::restart(QWidget *parent, const Starter &starter, const Quit &quit)
{
    const QString program = QCoreApplication::applicationFilePath();
    const QStringList arguments{QStringLiteral("-restart")};
    const bool started = starter ? starter(program, arguments) : QProcess::startDetached(program, arguments);
    if (!started) {
        appendLog(tr("the application could not be restarted"));
        MsgDialog::run(parent, tr("Error"),
                       tr("Failed to restart the application!") + QLatin1Char(' ')
                           + tr("Close it and start it again."),
                       MsgDialog::Critical, QMessageBox::Ok);
        return false;
    }
    if (quit)
        quit(0);
    else
        QCoreApplication::exit(0);
    return true;
}
