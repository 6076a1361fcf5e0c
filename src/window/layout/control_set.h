// Typed pointers to every control of the window, one per control and a std::array per control
// array, expanded from the control list in layout_table.inc. The window holds one set; a component
// is handed the set and works on the controls of its own group.
#pragma once

#include "window/layout/control_types.h"

#include <QHash>
#include <QList>
#include <QString>

#include <array>

class QWidget;

namespace window {

struct ControlSet {
#define CONTROL(name, kind, ...) ControlOf<layout::kind>* name = nullptr;
#define ARRAY(name, kind, count) std::array<ControlOf<layout::kind>*, count> name{};
#define ELEMENT(...)
#include "window/layout/layout_table.inc"
#undef CONTROL
#undef ARRAY
#undef ELEMENT

    // Points every pointer at the widget of its object name ("LabAb2" for LabAb[2]). A name without
    // a widget, or a widget of another kind than its pointer, ends the program: a window with a
    // control missing must not start in any build.
    void bind(const QHash<QString, QWidget*>& widgets);

    // Every bound control, in the order of the list.
    QList<QWidget*> all() const;
};

} // namespace window
