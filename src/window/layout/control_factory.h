// Turns one row of the layout table into a widget: the right kind, its name, place, size, colours,
// font, alignment, caption, tooltip and the name screen readers give it.
#pragma once

#include "window/layout/layout.h"

#include <QHash>
#include <QString>

class QWidget;

namespace window {

QWidget* createControl(const layout::ControlSpec& entry, QWidget* parent);

// Every control of the list on the window (frames holding theirs), by object name.
QHash<QString, QWidget*> createControls(QWidget* window);

// Whether a widget is of the class the factory makes for that kind of control.
bool isOfKind(const QWidget* control, layout::Kind kind);

} // namespace window
