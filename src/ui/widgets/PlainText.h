#pragma once

#include <QString>

class QLabel;

// Text that comes from outside the program (network and profile names, adapter descriptions,
// reason texts) is shown as it is: never read as markup, and on one line.
namespace plaintext {

// Control characters (tab, line breaks, ...) become U+FFFD, so a name stays on its line and the
// user still sees that something unusual is in it.
QString singleLine(const QString &text);

// Shows outside text in a label: plain text, on one line.
void setLabelText(QLabel *label, const QString &text);

} // namespace plaintext
