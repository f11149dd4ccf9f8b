#pragma once

#include <QString>
#include <QStringList>

namespace testsupport {

// Answers the next `count` modal dialogs, one after the other: appends "<title>|<texts of its
// labels>" of each to `seen`, then presses the button with the text `button` ('&' removed), or
// closes the dialog when `button` is empty. `seen` must outlive the dialogs.
void answerNextModals(QStringList *seen, const QString &button = QString(), int count = 1);

} // namespace testsupport
