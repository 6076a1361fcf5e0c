// Printing the sheet. "!!" lets the user choose a printer or a PDF file in the print dialog (through
// the printing service), on a landscape page when the window is wider than tall; the whole window
// goes onto one page as it looks on screen, as drawing commands: text stays text, with its fonts.
// The same page is what `charac --pdf` writes, a page for each character.
#pragma once

#include "window/layout/control_set.h"

#include <QObject>
#include <QPageLayout>

class QPagedPaintDevice;
class QPainter;

namespace window {

class Messages;
class Printing;
class SheetPanel;

// The orientation that fits the window's shape best.
QPageLayout::Orientation orientationFor(const QWidget& window);

// The window drawn on the painter's page, scaled to fill the device's printable area without
// distortion, and centred on it. The painter is active on the device.
void paintWindowOnPage(QWidget& window, QPainter& painter, const QPagedPaintDevice& device);

// The document title of a sheet: the character's name, or the program's title for a sheet without one.
QString documentTitle(const QString& characterName);

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
