#include "ui/widgets/PlainText.h"

#include <algorithm>

namespace plaintext {

namespace {

bool breaksTheLine(QChar c)
{
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

} // namespace

QString singleLine(const QString &text)
{
    // Painting asks for every cell's text; a text with nothing to replace is handed back as it is.
    if (std::none_of(text.cbegin(), text.cend(), breaksTheLine))
        return text;
    QString line = text;
    std::replace_if(line.begin(), line.end(), breaksTheLine, QChar(QChar::ReplacementCharacter));
    return line;
}

QString toolTip(const QString &text)
{
    if (text.isEmpty())
        return text;
    return QStringLiteral("<p style=\"white-space:pre\">%1</p>").arg(singleLine(text).toHtmlEscaped());
}

} // namespace plaintext
