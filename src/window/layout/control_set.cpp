#include "window/layout/control_set.h"

#include "window/widgets/caption_label.h"
#include "window/widgets/edit_box.h"
#include "window/widgets/file_list.h"
#include "window/widgets/folder_list.h"
#include "window/widgets/text_list.h"
#include "window/widgets/tile_strip.h"

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>

#include <cstdlib>

namespace window {
namespace {

template <typename T> void bindOne(T*& pointer, const QHash<QString, QWidget*>& widgets, const QString& name)
{
    pointer = qobject_cast<T*>(widgets.value(name));
    if (!pointer) {
        qFatal("Charac: the window has no control %s of the kind %s", qPrintable(name),
               T::staticMetaObject.className());
        std::abort();
    }
}

} // namespace

void ControlSet::bind(const QHash<QString, QWidget*>& widgets)
{
#define CONTROL(name, ...) bindOne(name, widgets, QStringLiteral(#name));
#define ARRAY(name, ...) \
    for (std::size_t i = 0; i < name.size(); ++i) bindOne(name[i], widgets, QStringLiteral(#name) + QString::number(i));
#define ELEMENT(...)
#include "window/layout/layout_table.inc"
#undef CONTROL
#undef ARRAY
#undef ELEMENT
}

QList<QWidget*> ControlSet::all() const
{
    QList<QWidget*> controls;
#define CONTROL(name, ...) controls.append(name);
#define ARRAY(name, ...) \
    for (auto* element : name) controls.append(element);
#define ELEMENT(...)
#include "window/layout/layout_table.inc"
#undef CONTROL
#undef ARRAY
#undef ELEMENT
    return controls;
}

} // namespace window
