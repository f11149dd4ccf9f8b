#include "app/appearance/LanguageFormats.h"
#include "app/appearance/Translations.h"
#include "app/settings/SettingsStore.h"
#include "app/startup/AppTheme.h"
#include "app/startup/FontInstaller.h"
#include "app/startup/LastCheckedText.h"
#include "app/startup/TranslationResources.h"
#include "log/LogView.h"
#include "ui/dialogs/ConnectHAP.h"
#include "ui/main/AirvaneLite.h"
#include "ui/widgets/MsgDialog.h"

#include "core/TestSettings.h"
#include "ui/ModalAnswer.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTranslator>
#include <QTreeWidget>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

double luminance(const QColor &c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QString screenshotFolder()
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/../screenshots");
    QDir().mkpath(folder);
    return folder;
}

QStringList modalTexts(QWidget *dialog)
{
    QStringList texts;
    for (QLabel *label : dialog->findChildren<QLabel *>()) {
        if (!label->text().isEmpty())
            texts << label->text();
    }
    return texts;
}

} // namespace

class TestAppearanceShell : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void everyThemeIsLegible_data();
    void everyThemeIsLegible();
    void unknownThemeKeepsTheCurrentOne();
    void languageSwitchRetranslatesOpenWindows();
    void lastCheckedFollowsTheLanguage_data();
    void lastCheckedFollowsTheLanguage();
    void languageIconOfTheSystemLocale_data();
    void languageIconOfTheSystemLocale();
    void fontsAreInstalledOnce();
    void fontTypeFromTheMimeDatabase_data();
    void fontTypeFromTheMimeDatabase();

private:
    std::unique_ptr<AirvaneLite> m_window;
};

void TestAppearanceShell::initTestCase()
{
    initTranslationResources();
    initAppearanceResources();
}

void TestAppearanceShell::init()
{
    testsupport::resetSettings();
    LogView::view()->clear();
}

void TestAppearanceShell::cleanup()
{
    qApp->setStyleSheet(QString());
}

void TestAppearanceShell::cleanupTestCase()
{
    m_window.reset();
}

void TestAppearanceShell::everyThemeIsLegible_data()
{
    QTest::addColumn<int>("theme");
    QTest::newRow("light") << 0;
    QTest::newRow("gray") << 1;
    QTest::newRow("dark") << 2;
}

// Text against its background in every kind of widget the windows use, at the contrast that
// ordinary text needs (4.5:1); the pictures are kept for a look by eye.
void TestAppearanceShell::everyThemeIsLegible()
{
    QFETCH(int, theme);
    QVERIFY(AppTheme::apply(theme, nullptr));
    QVERIFY(!qApp->styleSheet().isEmpty());

    // One window for all themes: the wireless engine serves one main window per run.
    if (!m_window) {
        m_window.reset(new AirvaneLite);
        m_window->resize(1260, 640);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        // The picture shows the simulated networks, not an empty list.
        QTRY_VERIFY(m_window->findChild<QTreeWidget *>()->topLevelItemCount() > 0);
    }
    AirvaneLite &window = *m_window;
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    QVERIFY(window.grab().save(screenshotFolder() + QStringLiteral("/theme-%1-main.png").arg(name)));

    QStringList lowContrast;
    // Transparent backgrounds show the window's colour.
    auto check = [&](QWidget *widget, QPalette::ColorRole back, QPalette::ColorRole front, const QString &what) {
        QColor background = widget->palette().color(back);
        if (background.alpha() == 0)
            background = widget->window()->palette().color(QPalette::Window);
        const double ratio = contrast(background, widget->palette().color(front));
        if (ratio < 4.5)
            lowContrast << QStringLiteral("%1 %2 %3").arg(what, widget->objectName()).arg(ratio, 0, 'f', 2);
    };
    check(&window, QPalette::Window, QPalette::WindowText, QStringLiteral("window"));
    for (QTreeWidget *list : window.findChildren<QTreeWidget *>())
        check(list, QPalette::Base, QPalette::Text, QStringLiteral("list"));
    for (QPushButton *button : window.findChildren<QPushButton *>())
        check(button, QPalette::Button, QPalette::ButtonText, QStringLiteral("button"));
    for (QLabel *label : window.findChildren<QLabel *>())
        check(label, QPalette::Window, QPalette::WindowText, QStringLiteral("label"));

    MsgDialog box(&window, QStringLiteral("Error"), QStringLiteral("Unable to set theme. File is not found!"),
                  MsgDialog::Critical, QMessageBox::Yes | QMessageBox::No);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    check(&box, QPalette::Window, QPalette::WindowText, QStringLiteral("message box"));
    QVERIFY(box.grab().save(screenshotFolder() + QStringLiteral("/theme-%1-message.png").arg(name)));
    QVERIFY2(lowContrast.isEmpty(), qPrintable(lowContrast.join(QLatin1Char('\n'))));
}

void TestAppearanceShell::unknownThemeKeepsTheCurrentOne()
{
    QVERIFY(AppTheme::apply(2, nullptr));
    const QString dark = qApp->styleSheet();
    QStringList boxes;
    std::function<void(QWidget *)> answer = [&](QWidget *dialog) {
        boxes << dialog->windowTitle() + QLatin1Char('|') + modalTexts(dialog).join(QString());
        if (boxes.size() == 1)
            testsupport::whenModalAppears(answer);
        dialog->close();
    };
    testsupport::whenModalAppears(answer);
    QVERIFY(!AppTheme::apply(5, nullptr));
    QCOMPARE(boxes, QStringList({"Error|Unable to change theme!", "Error|Unable to set theme. File is not found!"}));
    QCOMPARE(qApp->styleSheet(), dark);
    QVERIFY(LogView::view()->toPlainText().endsWith(QStringLiteral(": theme change was not applied")));
}

void TestAppearanceShell::languageSwitchRetranslatesOpenWindows()
{
    QTranslator program;
    QTranslator toolkit;
    ConnectHAP dialog;
    dialog.show();
    auto *field = dialog.findChild<QLineEdit *>();
    QVERIFY(field);
    QCOMPARE(field->placeholderText(), QStringLiteral("Enter the name of the network"));
    QVERIFY(loadTranslations(App::Language::Ukrainian, &program, &toolkit));
    QTRY_COMPARE(field->placeholderText(), QStringLiteral("Введіть ім’я мережі"));
    QVERIFY(loadTranslations(App::Language::Russian, &program, &toolkit));
    QTRY_COMPARE(field->placeholderText(), QStringLiteral("Введите имя сети"));
    removeTranslations(&program, &toolkit);
    QTRY_COMPARE(field->placeholderText(), QStringLiteral("Enter the name of the network"));
}

void TestAppearanceShell::lastCheckedFollowsTheLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("logged");
    QTest::newRow("english") << 1 << "Monday, 09:05 PM" << "last updates checked on Monday, 07 December 2026, 09:05:09 PM";
    QTest::newRow("russian") << 2 << QStringLiteral("понедельник, 21:05")
                             << QStringLiteral("дата последней проверки обновлений понедельник, 07 декабря 2026, 21:05:09");
    QTest::newRow("ukrainian") << 3 << QStringLiteral("понеділок, 21:05")
                               << QStringLiteral("дата останньої перевірки оновлень понеділок, 07 грудня 2026, 21:05:09");
}

void TestAppearanceShell::lastCheckedFollowsTheLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, shown);
    QFETCH(QString, logged);
    writeLanguage(static_cast<App::Language>(language));
    QTranslator program;
    QVERIFY(loadTranslations(&program, nullptr));
    const QDateTime moment(QDate(2026, 12, 7), QTime(21, 5, 9));
    QCOMPARE(LastCheckedText::text(moment), shown);
    removeTranslations(&program, nullptr);
    QVERIFY2(LogView::view()->toPlainText().endsWith(QStringLiteral(": ") + logged),
             qPrintable(LogView::view()->toPlainText()));
}

void TestAppearanceShell::languageIconOfTheSystemLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("icon");
    QTest::newRow("german") << "de_DE" << ":Icon/en_US.png";
    QTest::newRow("russian") << "ru_RU" << ":Icon/ru_RU.png";
    QTest::newRow("ukrainian") << "uk_UA" << ":Icon/uk_UA.png";
    QTest::newRow("american") << "en_US" << ":Icon/en_US.png";
}

void TestAppearanceShell::languageIconOfTheSystemLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, icon);
    QCOMPARE(languageIconFor(QLocale(locale)), icon);
    QVERIFY2(!QIcon(icon).pixmap(16, 16).isNull(), qPrintable(icon));
}

void TestAppearanceShell::fontsAreInstalledOnce()
{
    QTemporaryDir folder;
    QStringList registered;
    const FontInstaller installer(folder.path(), [&](const QString &family, const QString &type, const QString &file) {
        registered << QStringLiteral("%1 (%2) = %3").arg(family, type, file);
    });
    const int first = installer.installFonts();
    QVERIFY(first > 0);
    QCOMPARE(registered.size(), first);
    for (const QString &entry : registered) {
        QVERIFY2(entry.contains(QStringLiteral("(TrueType)")), qPrintable(entry));
        const QString file = folder.filePath(entry.section(QStringLiteral(" = "), 1));
        QVERIFY2(QFileInfo(file).size() > 100000, qPrintable(file));
    }
    const QStringList afterFirst = registered;
    QCOMPARE(installer.installFonts(), 0);
    QCOMPARE(registered, afterFirst);
}

void TestAppearanceShell::fontTypeFromTheMimeDatabase_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("type");
    QTest::newRow("program font") << ":/Fonts/Roboto-Regular.ttf" << "TrueType";
    QTest::newRow("opentype") << "/usr/share/fonts/opentype/urw-base35/NimbusSans-Regular.otf" << "OpenType";
    QTest::newRow("not a font") << ":/Themes/light.qss" << "OtherType";
}

void TestAppearanceShell::fontTypeFromTheMimeDatabase()
{
    QFETCH(QString, file);
    QFETCH(QString, type);
    if (!QFile::exists(file))
        QSKIP("sample file not on this machine");
    QCOMPARE(FontInstaller::fontType(file), type);
}

QTEST_MAIN(TestAppearanceShell)
#include "tst_appearanceshell.moc"
