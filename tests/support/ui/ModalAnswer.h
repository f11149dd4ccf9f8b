#pragma once

#include <QDialogButtonBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

class QWidget;

namespace testsupport {

// Answers the next modal dialog that appears: waits (without blocking the event loop) until a
// modal widget is active (and, with `accepts`, one it accepts, passing over the others) and hands
// it to `action`. Call before the code that opens the dialog.
void whenModalAppears(std::function<void(QWidget *dialog)> action, int timeoutMs = 5000,
                      std::function<bool(QWidget *dialog)> accepts = {});

// Clicks the dialog's button with this text ('&' removed); false when there is none.
bool clickButton(QWidget *dialog, const QString &buttonText);

// Presses the button with this text (after removing '&') in the next modal dialog.
void pressInNextModal(const QString &buttonText, int timeoutMs = 5000);

// Answers the modal windows of one run in order while it lives and keeps what each of them was:
// "<title>: <text>" for a message box, "file dialog: <title> <filters>" for a file dialog. A window
// is answered once: while it is still closing, the next answer waits for the next window.
class ModalScript : public QObject
{
public:
    // "Yes", "Retry", ...: press that button of a message box; "cancel": reject a file dialog;
    // any other text: choose that file in a file dialog.
    explicit ModalScript(QStringList answers);
    QStringList seen;

private:
    void answerNext();
    QStringList pending;
    QPointer<QWidget> answered;
    QTimer poll;
};

} // namespace testsupport
