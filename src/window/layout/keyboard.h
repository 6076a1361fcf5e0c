// The window on the keyboard: Tab visits the controls column by column in the order the layout table
// lists them (the order a person reads the sheet), each array of options being one stop, and Return
// presses the focused button, check box or option as Space does.
#pragma once

#include <QHash>
#include <QString>

class QWidget;

namespace window {

// For the window and its controls by object name, as the factory made them.
void setUpKeyboard(QWidget& window, const QHash<QString, QWidget*>& controls);

} // namespace window
