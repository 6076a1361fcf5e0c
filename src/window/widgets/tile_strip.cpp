#include "window/widgets/tile_strip.h"

#include "window/widgets/artwork.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace window {

TileStrip::TileStrip(QWidget* parent) : QWidget(parent) {}

void TileStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // On a page the figures go down as figures: sharp at any printer's resolution, and small.
    const QPaintEngine::Type engine = painter.paintEngine()->type();
    if (engine == QPaintEngine::Picture || engine == QPaintEngine::Pdf) {
        drawTileStrip(painter);
        return;
    }
    // Device pixels per logical pixel where this paint lands: the screen's ratio (which the painter's
    // transform carries), or more when the window is rendered scaled up onto a printer's page.
    const QTransform toDevice = painter.deviceTransform();
    const qreal ratio = std::max(devicePixelRatioF(), std::hypot(toDevice.m11(), toDevice.m12()));
    if (image_.isNull() || !qFuzzyCompare(image_.devicePixelRatio(), ratio)) image_ = tileStripImage(ratio);
    painter.drawImage(0, 0, image_);
}

void TileStrip::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked(event->position().toPoint());
    }
}

} // namespace window
