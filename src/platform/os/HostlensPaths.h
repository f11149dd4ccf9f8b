#pragma once

#include <QStringList>

namespace os {

// Where an installed "Hostlens Home" is looked for first, in order. Empty where the sibling
// program has no install location of its own (everywhere but Windows): the user is asked for it.
QStringList hostlensInstallPaths();

} // namespace os
