#include "app/startup/TranslationResources.h"

#include <QtGlobal>

void initTranslationResources()
{
    Q_INIT_RESOURCE(localization);
}

void initAppearanceResources()
{
    Q_INIT_RESOURCE(themes);
    Q_INIT_RESOURCE(fonts);
    Q_INIT_RESOURCE(splash);
    Q_INIT_RESOURCE(flags);
}
