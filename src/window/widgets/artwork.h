// The two images the program draws for itself: the strip of seven attribute tiles beside the
// attribute column, and the window icon. Both are drawn as figures at the resolution they are shown
// at, so that they stay sharp on a scaled screen (125 %, 150 %, 200 %) and on paper.
#pragma once

#include <QIcon>
#include <QImage>

class QPainter;

namespace window {

inline constexpr int kTileStripWidth = 55;
inline constexpr int kTileStripHeight = 282;

// Seven coloured square tiles with white figures, top to bottom Wisdom to Power, each in the colour of
// its attribute label: triangle, hexagon, ellipse, heart, pentagon, trapezoid, cross. The image has
// kTileStripWidth x kTileStripHeight logical pixels, that many times devicePixelRatio device pixels.
QImage tileStripImage(qreal devicePixelRatio = 1.0);
// The same strip drawn as figures on a painter, in logical pixels: for a printed page.
void drawTileStrip(QPainter& painter);

// A violet-to-red die face over the sheet's parchment colour, drawn afresh at each size a desktop
// asks for, when it asks.
QIcon windowIcon();

} // namespace window
