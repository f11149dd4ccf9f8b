#include "app/startup/FontInstaller.h"

#include "app/appearance/AppFont.h"
#include "log/LogView.h"
#include "platform/os/FontRegistration.h"
#include "app/startup/TranslationResources.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMimeDatabase>
#include <QStandardPaths>

namespace {

bool hasExactFamily(const QString &family)
{
    return QFontInfo(QFont(family)).exactMatch();
}

bool mimeIs(const QMimeType &mime, const QStringList &names)
{
    QStringList all = mime.aliases();
    all << mime.name();
    for (const QString &name : qAsConst(all)) {
        if (names.contains(name))
            return true;
    }
    return false;
}

// The shipped files keep the names of their free faces ("Open Sans" for "Segoe UI"): where the
// system lacks the family, this run draws it with the shipped face, installed or not yet.
void useShippedFace(const QString &family, const QString &resourceFile)
{
    const QStringList faces = QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(resourceFile));
    if (!faces.isEmpty() && !faces.contains(family))
        QFont::insertSubstitution(family, faces.first());
}

} // namespace

FontInstaller::FontInstaller(const QString &fontsFolder, Register registerFont)
    : m_fontsFolder(fontsFolder), m_register(std::move(registerFont))
{
    if (m_fontsFolder.isEmpty())
        m_fontsFolder = QStandardPaths::writableLocation(QStandardPaths::FontsLocation);
    if (!m_register)
        m_register = &os::registerFont;
}

QString FontInstaller::fontType(const QString &file)
{
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(file);
    if (mimeIs(mime, {QStringLiteral("application/x-font-ttf"), QStringLiteral("font/ttf")}))
        return QStringLiteral("TrueType");
    if (mimeIs(mime, {QStringLiteral("application/x-font-otf"), QStringLiteral("font/otf")}))
        return QStringLiteral("OpenType");
    return QStringLiteral("OtherType");
}

int FontInstaller::installFonts() const
{
    initAppearanceResources();
    int installed = 0;
    for (const FontTableEntry &entry : fontTable()) {
        if (entry.resourceFile.isEmpty() || hasExactFamily(entry.family))
            continue;
        useShippedFace(entry.family, entry.resourceFile);
        const QString fileName = QFileInfo(entry.resourceFile).fileName();
        const QString target = m_fontsFolder.isEmpty()
            ? QString()
            : QDir::toNativeSeparators(QStringLiteral("%1/%2").arg(m_fontsFolder, fileName));
        if (target.isEmpty() || QFileInfo::exists(target))
            continue;
        QDir().mkpath(m_fontsFolder);
        if (!QFile::copy(entry.resourceFile, target)) {
            appendLog(tr("Failed to copy the font") + QStringLiteral(": ") + entry.family);
            continue;
        }
        // Resource files are read-only; the copy keeps that bit and could never be replaced.
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
        ++installed;
        if (!entry.family.isEmpty())
            m_register(entry.family, fontType(entry.resourceFile), fileName);
    }
    return installed;
}
