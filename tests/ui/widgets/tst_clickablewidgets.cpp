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
    void labelAndFrameHandOutMouseEvents();
    void scrollBarWidensWhileHovered();
};

void TestClickableWidgets::labelAndFrameHandOutMouseEvents()
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

void TestClickableWidgets::scrollBarWidensWhileHovered()
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

QTEST_MAIN(TestClickableWidgets)
#include "tst_clickablewidgets.moc"
