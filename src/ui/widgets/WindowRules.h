#pragma once

class QWidget;

// Window rules every secondary window follows: top-most state just before it is shown, and the
// opacity from the settings when it is built.

// Makes the window top-most or not, without moving or resizing it. A visible window stays visible.
void applyTopMost(QWidget *window, bool onTop);

// Applies "AppSettings"/"AlwaysOnTop" (with the given default) and returns the state applied.
bool applyTopMostSetting(QWidget *window, bool defaultOnTop = false);

// Applies "AppSettings"/"Opacity".
void applyWindowOpacity(QWidget *window);
