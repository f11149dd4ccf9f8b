#include "ui/widgets/WindowRules.h"

#include "app/settings/SettingsStore.h"
#include "core/TestSettings.h"

#include <QDialog>
#include <QtTest>

class TestWindowRules : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::resetSettings(); }
    void topMostKeepsTheWindowShown();
    void fromSettings_data();
    void fromSettings();
};

void TestWindowRules::topMostKeepsTheWindowShown()
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

void TestWindowRules::fromSettings_data()
{
    QTest::addColumn<QVariant>("onTopStored");
    QTest::addColumn<bool>("onTop");
    QTest::addColumn<QVariant>("opacityStored");
    QTest::newRow("missing, default on") << QVariant() << true << QVariant();
    QTest::newRow("stored off, opacity out of range") << QVariant(false) << false << QVariant(7);
}

void TestWindowRules::fromSettings()
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

QTEST_MAIN(TestWindowRules)
#include "tst_windowrules.moc"
