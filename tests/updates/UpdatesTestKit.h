#pragma once

#include "ui/widgets/MsgDialog.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QPointer>
#include <QTimer>

#include <memory>

namespace updateskit {

struct SeenBox
{
    QStringList texts;
    QString text; // the last one
    int shown = 0;
};

// Answers the next message boxes, one button each, and records their texts. The update windows
// are modal themselves, so a box is told apart by its class, not by being the modal widget.
inline std::shared_ptr<SeenBox> answerBoxes(const QStringList &buttons, int timeoutMs = 15000)
{
    static const QHash<QString, QMessageBox::StandardButton> standard{
        {"Yes", QMessageBox::Yes}, {"No", QMessageBox::No}, {"Retry", QMessageBox::Retry},
        {"Cancel", QMessageBox::Cancel}, {"OK", QMessageBox::Ok}};
    auto seen = std::make_shared<SeenBox>();
    // Boxes are short-lived: a new one may reuse an answered one's address, so only live ones count.
    auto answered = std::make_shared<QList<QPointer<QWidget>>>();
    auto *timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        *waited += 10;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<MsgDialog *>(widget);
            if (!box || !box->isVisible() || answered->contains(box))
                continue;
            answered->append(box);
            if (auto *label = box->findChild<QLabel *>("textLabel"))
                seen->texts << label->text();
            seen->text = seen->texts.last();
            const QString button = buttons.value(seen->shown++);
            if (QPushButton *pressed = box->button(standard.value(button, QMessageBox::Ok)))
                pressed->click();
            if (seen->shown == buttons.size())
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
