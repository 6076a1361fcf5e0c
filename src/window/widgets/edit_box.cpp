#include "window/widgets/edit_box.h"

#include "common/files.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace window {

EditBox::EditBox(QWidget* parent) : QLineEdit(parent)
{
    // The toolkit would cut a text at 32,767 characters; a box holds as much as a possession file,
    // so that no line viewed from a file is shortened when it is saved again.
    setMaxLength(int(common::kSmallFileLimit));
}

void EditBox::finish()
{
    if (!editing_) return;
    editing_ = false; // before the signal: committing hides the box, which moves the focus again
    emit editFinished();
}

void EditBox::abandonEdit()
{
    editing_ = false; // before hiding: hiding moves the focus away, and leaving must not commit
    hide();
}

void EditBox::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A context menu or another application taking the focus does not leave the box: the user is
    // still editing (a paste from the menu must land in an open box).
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason) return;
    finish();
    emit left();
}

void EditBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        finish();
        return;
    }
    if (event->key() == Qt::Key_Escape && editing_) {
        abandonEdit();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EditBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

} // namespace window
