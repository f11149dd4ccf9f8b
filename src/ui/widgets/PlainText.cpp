#include "ui/widgets/PlainText.h"

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

QString toolTip(const QString &text)
{
    if (text.isEmpty())
        return text;
    return QStringLiteral("<p style=\"white-space:pre\">%1</p>").arg(singleLine(text).toHtmlEscaped());
}

} // namespace plaintext
