#include "app/appearance/AppFont.h"

#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"

namespace {

QString fallbackFamily()
{
    return QStringLiteral("Segoe UI");
}

constexpr int fallbackSize = 12;

} // namespace

const QVector<FontTableEntry> &fontTable()
{
    static const QVector<FontTableEntry> table{
        {QStringLiteral("Arial"), QStringLiteral(":/Fonts/arial.ttf")},
        {QStringLiteral("MS Shell Dlg 2"), QString()},
        {QStringLiteral("Roboto"), QStringLiteral(":/Fonts/Roboto-Regular.ttf")},
        {QStringLiteral("Segoe UI"), QStringLiteral(":/Fonts/segoeui.ttf")},
        {QStringLiteral("Segoe UI Variable"), QStringLiteral(":/Fonts/SegUIVar.ttf")},
        {QStringLiteral("Segoe UI Variable Display"), QStringLiteral(":/Fonts/SegUIVar.ttf")},
    };
    return table;
}

QStringList fontFamilies()
{
    QStringList families;
    for (const FontTableEntry &entry : fontTable())
        families << entry.family;
    return families;
}

const QVector<int> &fontSizes()
{
    static const QVector<int> sizes{72, 48, 36, 28, 26, 24, 22, 20, 18, 16, 14, 12, 11, 10};
    return sizes;
}

namespace {

QString checkedFamily(const QString &family)
{
    if (fontFamilies().contains(family))
        return family;
    writeSetting(QLatin1String(SettingsGroup::Fonts), QLatin1String(SettingsKey::Family), fallbackFamily());
    return fallbackFamily();
}

int checkedSize(const QVariant &value)
{
    // Compared as text so that "12.5", " 12" or a boolean never pass for an allowed size.
    const QString stored = value.toString();
    for (int size : fontSizes()) {
        if (stored == QString::number(size))
            return size;
    }
    writeSetting(QLatin1String(SettingsGroup::Fonts), QLatin1String(SettingsKey::Size), fallbackSize);
    return fallbackSize;
}

} // namespace

QString fontFamily()
{
    return checkedFamily(
        readSetting(QLatin1String(SettingsGroup::Fonts), QLatin1String(SettingsKey::Family), fallbackFamily())
            .toString());
}

int fontSize()
{
    return checkedSize(readSetting(QLatin1String(SettingsGroup::Fonts), QLatin1String(SettingsKey::Size), fallbackSize));
}

QFont applicationFont(bool bold)
{
    // Family and size in one visit to the store: windows ask for this font many times while
    // they are built.
    const QString fonts = QLatin1String(SettingsGroup::Fonts);
    const QVector<QVariant> stored = readSettings({{fonts, QLatin1String(SettingsKey::Family), fallbackFamily()},
                                                   {fonts, QLatin1String(SettingsKey::Size), fallbackSize}});
    const QString family = checkedFamily(stored.at(0).toString());
    const int size = checkedSize(stored.at(1));
    QFont font(family);
    // With the family list filled in as well: a selectable label's text hands its font on that
    // way, and a font differing only there is looked up in the font database once more, which
    // is a search over every installed font when the family is not installed.
    font.setFamilies({family});
    font.setPixelSize(size);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
