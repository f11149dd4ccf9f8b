#include "ui/widgets/Animator.h"
#include "ui/widgets/Switch.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

const QColor thumbOn(162, 187, 152, 255);
const QColor thumbOff(255, 255, 255, 255);
const QColor trackOff(70, 70, 70, 96);

void waitSettled(Switch &sw)
{
    QTRY_VERIFY(sw.thumbPositionAnimation()->state() == QAbstractAnimation::Stopped
                && sw.thumbColorAnimation()->state() == QAbstractAnimation::Stopped
                && sw.trackColorAnimation()->state() == QAbstractAnimation::Stopped);
}

// "position start>end, thumb start>end, track start>end" of the three animations.
QString animations(Switch &sw)
{
    const auto color = [](const QVariant &v) { return v.value<QColor>().name(QColor::HexArgb); };
    return QStringLiteral("%1>%2 %3>%4 %5>%6")
        .arg(sw.thumbPositionAnimation()->startValue().toInt()).arg(sw.thumbPositionAnimation()->endValue().toInt())
        .arg(color(sw.thumbColorAnimation()->startValue()), color(sw.thumbColorAnimation()->endValue()),
             color(sw.trackColorAnimation()->startValue()), color(sw.trackColorAnimation()->endValue()));
}

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

class Plain : public SelectionControl
{
protected:
    void paintEvent(QPaintEvent *) override {}
};

} // namespace

class TestSwitch : public QObject
{
    Q_OBJECT

private slots:
    void construction();
    void userClicksReportAndAnimate();
    void programmaticSetCheckedJumps();
    void setCheckedOnCheckedSwitchDoesNothing();
    void toolkitSetterAnimatesLikeAToggle();
    void destroyedWhileAnimating();
    void animatorStopsWhenTargetGoneOrRefuses();
};

void TestSwitch::construction()
{
    Switch sw(QStringLiteral("Show characters"));
    QVERIFY(sw.isCheckable() && !sw.isChecked());
    QCOMPARE(sw.thumbColorAnimation()->settledValue().value<QColor>(), thumbOff);
    Plain base;
    QVERIFY(base.isCheckable());
    QSignalSpy spy(&base, &SelectionControl::stateChanged);
    base.click();
    base.click();
    QCOMPARE(states(spy), QStringLiteral("2 0"));
}

void TestSwitch::userClicksReportAndAnimate()
{
    Switch sw(QStringLiteral("Save my password"));
    sw.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sw));
    QSignalSpy spy(&sw, &SelectionControl::stateChanged);
    const QString on = QStringLiteral("0>36 #ffffffff>#ffa2bb98 #60464646>#7fa2bb98");
    const QString off = QStringLiteral("36>0 #ffa2bb98>#ffffffff #7fa2bb98>#60464646");

    QTest::mouseClick(&sw, Qt::LeftButton, Qt::NoModifier, QPoint(26, 18));
    QVERIFY(sw.isChecked());
    QCOMPARE(sw.thumbPositionAnimation()->state(), QAbstractAnimation::Running);
    QCOMPARE(animations(sw), on);
    waitSettled(sw);
    QCOMPARE(sw.thumbPositionAnimation()->currentValue().toInt(), 36);
    QTest::mouseClick(&sw, Qt::LeftButton, Qt::NoModifier, QPoint(26, 18));
    QVERIFY(!sw.isChecked());
    QCOMPARE(animations(sw), off);
    waitSettled(sw);
    QCOMPARE(sw.thumbPositionAnimation()->currentValue().toInt(), 0);
    // The keyboard toggles it the same way.
    sw.setFocus();
    QTest::keyClick(&sw, Qt::Key_Space);
    QCOMPARE(states(spy), QStringLiteral("2 0 2"));
}

void TestSwitch::programmaticSetCheckedJumps()
{
    Switch sw;
    QSignalSpy spy(&sw, &SelectionControl::stateChanged);
    sw.setChecked(true);
    // The track starts from the thumb's hue at the track's opacity.
    QCOMPARE(animations(sw), QStringLiteral("36>36 #ffa2bb98>#ffa2bb98 #7fa2bb98>#7fa2bb98"));
    sw.setChecked(false);
    QCOMPARE(animations(sw).left(5), QStringLiteral("0>0 #"));
    QCOMPARE(sw.thumbColorAnimation()->settledValue().value<QColor>(), thumbOff);
    QCOMPARE(sw.trackColorAnimation()->endValue().value<QColor>(), trackOff);
    QCOMPARE(states(spy), QStringLiteral("2 0"));
}

void TestSwitch::setCheckedOnCheckedSwitchDoesNothing()
{
    Switch sw;
    sw.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sw));
    sw.setChecked(true);
    waitSettled(sw);

    QSignalSpy spy(&sw, &SelectionControl::stateChanged);
    QSignalSpy toggled(&sw, &QAbstractButton::toggled);
    QSignalSpy position(sw.thumbPositionAnimation(), &QAbstractAnimation::stateChanged);
    QSignalSpy thumb(sw.thumbColorAnimation(), &QAbstractAnimation::stateChanged);
    QSignalSpy track(sw.trackColorAnimation(), &QAbstractAnimation::stateChanged);
    sw.setChecked(true);
    QVERIFY(sw.isChecked());
    QCOMPARE(spy.count() + toggled.count() + position.count() + thumb.count() + track.count(), 0);
}

void TestSwitch::toolkitSetterAnimatesLikeAToggle()
{
    Switch sw;
    QSignalSpy spy(&sw, &SelectionControl::stateChanged);
    static_cast<QAbstractButton &>(sw).setChecked(true);
    QCOMPARE(states(spy), QStringLiteral("2"));
    QCOMPARE(animations(sw).left(4), QStringLiteral("0>36"));
    // Hidden, so the run is cut short; the switch still shows where it is heading.
    QCOMPARE(sw.thumbPositionAnimation()->state(), QAbstractAnimation::Stopped);
    QCOMPARE(sw.thumbPositionAnimation()->settledValue().toInt(), 36);
    QCOMPARE(sw.thumbColorAnimation()->settledValue().value<QColor>(), thumbOn);
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
    QTest::qWait(30);

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

void TestSwitch::animatorStopsWhenTargetGoneOrRefuses()
{
    // A hidden widget refuses the update: the run ends at once, counted as arrived.
    QWidget hidden;
    Animator refused(&hidden);
    refused.setDuration(10000);
    refused.setStartValue(0);
    refused.setEndValue(10);
    refused.start();
    QCOMPARE(refused.state(), QAbstractAnimation::Stopped);
    QCOMPARE(refused.settledValue().toInt(), 10);

    Probe shown;
    shown.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shown));
    Animator accepted(&shown);
    accepted.setDuration(10000);
    accepted.setStartValue(0);
    accepted.setEndValue(10);
    accepted.start();
    QCOMPARE(accepted.state(), QAbstractAnimation::Running);
    QVERIFY(shown.updates >= 1);
    QCOMPARE(accepted.settledValue().toInt(), accepted.currentValue().toInt());
}

QTEST_MAIN(TestSwitch)
#include "tst_switch.moc"
