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

std::vector<std::vector<PlacedBand>> pour(std::span<const Band> bands, qreal headHeight, qreal bodyHeight)
{
    std::vector<std::vector<PlacedBand>> pages(1);
    qreal top = 0;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        qreal needed = bands[i].height;
        if (bands[i].keepWithNext && i + 1 < bands.size()) needed += bands[i + 1].height;
        if (!pages.back().empty() && top + needed > bodyHeight) {
            pages.emplace_back();
            top = headHeight;
        }
        pages.back().push_back({i, top});
        top += bands[i].height;
    }
    return pages;
}

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
        // The widest footer the sheet may have, so that no page's footer reaches into its last row.
        const qreal footerHeight = type.footer(printout::footerLine(sheet.fileName, sheet.printed, 9999, 9999)).height;
        const auto pages = pour(bands, head.height, body.height() - footerHeight - type.millimetres(kFooterSpace));
        for (std::size_t i = 0; i < pages.size(); ++i) {
            if (!firstPage) device.newPage();
            firstPage = false;
            if (i > 0) paintBand(painter, type, head, 0);
            for (const PlacedBand& placed : pages[i]) paintBand(painter, type, bands[placed.band], placed.top);
            const Band footer =
                type.footer(printout::footerLine(sheet.fileName, sheet.printed, int(i) + 1, int(pages.size())));
            paintBand(painter, type, footer, body.height() - footer.height);
        }
    }
}

} // namespace window
