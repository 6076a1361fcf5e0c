// The printed sheet's blocks set in type for one paint device: each block becomes a band, a strip of
// the page's width holding texts on their baselines, the attribute colours' squares and hairlines.
// A band is never split over two pages; a row taller than half a page comes as a band per line.
#pragma once

#include "printout/printed_sheet.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPointF>
#include <QRectF>

#include <span>
#include <vector>

class QPaintDevice;

namespace window {

enum class PrintFont { Name, Line, Body, Strong, Heading, Small };

struct PrintedText {
    PrintFont font = PrintFont::Body;
    QPointF baseline;
    QString text;
};

struct PrintedSquare {
    QRectF rect;
    QColor colour;
};

struct Band {
    qreal height = 0;
    std::vector<PrintedText> texts;
    std::vector<PrintedSquare> squares;
    std::vector<QLineF> rules;
    bool keepWithNext = false; // a heading stays on the page of the row under it
};

class SheetTypesetter {
public:
    // For a page body of that size, in the device's pixels.
    SheetTypesetter(QPaintDevice& device, QSizeF body);

    // Black on white in a serif: Georgia where the system has it, otherwise its default serif.
    QFont font(PrintFont role) const;
    qreal millimetres(qreal mm) const { return mm * dotsPerMillimetre_; }

    // The blocks' bands, top to bottom.
    std::vector<Band> bands(const std::vector<printout::Block>& blocks) const;
    // What heads every page after the first: the character's name on one line, over a hairline.
    Band continuationHead(const QString& name) const;
    // The footer line, centred, its band's bottom on the bottom of the body's page.
    Band footer(const QString& line) const;

private:
    struct Column {
        qreal left = 0;
        qreal width = 0;
        PrintFont font = PrintFont::Body;
        Qt::Alignment align = Qt::AlignLeft;
    };

    QStringList wrapped(const QString& text, PrintFont role, qreal width) const;
    std::vector<Band> row(const QStringList& cells, std::span<const Column> columns, qreal pad) const;
    std::vector<Band> line(const QString& text, PrintFont role, qreal spaceAbove) const;
    Band heading(const QString& text) const;
    std::vector<Band> sheetTable(std::span<const printout::Block> blocks) const;
    std::vector<Band> blockBands(const printout::Block& block) const;

    QPaintDevice& device_;
    QSizeF body_;
    qreal dotsPerMillimetre_;
};

// The bands one under the other as one band; the second's pieces moved down by the first's height.
Band stacked(std::span<const Band> bands);

} // namespace window
