#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <QVector>

struct FontTableEntry
{
    QString family;
    QString resourceFile; // empty: the family comes with the operating system
};

// The families the program offers, sorted by family, with the font file compiled into the
// resources for each.
const QVector<FontTableEntry> &fontTable();
QStringList fontFamilies();
// Allowed pixel sizes, in the order the settings dialog lists them.
const QVector<int> &fontSizes();

// "Fonts"/"Family"; a family outside the table is replaced by "Segoe UI" in the store too.
QString fontFamily();
// "Fonts"/"Size"; a value that is not one of fontSizes() is replaced by 12 in the store too.
int fontSize();

// The font of the program's text widgets: fontFamily() at fontSize() pixels, normal or bold
// weight, anti-aliasing preferred.
QFont applicationFont(bool bold = false);
