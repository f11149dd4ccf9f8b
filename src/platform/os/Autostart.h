#pragma once

#include <QString>

// "Start with the operating system": an entry in the user's start-up list that runs
// executablePath at log-in. Both return false when the entry could not be written or removed,
// or (isRunAtStartup) is absent.
bool setRunAtStartup(bool on, const QString &executablePath);
bool isRunAtStartup();
