// A one-line text box that reports when the user leaves it: on losing the keyboard focus, and on
// Return, which leaves it the same way. Each opening of an in-place editor is reported once; Escape
// instead closes an open edit unreported, hiding the box, so that nothing is stored. It also reports a
// double-click. It holds up to a megabyte of text, as much as the program's small files.
#pragma once

#include <QLineEdit>

namespace window {

class EditBox : public QLineEdit {
    Q_OBJECT
public:
    explicit EditBox(QWidget* parent = nullptr);

    // Marks the box as holding an edit that is to be committed when the user leaves it.
    void beginEdit() { editing_ = true; }
    // Closes an open edit unreported, as Escape does: the box hides and nothing is stored.
    void abandonEdit();

signals:
    // The focus left the box (or Return was pressed) while an edit was open.
    void editFinished();

    void doubleClicked();

    // The focus left the box for another control of the window, whether or not an edit was open.
    void left();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void finish();
    bool editing_ = false;
};

} // namespace window
