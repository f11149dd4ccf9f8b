#include "ui/main/WindowPersistence.h"

#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsStore.h"

#include <QSplitter>
#include <QWidget>

void WindowPersistence::restoreGeometry(QWidget *window)
{
    const QByteArray stored = readAppSetting(QLatin1String(SettingsKey::Position)).toByteArray();
    if (stored.isEmpty() || !window->restoreGeometry(stored) || window->width() <= 0 || window->height() <= 0)
        window->resize(FirstStartWidth, FirstStartHeight);
}

void WindowPersistence::storeGeometry(const QWidget *window)
{
    writeAppSetting(QLatin1String(SettingsKey::Position), window->saveGeometry());
}

bool WindowPersistence::restoreGeometryText(QWidget *window, const QByteArray &base64)
{
    return window->restoreGeometry(QByteArray::fromBase64(base64));
}

void WindowPersistence::restoreSplitter(QSplitter *splitter)
{
    if (!splitter->restoreState(readLayoutBlob(QLatin1String(SettingsKey::WlanViewSize))))
        splitter->restoreState(QByteArray::fromBase64(QByteArray(DefaultLayout::WlanViewSizeBase64)));
}

void WindowPersistence::storeSplitter(const QSplitter *splitter)
{
    writeAppSetting(QLatin1String(SettingsKey::WlanViewSize), splitter->saveState());
}

bool WindowPersistence::restoreSplitterText(QSplitter *splitter, const QByteArray &base64)
{
    return splitter->restoreState(QByteArray::fromBase64(base64));
}
