#include "app/appearance/ThemeFiles.h"

QString themeStyleSheetFile(int theme)
{
    switch (theme) {
    case 0: return QStringLiteral(":Themes/light.qss");
    case 1: return QStringLiteral(":Themes/gray.qss");
    case 2: return QStringLiteral(":Themes/dark.qss");
    default: return QString();
    }
}
