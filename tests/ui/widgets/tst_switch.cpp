#include "ui/widgets/Animator.h"
#include "ui/widgets/Switch.h"

#include <QPointer>
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

} // namespace

class TestSwitch : public QObject
{
    Q_OBJECT

private slots:
    void togglesAndReports();
    void setCheckedOnCheckedSwitchDoesNothing();
    void destroyedWhileAnimating();
};

void TestSwitch::togglesAndReports()
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

void TestSwitch::setCheckedOnCheckedSwitchDoesNothing()
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

void TestSwitch::destroyedWhileAnimating()
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

QTEST_MAIN(TestSwitch)
#include "tst_switch.moc"
