#include "app/appearance/LanguageFormats.h"
#include "app/appearance/SharedTranslators.h"
#include "app/appearance/Translations.h"
#include "app/settings/SettingsEnums.h"
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
#include "ui/main/MainWindowChrome.h"
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

struct TsMessage
{
    QString context;
    QString source;
    QStringList translations; // one entry, or one per plural form
    bool unfinished = false;
};

QString tsPath(const QString &code)
{
    return QString::fromLocal8Bit(qgetenv("AIRVANE_TEST_SOURCE_DIR"))
        + QStringLiteral("/../resources/Localization/AirvaneLite_%1.ts").arg(code);
}

QVector<TsMessage> readTs(const QString &code)
{
    QVector<TsMessage> messages;
    QFile file(tsPath(code));
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context, text;
    bool inTranslation = false;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto name = xml.name();
        if (xml.isStartElement() && name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.isStartElement() && name == QLatin1String("message")) {
            messages.append({context, QString(), {}, false});
        } else if (xml.isStartElement() && name == QLatin1String("source")) {
            messages.last().source = xml.readElementText();
        } else if (xml.isStartElement() && name == QLatin1String("translation")) {
            messages.last().unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            inTranslation = true;
            text.clear();
        } else if (xml.isStartElement() && name == QLatin1String("numerusform")) {
            messages.last().translations.append(xml.readElementText());
        } else if (xml.isCharacters() && inTranslation) {
            text += xml.text();
        } else if (xml.isEndElement() && name == QLatin1String("translation")) {
            inTranslation = false;
            if (messages.last().translations.isEmpty())
                messages.last().translations.append(text);
        }
    }
    return messages;
}

QSet<QString> placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%([1-9]|n)"));
    QSet<QString> found;
    auto it = marker.globalMatch(text);
    while (it.hasNext())
        found.insert(it.next().captured(0));
    return found;
}

// Texts that read the same in every language: names, standards and identifiers.
const QSet<QString> sameInEveryLanguage{"SSID", "Hostlens", "Airvane Lite", "GUID:", "BSSID", "IPv4", "IPv6", "Wi-Fi",
                                        "OneDrive", "Dropbox", "Roboto", "Arial", "Segoe UI", "netsh", "cmd.exe"};

bool isTechnicalToken(const QString &source)
{
    if (sameInEveryLanguage.contains(source))
        return true;
    // Nothing to translate without at least two letters in a row (formats such as "%1 (%2)").
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    if (!word.match(source).hasMatch())
        return true;
    // Standards, versions and bare numbers with units such as "802.11ac" or "WPA2-PSK".
    static const QRegularExpression standard(QStringLiteral("^[A-Z0-9./()\\- ]*[0-9][A-Za-z0-9./()\\- ]*$"));
    return standard.match(source).hasMatch();
}

} // namespace

// Themes, languages and fonts as the program applies them, and the translation catalogues behind them.
class TestAppearanceShell : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initTranslationResources();
        initAppearanceResources();
        QVERIFY2(!qgetenv("AIRVANE_TEST_SOURCE_DIR").isEmpty(), "run through ctest");
        QVERIFY2(QFile::exists(tsPath(QStringLiteral("en"))), qPrintable(tsPath(QStringLiteral("en"))));
    }

    void init()
    {
        testsupport::resetSettings();
        LogView::view()->clear();
    }

    void cleanup() { removeTranslations(&m_program, &m_toolkit); }

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

    void installedTranslationsAreKnown()
    {
        auto *program = new QTranslator;
        QTranslator toolkit;
        QVERIFY(loadTranslations(App::Language::Russian, program, &toolkit));
        QVERIFY(translationsInstalled(App::Language::Russian, program, &toolkit));
        QVERIFY(!translationsInstalled(App::Language::Ukrainian, program, &toolkit));
        QVERIFY(!translationsInstalled(App::Language::Russian, program, nullptr));
        QVERIFY(loadTranslations(App::Language::English, program, nullptr));
        QVERIFY(translationsInstalled(App::Language::English, program, nullptr));
        removeTranslations(program, &toolkit);
        QVERIFY(!translationsInstalled(App::Language::English, program, nullptr));
        QVERIFY(loadTranslations(App::Language::English, program, nullptr));
        // Another translator may be made where a destroyed one was: it has installed nothing.
        const QTranslator *gone = program;
        delete program;
        QVERIFY(!translationsInstalled(App::Language::English, gone, nullptr));
    }

    // The start installs the stored language before it makes the window, which keeps the texts it
    // was made with; a window made while another language (or none) is installed turns to the
    // stored one.
    void aNewWindowSpeaksTheStoredLanguage_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QString>("connect");
        QTest::addColumn<QString>("unknown");
        QTest::newRow("russian start") << 2 << "ru" << QStringLiteral("Подключиться") << QStringLiteral("Неизвестно");
        QTest::newRow("english stored, russian installed") << 1 << "ru" << "Connect" << "Unknown";
        QTest::newRow("ukrainian stored, none installed") << 3 << "" << QStringLiteral("Підключитися")
                                                          << QStringLiteral("Невідомо");
        QTest::newRow("russian loaded and taken out again") << 2 << "ru, removed" << QStringLiteral("Подключиться")
                                                            << QStringLiteral("Неизвестно");
    }

    void aNewWindowSpeaksTheStoredLanguage()
    {
        QFETCH(int, stored);
        QFETCH(QString, installed);
        QFETCH(QString, connect);
        QFETCH(QString, unknown);
        m_window.reset(); // the wireless engine serves one window at a time
        QTranslator *program = SharedTranslators::program();
        QTranslator *toolkit = SharedTranslators::toolkit();
        if (installed.startsWith(QLatin1String("ru")))
            QVERIFY(loadTranslations(App::Language::Russian, program, toolkit));
        if (installed.isEmpty() || installed.endsWith(QLatin1String("removed")))
            removeTranslations(program, toolkit);
        writeLanguage(static_cast<App::Language>(stored));
        // Nothing to end or to offer: the window goes again before its first listing.
        writeAppSetting(QLatin1String(SettingsKey::AutoRefreshWlanNetworks), false);
        writeAppSetting(QLatin1String(SettingsKey::NotifyWhenOpenAP), false);
        {
            AirvaneLite window;
            QCOMPARE(window.findChild<QPushButton *>(QStringLiteral("connectButton"))->text(), connect);
            QCOMPARE(window.findChild<QLabel *>(QStringLiteral("guidValue"))->text(), unknown);
            QCOMPARE(window.chrome()->language(), static_cast<App::Language>(stored));
            window.shutdown();
        }
        removeTranslations(program, toolkit);
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

    // ---- the catalogues ----

    void storedLanguageIsUsed()
    {
        writeLanguage(App::Language::Ukrainian);
        QVERIFY(loadTranslations(&m_program, &m_toolkit));
        QCOMPARE(QCoreApplication::translate("WirelessConnect", "Hidden network"), QStringLiteral("Прихована мережа"));
        writeLanguage(static_cast<App::Language>(9)); // an unknown value means English
        QVERIFY(loadTranslations(&m_program, &m_toolkit));
        QCOMPARE(QCoreApplication::translate("WirelessConnect", "Hidden network"), QStringLiteral("Hidden network"));
    }

    void switchingReplacesTheInstalledLanguage()
    {
        const auto texts = []() -> QString {
            return QCoreApplication::translate("ConnectHAP", "Enter the name of the network") + QLatin1Char('|')
                + QCoreApplication::translate("QPlatformTheme", "Cancel");
        };
        const QString english = QStringLiteral("Enter the name of the network|Cancel");

        // Loading a language replaces the one before, itself too.
        QVERIFY(loadTranslations(App::Language::Russian, &m_program, &m_toolkit));
        QVERIFY(loadTranslations(App::Language::Ukrainian, &m_program, &m_toolkit));
        QVERIFY(loadTranslations(App::Language::Ukrainian, &m_program, &m_toolkit));
        QCOMPARE(texts(), QStringLiteral("Введіть ім’я мережі|Скасувати"));
        // A text is looked up in its own context only.
        QCOMPARE(QCoreApplication::translate("NoSuchContext", "Cancel"), QStringLiteral("Cancel"));
        QVERIFY(loadTranslations(App::Language::English, &m_program, &m_toolkit));
        QCOMPARE(texts(), english);

        // A second pair (the splash and the main window hold their own) works beside the first and
        // the first one's removal does not take the second one's texts away.
        QTranslator otherProgram;
        QTranslator otherToolkit;
        QVERIFY(loadTranslations(App::Language::Russian, &m_program, &m_toolkit));
        QVERIFY(loadTranslations(App::Language::Russian, &otherProgram, &otherToolkit));
        removeTranslations(&m_program, &m_toolkit);
        QCOMPARE(texts(), QStringLiteral("Введите имя сети|Отмена"));
        removeTranslations(&otherProgram, &otherToolkit);
        QCOMPARE(texts(), english);
    }

    void missingProgramCatalogueIsAFailure()
    {
        Q_CLEANUP_RESOURCE(localization);
        const bool english = loadTranslations(App::Language::English, &m_program, &m_toolkit);
        // The toolkit's Russian file is there, but the program's own texts would stay English.
        const bool russian = loadTranslations(App::Language::Russian, &m_program, &m_toolkit);
        const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
        initTranslationResources();
        QVERIFY(!english);
        QVERIFY(!russian);
        QCOMPARE(cancel, QStringLiteral("Отмена"));
        QVERIFY(loadTranslations(App::Language::Russian, &m_program, &m_toolkit));
    }

    void catalogueIsCompleteAndSound_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("foreignLetters");
        // Letters that exist in only one of the two languages give away a text pasted into the other.
        QTest::newRow("ru") << "ru" << QStringLiteral("іїєґІЇЄҐ’");
        QTest::newRow("uk") << "uk" << QStringLiteral("ыэъёЫЭЪЁ");
    }

    // Every problem of a catalogue, one line each: missing or unfinished texts, texts the compiled
    // catalogue does not hold, untranslated copies, broken formatting and letters of the other language.
    void catalogueIsCompleteAndSound()
    {
        QFETCH(QString, code);
        QFETCH(QString, foreignLetters);
        const auto english = readTs(QStringLiteral("en"));
        const auto translated = readTs(code);
        QVERIFY(!english.isEmpty());
        QTranslator compiled;
        QVERIFY(compiled.load(QStringLiteral(":/Localization/AirvaneLite_%1.qm").arg(code)));

        QSet<QString> englishKeys;
        for (const auto &m : english)
            englishKeys.insert(m.context + QLatin1Char('\x1f') + m.source);
        QSet<QString> keys;
        QStringList problems;
        static const QRegularExpression accelerator(QStringLiteral("&\\w"));
        for (const auto &m : translated) {
            keys.insert(m.context + QLatin1Char('\x1f') + m.source);
            const QString where = m.context + QStringLiteral(": ") + m.source + QStringLiteral(" -> ");
            if (m.unfinished || m.translations.isEmpty())
                problems << where + QStringLiteral("unfinished");
            if (m.translations.size() == 1) {
                const QString got = compiled.translate(m.context.toUtf8().constData(), m.source.toUtf8().constData());
                if (got != m.translations.first())
                    problems << where + QStringLiteral("compiled as ") + got;
            }
            for (const QString &t : m.translations) {
                QStringList why;
                if (t.trimmed().isEmpty())
                    why << QStringLiteral("empty");
                if (t == m.source && !isTechnicalToken(m.source))
                    why << QStringLiteral("copy of the source");
                if (placeholders(t) != placeholders(m.source))
                    why << QStringLiteral("placeholders");
                if (t.count(QLatin1Char('\n')) != m.source.count(QLatin1Char('\n')))
                    why << QStringLiteral("line breaks");
                if (m.source.endsWith(QLatin1Char(':')) != t.endsWith(QLatin1Char(':')))
                    why << QStringLiteral("trailing colon");
                if (m.source.endsWith(QLatin1Char(' ')) != t.endsWith(QLatin1Char(' ')))
                    why << QStringLiteral("trailing blank");
                if (m.source.contains(accelerator) != t.contains(accelerator))
                    why << QStringLiteral("accelerator");
                if (std::any_of(t.cbegin(), t.cend(), [&](QChar c) { return foreignLetters.contains(c); }))
                    why << QStringLiteral("letters of the other language");
                if (!why.isEmpty())
                    problems << where + t + QStringLiteral(" (") + why.join(QStringLiteral(", ")) + QLatin1Char(')');
            }
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        QCOMPARE(keys, englishKeys);
    }

private:
    std::unique_ptr<AirvaneLite> m_window;
    QTranslator m_program;
    QTranslator m_toolkit;
};

QTEST_MAIN(TestAppearanceShell)
#include "tst_appearanceshell.moc"
