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

    // Selectable by mouse and keyboard. A selectable label keeps its text as a document, which
    // costs every value of a window that shows twenty of them; the document is made when the
    // pointer, a click, the focus or a context menu first comes to the label, and the label looks
    // the same before and after (as long as it is as tall as its text).
    void setSelectable();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;

private:
    bool textIsLatinInOwnFont() const;

    bool selectableOnFirstVisit = false;
};
