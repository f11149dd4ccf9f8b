#pragma once

#include <QDialogButtonBox>
#include <QString>

#include <functional>

class QWidget;

namespace testsupport {

// Answers the next modal dialog that appears: waits (without blocking the event loop) until a
// modal widget is active and hands it to `action`. Call before the code that opens the dialog.
void whenModalAppears(std::function<void(QWidget *dialog)> action, int timeoutMs = 5000);

// Clicks the dialog's button with this text ('&' removed); false when there is none.
bool clickButton(QWidget *dialog, const QString &buttonText);

// Presses the button with this text (after removing '&') in the next modal dialog.
void pressInNextModal(const QString &buttonText, int timeoutMs = 5000);

} // namespace testsupport
