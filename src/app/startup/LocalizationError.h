#pragma once

#include <QCoreApplication>

// The box shown when the program's translation files cannot be loaded: the program cannot show
// its texts and ends after it.
class LocalizationError
{
    Q_DECLARE_TR_FUNCTIONS(LocalizationError)

public:
    static void show();
    // Exit code of a start that ended on this error.
    static constexpr int ExitCode = 1;
};
