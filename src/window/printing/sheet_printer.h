// The printed sheet on pages: portrait, 15 mm margins, the character's name heading every page after
// the first, and a footer on each that names the program, the character file and the page. The same
// pages go to a PDF file from the command line, to the print preview and to the printer.
#pragma once

#include "printout/printed_sheet.h"

#include <QDate>
#include <QPageLayout>

#include <span>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace window {

// One character's sheet, as it is printed.
struct PrintedSheet {
    std::vector<printout::Block> blocks;
    QString fileName; // the character file's name alone, never its folder; empty when the sheet has none
    QDate printed;
};

// The page of a printed sheet on that paper: portrait, with a 15 mm margin all round.
QPageLayout sheetPageLayout(const QPageSize& paper);

// The paper a sheet is printed on where no printer says otherwise: Letter where the user's locale
// measures in the US system, A4 elsewhere.
QPageSize localPaper();

// The sheets one after another on the painter's device, each from a new page, its pages numbered
// on their own ("page 1 of 2"). The painter is active on the device, at its first page.
void printSheets(QPainter& painter, QPagedPaintDevice& device, std::span<const PrintedSheet> sheets);

} // namespace window
