#include "ui/dialogs/DialogSupport.h"

#include <QCoreApplication>
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

QPixmap svgPixmap(const QString &resource, const QSize &size, qreal devicePixelRatio)
{
    ensureIconResources();
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon resourceIcon(const QString &resource)
{
    ensureIconResources();
    if (!resource.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        return QIcon(resource);
    QIcon icon;
    for (int side : {16, 24, 32, 48})
        icon.addPixmap(svgPixmap(resource, QSize(side, side)));
    return icon;
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
