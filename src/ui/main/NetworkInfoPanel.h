#pragma once

#include "wireless/WirelessInterface.h"

#include <QFont>
#include <QObject>
#include <QString>
#include <QVector>

class PanelValueLabel;
class QLabel;
class QTreeWidgetItem;
class QWidget;

namespace Ui {
class AirvaneLite;
}

// The "Wireless information" box of the main window: 23 caption/value rows filled from the active
// adapter and from the pressed network or profile row. The labels stay in the window's form (their
// texts are translated there); this class drives them.
class NetworkInfoPanel : public QObject
{
    Q_OBJECT

public:
    // window is the top-level owner of the form; it also becomes this object's parent.
    NetworkInfoPanel(Ui::AirvaneLite *form, QWidget *window);

    // Rows 1 to 6: GUID, interface, status, operation mode, BSS type, auto configuration.
    void setInterface(const WirelessInterface &record);
    // Rows 8 to 23 from a network-list row; the "Profile:" row is hidden.
    void showNetworkRow(const QTreeWidgetItem *item);
    // Rows 7 to 23 from a profile-list row; the "Profile:" row is shown.
    void showProfileRow(const QTreeWidgetItem *item);
    // Rows 7 to 23 read "Unknown" again: the row they came from is no longer listed.
    void resetNetworkRows();
    // Every row reads "Unknown" (a new language: the values come again from the engine).
    void resetAllRows();
    void setStatus(const QString &text);
    void setConnected(const QString &text);

    // The adapter name, then one "caption value" line per row; a hidden "Profile:" row is left out.
    QString clipboardText(const QString &adapterName) const;

private:
    struct Row {
        QLabel *caption;
        PanelValueLabel *value;
    };
    // What setValue last put into a value and in which font: the same text again needs no new
    // eliding, which measures the text.
    struct Shown {
        QString text;
        QFont font;
    };
    void fillNetworkRows(const QTreeWidgetItem *item, int columnOffset);
    // Outside text, shown as plain text on one line; a value too long for the row ends in an
    // ellipsis and shows whole in its tooltip and in the clipboard text.
    void setValue(int row, const QString &text);

    Ui::AirvaneLite *ui;
    QWidget *window;
    QVector<Row> rows;
    QStringList values;
    QVector<Shown> shown;
};
