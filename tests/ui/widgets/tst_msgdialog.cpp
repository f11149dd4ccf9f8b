#include "ui/widgets/AppQLabel.h"
#include "ui/widgets/MsgDialog.h"

#include "app/settings/SettingsStore.h"
#include "core/TestSettings.h"
#include "ui/ModalAnswer.h"

#include <QDialogButtonBox>
#include <QLayout>
#include <QPushButton>
#include <QtTest>

namespace {

const QString longText = QStringLiteral(
    "The wireless network could not be reached because the adapter reported that the radio is "
    "switched off; switch it on with the hardware switch or in the system settings, then try "
    "connecting again to the same network with the same password and profile settings.");

AppQLabel *textLabelOf(MsgDialog &box)
{
    return box.findChild<AppQLabel *>(QStringLiteral("textLabel"));
}

} // namespace

class TestMsgDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void closedByTitleBarReturnsNo();
    void okOnlyClosedByEscapeReturnsOk();
    void returnPressesNothing_data();
    void returnPressesNothing();
    void clickedButtonEndsWithItsValue_data();
    void clickedButtonEndsWithItsValue();
    void closeValue_data();
    void closeValue();
    void topMost_data();
    void topMost();
    void widthLimits_data();
    void widthLimits();
    void fitSize_data();
    void fitSize();
};

void TestMsgDialog::init()
{
    testsupport::resetSettings();
}

void TestMsgDialog::closedByTitleBarReturnsNo()
{
    MsgDialog box(nullptr, QStringLiteral("Attention"), QStringLiteral("Delete the profile?"),
                  MsgDialog::Question, QMessageBox::Yes | QMessageBox::No);
    testsupport::whenModalAppears([](QWidget *dialog) { dialog->close(); });
    QCOMPARE(box.exec(), int(QMessageBox::No));
}

void TestMsgDialog::okOnlyClosedByEscapeReturnsOk()
{
    MsgDialog box(nullptr, QStringLiteral("Log"), QStringLiteral("Saved"), MsgDialog::Information);
    testsupport::whenModalAppears([](QWidget *dialog) {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : dialog;
        QTest::keyClick(target, Qt::Key_Escape);
    });
    QCOMPARE(box.exec(), int(QMessageBox::Ok));
}

void TestMsgDialog::returnPressesNothing_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("focused");
    QTest::addColumn<int>("closedWith");
    QTest::newRow("yes no") << int(QMessageBox::Yes | QMessageBox::No) << int(QMessageBox::Yes)
                            << int(QMessageBox::No);
    QTest::newRow("ok cancel") << int(QMessageBox::Ok | QMessageBox::Cancel) << int(QMessageBox::Ok)
                               << int(QMessageBox::Cancel);
}

void TestMsgDialog::returnPressesNothing()
{
    QFETCH(int, buttons);
    QFETCH(int, focused);
    QFETCH(int, closedWith);
    MsgDialog box(nullptr, QStringLiteral("Attention"), QStringLiteral("Run it?"),
                  MsgDialog::Question, QMessageBox::StandardButtons(buttons));
    bool stillOpen = false;
    testsupport::whenModalAppears([&stillOpen, focused](QWidget *dialog) {
        auto *msg = qobject_cast<MsgDialog *>(dialog);
        QPushButton *button = msg->button(QMessageBox::StandardButton(focused));
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter);
        QTest::keyClick(dialog, Qt::Key_Return);
        QTest::keyClick(dialog, Qt::Key_Y);
        stillOpen = dialog->isVisible();
        dialog->close();
    });
    QCOMPARE(box.exec(), closedWith);
    QVERIFY(stillOpen);
}

void TestMsgDialog::clickedButtonEndsWithItsValue_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("press");
    QTest::addColumn<int>("expected");
    QTest::newRow("yes") << int(QMessageBox::Yes | QMessageBox::No) << "Yes" << int(QMessageBox::Yes);
    QTest::newRow("cancel") << int(QMessageBox::Ok | QMessageBox::Cancel) << "Cancel"
                            << int(QMessageBox::Cancel);
    QTest::newRow("help ends it too") << int(QMessageBox::Ok | QMessageBox::Help) << "Help"
                                      << int(QMessageBox::Help);
}

void TestMsgDialog::clickedButtonEndsWithItsValue()
{
    QFETCH(int, buttons);
    QFETCH(QString, press);
    QFETCH(int, expected);
    MsgDialog box(nullptr, QStringLiteral("Title"), QStringLiteral("Text"), MsgDialog::Warning,
                  QMessageBox::StandardButtons(buttons));
    testsupport::pressInNextModal(press);
    QCOMPARE(box.exec(), expected);
}

void TestMsgDialog::closeValue_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("expected");
    QTest::newRow("ok alone") << int(QMessageBox::Ok) << int(QMessageBox::Ok);
    QTest::newRow("yes no") << int(QMessageBox::Yes | QMessageBox::No) << int(QMessageBox::No);
    QTest::newRow("yes no cancel, last wins")
        << int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel) << int(QMessageBox::Cancel);
    QTest::newRow("no reject role") << int(QMessageBox::Ok | QMessageBox::Apply) << 0;
    QTest::newRow("none") << 0 << 0;
}

void TestMsgDialog::closeValue()
{
    QFETCH(int, buttons);
    QFETCH(int, expected);
    MsgDialog box(nullptr, QStringLiteral("Title"), QStringLiteral("Text"), MsgDialog::Critical,
                  QMessageBox::StandardButtons(buttons));
    QCOMPARE(box.closeValue(), expected);
    testsupport::whenModalAppears([](QWidget *dialog) {
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QCOMPARE(box.exec(), expected);
    QVERIFY(!box.isVisible());
}

void TestMsgDialog::topMost_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("onTop");
    QTest::newRow("missing") << QVariant() << true;
    QTest::newRow("false") << QVariant(false) << false;
    QTest::newRow("true") << QVariant(true) << true;
}

void TestMsgDialog::topMost()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, onTop);
    if (stored.isValid())
        writeAppSetting(QStringLiteral("AlwaysOnTop"), stored);
    QVERIFY(stored.isValid() || !hasSetting(QStringLiteral("AppSettings"), QStringLiteral("AlwaysOnTop")));
    MsgDialog box(nullptr, QStringLiteral("Title"), QStringLiteral("Text"), MsgDialog::Information);
    QCOMPARE(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
}

void TestMsgDialog::widthLimits_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<int>("hard");
    QTest::addColumn<int>("soft");
    QTest::newRow("800") << 800 << 800 << 400;
    QTest::newRow("1024") << 1024 << 1024 << 500;
    QTest::newRow("1025") << 1025 << 545 << 500;
    QTest::newRow("1920") << 1920 << 1000 << 500;
}

void TestMsgDialog::widthLimits()
{
    QFETCH(int, screen);
    QFETCH(int, hard);
    QFETCH(int, soft);
    const MsgDialog::WidthLimits limits = MsgDialog::widthLimits(screen);
    QCOMPARE(QStringLiteral("%1 %2").arg(limits.hard).arg(limits.soft), QStringLiteral("%1 %2").arg(hard).arg(soft));
}

void TestMsgDialog::fitSize_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<bool>("longMessage");
    for (int screen : { 800, 1024, 1920 }) {
        QTest::newRow(qPrintable(QStringLiteral("%1 short").arg(screen))) << screen << false;
        QTest::newRow(qPrintable(QStringLiteral("%1 long").arg(screen))) << screen << true;
    }
}

void TestMsgDialog::fitSize()
{
    QFETCH(int, screen);
    QFETCH(bool, longMessage);
    MsgDialog box(nullptr, QStringLiteral("Title"),
                  longMessage ? longText : QStringLiteral("Network connection is not available!"),
                  MsgDialog::Warning, QMessageBox::Ok);
    const MsgDialog::WidthLimits limits = MsgDialog::widthLimits(screen);
    const QSize size = box.fitSize(screen);
    AppQLabel *text = textLabelOf(box);
    QVERIFY2(size.width() <= limits.hard, qPrintable(QString::number(size.width())));
    QVERIFY(size.width() >= box.layout()->totalMinimumSize().width());
    if (longMessage) {
        QVERIFY(text->wordWrap());
        QVERIFY(size.width() >= limits.soft);
        // Wrapped onto several lines: taller than one line of text plus the buttons.
        QVERIFY(size.height() > 3 * text->fontMetrics().height());
        if (screen == 1920)
            QVERIFY(size.width() <= 1000);
    } else {
        QVERIFY(!text->wordWrap());
        QVERIFY(size.width() <= limits.soft);
        QVERIFY(size.width() > text->fontMetrics().horizontalAdvance(text->text()));
    }
    QVERIFY(size.height() >= box.layout()->totalMinimumSize().height());
}

QTEST_MAIN(TestMsgDialog)
#include "tst_msgdialog.moc"
