// The colours of a control, on whichever palette roles its kind paints with: a text box or list its
// base and text, any other control its background and foreground.
#pragma once

#include <QColor>

class QWidget;

namespace window {

// Sets back and text colours; an invalid colour leaves that role as it is.
void setColours(QWidget* control, const QColor& back, const QColor& text);
void setBackColour(QWidget* control, const QColor& back);

// The colours a control paints its background and its text with.
QColor backColour(const QWidget* control);
QColor textColour(const QWidget* control);

} // namespace window
