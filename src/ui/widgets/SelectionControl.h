#pragma once

#include <QAbstractButton>

// A checkable button that reports its check state the way check boxes do: stateChanged(2) when
// it becomes checked, stateChanged(0) when it becomes unchecked, whatever changed it.
class SelectionControl : public QAbstractButton
{
    Q_OBJECT

public:
    explicit SelectionControl(QWidget *parent = nullptr);
    ~SelectionControl() override;

    Qt::CheckState checkState() const;

signals:
    void stateChanged(int state);

protected:
    void enterEvent(QEvent *event) override;

    // Called after every change of the check state, once stateChanged has been emitted.
    virtual void checkStateChanged(bool checked);
};
