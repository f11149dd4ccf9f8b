#include "ui/widgets/AppQFrame.h"
#include "ui/widgets/AppQLabel.h"
#include "ui/widgets/ScrollBar.h"

#include <QHoverEvent>
#include <QSignalSpy>
#include <QtTest>

namespace {

void hover(QWidget *widget, QEvent::Type type)
{
    QHoverEvent event(type, QPointF(2, 2), QPointF(-1, -1));
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

class TestClickableWidgets : public QObject
{
    Q_OBJECT

private slots:
    void labelReportsPressAndHover();
    void frameHandsOutMouseEvents();
    void scrollBarWidensWhileHovered_data();
    void scrollBarWidensWhileHovered();
    void scrollBarIgnoresHoverWhenHiddenOrDisabled();
};

void TestClickableWidgets::labelReportsPressAndHover()
{
    AppQLabel label(QStringLiteral("icon"));
    label.setAttribute(Qt::WA_Hover);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QSignalSpy clicks(&label, &AppQLabel::mouseClick);
    QSignalSpy enters(&label, &AppQLabel::mouseEnter);
    QSignalSpy leaves(&label, &AppQLabel::mouseLeave);

    QTest::mousePress(&label, Qt::LeftButton);
    QTest::mouseRelease(&label, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    hover(&label, QEvent::HoverEnter);
    QCOMPARE(enters.count() * 10 + leaves.count(), 10);
    hover(&label, QEvent::HoverLeave);
    QCOMPARE(enters.count() * 10 + leaves.count(), 11);
}

void TestClickableWidgets::frameHandsOutMouseEvents()
{
    AppQFrame frame;
    frame.resize(100, 30);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));

    QStringList order;
    QVector<QPoint> positions;
    const auto record = [&](const char *name) {
        return [&order, &positions, name](QMouseEvent *event) {
            order << QLatin1String(name);
            positions << event->pos();
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

    QCOMPARE(order, (QStringList{ "enter", "press", "move", "release", "leave" }));
    QCOMPARE(positions, (QVector<QPoint>{ QPoint(10, 10), QPoint(40, 12), QPoint(40, 12) }));
}

void TestClickableWidgets::scrollBarWidensWhileHovered_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<QString>("wide");
    QTest::addColumn<QString>("narrow");
    QTest::newRow("vertical") << Qt::Vertical << "width: 16px;" << "width: 12px;";
    QTest::newRow("horizontal") << Qt::Horizontal << "height: 16px;" << "height: 12px;";
}

void TestClickableWidgets::scrollBarWidensWhileHovered()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(QString, wide);
    QFETCH(QString, narrow);
    ScrollBar bar(orientation);
    bar.setRange(0, 100);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QVERIFY(bar.styleSheet().isEmpty());
    hover(&bar, QEvent::HoverEnter);
    QCOMPARE(bar.styleSheet(), wide);
    hover(&bar, QEvent::HoverLeave);
    QCOMPARE(bar.styleSheet(), narrow);
    // Other events keep their usual handling.
    bar.setValue(10);
    QTest::keyClick(&bar, Qt::Key_PageDown);
    QVERIFY(bar.value() > 10);
}

void TestClickableWidgets::scrollBarIgnoresHoverWhenHiddenOrDisabled()
{
    ScrollBar hidden(Qt::Vertical);
    hover(&hidden, QEvent::HoverEnter);
    QVERIFY(hidden.styleSheet().isEmpty());

    ScrollBar disabled(Qt::Vertical);
    disabled.setEnabled(false);
    disabled.show();
    QVERIFY(QTest::qWaitForWindowExposed(&disabled));
    hover(&disabled, QEvent::HoverEnter);
    QVERIFY(disabled.styleSheet().isEmpty());
    disabled.setEnabled(true);
    hover(&disabled, QEvent::HoverEnter);
    QCOMPARE(disabled.styleSheet(), QStringLiteral("width: 16px;"));
}

QTEST_MAIN(TestClickableWidgets)
#include "tst_clickablewidgets.moc"
