#include "ModalAnswer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace testsupport {

void whenModalAppears(std::function<void(QWidget *)> action, int timeoutMs, std::function<bool(QWidget *)> accepts)
{
    // Polled from the event loop that the dialog's exec() runs.
    auto *poll = new QTimer;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(poll, &QTimer::timeout, [poll, action, clock, timeoutMs, accepts] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && accepts && !accepts(modal))
            modal = nullptr;
        if (!modal && clock.elapsed() <= timeoutMs)
            return;
        poll->stop();
        if (modal)
            action(modal);
        poll->deleteLater();
    });
    poll->start(10);
}

bool clickButton(QWidget *dialog, const QString &buttonText)
{
    for (QAbstractButton *button : dialog->findChildren<QAbstractButton *>()) {
        if (button->text().remove(QLatin1Char('&')) == buttonText) {
            button->click();
            return true;
        }
    }
    return false;
}

void pressInNextModal(const QString &buttonText, int timeoutMs)
{
    whenModalAppears([buttonText](QWidget *dialog) { clickButton(dialog, buttonText); }, timeoutMs);
}

ModalScript::ModalScript(QStringList answers) : pending(std::move(answers))
{
    connect(&poll, &QTimer::timeout, this, &ModalScript::answerNext);
    poll.start(10);
}

void ModalScript::answerNext()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (pending.isEmpty() || !modal || modal == answered || !modal->isVisible())
        return;
    const QString answer = pending.constFirst();
    if (auto *files = qobject_cast<QFileDialog *>(modal)) {
        if (answer != QLatin1String("cancel")) {
            // The dialog may still be reading its folder and reset the choice; try again
            // on the next tick until the choice holds.
            if (auto *name = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                name->setText(answer);
            else
                files->selectFile(answer);
            const QStringList chosen = files->selectedFiles();
            if (chosen.size() != 1 || QFileInfo(chosen.at(0)).canonicalFilePath() != QFileInfo(answer).canonicalFilePath())
                return;
        }
        answered = modal;
        pending.removeFirst();
        seen << QStringLiteral("file dialog: ") + files->windowTitle() + QLatin1Char(' ')
                    + files->nameFilters().join(QLatin1Char(';'));
        if (answer == QLatin1String("cancel"))
            files->reject();
        else
            static_cast<QDialog *>(files)->done(QDialog::Accepted);
        return;
    }
    answered = modal;
    pending.removeFirst();
    QString text;
    for (QLabel *label : modal->findChildren<QLabel *>()) {
        if (!label->text().isEmpty())
            text = label->text();
    }
    seen << modal->windowTitle() + QStringLiteral(": ") + text;
    for (QAbstractButton *button : modal->findChildren<QAbstractButton *>()) {
        if (button->text().remove(QLatin1Char('&')) == answer) {
            button->click();
            return;
        }
    }
}

} // namespace testsupport
