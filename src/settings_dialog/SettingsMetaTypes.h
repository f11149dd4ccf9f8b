#pragma once

#include "app/settings/SettingsEnums.h"

#include <QMetaType>

// The stored enumerations travel in the settings dialog's signals.
Q_DECLARE_METATYPE(App::Language)
Q_DECLARE_METATYPE(App::Theme)
Q_DECLARE_METATYPE(Update::Channel)
