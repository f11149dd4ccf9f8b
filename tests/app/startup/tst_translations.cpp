#include "app/appearance/Translations.h"
#include "app/settings/SettingsEnums.h"
#include "app/startup/TranslationResources.h"

#include "core/TestSettings.h"

#include <QCoreApplication>
#include <algorithm>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>
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
    QString context;
    TsMessage current;
    bool inTranslation = false;
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto name = xml.name();
        if (xml.isStartElement()) {
            if (name == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (name == QLatin1String("message")) {
                current = TsMessage();
                current.context = context;
            } else if (name == QLatin1String("source")) {
                current.source = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                current.unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
                inTranslation = true;
                text.clear();
            } else if (name == QLatin1String("numerusform")) {
                current.translations.append(xml.readElementText());
            }
        } else if (xml.isCharacters() && inTranslation) {
            text += xml.text();
        } else if (xml.isEndElement()) {
            if (name == QLatin1String("translation")) {
                inTranslation = false;
                if (current.translations.isEmpty())
                    current.translations.append(text);
            } else if (name == QLatin1String("message")) {
                messages.append(current);
            }
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
const QSet<QString> &sameInEveryLanguage()
{
    static const QSet<QString> tokens = {
        QStringLiteral("SSID"), QStringLiteral("Hostlens"), QStringLiteral("Airvane Lite"),
        QStringLiteral("GUID:"), QStringLiteral("BSSID"), QStringLiteral("IPv4"),
        QStringLiteral("IPv6"), QStringLiteral("Wi-Fi"), QStringLiteral("OneDrive"),
        QStringLiteral("Dropbox"), QStringLiteral("Roboto"), QStringLiteral("Arial"),
        QStringLiteral("Segoe UI"), QStringLiteral("netsh"), QStringLiteral("cmd.exe"),
    };
    return tokens;
}

bool isTechnicalToken(const QString &source)
{
    if (sameInEveryLanguage().contains(source))
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
    void initTestCase();
    void init() { testsupport::resetSettings(); }
    void cleanup();

    void filePaths_data();
    void filePaths();
    void knownTextsAreTranslated_data();
    void knownTextsAreTranslated();
    void toolkitTextsFollowTheLanguage_data();
    void toolkitTextsFollowTheLanguage();
    void storedLanguageIsUsed_data();
    void storedLanguageIsUsed();
    void switchingReplacesTheInstalledLanguage();
    void removedTranslatorsLeaveTheSourceTexts();
    void missingProgramCatalogueIsAFailure();

    void catalogueMatchesEnglishSource_data();
    void catalogueMatchesEnglishSource();
    void compiledCatalogueHoldsEveryTranslation_data();
    void compiledCatalogueHoldsEveryTranslation();
    void noTranslationCopiesItsSource_data();
    void noTranslationCopiesItsSource();
    void formattingIsPreserved_data();
    void formattingIsPreserved();
    void lettersBelongToTheLanguage_data();
    void lettersBelongToTheLanguage();

private:
    QTranslator m_program;
    QTranslator m_toolkit;
};

void TestTranslations::initTestCase()
{
    initTranslationResources();
    QVERIFY2(!qgetenv("AIRVANE_TEST_SOURCE_DIR").isEmpty(), "run through ctest");
    QVERIFY2(QFile::exists(tsPath(QStringLiteral("en"))), qPrintable(tsPath(QStringLiteral("en"))));
}

void TestTranslations::cleanup()
{
    removeTranslations(&m_program, &m_toolkit);
}

void TestTranslations::filePaths_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("code");
    QTest::newRow("english") << 1 << "en";
    QTest::newRow("russian") << 2 << "ru";
    QTest::newRow("ukrainian") << 3 << "uk";
    QTest::newRow("out of range") << 42 << "en";
}

void TestTranslations::filePaths()
{
    QFETCH(int, language);
    QFETCH(QString, code);
    const auto lang = static_cast<App::Language>(language);
    QCOMPARE(programTranslationPath(lang), QStringLiteral(":/Localization/AirvaneLite_%1.qm").arg(code));
    const QString toolkit = toolkitTranslationPath(lang);
    QCOMPARE(toolkit, QCoreApplication::applicationDirPath() + QStringLiteral("/translations/qt_%1.qm").arg(code));
    QVERIFY2(QFile::exists(programTranslationPath(lang)), "catalogue not compiled in");
    QVERIFY2(QFile::exists(toolkit), qPrintable(toolkit));
}

void TestTranslations::knownTextsAreTranslated_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ru hidden network") << 2 << "WirelessConnect" << "Hidden network" << QStringLiteral("Скрытая сеть");
    QTest::newRow("uk hidden network") << 3 << "WirelessConnect" << "Hidden network" << QStringLiteral("Прихована мережа");
    QTest::newRow("ru unit") << 2 << "WirelessConnect" << "MHz" << QStringLiteral("МГц");
    QTest::newRow("uk unit") << 3 << "WirelessConnect" << "GHz" << QStringLiteral("ГГц");
    QTest::newRow("ru password prompt") << 2 << "ConnectAP" << "Enter your password" << QStringLiteral("Введите пароль");
    QTest::newRow("uk password prompt") << 3 << "ConnectAP" << "Enter your password" << QStringLiteral("Введіть пароль");
    QTest::newRow("ru panel title") << 2 << "AirvaneLite" << "Wireless information" << QStringLiteral("Сведения о беспроводной сети");
    QTest::newRow("uk error code") << 3 << "MsgDialog" << "Error code:" << QStringLiteral("Код помилки:");
    QTest::newRow("en keeps source") << 1 << "WirelessConnect" << "Hidden network" << "Hidden network";
    // A text is looked up in its own context only.
    QTest::newRow("ru wrong context") << 2 << "NoSuchContext" << "Hidden network" << "Hidden network";
}

void TestTranslations::knownTextsAreTranslated()
{
    QFETCH(int, language);
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, expected);
    QVERIFY(loadTranslations(static_cast<App::Language>(language), &m_program, &m_toolkit));
    QCOMPARE(QCoreApplication::translate(context.toUtf8().constData(), source.toUtf8().constData()), expected);
}

void TestTranslations::toolkitTextsFollowTheLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("english") << 1 << "Cancel";
    QTest::newRow("russian") << 2 << QStringLiteral("Отмена");
    QTest::newRow("ukrainian") << 3 << QStringLiteral("Скасувати");
}

void TestTranslations::toolkitTextsFollowTheLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, cancel);
    QVERIFY(loadTranslations(static_cast<App::Language>(language), &m_program, &m_toolkit));
    // The standard buttons of message boxes take their texts from here.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
}

void TestTranslations::storedLanguageIsUsed_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("russian") << 2 << QStringLiteral("Скрытая сеть");
    QTest::newRow("ukrainian") << 3 << QStringLiteral("Прихована мережа");
    QTest::newRow("english") << 1 << "Hidden network";
    QTest::newRow("unknown value means english") << 9 << "Hidden network";
}

void TestTranslations::storedLanguageIsUsed()
{
    QFETCH(int, stored);
    QFETCH(QString, expected);
    writeLanguage(static_cast<App::Language>(stored));
    QVERIFY(loadTranslations(&m_program, &m_toolkit));
    QCOMPARE(QCoreApplication::translate("WirelessConnect", "Hidden network"), expected);
}

void TestTranslations::switchingReplacesTheInstalledLanguage()
{
    // Every switch tells the windows to translate themselves again.
    int languageChanges = 0;
    struct Counter : QObject
    {
        int *count;
        explicit Counter(int *c) : count(c) {}
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::LanguageChange)
                ++*count;
            return false;
        }
    } counter(&languageChanges);
    QCoreApplication::instance()->installEventFilter(&counter);

    const char *context = "ConnectHAP";
    const char *source = "Enter the name of the network";
    QVERIFY(loadTranslations(App::Language::Russian, &m_program, &m_toolkit));
    QCOMPARE(QCoreApplication::translate(context, source), QStringLiteral("Введите имя сети"));
    QVERIFY(languageChanges > 0);

    languageChanges = 0;
    QVERIFY(loadTranslations(App::Language::Ukrainian, &m_program, &m_toolkit));
    QCOMPARE(QCoreApplication::translate(context, source), QStringLiteral("Введіть ім’я мережі"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Скасувати"));
    QVERIFY(languageChanges > 0);

    QVERIFY(loadTranslations(App::Language::English, &m_program, &m_toolkit));
    QCOMPARE(QCoreApplication::translate(context, source), QString::fromLatin1(source));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));

    // A second pair (the splash and the main window hold their own) works beside the first and
    // the first one's removal does not take the second one's texts away.
    QTranslator otherProgram;
    QTranslator otherToolkit;
    QVERIFY(loadTranslations(App::Language::Russian, &m_program, &m_toolkit));
    QVERIFY(loadTranslations(App::Language::Russian, &otherProgram, &otherToolkit));
    removeTranslations(&m_program, &m_toolkit);
    QCOMPARE(QCoreApplication::translate(context, source), QStringLiteral("Введите имя сети"));
    removeTranslations(&otherProgram, &otherToolkit);
    QCOMPARE(QCoreApplication::translate(context, source), QString::fromLatin1(source));
    QCoreApplication::instance()->removeEventFilter(&counter);
}

void TestTranslations::removedTranslatorsLeaveTheSourceTexts()
{
    QVERIFY(loadTranslations(App::Language::Ukrainian, &m_program, &m_toolkit));
    // Loading the same language again must not stack a second copy that a removal would leave.
    QVERIFY(loadTranslations(App::Language::Ukrainian, &m_program, &m_toolkit));
    removeTranslations(&m_program, &m_toolkit);
    QCOMPARE(QCoreApplication::translate("WirelessConnect", "Hidden network"), QStringLiteral("Hidden network"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));

    // Either translator may be left out.
    QVERIFY(loadTranslations(App::Language::Russian, &m_program, nullptr));
    QCOMPARE(QCoreApplication::translate("WirelessConnect", "Hidden network"), QStringLiteral("Скрытая сеть"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

void TestTranslations::missingProgramCatalogueIsAFailure()
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

void TestTranslations::catalogueMatchesEnglishSource_data()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("ru") << "ru";
    QTest::newRow("uk") << "uk";
}

void TestTranslations::catalogueMatchesEnglishSource()
{
    QFETCH(QString, code);
    const auto english = readTs(QStringLiteral("en"));
    const auto translated = readTs(code);
    QVERIFY(!english.isEmpty());
    QSet<QString> englishKeys;
    for (const auto &m : english)
        englishKeys.insert(m.context + QLatin1Char('\x1f') + m.source);
    QSet<QString> keys;
    QStringList unfinished;
    for (const auto &m : translated) {
        keys.insert(m.context + QLatin1Char('\x1f') + m.source);
        const bool empty = std::any_of(m.translations.cbegin(), m.translations.cend(),
                                       [](const QString &t) { return t.trimmed().isEmpty(); });
        if (m.unfinished || m.translations.isEmpty() || empty)
            unfinished << m.context + QStringLiteral(": ") + m.source;
    }
    QVERIFY2(unfinished.isEmpty(), qPrintable(unfinished.join(QLatin1Char('\n'))));
    QCOMPARE(keys, englishKeys);
}

void TestTranslations::compiledCatalogueHoldsEveryTranslation_data()
{
    catalogueMatchesEnglishSource_data();
}

void TestTranslations::compiledCatalogueHoldsEveryTranslation()
{
    QFETCH(QString, code);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/Localization/AirvaneLite_%1.qm").arg(code)));
    QStringList stale;
    for (const auto &m : readTs(code)) {
        if (m.translations.size() != 1)
            continue;
        const QString got = translator.translate(m.context.toUtf8().constData(), m.source.toUtf8().constData());
        if (got != m.translations.first())
            stale << m.context + QStringLiteral(": ") + m.source + QStringLiteral(" -> ") + got;
    }
    QVERIFY2(stale.isEmpty(), qPrintable(stale.join(QLatin1Char('\n'))));
}

void TestTranslations::noTranslationCopiesItsSource_data()
{
    catalogueMatchesEnglishSource_data();
}

void TestTranslations::noTranslationCopiesItsSource()
{
    QFETCH(QString, code);
    QStringList copies;
    for (const auto &m : readTs(code)) {
        if (isTechnicalToken(m.source))
            continue;
        for (const QString &t : m.translations) {
            if (t == m.source)
                copies << m.context + QStringLiteral(": ") + m.source;
        }
    }
    QVERIFY2(copies.isEmpty(), qPrintable(copies.join(QLatin1Char('\n'))));
}

void TestTranslations::formattingIsPreserved_data()
{
    catalogueMatchesEnglishSource_data();
}

void TestTranslations::formattingIsPreserved()
{
    QFETCH(QString, code);
    QStringList broken;
    for (const auto &m : readTs(code)) {
        for (const QString &t : m.translations) {
            QStringList why;
            if (placeholders(t) != placeholders(m.source))
                why << QStringLiteral("placeholders");
            if (t.count(QLatin1Char('\n')) != m.source.count(QLatin1Char('\n')))
                why << QStringLiteral("line breaks");
            if (m.source.endsWith(QLatin1Char(':')) != t.endsWith(QLatin1Char(':')))
                why << QStringLiteral("trailing colon");
            if (m.source.endsWith(QLatin1Char(' ')) != t.endsWith(QLatin1Char(' ')))
                why << QStringLiteral("trailing blank");
            if (m.source.contains(QRegularExpression(QStringLiteral("&\\w")))
                != t.contains(QRegularExpression(QStringLiteral("&\\w"))))
                why << QStringLiteral("accelerator");
            if (!why.isEmpty())
                broken << m.source + QStringLiteral(" -> ") + t + QStringLiteral(" (") + why.join(QStringLiteral(", ")) + QLatin1Char(')');
        }
    }
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QLatin1Char('\n'))));
}

void TestTranslations::lettersBelongToTheLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("foreignLetters");
    // Letters that exist in only one of the two languages give away a text pasted into the other.
    QTest::newRow("ru") << "ru" << QStringLiteral("іїєґІЇЄҐ’");
    QTest::newRow("uk") << "uk" << QStringLiteral("ыэъёЫЭЪЁ");
}

void TestTranslations::lettersBelongToTheLanguage()
{
    QFETCH(QString, code);
    QFETCH(QString, foreignLetters);
    QStringList wrong;
    for (const auto &m : readTs(code)) {
        for (const QString &t : m.translations) {
            if (std::any_of(t.cbegin(), t.cend(), [&](QChar c) { return foreignLetters.contains(c); }))
                wrong << t;
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
