#include "app/appearance/Translations.h"
#include "app/settings/SettingsEnums.h"
#include "app/startup/TranslationResources.h"

#include "core/TestSettings.h"

#include <QtTest>

namespace {

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

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initTranslationResources();
        QVERIFY2(!qgetenv("AIRVANE_TEST_SOURCE_DIR").isEmpty(), "run through ctest");
        QVERIFY2(QFile::exists(tsPath(QStringLiteral("en"))), qPrintable(tsPath(QStringLiteral("en"))));
    }

    void init() { testsupport::resetSettings(); }
    void cleanup() { removeTranslations(&m_program, &m_toolkit); }

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
    QTranslator m_program;
    QTranslator m_toolkit;
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
