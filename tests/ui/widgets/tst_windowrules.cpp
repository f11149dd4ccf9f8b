#include "ui/widgets/WindowRules.h"

#include "app/settings/SettingsStore.h"
#include "core/TestSettings.h"

#include <QDialog>
#include <QtTest>

class TestWindowRules : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void topMostBeforeShowing();
    void topMostOnShownWindowKeepsItShown();
    void topMostFromSettings_data();
    void topMostFromSettings();
    void opacityFromSettings_data();
    void opacityFromSettings();
};

void TestWindowRules::init()
{
    testsupport::resetSettings();
}

void TestWindowRules::topMostBeforeShowing()
{
    QDialog dialog;
    applyTopMost(&dialog, true);
    QVERIFY(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint) && !dialog.isVisible());
    applyTopMost(&dialog, false);
    QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(dialog.windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
    applyTopMost(nullptr, true);
}

void TestWindowRules::topMostOnShownWindowKeepsItShown()
{
    QDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    applyTopMost(&dialog, true);
    QVERIFY(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint) && dialog.isVisible());
}

void TestWindowRules::topMostFromSettings_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("defaultOnTop");
    QTest::addColumn<bool>("onTop");
    QTest::newRow("missing, default on") << QVariant() << true << true;
    QTest::newRow("stored off") << QVariant(false) << true << false;
}

void TestWindowRules::topMostFromSettings()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, defaultOnTop);
    QFETCH(bool, onTop);
    if (stored.isValid())
        writeAppSetting(QStringLiteral("AlwaysOnTop"), stored);
    QDialog dialog;
    QCOMPARE(applyTopMostSetting(&dialog, defaultOnTop), onTop);
    QCOMPARE(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
}

void TestWindowRules::opacityFromSettings_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<double>("opacity");
    QTest::newRow("missing") << QVariant() << 1.0;
    QTest::newRow("out of range") << QVariant(7) << 1.0;
}

void TestWindowRules::opacityFromSettings()
{
    QFETCH(QVariant, stored);
    QFETCH(double, opacity);
    if (stored.isValid())
        writeAppSetting(QStringLiteral("Opacity"), stored);
    QDialog dialog;
    applyWindowOpacity(&dialog);
    QVERIFY2(qAbs(dialog.windowOpacity() - opacity) < 0.01, qPrintable(QString::number(dialog.windowOpacity())));
}

QTEST_MAIN(TestWindowRules)
#include "tst_windowrules.moc"
