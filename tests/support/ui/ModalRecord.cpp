#include "ModalRecord.h"

#include "ModalAnswer.h"

#include <QLabel>
#include <QWidget>

namespace testsupport {

void answerNextModals(QStringList *seen, const QString &button, int count)
{
    whenModalAppears([=](QWidget *dialog) {
        QString texts;
        for (QLabel *label : dialog->findChildren<QLabel *>())
            texts += label->text();
        *seen << dialog->windowTitle() + QLatin1Char('|') + texts;
        if (count > 1)
            answerNextModals(seen, button, count - 1);
        if (button.isEmpty() || !clickButton(dialog, button))
            dialog->close();
    });
}

} // namespace testsupport
