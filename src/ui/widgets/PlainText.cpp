#include "ui/widgets/PlainText.h"

#include <QLabel>

namespace plaintext {

QString singleLine(const QString &text)
{
    QString line = text;
    for (QChar &c : line) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QChar::ReplacementCharacter;
    }
    return line;
}

void setLabelText(QLabel *label, const QString &text)
{
    label->setTextFormat(Qt::PlainText);
    label->setText(singleLine(text));
}

} // namespace plaintext
