// The program's own widgets: the message box, window rules, the switch, clickable labels and
// frames, the scroll bar and the loader.

#include "app/settings/SettingsStore.h"
#include "core/TestSettings.h"
#include "ui/ModalAnswer.h"
#include "ui/widgets/Animator.h"
#include "ui/widgets/AppQFrame.h"
#include "ui/widgets/AppQLabel.h"
#include "ui/widgets/LoaderWidget.h"
#include "ui/widgets/MsgDialog.h"
#include "ui/widgets/ScrollBar.h"
#include "ui/widgets/Switch.h"
#include "ui/widgets/WindowRules.h"

#include <QDialog>
#include <QHoverEvent>
#include <QLayout>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

QString states(const QSignalSpy &spy)
{
    QStringList out;
    for (const QList<QVariant> &args : spy)
        out << args.at(0).toString();
    return out.join(QLatin1Char(' '));
}

class Probe : public QWidget
{
public:
    int updates = 0;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::StyleAnimationUpdate)
            ++updates;
        return QWidget::event(event);
    }
};

void hover(QWidget *widget, QEvent::Type type)
{
    QHoverEvent event(type, QPointF(2, 2), QPointF(-1, -1));
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

class TestWidgets : public QObject
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
    void topMostKeepsTheWindowShown();
    void windowRulesFromSettings_data();
    void windowRulesFromSettings();
    void switchTogglesAndReports();
    void setCheckedOnCheckedSwitchDoesNothing();
    void switchDestroyedWhileAnimating();
    void labelAndFrameHandOutMouseEvents();
    void scrollBarWidensWhileHovered();
    void loaderStartAndStop();
};

void TestWidgets::returnPressesNothing()
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

void TestWidgets::clickedButtonEndsWithItsValue_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QString>("press");
    QTest::addColumn<int>("expected");
    QTest::newRow("yes") << int(QMessageBox::Yes | QMessageBox::No) << "Yes" << int(QMessageBox::Yes);
    QTest::newRow("help ends it too") << int(QMessageBox::Ok | QMessageBox::Help) << "Help"
                                      << int(QMessageBox::Help);
}

void TestWidgets::clickedButtonEndsWithItsValue()
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
void TestWidgets::closeValue_data()
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

void TestWidgets::closeValue()
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

void TestWidgets::fitSize_data()
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

void TestWidgets::fitSize()
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

void TestWidgets::topMostKeepsTheWindowShown()
{
    QDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    applyTopMost(&dialog, true);
    QVERIFY(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint) && dialog.isVisible());
    applyTopMost(&dialog, false);
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(dialog.windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
    applyTopMost(nullptr, true);
}

void TestWidgets::windowRulesFromSettings_data()
{
    QTest::addColumn<QVariant>("onTopStored");
    QTest::addColumn<bool>("onTop");
    QTest::addColumn<QVariant>("opacityStored");
    QTest::newRow("missing, default on") << QVariant() << true << QVariant();
    QTest::newRow("stored off, opacity out of range") << QVariant(false) << false << QVariant(7);
}

void TestWidgets::windowRulesFromSettings()
{
    QFETCH(QVariant, onTopStored);
    QFETCH(bool, onTop);
    QFETCH(QVariant, opacityStored);
    if (onTopStored.isValid())
        writeAppSetting(QStringLiteral("AlwaysOnTop"), onTopStored);
    if (opacityStored.isValid())
        writeAppSetting(QStringLiteral("Opacity"), opacityStored);
    QDialog dialog;
    QCOMPARE(applyTopMostSetting(&dialog, true), onTop);
    QCOMPARE(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
    applyWindowOpacity(&dialog);
    QVERIFY2(qAbs(dialog.windowOpacity() - 1.0) < 0.01, qPrintable(QString::number(dialog.windowOpacity())));
}

void TestWidgets::switchTogglesAndReports()
{
    Switch sw(QStringLiteral("Save my password"));
    sw.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sw));
    QSignalSpy spy(&sw, &SelectionControl::stateChanged);
    QTest::mouseClick(&sw, Qt::LeftButton, Qt::NoModifier, QPoint(26, 18));
    QVERIFY(sw.isChecked());
    QTRY_COMPARE(sw.thumbPositionAnimation()->currentValue().toInt(), 36);
    QTest::mouseClick(&sw, Qt::LeftButton, Qt::NoModifier, QPoint(26, 18));
    QTRY_COMPARE(sw.thumbPositionAnimation()->currentValue().toInt(), 0);
    sw.setFocus();
    QTest::keyClick(&sw, Qt::Key_Space);
    // A program's change jumps to the end without a run.
    sw.setChecked(false);
    QCOMPARE(sw.thumbPositionAnimation()->endValue().toInt(), 0);
    QCOMPARE(states(spy), QStringLiteral("2 0 2 0"));
}

void TestWidgets::setCheckedOnCheckedSwitchDoesNothing()
{
    Switch sw;
    sw.setChecked(true);
    QSignalSpy spy(&sw, &SelectionControl::stateChanged);
    QSignalSpy toggled(&sw, &QAbstractButton::toggled);
    QSignalSpy position(sw.thumbPositionAnimation(), &QAbstractAnimation::stateChanged);
    sw.setChecked(true);
    QVERIFY(sw.isChecked());
    QCOMPARE(spy.count() + toggled.count() + position.count(), 0);
}

void TestWidgets::switchDestroyedWhileAnimating()
{
    auto *sw = new Switch(QStringLiteral("Connect automatically"));
    sw->show();
    QVERIFY(QTest::qWaitForWindowExposed(sw));
    QTest::mouseClick(sw, Qt::LeftButton, Qt::NoModifier, QPoint(26, 18));
    QPointer<Animator> position = sw->thumbPositionAnimation();
    QCOMPARE(position->state(), QAbstractAnimation::Running);
    delete sw;
    QVERIFY(position.isNull());

    // An animation that outlives its target stops on its next tick instead of touching it.
    auto target = std::make_unique<Probe>();
    target->show();
    QVERIFY(QTest::qWaitForWindowExposed(target.get()));
    Animator animator(target.get());
    animator.setDuration(10000);
    animator.setStartValue(0);
    animator.setEndValue(100);
    animator.start();
    QTRY_VERIFY(target->updates > 0);
    target.reset();
    QTRY_COMPARE(animator.state(), QAbstractAnimation::Stopped);
    QCOMPARE(animator.targetObject(), nullptr);
}

void TestWidgets::labelAndFrameHandOutMouseEvents()
{
    AppQLabel label(QStringLiteral("icon"));
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QSignalSpy clicks(&label, &AppQLabel::mouseClick);
    QSignalSpy enters(&label, &AppQLabel::mouseEnter);
    QSignalSpy leaves(&label, &AppQLabel::mouseLeave);
    QTest::mouseClick(&label, Qt::LeftButton);
    hover(&label, QEvent::HoverEnter);
    hover(&label, QEvent::HoverLeave);
    QCOMPARE(QStringLiteral("%1 %2 %3").arg(clicks.count()).arg(enters.count()).arg(leaves.count()),
             QStringLiteral("1 1 1"));

    AppQFrame frame;
    frame.resize(100, 30);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QStringList order;
    const auto record = [&order](const char *name) {
        return [&order, name](QMouseEvent *event) {
            order << QStringLiteral("%1 %2,%3").arg(QLatin1String(name)).arg(event->pos().x()).arg(event->pos().y());
        };
    };
    connect(&frame, &AppQFrame::mouseClick, this, record("press"));
    connect(&frame, &AppQFrame::mouseMove, this, record("move"));
    connect(&frame, &AppQFrame::mouseRelease, this, record("release"));
    connect(&frame, &AppQFrame::mouseEnter, this, [&] { order << QStringLiteral("enter"); });
    connect(&frame, &AppQFrame::mouseLeave, this, [&] { order << QStringLiteral("leave"); });
    hover(&frame, QEvent::HoverEnter);
    QTest::mousePress(&frame, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 12), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&frame, &move);
    QTest::mouseRelease(&frame, Qt::LeftButton, Qt::NoModifier, QPoint(40, 12));
    hover(&frame, QEvent::HoverLeave);
    QCOMPARE(order, (QStringList{ "enter", "press 10,10", "move 40,12", "release 40,12", "leave" }));
}

void TestWidgets::scrollBarWidensWhileHovered()
{
    ScrollBar hidden(Qt::Vertical);
    hover(&hidden, QEvent::HoverEnter);
    QVERIFY(hidden.styleSheet().isEmpty());

    ScrollBar bar(Qt::Horizontal);
    bar.setRange(0, 100);
    bar.setEnabled(false);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    hover(&bar, QEvent::HoverEnter);
    QVERIFY(bar.styleSheet().isEmpty());
    bar.setEnabled(true);
    hover(&bar, QEvent::HoverEnter);
    QCOMPARE(bar.styleSheet(), QStringLiteral("height: 16px;"));
    hover(&bar, QEvent::HoverLeave);
    QCOMPARE(bar.styleSheet(), QStringLiteral("height: 12px;"));
    // Other events keep their usual handling.
    bar.setValue(10);
    QTest::keyClick(&bar, Qt::Key_PageDown);
    QVERIFY(bar.value() > 10);
}

// Spinning blocks the window it covers and the timer turns it; stopping gives the window back.
void TestWidgets::loaderStartAndStop()
{
    QWidget parent;
    parent.resize(300, 200);
    auto *loader = new LoaderWidget(&parent);
    loader->setLineLength(20);
    loader->setInnerRadius(20);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));

    loader->start();
    QVERIFY(loader->isSpinning() && loader->isVisible() && !parent.isEnabled());
    QCOMPARE(loader->pos(), QPoint(150 - 40, 100 - 40));
    QTRY_VERIFY(loader->currentCounter() > 1);
    for (int tick = 0; tick < 40; ++tick)
        QMetaObject::invokeMethod(loader, "rotate");
    QVERIFY(loader->currentCounter() < 20);
    loader->stop();
    QVERIFY(!loader->isSpinning() && loader->isHidden() && !loader->isTimerActive() && parent.isEnabled());
    QCOMPARE(loader->currentCounter(), 0);

    loader->setDisableParentWhenSpinning(false);
    loader->start();
    QVERIFY(parent.isEnabled());
    loader->stop();

    // Without a parent there is nothing to centre on or to disable.
    LoaderWidget lonely;
    lonely.start();
    QVERIFY(lonely.isSpinning());
    lonely.stop();
}

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
