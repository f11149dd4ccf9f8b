#include "ui/widgets/SelectionControl.h"

SelectionControl::SelectionControl(QWidget *parent)
    : QAbstractButton(parent)
{
    setObjectName(QStringLiteral("SelectionControl"));
    setCheckable(true);
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        emit stateChanged(checked ? Qt::Checked : Qt::Unchecked);
        checkStateChanged(checked);
    });
}

SelectionControl::~SelectionControl() = default;

Qt::CheckState SelectionControl::checkState() const
{
    return isChecked() ? Qt::Checked : Qt::Unchecked;
}

void SelectionControl::enterEvent(QEvent *event)
{
    setCursor(Qt::ArrowCursor);
    QAbstractButton::enterEvent(event);
}

void SelectionControl::checkStateChanged(bool)
{
}
