// The print button "!!": the user chooses a printer or a PDF file in the print dialog (through the
// printing service), and the whole window goes onto one page as it looks on screen.
#pragma once

#include "window/layout/control_set.h"

#include <QObject>

namespace window {

class Messages;
class Printing;
class SheetPanel;

class PrintPanel : public QObject {
    Q_OBJECT
public:
    // The window is what is printed; the sheet names the document.
    PrintPanel(const PrintingControls& controls, QWidget& window, const SheetPanel& sheet, Printing& printing,
               Messages& messages, QObject* parent = nullptr);

private:
    void printSheet();

    QWidget& window_;
    const SheetPanel& sheet_;
    Printing& printing_;
    Messages& messages_;
};

} // namespace window
