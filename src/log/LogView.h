#pragma once

#include <QDateTime>
#include <QString>

class QTextBrowser;

// The process-wide application log: one read-only text view shared by the whole program, made
// on first use and kept until the program ends (the log window adopts it into its layout).
class LogView
{
public:
    // The view, created (without owner) if it does not exist yet. GUI thread only.
    static QTextBrowser *view();
    static bool exists();
    // Takes the view back from the window that showed it, so that the window can go while the
    // log lives on until the program ends.
    static void release(QTextBrowser *view);

    // "yyyy-MM-dd hh:mm:ss: <event text>", the time rendered with the English (US) locale.
    static QString line(const QString &eventText, const QDateTime &when);

    // Appends the line as a new paragraph, as plain text (an SSID is never taken for markup).
    static void append(const QString &line);
};

// Logs one event (already translated) with the current local time. Never fails; a call from
// another thread is carried over to the GUI thread.
void appendLog(const QString &eventText);
