#pragma once

#include <QString>

// The style sheet of a stored theme (0 light, 1 gray, 2 dark); empty for any other value.
QString themeStyleSheetFile(int theme);
