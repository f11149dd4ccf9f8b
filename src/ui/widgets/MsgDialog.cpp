#include "ui/widgets/MsgDialog.h"

#include "app/appearance/AppFont.h"
#include "ui/widgets/AppQLabel.h"
#include "ui/widgets/WindowRules.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QCursor>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QStyle>

namespace {

QPixmap standardPicture(QWidget *owner, int icon, const QSize &size)
{
    QStyle::StandardPixmap which;
    switch (icon) {
    case MsgDialog::Information: which = QStyle::SP_MessageBoxInformation; break;
    case MsgDialog::Warning: which = QStyle::SP_MessageBoxWarning; break;
    case MsgDialog::Critical: which = QStyle::SP_MessageBoxCritical; break;
    case MsgDialog::Question: which = QStyle::SP_MessageBoxQuestion; break;
    default: return QPixmap();
    }
    return owner->style()->standardIcon(which, nullptr, owner).pixmap(size);
}

} // namespace

MsgDialog::MsgDialog(QWidget *parent, const QString &title, const QString &text, int icon,
                     QMessageBox::StandardButtons buttons, Qt::TextFormat format)
    : QDialog(parent), m_iconSize(30, 30)
{
    build(title, text, standardPicture(this, icon, m_iconSize), buttons, format);
}

MsgDialog::MsgDialog(QWidget *parent, const QString &title, const QString &text,
                     const QPixmap &picture, QMessageBox::StandardButtons buttons, Qt::TextFormat format)
    : QDialog(parent), m_iconSize(40, 40)
{
    build(title, text, picture, buttons, format);
}

int MsgDialog::run(QWidget *parent, const QString &title, const QString &text, int icon,
                   QMessageBox::StandardButtons buttons, Qt::TextFormat format)
{
    MsgDialog box(parent, title, text, icon, buttons, format);
    return box.exec();
}

QString MsgDialog::errorCodeText(int code)
{
    return tr("Error code:") + QLatin1Char(' ') + QString::number(code);
}

void MsgDialog::build(const QString &title, const QString &text, const QPixmap &picture,
                      QMessageBox::StandardButtons buttons, Qt::TextFormat format)
{
    setWindowTitle(title);
    setWindowModality(Qt::ApplicationModal);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);

    applyTopMostSetting(this, true);

    iconLabel = new AppQLabel(this);
    iconLabel->setObjectName(QStringLiteral("iconLabel"));
    iconLabel->setScaledContents(true);
    iconLabel->setPixmap(picture);
    iconLabel->setFixedSize(m_iconSize);

    textLabel = new AppQLabel(text, this);
    textLabel->setObjectName(QStringLiteral("textLabel"));
    textLabel->setFont(applicationFont(false));
    textLabel->setTextFormat(format);
    textLabel->setWordWrap(true);

    buttonBox = new QDialogButtonBox(this);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));
    for (quint32 flag = 0x400; flag <= 0x8000000; flag <<= 1) {
        if (!buttons.testFlag(static_cast<QMessageBox::StandardButton>(flag)))
            continue;
        QPushButton *button =
            buttonBox->addButton(static_cast<QDialogButtonBox::StandardButton>(flag));
        if (!button)
            continue;
        button->setMinimumSize(60, 23);
        button->setFont(applicationFont(false));
        button->setAutoDefault(false);
        button->setDefault(false);
        button->installEventFilter(this);
        const int value = static_cast<int>(flag);
        connect(button, &QPushButton::clicked, this, [this, value] { done(value); });
        m_buttons.append({ value, button });
    }

    auto *grid = new QGridLayout(this);
    grid->addWidget(iconLabel, 0, 0, 2, 1, Qt::AlignTop);
    grid->addItem(new QSpacerItem(7, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), 0, 1, 2, 1);
    grid->addWidget(textLabel, 0, 2);
    grid->addWidget(buttonBox, grid->rowCount(), 0, 1, grid->columnCount());

    setFixedSize(fitSize(availableScreenWidth()));
}

MsgDialog::WidthLimits MsgDialog::widthLimits(int screenWidth)
{
    WidthLimits limits;
    limits.hard = screenWidth <= 1024 ? screenWidth : qMin(screenWidth - 480, 1000);
    limits.soft = qMin(screenWidth / 2, 500);
    return limits;
}

QSize MsgDialog::fitSize(int screenWidth)
{
    const WidthLimits limits = widthLimits(screenWidth);
    QLayout *grid = layout();

    textLabel->setWordWrap(false);
    grid->invalidate();
    grid->activate();
    int width = grid->totalMinimumSize().width();
    if (width > limits.soft) {
        textLabel->setWordWrap(true);
        grid->invalidate();
        grid->activate();
        width = qMin(limits.hard, qMax(limits.soft, grid->totalMinimumSize().width()));
    }
    width = qMin(limits.hard, qMax(width, grid->totalMinimumSize().width()));
    const int height = grid->hasHeightForWidth() ? grid->totalHeightForWidth(width)
                                                 : grid->totalMinimumSize().height();
    return QSize(width, height);
}

int MsgDialog::availableScreenWidth()
{
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().width() : 1024;
}

QVector<QPushButton *> MsgDialog::buttons() const
{
    QVector<QPushButton *> list;
    for (const ButtonEntry &entry : m_buttons)
        list.append(entry.button);
    return list;
}

QPushButton *MsgDialog::button(QMessageBox::StandardButton which) const
{
    for (const ButtonEntry &entry : m_buttons) {
        if (entry.value == static_cast<int>(which))
            return entry.button;
    }
    return nullptr;
}

int MsgDialog::closeValue() const
{
    if (m_buttons.size() == 1)
        return m_buttons.first().value;
    int value = 0;
    for (const ButtonEntry &entry : m_buttons) {
        const QDialogButtonBox::ButtonRole role = buttonBox->buttonRole(entry.button);
        if (role == QDialogButtonBox::NoRole || role == QDialogButtonBox::RejectRole)
            value = entry.value;
    }
    return value;
}

void MsgDialog::reject()
{
    done(closeValue());
}

void MsgDialog::closeEvent(QCloseEvent *event)
{
    done(closeValue());
    event->accept();
}

void MsgDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        close();
        event->accept();
        return;
    }
    event->ignore();
}

void MsgDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The button box picks a default button when it is shown; this box has none, so that
    // Return never answers it by accident.
    for (const ButtonEntry &entry : m_buttons)
        entry.button->setDefault(false);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

bool MsgDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}
