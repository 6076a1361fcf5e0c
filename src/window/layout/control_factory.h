// Turns one row of the layout table into a widget: the right kind, its name, place, size, colours,
// font, alignment, caption, tooltip and the name screen readers give it.
#pragma once

#include "window/layout/layout.h"

#include <QColor>

class QWidget;

namespace window {

QWidget* createControl(const layout::ControlSpec& entry, QWidget* parent);

// Sets back and text colours on whichever palette roles that kind of control paints with; an invalid
// colour leaves that role as it is.
void setColours(QWidget* control, const QColor& back, const QColor& text);
void setBackColour(QWidget* control, const QColor& back);

// The colours a control paints its background and its text with.
QColor backColour(const QWidget* control);
QColor textColour(const QWidget* control);

// Whether a widget is of the class the factory makes for that kind of control.
bool isOfKind(const QWidget* control, layout::Kind kind);

} // namespace window
