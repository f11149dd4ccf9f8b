#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

// Copies the program's font files that the system lacks into the user's fonts folder and
// registers them, once: a family the system already has exactly, or a file already in place,
// is left alone.
class FontInstaller
{
    Q_DECLARE_TR_FUNCTIONS(FontInstaller)

public:
    using Register = std::function<void(const QString &family, const QString &type, const QString &fileName)>;

    // `fontsFolder` empty: the user's writable fonts location. `registerFont` empty: the system's.
    explicit FontInstaller(const QString &fontsFolder = QString(), Register registerFont = Register());

    // Number of fonts copied in this call.
    int installFonts() const;

    // "TrueType", "OpenType" or "OtherType" from the file's MIME type; Qt names TrueType
    // "font/ttf" and the older "application/x-font-ttf" is only an alias of it.
    static QString fontType(const QString &file);

private:
    QString m_fontsFolder;
    Register m_register;
};
