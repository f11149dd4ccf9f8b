#pragma once

#include <QLabel>

// A value of the information panel: one selectable line in a fixed width. A selectable label
// measures itself by laying its text out as a document several times over, at every new text. A
// line of Latin letters and punctuation that the label's own font has is always as tall as any
// other such line, so that height is measured once per appearance and shared by all values.
// Anything else is measured as usual: other scripts may be set in another font with other line
// metrics, even when the label's font has their characters.
class PanelValueLabel : public QLabel
{
    Q_OBJECT

public:
    explicit PanelValueLabel(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    bool textIsLatinInOwnFont() const;
};
