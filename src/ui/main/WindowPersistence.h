#pragma once

#include <QByteArray>

class QSplitter;
class QWidget;

// The main window's stored geometry ("AppSettings"/"Position") and list split
// ("AppSettings"/"WlanViewSize").
class WindowPersistence
{
public:
    static constexpr int FirstStartWidth = 1260;
    static constexpr int FirstStartHeight = 600;

    // The stored geometry, or 1260 x 600 when there is none or the stored bytes are refused
    // (a damaged store must never leave a zero-size window).
    static void restoreGeometry(QWidget *window);
    static void storeGeometry(const QWidget *window);
    // From the Base64 text the settings dialog hands over; false (and nothing changed) when refused.
    static bool restoreGeometryText(QWidget *window, const QByteArray &base64);

    static void restoreSplitter(QSplitter *splitter);
    static void storeSplitter(const QSplitter *splitter);
    static bool restoreSplitterText(QSplitter *splitter, const QByteArray &base64);
};
