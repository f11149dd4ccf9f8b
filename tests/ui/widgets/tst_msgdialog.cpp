#include "ui/widgets/AppQLabel.h"
#include "ui/widgets/MsgDialog.h"

#include "core/TestSettings.h"
#include "ui/ModalAnswer.h"

#include <QLayout>
#include <QPushButton>
#include <QtTest>

class TestMsgDialog : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::resetSettings(); }
    void returnPressesNothing();
    void clickedButtonEndsWithItsValue_data();
    void clickedButtonEndsWithItsValue();
    void closeValue_data();
    void closeValue();
    void fitSize_data();
    void fitSize();
};

void TestMsgDialog::returnPressesNothing()
{
    MsgDialog box(nullptr, QStringLiteral("Attention"), QStringLiteral("Run it?"),
                  MsgDialog::Question, QMessageBox::Yes | QMessageBox::No);
    bool stillOpen = false;
    testsupport::whenModalAppears([&stillOpen](QWidget *dialog) {
        QPushButton *button = qobject_cast<MsgDialog *>(dialog)->button(QMessageBox::Yes);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter);
        QTest::keyClick(dialog, Qt::Key_Y);
        stillOpen = dialog->isVisible();
        dialog->close();
    });
    QCOMPARE(box.exec(), int(QMessageBox::No));
    QVERIFY(stillOpen);
}

void TestMsgDialog::clickedButtonEndsWithItsValue_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("press");
    QTest::addColumn<int>("expected");
    QTest::newRow("yes") << int(QMessageBox::Yes | QMessageBox::No) << "Yes" << int(QMessageBox::Yes);
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

// Escape and the title bar's close button end the box with the same value.
void TestMsgDialog::closeValue_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<bool>("titleBar");
    QTest::addColumn<int>("expected");
    QTest::newRow("ok alone") << int(QMessageBox::Ok) << false << int(QMessageBox::Ok);
    QTest::newRow("yes no, title bar") << int(QMessageBox::Yes | QMessageBox::No) << true << int(QMessageBox::No);
    QTest::newRow("yes no cancel, last wins")
        << int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel) << false << int(QMessageBox::Cancel);
    QTest::newRow("no reject role") << int(QMessageBox::Ok | QMessageBox::Apply) << false << 0;
}

void TestMsgDialog::closeValue()
{
    QFETCH(int, buttons);
    QFETCH(bool, titleBar);
    QFETCH(int, expected);
    MsgDialog box(nullptr, QStringLiteral("Title"), QStringLiteral("Text"), MsgDialog::Critical,
                  QMessageBox::StandardButtons(buttons));
    QVERIFY(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint));  // "always on top" is on unless switched off
    testsupport::whenModalAppears([titleBar](QWidget *dialog) {
        if (titleBar)
            dialog->close();
        else
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dialog, Qt::Key_Escape);
    });
    QCOMPARE(box.exec(), expected);
    QVERIFY(!box.isVisible());
}

void TestMsgDialog::fitSize_data()
{
    const QString longText = QStringLiteral("The wireless network could not be reached because the adapter "
        "reported that the radio is switched off; switch it on with the hardware switch or in the system "
        "settings, then try connecting again to the same network with the same password.");
    // A path does not wrap at spaces: only the hard limit keeps the box on the screen.
    const QString path = QStringLiteral("C:/Users/") + QString(240, QLatin1Char('x')) + QStringLiteral("/log.txt");
    QTest::addColumn<int>("screen");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxWidth");
    QTest::newRow("800 long") << 800 << longText << 800;
    QTest::newRow("1920 long") << 1920 << longText << 1000;
    QTest::newRow("1920 path") << 1920 << path << 1000;
    QTest::newRow("1920 short") << 1920 << QStringLiteral("Network connection is not available!") << 500;
}

void TestMsgDialog::fitSize()
{
    QFETCH(int, screen);
    QFETCH(QString, text);
    QFETCH(int, maxWidth);
    const bool longMessage = text.size() > 100;
    MsgDialog box(nullptr, QStringLiteral("Title"), text, MsgDialog::Warning, QMessageBox::Ok);
    const QSize size = box.fitSize(screen);
    AppQLabel *label = box.findChild<AppQLabel *>(QStringLiteral("textLabel"));
    QVERIFY2(size.width() <= maxWidth, qPrintable(QString::number(size.width())));
    if (!text.startsWith(QLatin1String("C:/")))
        QVERIFY(size.width() >= box.layout()->totalMinimumSize().width());
    QVERIFY(size.height() >= box.layout()->totalMinimumSize().height());
    QCOMPARE(label->wordWrap(), longMessage);
    if (longMessage)
        QVERIFY(size.height() > 2 * label->fontMetrics().height());
    else
        QVERIFY(size.width() > label->fontMetrics().horizontalAdvance(text));
}

QTEST_MAIN(TestMsgDialog)
#include "tst_msgdialog.moc"
