#include "ui/main/PanelValueLabel.h"

#include <QFontMetrics>

#include <algorithm>

PanelValueLabel::Measure PanelValueLabel::measured;
int PanelValueLabel::lineHeight = -1;

PanelValueLabel::PanelValueLabel(QWidget *parent) : QLabel(parent) {}

bool PanelValueLabel::Measure::operator==(const Measure &other) const
{
    return font == other.font && interaction == other.interaction && format == other.format &&
           margins == other.margins && margin == other.margin && indent == other.indent;
}

PanelValueLabel::Measure PanelValueLabel::currentMeasure() const
{
    return {font(), textInteractionFlags(), textFormat(), contentsMargins(), margin(), indent()};
}

bool PanelValueLabel::textIsLatinInOwnFont() const
{
    const QFontMetrics metrics(font());
    const QString value = text();
    return std::all_of(value.begin(), value.end(), [&metrics](QChar character) {
        const ushort code = character.unicode();
        const bool latinOrPunctuation = code <= 0x024F || (code >= 0x2000 && code <= 0x206F);
        return latinOrPunctuation && metrics.inFont(character);
    });
}

QSize PanelValueLabel::sizeHint() const
{
    if (!textIsLatinInOwnFont())
        return QLabel::sizeHint();
    const Measure now = currentMeasure();
    if (lineHeight < 0 || !(now == measured)) {
        lineHeight = QLabel::sizeHint().height();
        measured = now;
    }
    // The width is fixed by the panel; only the height is the label's to say.
    return {minimumWidth(), lineHeight};
}

QSize PanelValueLabel::minimumSizeHint() const
{
    return textIsLatinInOwnFont() ? sizeHint() : QLabel::minimumSizeHint();
}
