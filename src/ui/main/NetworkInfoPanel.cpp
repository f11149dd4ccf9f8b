#include "ui/main/NetworkInfoPanel.h"
#include "ui_AirvaneLite.h"

#include "app/appearance/AppFont.h"
#include "ui/main/NetworkColumn.h"
#include "ui/main/PanelValueLabel.h"
#include "ui/widgets/PlainText.h"

#include <QLabel>
#include <QLayout>
#include <QTreeWidgetItem>

#include <iterator>

namespace {

using namespace NetworkList;

// Panel rows 8 to 23 in display order, as network-list columns.
constexpr int PanelNetworkColumns[] = {
    SsidColumn, EncryptionColumn, SignalColumn, SecurityColumn, AuthColumn, ConnectableColumn,
    NotConnectableColumn, BssTypeColumn, FlagsColumn, PasswordColumn, ConnectedColumn, MacColumn,
    ChannelColumn, ModeColumn, FrequencyColumn, BandColumn,
};

constexpr int FirstNetworkPanelRow = 7;  // "Network:" (0-based)
constexpr int ProfilePanelRow = 6;       // "Profile:"
constexpr int StatusPanelRow = 2;
constexpr int ConnectedPanelRow = 17;
// Values keep this width whatever they read, so the panel never pushes the lists aside.
constexpr int ValueWidth = 280;

} // namespace

NetworkInfoPanel::NetworkInfoPanel(Ui::AirvaneLite *form, QWidget *window)
    : QObject(window), ui(form), window(window)
{
    setObjectName(QStringLiteral("networkInfoPanel"));
    rows = {
        {ui->guidCaption, ui->guidValue},
        {ui->interfaceCaption, ui->interfaceValue},
        {ui->statusCaption, ui->statusValue},
        {ui->operModeCaption, ui->operModeValue},
        {ui->bssTypeCaption, ui->bssTypeValue},
        {ui->autoConfCaption, ui->autoConfValue},
        {ui->profileCaption, ui->profileValue},
        {ui->networkCaption, ui->networkValue},
        {ui->encryptionCaption, ui->encryptionValue},
        {ui->signalCaption, ui->signalValue},
        {ui->securityCaption, ui->securityValue},
        {ui->authAlgorithmCaption, ui->authAlgorithmValue},
        {ui->connectableCaption, ui->connectableValue},
        {ui->notConnectableReasonCaption, ui->notConnectableReasonValue},
        {ui->dot11BssTypeCaption, ui->dot11BssTypeValue},
        {ui->flagsCaption, ui->flagsValue},
        {ui->passwordCaption, ui->passwordValue},
        {ui->connectedCaption, ui->connectedValue},
        {ui->macAddressCaption, ui->macAddressValue},
        {ui->channelCaption, ui->channelValue},
        {ui->modeCaption, ui->modeValue},
        {ui->frequencyCaption, ui->frequencyValue},
        {ui->bandCaption, ui->bandValue},
    };

    const QFont captionFont = applicationFont(true);
    const QFont valueFont = applicationFont(false);
    ui->infoPanel->setFont(captionFont);
    for (const Row &row : rows) {
        row.caption->setFont(captionFont);
        row.value->setFont(valueFont);
        row.value->setTextFormat(Qt::PlainText);
        row.value->setFixedWidth(ValueWidth);
        row.value->setSelectable();
        values << row.value->text();
    }
    shown.resize(rows.size());
    for (int i = 0; i < ui->infoLayout->count(); ++i) {
        if (QLayout *rowLayout = ui->infoLayout->itemAt(i)->layout())
            rowLayout->setAlignment(Qt::AlignLeft);
    }
}

void NetworkInfoPanel::setInterface(const WirelessInterface &record)
{
    const QStringList texts = {record.guid, record.type, record.stateText, record.operationMode, record.bssType,
                               record.autoConfiguration};
    for (int i = 0; i < texts.size(); ++i)
        setValue(i, texts[i]);
}

void NetworkInfoPanel::showNetworkRow(const QTreeWidgetItem *item)
{
    ui->profileCaption->hide();
    ui->profileValue->hide();
    fillNetworkRows(item, 0);
}

void NetworkInfoPanel::showProfileRow(const QTreeWidgetItem *item)
{
    ui->profileCaption->show();
    ui->profileValue->show();
    setValue(ProfilePanelRow, item->text(0));
    fillNetworkRows(item, 1);
}

void NetworkInfoPanel::fillNetworkRows(const QTreeWidgetItem *item, int columnOffset)
{
    for (int i = 0; i < int(std::size(PanelNetworkColumns)); ++i)
        setValue(FirstNetworkPanelRow + i, item->text(PanelNetworkColumns[i] + columnOffset));
}

void NetworkInfoPanel::resetNetworkRows()
{
    for (int i = ProfilePanelRow; i < rows.size(); ++i)
        setValue(i, tr("Unknown"));
}

void NetworkInfoPanel::resetAllRows()
{
    for (int i = 0; i < rows.size(); ++i)
        setValue(i, tr("Unknown"));
}

void NetworkInfoPanel::setValue(int row, const QString &text)
{
    QLabel *label = rows[row].value;
    Shown &last = shown[row];
    const QString line = plaintext::singleLine(text);
    if (line == values[row] && label->text() == last.text && label->font() == last.font)
        return;
    values[row] = line;
    const QString elided = label->fontMetrics().elidedText(line, Qt::ElideRight, ValueWidth);
    label->setText(elided);
    label->setToolTip(elided == line ? QString() : plaintext::toolTip(line));
    last.text = elided;
    last.font = label->font();
}

void NetworkInfoPanel::setStatus(const QString &text)
{
    setValue(StatusPanelRow, text);
}

void NetworkInfoPanel::setConnected(const QString &text)
{
    setValue(ConnectedPanelRow, text);
}

QString NetworkInfoPanel::clipboardText(const QString &adapterName) const
{
    QString text = QStringLiteral("%1\n").arg(adapterName);
    for (int i = 0; i < rows.size(); ++i) {
        const Row &row = rows[i];
        // Hidden here means hidden on purpose, not merely because the window is in the tray.
        if (i == ProfilePanelRow && !(row.caption->isVisibleTo(window) && row.value->isVisibleTo(window)))
            continue;
        const bool last = i == rows.size() - 1;
        text += (last ? QStringLiteral("%1 %2") : QStringLiteral("%1 %2\n"))
                    .arg(row.caption->text(), values[i]);
    }
    return text;
}
