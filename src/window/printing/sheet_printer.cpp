// Data flow: for each sheet the typesetter turns the blocks into bands for the device's page body;
// the bands are poured onto pages (a band that does not fit goes whole onto the next page), and only
// then painted, so that every footer knows how many pages the sheet has.
#include "window/printing/sheet_printer.h"

#include "window/printing/sheet_typesetter.h"

#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

namespace window {

namespace {

constexpr qreal kMargin = 15.0;     // mm, all round
constexpr qreal kFooterSpace = 2.0; // mm kept free above the footer
constexpr qreal kHairline = 0.15;   // mm

struct PlacedBand {
    qreal top = 0;
    const Band* band = nullptr;
};
using Page = std::vector<PlacedBand>;

// The bands poured onto pages of the body's height. A band that does not fit below the last one
// starts the next page, under the head; a heading goes with the band after it.
std::vector<Page> pour(const std::vector<Band>& bands, const Band& head, qreal bodyHeight)
{
    std::vector<Page> pages(1);
    qreal top = 0;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        qreal needed = bands[i].height;
        if (bands[i].keepWithNext && i + 1 < bands.size()) needed += bands[i + 1].height;
        const bool pageHasBands = !pages.back().empty() && pages.back().back().band != &head;
        if (pageHasBands && top + needed > bodyHeight) {
            pages.push_back({{0, &head}});
            top = head.height;
        }
        pages.back().push_back({top, &bands[i]});
        top += bands[i].height;
    }
    return pages;
}

void paintBand(QPainter& painter, const SheetTypesetter& type, const Band& band, qreal top)
{
    painter.save();
    painter.translate(0, top);
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), type.millimetres(kHairline)));
    for (const QLineF& rule : band.rules) painter.drawLine(rule);
    painter.setPen(QPen(Qt::black, type.millimetres(kHairline)));
    for (const PrintedSquare& square : band.squares) {
        painter.fillRect(square.rect, square.colour);
        painter.drawRect(square.rect); // outlined, so that a light colour still shows on white
    }
    for (const PrintedText& text : band.texts) {
        painter.setFont(type.font(text.font));
        painter.drawText(text.baseline, text.text);
    }
    painter.restore();
}

QString nameOf(const std::vector<printout::Block>& blocks)
{
    for (const printout::Block& block : blocks) {
        if (block.kind == printout::BlockKind::Name) return block.cells.value(0);
    }
    return QString();
}

} // namespace

QPageLayout sheetPageLayout(const QPageSize& paper)
{
    return QPageLayout(paper, QPageLayout::Portrait, QMarginsF(kMargin, kMargin, kMargin, kMargin),
                       QPageLayout::Millimeter);
}

QPageSize localPaper()
{
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

void printSheets(QPainter& painter, QPagedPaintDevice& device, std::span<const PrintedSheet> sheets)
{
    const QSizeF body = device.pageLayout().paintRectPixels(device.logicalDpiX()).size();
    bool firstPage = true;
    for (const PrintedSheet& sheet : sheets) {
        const SheetTypesetter type(device, body);
        const std::vector<Band> bands = type.bands(sheet.blocks);
        const Band head = type.continuationHead(nameOf(sheet.blocks));
        const qreal footerHeight = type.footer(printout::footerLine(sheet.fileName, sheet.printed, 1, 1)).height;
        const std::vector<Page> pages =
            pour(bands, head, body.height() - footerHeight - type.millimetres(kFooterSpace));
        for (std::size_t i = 0; i < pages.size(); ++i) {
            if (!firstPage) device.newPage();
            firstPage = false;
            for (const PlacedBand& placed : pages[i]) paintBand(painter, type, *placed.band, placed.top);
            const Band footer =
                type.footer(printout::footerLine(sheet.fileName, sheet.printed, int(i) + 1, int(pages.size())));
            paintBand(painter, type, footer, body.height() - footer.height);
        }
    }
}

} // namespace window
