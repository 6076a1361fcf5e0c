// Printing the sheet. "!!" opens the print preview of the character sheet designed for paper (see
// window/printing/): the name, the attributes, the health, the ability rows and everything in the
// character folder, with no control of the window on it. From the preview the user zooms, sets up
// the page and prints to a printer or a PDF file, which is offered as <name>.pdf in the character
// folder.
#pragma once

#include "window/layout/control_set.h"
#include "window/printing/sheet_printer.h"

#include <QObject>

class QPrinter;

namespace window {

class Clock;
class FolderPanel;
class Messages;
class Printing;
class SheetPanel;

// The document title of a sheet: the character's name, or the program's title for a sheet without one.
QString documentTitle(const QString& characterName);

// What a fresh window's sheet shows: every label's own caption, as no character has set them yet.
printout::ShownSheet designedSheet();

// The sheet a character's folder and what the sheet shows make, dated and with its file's name.
PrintedSheet printedSheet(const printout::ShownSheet& shown, const QString& folder, const QString& fileName,
                          QDate printed);

class PrintPanel : public QObject {
    Q_OBJECT
public:
    // The sheet is what is printed, with the files of the character folder; the preview opens over
    // the window.
    PrintPanel(const PrintingControls& controls, QWidget& window, const SheetPanel& sheet, const FolderPanel& folders,
               Printing& printing, const Clock& clock, Messages& messages, QObject* parent = nullptr);

private:
    void printSheet();
    void paint(QPrinter& printer);

    QWidget& window_;
    const SheetPanel& sheet_;
    const FolderPanel& folders_;
    Printing& printing_;
    const Clock& clock_;
    Messages& messages_;
};

} // namespace window
