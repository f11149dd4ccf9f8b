#include <QtTest>
#include "wireless/WirelessAP.h"
class TestSkeleton : public QObject { Q_OBJECT
private slots:
    void defaults() { WirelessAP ap; QVERIFY(!ap.isHidden); QCOMPARE(ap.flags, 0); }
};
QTEST_GUILESS_MAIN(TestSkeleton)
#include "tst_skeleton.moc"
