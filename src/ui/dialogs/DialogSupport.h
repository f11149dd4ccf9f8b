#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

class QWidget;

namespace dialogs {

// The list name the engine gives a network that hides its SSID, in the interface language.
// Taken from the engine's own translation so that the comparison holds in every language.
QString hiddenNetworkName();

// An SVG icon from the program's resources rendered at the widget's device pixel ratio.
QPixmap svgPixmap(const QString &resource, const QSize &size, qreal devicePixelRatio = 1.0);

// An icon from the program's resources; SVG files are rendered here, so no icon-engine plug-in
// is needed, each time it is painted, in the theme's colours.
QIcon resourceIcon(const QString &resource);

// Gives the application palette the current style sheet's text colour, which uncoloured icons
// take, and a link colour readable on its background. Called after every theme change.
void followStyleSheetColours();

// Makes sure the icon resources are registered (the static library would otherwise drop them).
void ensureIconResources();

} // namespace dialogs
