#include "app/appearance/LanguageFormats.h"
#include "app/appearance/Translations.h"
#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"
#include "app/startup/AppTheme.h"
#include "app/startup/FontInstaller.h"
#include "app/startup/LastCheckedText.h"
#include "app/startup/ProgramWiring.h"
#include "app/startup/TranslationResources.h"
#include "log/LogView.h"
#include "settings_dialog/AppSettings.h"
#include "ui/dialogs/DialogSupport.h"
#include "ui/dialogs/ConnectHAP.h"
#include "ui/main/AirvaneLite.h"
#include "ui/widgets/MsgDialog.h"

#include "core/TestSettings.h"
#include "ui/ModalRecord.h"

#include <QApplication>
#include <QTextBrowser>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include <cmath>

namespace {

// WCAG contrast ratio of two colours.
double contrast(const QColor &a, const QColor &b)
{
    auto luminance = [](const QColor &c) {
        auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF()) + 0.05;
    };
    return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

} // namespace

class TestAppearanceShell : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initTranslationResources();
        initAppearanceResources();
    }

    void init()
    {
        testsupport::resetSettings();
        LogView::view()->clear();
    }

    void cleanupTestCase() { m_window.reset(); }

    void everyThemeIsLegible_data()
    {
        QTest::addColumn<int>("theme");
        QTest::newRow("light") << 0;
        QTest::newRow("gray") << 1;
        QTest::newRow("dark") << 2;
    }

    // Text against its background in the kinds of widget the windows use, at the contrast that
    // ordinary text needs (4.5:1). The pictures (build folder, "screenshots") are for the eye.
    void everyThemeIsLegible()
    {
        QFETCH(int, theme);
        QVERIFY(AppTheme::apply(theme, nullptr));
        if (!m_window) { // one window for all themes: the wireless engine serves one per run
            writeSetting(QLatin1String(SettingsGroup::Updates), QLatin1String(SettingsKey::CheckForUpdatesWhenAppStarts),
                         false);
            m_window.reset(new AirvaneLite);
            ProgramWiring::wireMainWindow(m_window.get()); // the program's window: every button live
            m_window->resize(1260, 640);
            m_window->show();
            QTRY_VERIFY(m_window->findChild<QTreeWidget *>()->topLevelItemCount() > 0);
        }
        MsgDialog box(m_window.get(), "Error", "Unable to set theme. File is not found!", MsgDialog::Critical,
                      QMessageBox::Yes | QMessageBox::No);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QString folder = QCoreApplication::applicationDirPath() + "/../screenshots/";
        QDir().mkpath(folder);
        QVERIFY(m_window->grab().save(folder + "theme-" + QTest::currentDataTag() + "-main.png"));
        QVERIFY(box.grab().save(folder + "theme-" + QTest::currentDataTag() + "-message.png"));

        AppSettings settings(nullptr, SettingsDialogHooks());
        settings.show();
        QVERIFY(QTest::qWaitForWindowExposed(&settings));

        QStringList lowContrast;
        auto check = [&](QWidget *widget, QPalette::ColorRole back, QPalette::ColorRole front) {
            if (widget->window() == &settings && !widget->isEnabled()) // its command rows wait for input, dimmed
                return;
            QColor background = widget->palette().color(back);
            if (background.alpha() == 0) // transparent: the window's colour shows
                background = widget->window()->palette().color(QPalette::Window);
            const double ratio = contrast(background, widget->palette().color(front));
            if (ratio < 4.5)
                lowContrast << widget->metaObject()->className() + (' ' + widget->objectName()) + ' ' + QString::number(ratio);
        };
        // A line icon is drawn in the text colour, so it stays as visible as the text.
        const QImage icon = dialogs::resourceIcon(":/Icon/sign-out.svg").pixmap(24, 24).toImage();
        QColor stroke(Qt::transparent);
        for (int i = 0; i < 24 * 24 && stroke.alpha() < 255; ++i)
            stroke = icon.pixelColor(i % 24, i / 24);
        const double iconRatio = contrast(stroke.rgb(), m_window->palette().color(QPalette::Window));
        QVERIFY2(iconRatio >= 3, qPrintable(QString::number(iconRatio)));
        for (QWidget *window : {static_cast<QWidget *>(m_window.get()), static_cast<QWidget *>(&box),
                                static_cast<QWidget *>(&settings)}) {
            check(window, QPalette::Window, QPalette::WindowText);
            for (QTreeWidget *list : window->findChildren<QTreeWidget *>())
                check(list, QPalette::Base, QPalette::Text);
            for (QPushButton *button : window->findChildren<QPushButton *>())
                check(button, QPalette::Button, QPalette::ButtonText);
            for (QLabel *label : window->findChildren<QLabel *>())
                check(label, QPalette::Window, QPalette::WindowText);
        }
        QVERIFY2(lowContrast.isEmpty(), qPrintable(lowContrast.join('\n')));
    }

    void unknownThemeKeepsTheCurrentOne()
    {
        QVERIFY(AppTheme::apply(2, nullptr));
        const QString dark = qApp->styleSheet();
        QStringList seen;
        testsupport::answerNextModals(&seen, "OK", 2);
        QVERIFY(!AppTheme::apply(5, nullptr));
        QCOMPARE(seen, QStringList({"Error|Unable to change theme!", "Error|Unable to set theme. File is not found!"}));
        QCOMPARE(qApp->styleSheet(), dark);
        QVERIFY(LogView::view()->toPlainText().endsWith(": theme change was not applied"));
        qApp->setStyleSheet(QString());
    }

    void languageSwitchRetranslatesOpenWindows()
    {
        QTranslator program;
        QTranslator toolkit;
        ConnectHAP dialog;
        dialog.show();
        auto *field = dialog.findChild<QLineEdit *>();
        QVERIFY(loadTranslations(App::Language::Ukrainian, &program, &toolkit));
        QTRY_COMPARE(field->placeholderText(), QStringLiteral("Введіть ім’я мережі"));
        QVERIFY(loadTranslations(App::Language::Russian, &program, &toolkit));
        QTRY_COMPARE(field->placeholderText(), QStringLiteral("Введите имя сети"));
        removeTranslations(&program, &toolkit);
        QTRY_COMPARE(field->placeholderText(), QStringLiteral("Enter the name of the network"));
    }

    void lastCheckedFollowsTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("logged");
        QTest::addColumn<QString>("systemLocale");
        QTest::addColumn<QString>("flag");
        QTest::newRow("english") << 1 << "Monday, 09:05 PM"
                                 << "last updates checked on Monday, 07 December 2026, 09:05:09 PM" << "de_DE" << "en_US";
        QTest::newRow("russian") << 2 << QStringLiteral("понедельник, 21:05")
                                 << QStringLiteral("дата последней проверки обновлений понедельник, 07 декабря 2026, 21:05:09")
                                 << "ru_RU" << "ru_RU";
        QTest::newRow("ukrainian") << 3 << QStringLiteral("понеділок, 21:05")
                                   << QStringLiteral("дата останньої перевірки оновлень понеділок, 07 грудня 2026, 21:05:09")
                                   << "uk_UA" << "uk_UA";
    }

    void lastCheckedFollowsTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, shown);
        QFETCH(QString, logged);
        QFETCH(QString, systemLocale);
        QFETCH(QString, flag);
        writeLanguage(static_cast<App::Language>(language));
        QTranslator program;
        QVERIFY(loadTranslations(&program, nullptr));
        QCOMPARE(LastCheckedText::text(QDateTime(QDate(2026, 12, 7), QTime(21, 5, 9))), shown);
        removeTranslations(&program, nullptr);
        QVERIFY2(LogView::view()->toPlainText().endsWith(": " + logged), qPrintable(LogView::view()->toPlainText()));

        const QString icon = languageIconFor(QLocale(systemLocale));
        QCOMPARE(icon, ":Icon/" + flag + ".png");
        QVERIFY(!QIcon(icon).pixmap(16, 16).isNull());
    }

    void fontsAreInstalledOnce()
    {
        QTemporaryDir folder;
        QStringList registered;
        const FontInstaller installer(folder.path(), [&](const QString &family, const QString &type, const QString &file) {
            registered << family + " (" + type + ") = " + file;
        });
        const int first = installer.installFonts();
        QVERIFY(first > 0);
        QCOMPARE(registered.size(), first);
        for (const QString &entry : registered) {
            // Qt calls TrueType "font/ttf"; the old name is only an alias of it.
            QVERIFY2(entry.contains("(TrueType)"), qPrintable(entry));
            QVERIFY(QFileInfo(folder.filePath(entry.section(" = ", 1))).size() > 100000);
        }
        QCOMPARE(installer.installFonts(), 0);
        QCOMPARE(registered.size(), first);
    }

private:
    std::unique_ptr<AirvaneLite> m_window;
};

QTEST_MAIN(TestAppearanceShell)
#include "tst_appearanceshell.moc"
