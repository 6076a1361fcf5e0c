#include "window/tile_strip.h"

#include "window/artwork.h"

#include <QMouseEvent>
#include <QPainter>

namespace window {

TileStrip::TileStrip(QWidget* parent) : QWidget(parent), image_(tileStripImage()) {}

void TileStrip::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, image_);
}

void TileStrip::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked(event->position().toPoint());
    }
}

} // namespace window
