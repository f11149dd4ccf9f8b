#include "ui/widgets/LoaderWidget.h"

#include <QtTest>

class TestLoaderWidget : public QObject
{
    Q_OBJECT

private slots:
    void startAndStop();
};

// Spinning blocks the window it covers and the timer turns it; stopping gives the window back.
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

QTEST_MAIN(TestLoaderWidget)
#include "tst_loaderwidget.moc"
