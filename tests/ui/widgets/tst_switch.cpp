#include "ui/widgets/Animator.h"
#include "ui/widgets/Switch.h"

#include <QPainter>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

const QColor thumbOn(162, 187, 152, 255);
const QColor trackOn(162, 187, 152, 127);
const QColor thumbOff(255, 255, 255, 255);
const QColor trackOff(70, 70, 70, 96);

QImage renderOnWhite(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

bool near(const QColor &actual, const QColor &expected, int tolerance = 6)
{
    return qAbs(actual.red() - expected.red()) <= tolerance
        && qAbs(actual.green() - expected.green()) <= tolerance
        && qAbs(actual.blue() - expected.blue()) <= tolerance;
}

// `color` with alpha drawn over white.
QColor overWhite(const QColor &color)
{
    const qreal a = color.alphaF();
    auto mix = [a](int c) { return qRound(c * a + 255 * (1 - a)); };
    return QColor(mix(color.red()), mix(color.green()), mix(color.blue()));
}

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
    void sizeHint_data();
    void sizeHint();
    void userClicksReportAndAnimate();
    void programmaticSetCheckedJumps();
    void setCheckedOnCheckedSwitchDoesNothing();
    void toolkitSetterAnimatesLikeAToggle();
    void destroyedWhileAnimating();
    void painting_data();
    void painting();
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

void TestSwitch::sizeHint_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("no text") << QString();
    QTest::newRow("short") << QStringLiteral("On");
    QTest::newRow("long") << QStringLiteral("Open network information with Config Manager");
}

void TestSwitch::sizeHint()
{
    QFETCH(QString, text);
    Switch sw(text);
    const int textWidth = sw.fontMetrics().horizontalAdvance(text);
    QCOMPARE(sw.sizeHint(), QSize(textWidth + 52, 36));
    if (text.isEmpty())
        QCOMPARE(sw.sizeHint(), QSize(52, 36));
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

void TestSwitch::painting_data()
{
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("rightToLeft");
    QTest::addColumn<int>("thumbX");
    QTest::addColumn<QColor>("thumbColor");
    QTest::addColumn<int>("trackX");
    QTest::addColumn<QColor>("trackColor");

    // The thumb sits at x 17 (off) or 35 (on) inside the 52-pixel indicator; the track spans
    // x 8..44, y 10..26.
    QTest::newRow("off") << false << true << false << 17 << thumbOff << 40 << overWhite(trackOff);
    QTest::newRow("on") << true << true << false << 35 << thumbOn << 12 << overWhite(trackOn);
    QTest::newRow("disabled on") << true << false << false << 35 << thumbOff << 12 << QColor(Qt::white);
    QTest::newRow("right to left") << true << true << true << 100 - 52 + 35 << thumbOn
                                   << 100 - 52 + 12 << overWhite(trackOn);
}

void TestSwitch::painting()
{
    QFETCH(bool, checked);
    QFETCH(bool, enabled);
    QFETCH(bool, rightToLeft);
    QFETCH(int, thumbX);
    QFETCH(QColor, thumbColor);
    QFETCH(int, trackX);
    QFETCH(QColor, trackColor);

    Switch sw;
    sw.resize(100, 36);
    sw.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    sw.setChecked(checked);
    sw.setEnabled(enabled);
    const QImage image = renderOnWhite(&sw);
    const QColor thumb = image.pixelColor(thumbX, 18);
    const QColor track = image.pixelColor(trackX, 18);
    QVERIFY2(near(thumb, thumbColor), qPrintable(thumb.name()));
    QVERIFY2(near(track, trackColor, 4), qPrintable(track.name()));
    // Nothing is drawn outside the indicator when there is no text.
    for (int x = 0; x < 100; ++x) {
        const bool inIndicator = rightToLeft ? x >= 48 : x < 52;
        if (!inIndicator)
            QCOMPARE(image.pixelColor(x, 18), QColor(Qt::white));
    }
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
