#include "ui/main/PanelValueLabel.h"

#include <QEvent>
#include <QFontMetrics>

#include <algorithm>
#include <tuple>

namespace {

// What a line's height depends on, and the height last measured for it. Widgets live on the GUI
// thread only, so the panel's values share one.
struct LineMeasure
{
    QFont font;
    Qt::TextInteractionFlags interaction;
    Qt::TextFormat format = Qt::AutoText;
    QMargins margins;
    int margin = 0;
    int indent = 0;
    int height = -1;

    bool sameAs(const LineMeasure &other) const
    {
        return std::tie(font, interaction, format, margins, margin, indent) ==
               std::tie(other.font, other.interaction, other.format, other.margins, other.margin, other.indent);
    }
};

LineMeasure &sharedMeasure()
{
    static LineMeasure measure;
    return measure;
}

} // namespace

PanelValueLabel::PanelValueLabel(QWidget *parent) : QLabel(parent) {}

void PanelValueLabel::setSelectable()
{
    selectableOnFirstVisit = true;
}

bool PanelValueLabel::event(QEvent *event)
{
    if (selectableOnFirstVisit) {
        switch (event->type()) {
        case QEvent::Enter:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::FocusIn:
        case QEvent::ContextMenu:
            selectableOnFirstVisit = false;
            setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            // A press that comes without the pointer entering first found the label without a
            // focus policy; it takes the focus a selectable label takes on a click.
            if (event->type() == QEvent::MouseButtonPress)
                setFocus(Qt::MouseFocusReason);
            break;
        default:
            break;
        }
    }
    return QLabel::event(event);
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
    LineMeasure now{font(), textInteractionFlags(), textFormat(), contentsMargins(), margin(), indent()};
    LineMeasure &shared = sharedMeasure();
    if (shared.height < 0 || !now.sameAs(shared)) {
        now.height = QLabel::sizeHint().height();
        shared = now;
    }
    // The width is fixed by the panel; only the height is the label's to say.
    return {minimumWidth(), shared.height};
}

QSize PanelValueLabel::minimumSizeHint() const
{
    return textIsLatinInOwnFont() ? sizeHint() : QLabel::minimumSizeHint();
}
