#include "window/edit_box.h"

#include <QKeyEvent>

namespace window {

EditBox::EditBox(QWidget* parent) : QLineEdit(parent) {}

void EditBox::finish()
{
    if (!editing_) return;
    editing_ = false; // before the signal: committing hides the box, which moves the focus again
    emit editFinished();
}

void EditBox::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    finish();
}

void EditBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        finish();
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
