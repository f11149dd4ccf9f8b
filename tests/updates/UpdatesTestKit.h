#pragma once

#include "ui/widgets/MsgDialog.h"

#include <QPushButton>
#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <memory>

namespace updateskit {

struct SeenBox
{
    QString title;
    QString text;
    int shown = 0;
};

// Presses `button` in the next message box (the update windows are modal themselves, so the
// box is told apart by its class) and records its title and text.
inline std::shared_ptr<SeenBox> answerNextBox(const QString &button, int timeoutMs = 10000)
{
    auto seen = std::make_shared<SeenBox>();
    auto *timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        *waited += 10;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<MsgDialog *>(widget);
            if (!box || !box->isVisible())
                continue;
            ++seen->shown;
            seen->title = box->windowTitle();
            if (auto *label = box->findChild<QLabel *>("textLabel"))
                seen->text = label->text();
            if (QPushButton *pressed = box->button(QMessageBox::StandardButton(
                    button == "Yes" ? QMessageBox::Yes : button == "No" ? QMessageBox::No
                        : button == "Retry" ? QMessageBox::Retry : button == "Cancel" ? QMessageBox::Cancel
                                                                                         : QMessageBox::Ok)))
                pressed->click();
            timer->deleteLater();
            return;
        }
        if (*waited > timeoutMs)
            timer->deleteLater();
    });
    timer->start(10);
    return seen;
}

} // namespace updateskit
