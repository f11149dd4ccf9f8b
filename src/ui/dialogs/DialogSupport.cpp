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

void ensureIconResources()
{
    static const bool done = [] {
        initIconResources();
        return true;
    }();
    Q_UNUSED(done)
}

} // namespace dialogs
