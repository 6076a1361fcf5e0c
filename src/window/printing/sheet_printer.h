// The printed sheet on pages: portrait, 15 mm margins, the character's name heading every page after
// the first, and a footer on each that names the program, the character file and the page. The same
// pages go to a PDF file from the command line, to the print preview and to the printer.
#pragma once

#include "printout/printed_sheet.h"
#include "window/printing/sheet_typesetter.h"

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

// A band on a page: which band, and how far down the page's body it starts.
struct PlacedBand {
    std::size_t band = 0;
    qreal top = 0;
    bool operator==(const PlacedBand&) const = default;
};

// The bands poured onto pages of the body's height, each page the bands on it. A band that does not
// fit below the last one starts the next page, below the head every further page has; a heading
// goes onto the page of the band after it; a band taller than a page has a page to itself.
std::vector<std::vector<PlacedBand>> pour(std::span<const Band> bands, qreal headHeight, qreal bodyHeight);

// The page of a printed sheet on that paper: portrait, with a 15 mm margin all round.
QPageLayout sheetPageLayout(const QPageSize& paper);

// The paper a sheet is printed on where no printer says otherwise: Letter where the user's locale
// measures in the US system, A4 elsewhere.
QPageSize localPaper();

// The sheets one after another on the painter's device, each from a new page, its pages numbered
// on their own ("page 1 of 2"). The painter is active on the device, at its first page.
void printSheets(QPainter& painter, QPagedPaintDevice& device, std::span<const PrintedSheet> sheets);

} // namespace window
