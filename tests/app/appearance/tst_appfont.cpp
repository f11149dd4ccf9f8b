#include "app/appearance/AppFont.h"
#include "app/settings/SettingsStore.h"

#include "core/TestSettings.h"

#include <QtTest>

class TestAppFont : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::resetSettings(); }

    void validatedAndRepaired_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored");     // invalid: key missing
        QTest::addColumn<QString>("read");        // what fontFamily()/fontSize() give
        QTest::addColumn<QString>("storedAfter"); // empty: key still missing
        QTest::newRow("family missing") << "Family" << QVariant() << "Segoe UI" << "";
        QTest::newRow("family unknown") << "Family" << QVariant(QStringLiteral("Comic Sans MS")) << "Segoe UI" << "Segoe UI";
        QTest::newRow("family case") << "Family" << QVariant(QStringLiteral("roboto")) << "Segoe UI" << "Segoe UI";
        QTest::newRow("size missing") << "Size" << QVariant() << "12" << "";
        QTest::newRow("size 72 kept") << "Size" << QVariant(72) << "72" << "72";
        QTest::newRow("size 13") << "Size" << QVariant(13) << "12" << "12";
        QTest::newRow("size fraction") << "Size" << QVariant(QStringLiteral("14.5")) << "12" << "12";
        QTest::newRow("size garbage") << "Size" << QVariant(QStringLiteral("large")) << "12" << "12";
    }

    void validatedAndRepaired()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QFETCH(QString, read);
        QFETCH(QString, storedAfter);
        const QString fonts = QStringLiteral("Fonts");
        if (stored.isValid())
            writeSetting(fonts, key, stored);

        for (int pass = 0; pass < 2; ++pass) { // once repaired, the value stays
            QCOMPARE(key == QLatin1String("Family") ? fontFamily() : QString::number(fontSize()), read);
            QCOMPARE(hasSetting(fonts, key), !storedAfter.isEmpty());
            QCOMPARE(readSetting(fonts, key).toString(), storedAfter);
        }
    }

    void applicationFontFollowsSettings()
    {
        writeSetting(QStringLiteral("Fonts"), QStringLiteral("Family"), QStringLiteral("Arial"));
        writeSetting(QStringLiteral("Fonts"), QStringLiteral("Size"), 20);
        for (bool bold : {false, true}) {
            const QFont font = applicationFont(bold);
            QCOMPARE(QStringList({font.family(), QString::number(font.pixelSize()), QString::number(font.weight())}),
                     QStringList({"Arial", "20", bold ? "75" : "50"}));
            QCOMPARE(font.styleStrategy(), QFont::PreferAntialias);
        }

        writeSetting(QStringLiteral("Fonts"), QStringLiteral("Family"), QStringLiteral("Wingdings"));
        writeSetting(QStringLiteral("Fonts"), QStringLiteral("Size"), 15);
        QCOMPARE(applicationFont().family(), QStringLiteral("Segoe UI"));
        QCOMPARE(applicationFont().pixelSize(), 12);
    }
};

QTEST_GUILESS_MAIN(TestAppFont)
#include "tst_appfont.moc"
