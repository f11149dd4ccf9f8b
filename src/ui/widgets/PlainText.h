#pragma once

#include <QString>

// Text that comes from outside the program (network and profile names, adapter descriptions,
// reason texts) is shown as it is: never read as markup, and on one line.
namespace plaintext {

// Control characters (tab, line breaks, ...) become U+FFFD, so a name stays on its line and the
// user still sees that something unusual is in it.
QString singleLine(const QString &text);

// A tooltip that shows outside text as it reads: tooltips guess whether a text is markup, so the
// text is escaped inside markup of our own.
QString toolTip(const QString &text);

} // namespace plaintext
