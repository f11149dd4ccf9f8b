#pragma once

#include "app/settings/SettingsEnums.h"

#include <QString>
#include <QWidget>

namespace Ui {
class InsiderNotification;
}

class QLabel;
class QMouseEvent;

// Offers an insider build to a user on another channel. Installing switches the stored channel
// to Insider and asks for the update; the window deletes itself when closed.
class InsiderNotification : public QWidget
{
    Q_OBJECT

public:
    explicit InsiderNotification(QWidget *parent = nullptr);
    ~InsiderNotification() override;

    // The build named in the message line ("unknown" until set).
    void setBuild(const QString &build);

signals:
    void disableInsiderNotification(bool isEnabled);
    void setInsiderChannel(Update::Channel ipChannel);
    void startInsiderUpdate();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void doNotShowAgain(bool checked);
    void install();
    void setIcon(QLabel *label, const QString &resource);
    void titlePressed(QMouseEvent *event);
    void titleMoved(QMouseEvent *event);

    Ui::InsiderNotification *ui;
    QString build;
    bool dragging = false;
    QPoint pressPosition;
};
