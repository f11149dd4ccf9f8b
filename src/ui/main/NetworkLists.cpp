#include "ui/main/NetworkLists.h"
#include "ui_AirvaneLite.h"

#include "app/appearance/AppFont.h"
#include "ui/main/NetworkColumn.h"
#include "ui/widgets/PlainText.h"
#include "ui/widgets/ScrollBar.h"
#include "wireless/ConnectionState.h"

#include <QEvent>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTreeWidget>

namespace {

using namespace NetworkList;

// Names come from the air: a tab or a line break in one is drawn as a mark on the same line,
// while the row keeps the name itself for connecting.
//
// Fitting a column to its contents measures the same cells again on every change of the list's
// geometry (a scroll bar appearing, the first paint, ...); the measure of a plain text cell is
// kept until the list's style, font or direction changes.
class OneLineDelegate : public QStyledItemDelegate
{
public:
    explicit OneLineDelegate(QAbstractItemView *view) : QStyledItemDelegate(view)
    {
        view->installEventFilter(this);
    }

    QString displayText(const QVariant &value, const QLocale &locale) const override
    {
        return plaintext::singleLine(QStyledItemDelegate::displayText(value, locale));
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (index.data(Qt::SizeHintRole).isValid())
            return QStyledItemDelegate::sizeHint(option, index);
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QStyleOptionViewItem::ViewItemFeatures plain =
            QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::Alternate;
        if ((opt.features & ~plain) || !opt.icon.isNull())
            return QStyledItemDelegate::sizeHint(option, index);
        const QString key = QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
                                .arg(opt.font.key())
                                .arg(int(opt.state))
                                .arg(int(opt.features))
                                .arg(int(opt.viewItemPosition))
                                .arg(int(opt.displayAlignment))
                                .arg(int(opt.direction))
                                .arg(opt.text);
        const auto known = measured.constFind(key);
        if (known != measured.constEnd())
            return *known;
        const QSize size = QStyledItemDelegate::sizeHint(option, index);
        // Signal levels change with every scan; the store is started afresh now and then.
        if (measured.size() >= 20000)
            measured.clear();
        measured.insert(key, size);
        return size;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The list itself is watched only for what changes the measures; the base class filters
        // editors, and would take the list's keys for an editor's.
        if (watched != parent())
            return QStyledItemDelegate::eventFilter(watched, event);
        switch (event->type()) {
        case QEvent::StyleChange:
        case QEvent::FontChange:
        case QEvent::LayoutDirectionChange:
        case QEvent::LocaleChange:
            measured.clear();
            break;
        default:
            break;
        }
        return false;
    }

private:
    mutable QHash<QString, QSize> measured;
};

int offset(bool isProfile)
{
    return isProfile ? 1 : 0;
}

void setRowFont(QTreeWidgetItem *item, const QFont &font)
{
    for (int column = 0; column < item->columnCount(); ++column)
        item->setFont(column, font);
}

} // namespace

NetworkLists::NetworkLists(Ui::AirvaneLite *form, QWidget *window)
    : QObject(window), ui(form)
{
    setObjectName(QStringLiteral("networkLists"));
    const QFont font = applicationFont();
    for (QTreeWidget *list : {ui->networkList, ui->profileList}) {
        list->setVerticalScrollBar(new ScrollBar(Qt::Vertical, list));
        list->setHorizontalScrollBar(new ScrollBar(Qt::Horizontal, list));
        list->setItemDelegate(new OneLineDelegate(list));
        // While the list is hidden its header's measure would only be taken to be thrown away:
        // the header is measured again when it is shown.
        const QSignalBlocker quietHeader(list->header());
        list->setFont(font);
        list->header()->setFont(font);
        list->setIndentation(0);
        // Every row is one line in the list's font (the delegate folds line breaks), so the first
        // row's height is every row's: the list then measures one row, not each cell of each row.
        list->setUniformRowHeights(true);
        list->setMouseTracking(true);
        list->setSortingEnabled(true);
        list->sortByColumn(0, Qt::AscendingOrder);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        // Fitting to every row of a long list costs far more than filling it; the rows in view and
        // a sample around them decide the width, and a cell's tooltip shows what is cut off.
        list->header()->setResizeContentsPrecision(100);
        connect(list, &QTreeWidget::itemEntered, list, [](QTreeWidgetItem *item, int column) {
            item->setToolTip(column, plaintext::toolTip(item->text(column)));
        });
        list->viewport()->installEventFilter(this);
    }
    for (int column : {SsidColumn, SignalColumn, AuthColumn})
        ui->networkList->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    for (int column : {0, 1, 3, 5})
        ui->profileList->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);

    networkPlaceholder = new QLabel(tr("No wireless data is available! Click refresh to access data."),
                                    ui->networkList);
    networkPlaceholder->setObjectName(QStringLiteral("networkPlaceholder"));
    profilePlaceholder = new QLabel(tr("No wireless profiles are available."), ui->profileList);
    profilePlaceholder->setObjectName(QStringLiteral("profilePlaceholder"));
    for (QLabel *placeholder : {networkPlaceholder, profilePlaceholder}) {
        placeholder->setFont(font);
        placeholder->setAlignment(Qt::AlignCenter);
        placeholder->setWordWrap(true);
        placeholder->setAttribute(Qt::WA_TransparentForMouseEvents);
        placeholder->hide();
    }
}

void NetworkLists::retranslate()
{
    networkPlaceholder->setText(tr("No wireless data is available! Click refresh to access data."));
    profilePlaceholder->setText(tr("No wireless profiles are available."));
}

QTreeWidget *NetworkLists::networks() const
{
    return ui->networkList;
}

QTreeWidget *NetworkLists::profiles() const
{
    return ui->profileList;
}

void NetworkLists::clear()
{
    ui->networkList->clear();
    ui->profileList->clear();
}

void NetworkLists::fill(QTreeWidget *list, const QVector<WirelessAP> &records)
{
    const bool withProfile = list == ui->profileList;
    QList<QTreeWidgetItem *> rows;
    rows.reserve(records.size());
    const QFont bold = applicationFont(true);
    for (const WirelessAP &record : records)
        rows << makeRow(record, withProfile, bold);
    // One sort, one fitting of the columns and one repaint after the whole batch instead of one
    // per row; the order and the widths are the same.
    QHeaderView *header = list->header();
    QVector<int> fitted;
    for (int column = 0; column < header->count(); ++column) {
        if (header->sectionResizeMode(column) == QHeaderView::ResizeToContents) {
            fitted << column;
            header->setSectionResizeMode(column, QHeaderView::Interactive);
        }
    }
    list->setUpdatesEnabled(false);
    list->setSortingEnabled(false);
    list->addTopLevelItems(rows);
    list->setSortingEnabled(true);
    for (int column : fitted)
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    list->setUpdatesEnabled(true);
}

void NetworkLists::showEmptyPlaceholders()
{
    if (ui->networkList->topLevelItemCount() == 0) {
        layOut(ui->networkList, networkPlaceholder);
        networkPlaceholder->show();
    }
    showProfilePlaceholderIfEmpty();
}

void NetworkLists::showPlaceholders()
{
    layOut(ui->networkList, networkPlaceholder);
    layOut(ui->profileList, profilePlaceholder);
    networkPlaceholder->show();
    profilePlaceholder->show();
}

void NetworkLists::hidePlaceholders()
{
    networkPlaceholder->hide();
    profilePlaceholder->hide();
}

void NetworkLists::showProfilePlaceholderIfEmpty()
{
    if (ui->profileList->topLevelItemCount() == 0) {
        layOut(ui->profileList, profilePlaceholder);
        profilePlaceholder->show();
    } else {
        profilePlaceholder->hide();
    }
}

NetworkLists::RowKey NetworkLists::keyOf(const QTreeWidgetItem *row, bool isProfile)
{
    const int o = offset(isProfile);
    RowKey key;
    key.isProfile = isProfile;
    key.profileName = isProfile ? row->text(0) : QString();
    key.ssid = row->text(SsidColumn + o);
    key.isSecured = row->data(SecurityColumn + o, Qt::UserRole).toBool();
    key.authAlgorithm = row->data(AuthColumn + o, Qt::UserRole).toInt();
    key.cipherAlgorithm = row->data(EncryptionColumn + o, Qt::UserRole).toInt();
    return key;
}

QTreeWidgetItem *NetworkLists::rowFor(const RowKey &key) const
{
    const QTreeWidget *list = key.isProfile ? ui->profileList : ui->networkList;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = list->topLevelItem(i);
        const RowKey other = keyOf(row, key.isProfile);
        if (other.profileName == key.profileName && other.ssid == key.ssid && other.isSecured == key.isSecured
            && other.authAlgorithm == key.authAlgorithm && other.cipherAlgorithm == key.cipherAlgorithm)
            return row;
    }
    return nullptr;
}

QTreeWidgetItem *NetworkLists::profileRow(const QString &profileName, const QString &ssid) const
{
    if (profileName.isEmpty())
        return nullptr;
    for (int i = 0; i < ui->profileList->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = ui->profileList->topLevelItem(i);
        if (row->text(0) == profileName && (ssid.isEmpty() || row->text(SsidColumn + 1) == ssid))
            return row;
    }
    return nullptr;
}

QTreeWidgetItem *NetworkLists::networkRow(const QString &ssid, const QTreeWidgetItem *like) const
{
    if (ssid.isEmpty())
        return nullptr;
    const bool likeIsProfile = like && like->treeWidget() == ui->profileList;
    QTreeWidgetItem *found = nullptr;
    for (int i = 0; i < ui->networkList->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = ui->networkList->topLevelItem(i);
        if (row->text(SsidColumn) != ssid)
            continue;
        // Without a row to compare with, only a name no other row shares names a row.
        if (!like) {
            if (found)
                return nullptr;
            found = row;
            continue;
        }
        const RowKey a = keyOf(row, false);
        const RowKey b = keyOf(like, likeIsProfile);
        if (a.isSecured == b.isSecured && a.authAlgorithm == b.authAlgorithm
            && a.cipherAlgorithm == b.cipherAlgorithm)
            return row;
    }
    return found;
}

bool NetworkLists::isConnectedRow(const QTreeWidgetItem *row, bool isProfile)
{
    return row->data(ConnectedColumn + offset(isProfile), Qt::UserRole).toInt() == Connection::Connected;
}

void NetworkLists::markConnected(QTreeWidgetItem *row, bool isProfile)
{
    if (!row)
        return;
    const int column = ConnectedColumn + offset(isProfile);
    setRowFont(row, applicationFont(true));
    row->setText(column, tr("Yes"));
    row->setData(column, Qt::UserRole, QVariant::fromValue(Connection::Connected));
}

void NetworkLists::markDisconnected(QTreeWidgetItem *row, bool isProfile)
{
    if (!row)
        return;
    const int column = ConnectedColumn + offset(isProfile);
    setRowFont(row, applicationFont(false));
    row->setText(column, tr("No"));
    row->setData(column, Qt::UserRole, QVariant::fromValue(Connection::NotConnected));
}

void NetworkLists::clearConnectingMarks()
{
    const QString connecting = tr("Connecting");
    for (bool isProfile : {false, true}) {
        QTreeWidget *list = isProfile ? ui->profileList : ui->networkList;
        const int column = ConnectedColumn + offset(isProfile);
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QTreeWidgetItem *row = list->topLevelItem(i);
            if (row->text(column) == connecting)
                row->setText(column, isConnectedRow(row, isProfile) ? tr("Yes") : tr("No"));
        }
    }
}

QVector<WirelessAP> NetworkLists::networkRecords() const
{
    QVector<WirelessAP> records;
    const QTreeWidget *list = ui->networkList;
    records.reserve(list->topLevelItemCount());
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = list->topLevelItem(i);
        WirelessAP record;
        record.ssid = row->text(SsidColumn);
        record.isSecured = row->data(SecurityColumn, Qt::UserRole).toBool();
        record.cipherAlgorithm = row->data(EncryptionColumn, Qt::UserRole).toInt();
        record.authAlgorithm = row->data(AuthColumn, Qt::UserRole).toInt();
        record.isHidden = row->data(SsidColumn, Qt::UserRole).toBool();
        records << record;
    }
    return records;
}

bool NetworkLists::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == ui->networkList->viewport())
            layOut(ui->networkList, networkPlaceholder);
        else if (watched == ui->profileList->viewport())
            layOut(ui->profileList, profilePlaceholder);
    }
    return QObject::eventFilter(watched, event);
}

void NetworkLists::layOut(QTreeWidget *list, QLabel *placeholder)
{
    placeholder->setGeometry(list->viewport()->geometry().adjusted(10, 0, -10, 0));
}

QTreeWidgetItem *NetworkLists::makeRow(const WirelessAP &r, bool withProfile, const QFont &boldFont) const
{
    QStringList texts;
    texts.reserve(NetworkColumnCount + 1);
    if (withProfile)
        texts << r.profileName;
    texts << r.ssid << r.cipherText << r.signal << r.securityText << r.authText << r.bssType
          << r.credentials << r.connectable << r.bssidCount << r.notConnectableReason
          << r.phyTypeCount << r.flagsText << r.connectionText << r.bssid << r.channel << r.phyType
          << r.frequency << r.band;

    auto *item = new QTreeWidgetItem(texts);
    const int o = offset(withProfile);
    item->setData(SsidColumn + o, Qt::UserRole, r.isHidden);
    item->setData(EncryptionColumn + o, Qt::UserRole, r.cipherAlgorithm);
    item->setData(SecurityColumn + o, Qt::UserRole, r.isSecured);
    item->setData(AuthColumn + o, Qt::UserRole, r.authAlgorithm);
    item->setData(FlagsColumn + o, Qt::UserRole, r.flags);
    item->setData(ConnectedColumn + o, Qt::UserRole,
                  QVariant::fromValue(static_cast<Connection::State>(r.connectionState)));
    // Other rows keep the list's own font, the application font at normal weight.
    if (r.connectionState == Connection::Connected)
        setRowFont(item, boldFont);
    return item;
}
