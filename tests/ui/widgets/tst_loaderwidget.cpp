#include "ui/widgets/LoaderWidget.h"

#include <QtTest>

class TestLoaderWidget : public QObject
{
    Q_OBJECT

private slots:
    void defaults();
    void timerInterval_data();
    void timerInterval();
    void resizesWithGeometry();
    void counterWrapsAfterAFullTurn();
    void startAndStop();
    void trailAlpha_data();
    void trailAlpha();
    void lineColours();
};

void TestLoaderWidget::defaults()
{
    LoaderWidget loader;
    QCOMPARE(loader.timerInterval(), 31);
    QVERIFY(!loader.isSpinning() && !loader.isTimerActive() && loader.isHidden());
    QCOMPARE(loader.maximumSize(), QSize(40, 40));
}

void TestLoaderWidget::timerInterval_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<double>("revolutions");
    QTest::addColumn<int>("interval");
    QTest::newRow("ten lines, one turn") << 10 << 1.0 << 100;
    QTest::newRow("truncated, not rounded") << 3 << 1.0 << 333;
}

void TestLoaderWidget::timerInterval()
{
    QFETCH(int, lines);
    QFETCH(double, revolutions);
    QFETCH(int, interval);
    LoaderWidget loader;
    loader.setNumberOfLines(lines);
    loader.setRevolutionsPerSecond(revolutions);
    QCOMPARE(loader.timerInterval(), interval);
}

void TestLoaderWidget::resizesWithGeometry()
{
    LoaderWidget loader;
    loader.setLineLength(20);
    QCOMPARE(loader.size(), QSize(60, 60));
    loader.setInnerRadius(20);
    QCOMPARE(loader.size(), QSize(80, 80));
    QCOMPARE(loader.maximumSize(), QSize(80, 80));
}

void TestLoaderWidget::counterWrapsAfterAFullTurn()
{
    QWidget parent;
    parent.resize(200, 200);
    auto *loader = new LoaderWidget(&parent);
    parent.show();
    loader->start();
    QVector<int> seen;
    // Each tick of the timer advances the counter by one.
    for (int tick = 0; tick < 20; ++tick) {
        QMetaObject::invokeMethod(loader, "rotate");
        seen.append(loader->currentCounter());
    }
    QCOMPARE(seen.first(), 1);
    QCOMPARE(seen.at(18), 19);
    QCOMPARE(seen.last(), 0);
    QMetaObject::invokeMethod(loader, "rotate");
    QCOMPARE(loader->currentCounter(), 1);

    // And the timer does drive it.
    QTRY_VERIFY(loader->currentCounter() > 1);
}

void TestLoaderWidget::startAndStop()
{
    QWidget parent;
    parent.resize(300, 200);
    auto *loader = new LoaderWidget(&parent);
    loader->setLineLength(20);
    loader->setInnerRadius(20);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));

    loader->start();
    QVERIFY(loader->isSpinning() && loader->isVisible() && loader->isTimerActive() && !parent.isEnabled());
    QCOMPARE(loader->pos(), QPoint(150 - 40, 100 - 40));
    QMetaObject::invokeMethod(loader, "rotate");
    loader->stop();
    QVERIFY(!loader->isSpinning() && loader->isHidden() && !loader->isTimerActive() && parent.isEnabled());
    QCOMPARE(loader->currentCounter(), 0);

    loader->setDisableParentWhenSpinning(false);
    loader->setCenterOnParent(false);
    loader->move(3, 4);
    loader->start();
    QVERIFY(parent.isEnabled());
    QCOMPARE(loader->pos(), QPoint(3, 4));
    loader->stop();

    // Without a parent there is nothing to centre on or to disable.
    LoaderWidget lonely;
    lonely.start();
    QVERIFY(lonely.isSpinning());
    lonely.stop();
}

void TestLoaderWidget::trailAlpha_data()
{
    QTest::addColumn<int>("distance");
    QTest::addColumn<double>("alpha");
    // 20 lines at 80 %: threshold ceil(19 x 0.8) = 16, minimum 0.0314159...
    const double minimum = 0.03141592653589793;
    QTest::newRow("first behind") << 1 << 1.0 - 1 * (1.0 - minimum) / 17;
    QTest::newRow("at threshold") << 16 << 1.0 - 16 * (1.0 - minimum) / 17;
    QTest::newRow("just beyond") << 17 << minimum;
}

void TestLoaderWidget::trailAlpha()
{
    QFETCH(int, distance);
    QFETCH(double, alpha);
    const qreal actual = LoaderWidget::trailAlpha(distance, 20, 80.0, 3.141592653589793, 1.0);
    QVERIFY2(qAbs(actual - alpha) < 1e-9, qPrintable(QString::number(actual, 'g', 12)));
}

void TestLoaderWidget::lineColours()
{
    LoaderWidget loader;
    loader.setColor(QColor(162, 162, 162));
    QCOMPARE(loader.lineColor(0), QColor(162, 162, 162));
    QVERIFY(qAbs(loader.lineColor(17).alphaF() - 0.0314) < 0.005);
    QCOMPARE(loader.lineColor(17).rgb() & 0xFFFFFF, QColor(162, 162, 162).rgb() & 0xFFFFFF);

    // A half-transparent colour fades from its own alpha, never above it.
    loader.setColor(QColor(0, 0, 0, 128));
    QVERIFY(loader.lineColor(1).alphaF() < 128 / 255.0);
    // Without a fade the trail is at the minimum right behind the leading line.
    loader.setTrailFadePercentage(0);
    QVERIFY(qAbs(loader.lineColor(1).alphaF() - 0.0314) < 0.005);
}

QTEST_MAIN(TestLoaderWidget)
#include "tst_loaderwidget.moc"
