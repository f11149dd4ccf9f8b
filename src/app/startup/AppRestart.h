#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <functional>

class QWidget;

// Restarting the program after a change that needs it (the settings dialog).
class AppRestart
{
    Q_DECLARE_TR_FUNCTIONS(AppRestart)

public:
    // Starts `program` with `arguments` as a detached process; true when it started.
    using Starter = std::function<bool(const QString &program, const QStringList &arguments)>;
    // Ends the event loop with the code.
    using Quit = std::function<void(int exitCode)>;

    // Starts a new copy of this executable (its real path, not argv[0]) with the single argument
    // "-restart" and only then asks the event loop to end with 0. When the new copy cannot be
    // started the program keeps running and says so in an "Error" box over `parent`.
    static bool restart(QWidget *parent = nullptr, const Starter &starter = Starter(), const Quit &quit = Quit());
};

inline bool restartApplication(QWidget *parent = nullptr)
{
    return AppRestart::restart(parent);
}
