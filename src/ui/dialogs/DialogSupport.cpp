#include "ui/dialogs/DialogSupport.h"

#include <QApplication>
#include <QIconEngine>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>

static void initIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace dialogs {

QString hiddenNetworkName()
{
    return QCoreApplication::translate("WirelessConnect", "Hidden network");
}

namespace {

// Line icons are drawn in one grey that vanishes on a dark theme: an icon without colour takes
// the theme's text colour (the disabled or highlighted one where the widget shows those); coloured pictures such as
// flags keep theirs.
void tintIfGrey(QImage &image, QIcon::Mode mode)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() > 128 && pixel.hslSaturation() > 80) // faint edges have no true hue
                return;
        }
    const QPalette palette = QApplication::palette();
    const QColor colour = mode == QIcon::Disabled ? palette.color(QPalette::Disabled, QPalette::WindowText)
        : mode == QIcon::Selected                 ? palette.color(QPalette::Active, QPalette::HighlightedText)
                                                  : palette.color(QPalette::Active, QPalette::WindowText);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), colour);
}

QPixmap renderSvg(const QString &resource, const QSize &size, qreal ratio, QIcon::Mode mode)
{
    ensureIconResources();
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QPainter painter(&image);
        renderer.render(&painter);
    }
    tintIfGrey(image, mode);
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

// Renders at paint time, so an icon follows a theme switched while its window is open.
class SvgIconEngine : public QIconEngine
{
public:
    explicit SvgIconEngine(const QString &resource) : resource(resource) {}
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, renderSvg(resource, rect.size(), ratio, mode));
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        return renderSvg(resource, size, 1.0, mode);
    }
    QIconEngine *clone() const override { return new SvgIconEngine(resource); }

private:
    QString resource;
};

} // namespace

QPixmap svgPixmap(const QString &resource, const QSize &size, qreal devicePixelRatio)
{
    return renderSvg(resource, size, devicePixelRatio > 0 ? devicePixelRatio : 1.0, QIcon::Normal);
}

QIcon resourceIcon(const QString &resource)
{
    ensureIconResources();
    if (!resource.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        return QIcon(resource);
    return QIcon(new SvgIconEngine(resource));
}

void followStyleSheetColours()
{
    // The style sheet colours widgets, not the application palette that icons and links read.
    QLabel probe;
    probe.ensurePolished();
    QPalette palette = QApplication::palette();
    const QColor text = probe.palette().color(QPalette::WindowText);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Active, role, text);
        palette.setColor(QPalette::Inactive, role, text);
    }
    const bool darkTheme = text.lightness() > 128;
    palette.setColor(QPalette::Disabled, QPalette::WindowText, darkTheme ? QColor(0x7d848d) : QColor(0x9aa1a9));
    palette.setColor(QPalette::Link, darkTheme ? QColor(0x7ab8ff) : QColor(0x0b5cad));
    QApplication::setPalette(palette);
}

void ensureIconResources()
{
    static const bool done = [] {
        initIconResources();
        return true;
    }();
    Q_UNUSED(done)
}

} // namespace dialogs
