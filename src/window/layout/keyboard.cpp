#include "window/layout/keyboard.h"

#include "window/layout/layout.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QKeyEvent>

namespace window {

namespace {

using Controls = QHash<QString, QWidget*>;

// Presses the button it watches on Return or Enter. Holding the key down presses it once, and Return
// with Ctrl, Alt or Shift is left to the window.
class ReturnPresses final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (!plain || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)) return false;
        if (!key->isAutoRepeat()) static_cast<QAbstractButton*>(watched)->click();
        return true;
    }
};

void chainTabOrder(const Controls& controls)
{
    QWidget* previous = nullptr;
    for (const layout::ControlSpec* entry : layout::readingOrder()) {
        QWidget* control = controls.value(layout::objectName(*entry));
        // Which option of a group takes the focus by Tab changes as the user moves in the group:
        // every option has its place in the chain.
        if (control->focusPolicy() == Qt::NoFocus) continue;
        if (previous) QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

// Tab stops at one option of a group.
void makeTabStop(const QButtonGroup* group, const QAbstractButton* stop)
{
    for (QAbstractButton* option : group->buttons()) {
        const Qt::FocusPolicy policy = option->focusPolicy();
        const int withTab = option == stop ? policy | Qt::TabFocus : policy & ~Qt::TabFocus;
        option->setFocusPolicy(Qt::FocusPolicy(withTab));
    }
}

// Makes each array of options a group of its own, which Tab enters at the chosen option (or, as the
// user moves in it, the option last used) and in which the arrow keys move. Left to themselves,
// options take every option anywhere inside their container for their group: using the window's
// options would take the options inside the frames off the Tab chain.
void groupOptions(const Controls& controls, QObject* window)
{
    QHash<QLatin1StringView, QButtonGroup*> groups;
    for (const layout::ControlSpec& entry : layout::controls()) {
        if (entry.kind != layout::Kind::Option) continue;
        QButtonGroup*& group = groups[QLatin1StringView(entry.name)];
        if (!group) {
            group = new QButtonGroup(window);
            QObject::connect(group, &QButtonGroup::buttonToggled, window, [group](QAbstractButton* option, bool on) {
                if (on) makeTabStop(group, option);
            });
        }
        group->addButton(static_cast<QAbstractButton*>(controls.value(layout::objectName(entry))));
    }
}

} // namespace

void setUpKeyboard(QWidget& window, const QHash<QString, QWidget*>& controls)
{
    chainTabOrder(controls);
    groupOptions(controls, &window);

    auto* returnPresses = new ReturnPresses(&window);
    for (QWidget* control : controls) {
        if (qobject_cast<QAbstractButton*>(control)) control->installEventFilter(returnPresses);
    }
}

} // namespace window
