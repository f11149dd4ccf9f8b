#include "ui/widgets/WindowRules.h"

#include "app/settings/SettingsStore.h"
#include "platform/os/TopMost.h"

#include <QWidget>

void applyTopMost(QWidget *window, bool onTop)
{
    if (!window)
        return;
    if (os::hasNativeTopMost() && os::setNativeTopMost(window->winId(), onTop))
        return;
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == onTop)
        return;
    const bool wasVisible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    // Changing the window flags hides a shown window.
    if (wasVisible)
        window->show();
}

bool applyTopMostSetting(QWidget *window, bool defaultOnTop)
{
    const bool onTop = readAppSetting(QStringLiteral("AlwaysOnTop"), defaultOnTop).toBool();
    applyTopMost(window, onTop);
    return onTop;
}

void applyWindowOpacity(QWidget *window)
{
    if (window)
        window->setWindowOpacity(readOpacity());
}
