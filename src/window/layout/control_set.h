// Typed pointers to the controls, expanded from the control list in layout_table.inc:
//
//   ControlSet        every control of the window, one pointer per control and a std::array per
//                     control array. Only the window holds it, to build and wire the panels, and
//                     hands it to tests and tools that drive the window from outside.
//   GroupControls<G>  the controls of one group (layout::Group), for the panel built from them.
//                     The names of the other groups' controls stand there too, as NotInGroup: a
//                     panel that reaches for another group's control does not compile.
#pragma once

#include "window/layout/control_types.h"

#include <QHash>
#include <QList>
#include <QString>

#include <array>
#include <type_traits>

class QWidget;

namespace window {

// What a group's struct holds in place of a control of another group: nothing to use.
struct NotInGroup {};

template <layout::Group G, layout::Group Of, typename Control>
using MemberOf = std::conditional_t<G == Of, Control, NotInGroup>;

template <layout::Group G> struct GroupControls {
#define CONTROL(name, group, kind, ...) MemberOf<G, layout::group, ControlOf<layout::kind>*> name{};
#define ARRAY(name, group, kind, count) MemberOf<G, layout::group, std::array<ControlOf<layout::kind>*, count>> name{};
#define ELEMENT(...)
#include "window/layout/layout_table.inc"
#undef CONTROL
#undef ARRAY
#undef ELEMENT
};

using SheetControls = GroupControls<layout::Group::Sheet>;
using CreationControls = GroupControls<layout::Group::Creation>;
using FolderControls = GroupControls<layout::Group::Folders>;
using CharacterFileControls = GroupControls<layout::Group::CharacterFiles>;
using ViewerControls = GroupControls<layout::Group::Viewer>;
using AcquireControls = GroupControls<layout::Group::Acquire>;
using CatalogueControls = GroupControls<layout::Group::Catalogue>;
using TeleportControls = GroupControls<layout::Group::Teleport>;
using EventLogControls = GroupControls<layout::Group::EventLog>;
using WebButtonControls = GroupControls<layout::Group::WebButtons>;
using PrintingControls = GroupControls<layout::Group::Printing>;

struct ControlSet {
#define CONTROL(name, group, kind, ...) ControlOf<layout::kind>* name = nullptr;
#define ARRAY(name, group, kind, count) std::array<ControlOf<layout::kind>*, count> name{};
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

    // The controls of one group, for its panel.
    template <layout::Group G> GroupControls<G> group() const
    {
        GroupControls<G> controls;
#define CONTROL(name, group, ...) \
    if constexpr (G == layout::group) controls.name = name;
#define ARRAY(name, group, ...) \
    if constexpr (G == layout::group) controls.name = name;
#define ELEMENT(...)
#include "window/layout/layout_table.inc"
#undef CONTROL
#undef ARRAY
#undef ELEMENT
        return controls;
    }
};

} // namespace window
