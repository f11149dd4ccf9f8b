#include "app/appearance/SharedTranslators.h"

#include <QTranslator>

QTranslator *SharedTranslators::program()
{
    static QTranslator translator;
    return &translator;
}

QTranslator *SharedTranslators::toolkit()
{
    static QTranslator translator;
    return &translator;
}
