#include "ui/dialogs/About.h"
#include "ui/dialogs/LicenseAgreement.h"

#include "core/TestSettings.h"
#include "ui/ModalAnswer.h"
#include "ui/widgets/MsgDialog.h"

#include "app/settings/SettingsStore.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QtTest>

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void init() { testsupport::resetSettings(); }
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void rowsAndPrivacyLink_data();
    void rowsAndPrivacyLink();
    void contextMenuInOrder();
    void missingWindowsAreSaidSo();
    void licenseResourceByChannelAndLanguage_data();
    void licenseResourceByChannelAndLanguage();
    void everyLicenseFileDecodes();
    void unreadableLicenseFileGivesNoText();
    void eulaLinkShowsInsiderUkrainianText();

private:
    static QString value(About &about, const char *row)
    {
        return about.findChild<QLabel *>(QString::fromLatin1(row) + QStringLiteral("Value"))->text();
    }
};

void TestAbout::rowsAndPrivacyLink_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("channelName");
    QTest::addColumn<QString>("privacyPage");

    QTest::newRow("development, english") << 0 << 1 << "Development" << "privacy-policy-en\"";
    QTest::newRow("insider, russian") << 1 << 2 << "Insider" << "privacy-policy-ru\"";
    QTest::newRow("beta, ukrainian") << 2 << 3 << "Beta" << "privacy-policy-uk\"";
    QTest::newRow("unknown values") << 9 << 7 << "Release" << "privacy-policy-en\"";
}

void TestAbout::rowsAndPrivacyLink()
{
    QFETCH(int, channel);
    QFETCH(int, language);
    QFETCH(QString, channelName);
    QFETCH(QString, privacyPage);
    writeSetting(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel"), channel);
    writeAppSetting(QStringLiteral("AppLanguage"), language);

    About about;
    QCOMPARE(QStringList({value(about, "company"), value(about, "version"), value(about, "build"),
                          value(about, "channel"), value(about, "architecture")}),
             QStringList({"Tarnwick", "Lite", "2.8.8.652", channelName, "x64"}));
    const QString privacy = value(about, "privacy");
    QVERIFY2(privacy.contains(QStringLiteral("href=\"https://www.tarnwick.example/terms/") + privacyPage),
             qPrintable(privacy));
    // A German system with the automatic language gets the English page.
    QCOMPARE(About::privacyPolicyCode(App::Language::Automatic, QLocale::German), QStringLiteral("en"));
}

void TestAbout::contextMenuInOrder()
{
    About about;
    QSignalSpy log(&about, &About::displayLog);
    QSignalSpy updates(&about, &About::checkUpdates);
    QSignalSpy exit(&about, &About::exitApplication);
    QWidget *changelogParent = nullptr;
    QWidget *feedbackParent = nullptr;
    about.setChangelogOpener([&](QWidget *parent) { changelogParent = parent; });
    about.setFeedbackOpener([&](QWidget *parent) { feedbackParent = parent; });
    connect(&about, &About::displayLog, this, [] {});
    connect(&about, &About::checkUpdates, this, [] {});
    connect(&about, &About::exitApplication, this, [] {});

    QMenu *menu = about.contextMenu();
    emit menu->aboutToShow();
    QStringList texts;
    for (QAction *action : menu->actions()) {
        texts << action->text();
        QVERIFY2(action->isEnabled(), qPrintable(action->text()));
        action->trigger();
    }
    QCOMPARE(texts, QStringList({"Log", "Changelog", "Updates", "Feedback", "Exit"}));
    QCOMPARE(log.count(), 1);
    QCOMPARE(log.at(0).at(0).value<QWidget *>(), &about);
    QCOMPARE(changelogParent, &about);
    QCOMPARE(updates.count(), 1);
    QCOMPARE(feedbackParent, &about);
    QCOMPARE(exit.count(), 1);

    // The update check waits while the main window scans.
    about.setNetworksRefreshStarted();
    emit menu->aboutToShow();
    QVERIFY(!menu->actions().at(2)->isEnabled());
    about.setNetworksRefreshCompleted();
    QVERIFY(menu->actions().at(2)->isEnabled());
}

void TestAbout::missingWindowsAreSaidSo()
{
    About about;
    QMenu *menu = about.contextMenu();
    emit menu->aboutToShow();
    for (QAction *action : menu->actions()) {
        QVERIFY2(!action->isEnabled(), qPrintable(action->text()));
        QCOMPARE(action->toolTip(), QStringLiteral("Not available in this build"));
    }
    auto *feedbackLink = about.findChild<QLabel *>(QStringLiteral("feedbackValue"));
    QVERIFY(!feedbackLink->isEnabled());
    about.setFeedbackOpener([](QWidget *) {});
    QVERIFY(feedbackLink->isEnabled());
}

void TestAbout::licenseResourceByChannelAndLanguage_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("system");
    QTest::addColumn<QString>("resource");

    QTest::newRow("insider, ukrainian") << 1 << 3 << int(QLocale::English)
                                        << ":/License/AirvaneLite.Insider.license.ukrainian.html";
    QTest::newRow("automatic on german") << 3 << 0 << int(QLocale::German)
                                         << ":/License/AirvaneLite.license.english.html";
    QTest::newRow("unknown channel and language") << 8 << 6 << int(QLocale::Russian)
                                                  << ":/License/AirvaneLite.license.english.html";
}

void TestAbout::licenseResourceByChannelAndLanguage()
{
    QFETCH(int, channel);
    QFETCH(int, language);
    QFETCH(int, system);
    QFETCH(QString, resource);
    const QString path = LicenseAgreement::resourcePath(channel, static_cast<App::Language>(language),
                                                        static_cast<QLocale::Language>(system));
    QCOMPARE(path, resource);
    LicenseAgreement viewer; // registers the resources
    QVERIFY(QFile::exists(path));
}

void TestAbout::everyLicenseFileDecodes()
{
    LicenseAgreement viewer;
    const QStringList files = QDir(QStringLiteral(":/License")).entryList(QDir::Files);
    QCOMPARE(files.size(), 12);
    for (const QString &name : files) {
        const QString text = LicenseAgreement::readWindows1251(QStringLiteral(":/License/") + name);
        QVERIFY2(text.size() > 2000, qPrintable(name));
        QVERIFY2(!text.contains(QChar::ReplacementCharacter), qPrintable(name));
        QVERIFY2(text.contains(QLatin1String("Tarnwick")), qPrintable(name));
        // Cyrillic comes through as Cyrillic, not as Latin-1 look-alikes.
        const bool cyrillic = text.contains(QRegularExpression(QStringLiteral("[\\x{0430}-\\x{044F}]{5}")));
        QCOMPARE(cyrillic, !name.contains(QLatin1String("english")));
        if (name.contains(QLatin1String("ukrainian")))
            QVERIFY2(text.contains(QChar(0x0456)) && text.contains(QChar(0x0457)), qPrintable(name));
    }
}

void TestAbout::unreadableLicenseFileGivesNoText()
{
    QTemporaryDir dir;
    QFile empty(dir.filePath(QStringLiteral("empty.html")));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    QVERIFY(LicenseAgreement::readWindows1251(empty.fileName()).isNull());
    QVERIFY(LicenseAgreement::readWindows1251(dir.filePath(QStringLiteral("missing.html"))).isNull());
}

void TestAbout::eulaLinkShowsInsiderUkrainianText()
{
    writeSetting(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel"), 1);
    writeAppSetting(QStringLiteral("AppLanguage"), 3);
    About about;
    emit about.findChild<QLabel *>(QStringLiteral("eulaValue"))->linkActivated(QStringLiteral("#"));
    auto *viewer = about.findChild<LicenseAgreement *>();
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->windowTitle(), QStringLiteral("License agreement"));
    QVERIFY2(viewer->text().contains(QStringLiteral("Збірка Insider")), qPrintable(viewer->text().left(300)));
    viewer->findChild<QPushButton *>(QStringLiteral("closeButton"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!about.findChild<LicenseAgreement *>());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
