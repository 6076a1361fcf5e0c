#include "window/widgets/artwork.h"

#include "window/widgets/drawn_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <array>
#include <cmath>

namespace window {
namespace {

constexpr int kTile = 40; // tile size and pitch, so tile k sits beside attribute label k
constexpr double kPi = 3.14159265358979323846;
constexpr double kIconDesignSize = 64; // the die face is laid out on this square, then scaled
// The sizes the window system is told of; a desktop that wants another size gets it drawn, and the
// launcher takes the installed icons.
const QList<QSize> kIconSizes = {QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64)};

// The text colours of the attribute labels Wisdom to Power.
constexpr std::array<QRgb, 7> kTileColours = {0xC000FF, 0x4080FF, 0x00C0C0, 0x00FF00, 0xFFFF00, 0xFFA000, 0xFF0000};

QPolygonF regularPolygon(QPointF centre, double radius, int corners, double startDegrees)
{
    QPolygonF polygon;
    for (int i = 0; i < corners; ++i) {
        const double angle = (startDegrees + 360.0 * i / corners) * kPi / 180.0;
        polygon << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return polygon;
}

QPainterPath heart(QPointF c, double r)
{
    QPainterPath path;
    path.moveTo(c.x(), c.y() + r);
    path.cubicTo(c.x() - 1.6 * r, c.y() - 0.1 * r, c.x() - 0.8 * r, c.y() - 1.3 * r, c.x(), c.y() - 0.45 * r);
    path.cubicTo(c.x() + 0.8 * r, c.y() - 1.3 * r, c.x() + 1.6 * r, c.y() - 0.1 * r, c.x(), c.y() + r);
    return path;
}

void drawFigure(QPainter& p, int tile, QPointF c, double r)
{
    QPainterPath path;
    switch (tile) {
    case 0: path.addPolygon(regularPolygon(c, r, 3, -90)); break; // triangle
    case 1: path.addPolygon(regularPolygon(c, r, 6, 0)); break;   // hexagon
    case 2: path.addEllipse(c, r, r * 0.65); break;               // ellipse
    case 3: path = heart(c, r); break;                            // heart
    case 4: path.addPolygon(regularPolygon(c, r, 5, -90)); break; // pentagon
    case 5:                                                       // trapezoid
        path.addPolygon(QPolygonF({c + QPointF(-r * 0.5, -r * 0.6), c + QPointF(r * 0.5, -r * 0.6),
                                   c + QPointF(r, r * 0.6), c + QPointF(-r, r * 0.6)}));
        break;
    default: // cross
        path.addRect(QRectF(c.x() - r * 0.3, c.y() - r, r * 0.6, 2 * r));
        path.addRect(QRectF(c.x() - r, c.y() - r * 0.3, 2 * r, r * 0.6));
        path.setFillRule(Qt::WindingFill);
        break;
    }
    path.closeSubpath();
    p.fillPath(path.simplified(), Qt::white);
}

void drawDieFace(QPainter& p)
{
    QLinearGradient face(0, 0, kIconDesignSize, kIconDesignSize);
    face.setColorAt(0, QColor(kTileColours[0]));
    face.setColorAt(1, QColor(kTileColours[6]));
    p.setBrush(face);
    p.setPen(QPen(QColor(0x400000), 3));
    p.drawRoundedRect(QRectF(4, 4, 56, 56), 10, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (const QPointF pip : {QPointF(20, 20), QPointF(44, 20), QPointF(32, 32), QPointF(20, 44), QPointF(44, 44)}) {
        p.drawEllipse(pip, 5.5, 5.5);
    }
}

} // namespace

QImage tileStripImage(qreal devicePixelRatio)
{
    // Rounded up, so that a fractional ratio leaves no uncovered edge.
    QImage image(int(std::ceil(kTileStripWidth * devicePixelRatio)),
                 int(std::ceil(kTileStripHeight * devicePixelRatio)), QImage::Format_RGB888);
    image.setDevicePixelRatio(devicePixelRatio); // the painter then draws in logical pixels
    image.fill(QColor(0xC8B088));
    QPainter p(&image);
    drawTileStrip(p);
    return image;
}

void drawTileStrip(QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const int left = (kTileStripWidth - kTile) / 2;
    for (int k = 0; k < 7; ++k) {
        const QRect tile(left, k * kTile, kTile, kTile);
        p.fillRect(tile.adjusted(1, 1, -1, -1), QColor(kTileColours[k]));
        drawFigure(p, k, QRectF(tile).center(), kTile * 0.32);
    }
    p.restore();
}

QIcon windowIcon()
{
    return drawnIcon(
        [](QPainter& p, QSizeF size) {
            p.scale(size.width() / kIconDesignSize, size.height() / kIconDesignSize);
            drawDieFace(p);
        },
        kIconSizes);
}

} // namespace window
