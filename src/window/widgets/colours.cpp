#include "window/widgets/colours.h"

#include "window/widgets/text_list.h"

#include <QAbstractItemView>
#include <QLineEdit>

namespace window {
namespace {

// The palette roles a kind paints its background and its text with.
std::pair<QPalette::ColorRole, QPalette::ColorRole> rolesOf(const QWidget* control)
{
    if (qobject_cast<const QLineEdit*>(control) || qobject_cast<const QAbstractItemView*>(control)
        || qobject_cast<const TextList*>(control)) {
        return {QPalette::Base, QPalette::Text};
    }
    return {control->backgroundRole(), control->foregroundRole()};
}

} // namespace

void setBackColour(QWidget* control, const QColor& back) { setColours(control, back, QColor()); }

void setColours(QWidget* control, const QColor& back, const QColor& text)
{
    // One palette change per control: each change makes the control lay itself out again.
    const auto [backRole, textRole] = rolesOf(control);
    QPalette palette = control->palette();
    if (back.isValid()) palette.setColor(backRole, back);
    if (text.isValid()) palette.setColor(textRole, text);
    control->setPalette(palette);
    if (back.isValid()) control->setAutoFillBackground(true);
}

QColor backColour(const QWidget* control) { return control->palette().color(rolesOf(control).first); }

QColor textColour(const QWidget* control) { return control->palette().color(rolesOf(control).second); }

} // namespace window
