#pragma once

#include "app/settings/SettingsEnums.h"

#include <QCoreApplication>

class QWidget;

// Applies one of the three style sheets to the whole application.
class AppTheme
{
    Q_DECLARE_TR_FUNCTIONS(AppTheme)

public:
    // Loads the theme's style sheet into the application. An unknown theme or a missing file
    // shows an "Error" box over `parent`, logs the failure and keeps the current style sheet.
    static bool apply(int theme, QWidget *parent);
};

inline bool applyTheme(App::Theme theme, QWidget *parent)
{
    return AppTheme::apply(static_cast<int>(theme), parent);
}
