// The two images the program draws for itself: the strip of seven attribute tiles beside the
// attribute column, and the window icon.
#pragma once

#include <QIcon>
#include <QImage>

namespace window {

inline constexpr int kTileStripWidth = 55;
inline constexpr int kTileStripHeight = 282;

// Seven coloured square tiles with white figures, top to bottom Wisdom to Power, each in the colour of
// its attribute label: triangle, hexagon, ellipse, heart, pentagon, trapezoid, cross.
QImage tileStripImage();

// 64 x 64: a violet-to-red die face over the sheet's parchment colour.
QIcon windowIcon();

} // namespace window
