// Data flow: a block's cells are wrapped in their columns with the device's own font metrics (so the
// lines measured are the lines printed), placed on baselines within a band, and the bands handed to
// the pages in order. Positions are millimetres from the page body's left edge, turned into the
// device's pixels once here.
#include "window/printing/sheet_typesetter.h"

#include "window/layout/layout.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QTextLayout>

#include <algorithm>

namespace window {

namespace {

using printout::Block;
using printout::BlockKind;

constexpr qreal kRowPad = 0.4;       // mm above and below a row's text
constexpr qreal kColumnGap = 8.0;    // mm between the attributes and the ability rows
constexpr qreal kSquare = 3.0;       // mm, the side of an attribute's colour square
constexpr qreal kHeadingSpace = 2.5; // mm above a heading

QString serifFamily()
{
    static const QString family = QFontDatabase::families().contains(QStringLiteral("Georgia"))
                                      ? QStringLiteral("Georgia")
                                      : QStringLiteral("serif");
    return family;
}

// The colour the sheet gives an attribute: its label's text colour.
QColor attributeColour(int label) { return QColor(QRgb(layout::designOf(u"Chakra", label).fore)); }

void append(Band& into, const Band& band, qreal down)
{
    for (PrintedText text : band.texts) {
        text.baseline.ry() += down;
        into.texts.push_back(std::move(text));
    }
    for (PrintedSquare square : band.squares) {
        square.rect.translate(0, down);
        into.squares.push_back(square);
    }
    for (const QLineF& rule : band.rules) into.rules.push_back(rule.translated(0, down));
}

// Two bands side by side: the pieces of both, as high as the higher.
Band besideEachOther(const Band& left, const Band& right)
{
    Band both = left;
    append(both, right, 0);
    both.height = std::max(left.height, right.height);
    return both;
}

Band withSpaceAbove(const Band& band, qreal space)
{
    Band spaced{space + band.height, {}, {}, {}, band.keepWithNext};
    append(spaced, band, space);
    return spaced;
}

bool inSheetTable(BlockKind kind)
{
    return kind == BlockKind::Attribute || kind == BlockKind::Health || kind == BlockKind::Ability;
}

} // namespace

Band stacked(std::span<const Band> bands)
{
    Band all;
    for (const Band& band : bands) {
        append(all, band, all.height);
        all.height += band.height;
    }
    return all;
}

SheetTypesetter::SheetTypesetter(QPaintDevice& device, QSizeF body)
    : device_(device), body_(body), dotsPerMillimetre_(device.logicalDpiY() / 25.4)
{
}

QFont SheetTypesetter::font(PrintFont role) const
{
    struct Style {
        qreal points;
        bool bold;
    };
    static constexpr std::array<Style, 6> kStyles = {
        {{20, true}, {11, false}, {9.5, false}, {9.5, true}, {11, true}, {7.5, false}}};
    const Style style = kStyles[std::size_t(role)];
    QFont font(serifFamily());
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(style.points);
    font.setBold(style.bold);
    return font;
}

QStringList SheetTypesetter::wrapped(const QString& text, PrintFont role, qreal width) const
{
    QStringList lines;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        if (paragraph.isEmpty()) {
            lines.append(QString()); // an empty line keeps its place
            continue;
        }
        QTextLayout layout(paragraph, font(role), &device_);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            QString part = paragraph.mid(line.textStart(), line.textLength());
            while (!part.isEmpty() && part.back().isSpace()) part.chop(1);
            lines.append(part);
        }
        layout.endLayout();
    }
    return lines;
}

// A row of cells, each wrapped in its column. Normally one band; a row taller than half a page (a
// long note) comes as a band per line, so that it goes on over pages, never leaves most of a page
// blank, and still has no line cut in half.
std::vector<Band> SheetTypesetter::row(const QStringList& cells, std::span<const Column> columns, qreal pad) const
{
    std::vector<QStringList> lines;
    qsizetype depth = 1;
    qreal spacing = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        lines.push_back(wrapped(cells.value(qsizetype(i)), columns[i].font, columns[i].width));
        depth = std::max(depth, lines.back().size());
        spacing = std::max(spacing, QFontMetricsF(font(columns[i].font), &device_).lineSpacing());
    }
    std::vector<Band> perLine(std::size_t(depth), Band{spacing, {}, {}, {}, false});
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const Column& column = columns[i];
        const QFontMetricsF metrics(font(column.font), &device_);
        for (qsizetype k = 0; k < lines[i].size(); ++k) {
            const QString& text = lines[i][k];
            const qreal free = column.width - metrics.horizontalAdvance(text);
            const qreal x = column.left
                            + (column.align & Qt::AlignRight     ? free
                               : column.align & Qt::AlignHCenter ? free / 2
                                                                 : 0);
            perLine[std::size_t(k)].texts.push_back({column.font, QPointF(x, metrics.ascent()), text});
        }
    }
    perLine.front().height += pad;
    for (PrintedText& text : perLine.front().texts) text.baseline.ry() += pad;
    perLine.back().height += pad;
    const qreal right = columns.back().left + columns.back().width;
    perLine.back().rules.push_back(QLineF(columns.front().left, perLine.back().height, right, perLine.back().height));
    const Band whole = stacked(perLine);
    if (whole.height <= body_.height() / 2) return {whole};
    return perLine;
}

std::vector<Band> SheetTypesetter::line(const QString& text, PrintFont role, qreal spaceAbove) const
{
    const std::array<Column, 1> centred{{{0, body_.width(), role, Qt::AlignHCenter}}};
    std::vector<Band> bands = row({text}, centred, 0);
    bands.back().rules.clear();
    bands.front() = withSpaceAbove(bands.front(), spaceAbove);
    return bands;
}

// A heading over the hairline that underlines it; it goes onto the page of the row under it.
Band SheetTypesetter::heading(const QString& text) const
{
    const std::array<Column, 1> whole{{{0, body_.width(), PrintFont::Heading, Qt::AlignLeft}}};
    Band band = withSpaceAbove(stacked(row({text}, whole, millimetres(0.6))), millimetres(kHeadingSpace));
    band.keepWithNext = true;
    return band;
}

// The attributes and the health on the left, the ability rows on the right; captions too long for
// the two to stand side by side on half a page go one after the other instead.
std::vector<Band> SheetTypesetter::sheetTable(std::span<const Block> blocks) const
{
    const qreal half = (body_.width() - millimetres(kColumnGap)) / 2;
    const qreal right = half + millimetres(kColumnGap);
    const std::array<Column, 3> attribute{{{millimetres(5), millimetres(30), PrintFont::Body, Qt::AlignLeft},
                                           {millimetres(35), millimetres(20), PrintFont::Strong, Qt::AlignRight},
                                           {millimetres(58), half - millimetres(58), PrintFont::Body, Qt::AlignLeft}}};
    const std::array<Column, 2> ability{
        {{right, half - millimetres(22), PrintFont::Body, Qt::AlignLeft},
         {right + half - millimetres(20), millimetres(20), PrintFont::Strong, Qt::AlignRight}}};
    std::vector<Band> left, rightSide;
    for (const Block& block : blocks) {
        const bool isAbility = block.kind == BlockKind::Ability;
        std::vector<Band> bands = isAbility ? row(block.cells, ability, millimetres(kRowPad))
                                            : row(block.cells, attribute, millimetres(kRowPad));
        if (!isAbility) {
            QLineF& rule = bands.back().rules.front();
            rule.setP1(QPointF(0, rule.y1())); // the hairline runs under the colour square too
        }
        if (block.attribute >= 0) {
            const qreal side = millimetres(kSquare);
            bands.front().squares.push_back(
                {QRectF(0, (bands.front().height - side) / 2, side, side), attributeColour(block.attribute)});
        }
        std::vector<Band>& column = isAbility ? rightSide : left;
        std::move(bands.begin(), bands.end(), std::back_inserter(column));
    }
    const Band table = besideEachOther(stacked(left), stacked(rightSide));
    if (table.height <= body_.height() / 2) return {withSpaceAbove(table, millimetres(3))};
    std::move(rightSide.begin(), rightSide.end(), std::back_inserter(left));
    return left;
}

std::vector<Band> SheetTypesetter::blockBands(const Block& block) const
{
    const qreal width = body_.width();
    const std::array<Column, 4> possession{
        {{0, millimetres(28), PrintFont::Body, Qt::AlignLeft},
         {millimetres(30), millimetres(58), PrintFont::Strong, Qt::AlignLeft},
         {millimetres(90), millimetres(14), PrintFont::Strong, Qt::AlignRight},
         {millimetres(108), width - millimetres(108), PrintFont::Body, Qt::AlignLeft}}};
    const std::array<Column, 2> note{{{0, millimetres(30), PrintFont::Strong, Qt::AlignLeft},
                                      {millimetres(32), width - millimetres(32), PrintFont::Body, Qt::AlignLeft}}};
    switch (block.kind) {
    case BlockKind::Name: return line(block.cells.value(0), PrintFont::Name, 0);
    case BlockKind::Line: return line(block.cells.value(0), PrintFont::Line, millimetres(1));
    case BlockKind::Heading: return {heading(block.cells.value(0))};
    case BlockKind::Possession: return row(block.cells, possession, millimetres(kRowPad));
    case BlockKind::Note: {
        // The note's lines, each wrapped, in one column beside its name.
        const QStringList cells{block.cells.value(0), block.cells.mid(1).join(QLatin1Char('\n'))};
        return row(cells, note, millimetres(kRowPad));
    }
    case BlockKind::Attribute:
    case BlockKind::Health:
    case BlockKind::Ability: return sheetTable({&block, 1});
    }
    return {};
}

std::vector<Band> SheetTypesetter::bands(const std::vector<Block>& blocks) const
{
    std::vector<Band> all;
    for (auto block = blocks.begin(); block != blocks.end();) {
        if (inSheetTable(block->kind)) {
            const auto end = std::find_if_not(block, blocks.end(), [](const Block& b) { return inSheetTable(b.kind); });
            for (Band& band : sheetTable({block, end})) all.push_back(std::move(band));
            block = end;
            continue;
        }
        for (Band& band : blockBands(*block)) all.push_back(std::move(band));
        ++block;
    }
    return all;
}

Band SheetTypesetter::continuationHead(const QString& name) const
{
    const std::array<Column, 1> whole{{{0, body_.width(), PrintFont::Heading, Qt::AlignLeft}}};
    // One line, however long the name: the head must leave the page to the sheet.
    const QString shown =
        QFontMetricsF(font(PrintFont::Heading), &device_).elidedText(name.simplified(), Qt::ElideRight, body_.width());
    Band band = stacked(row({shown}, whole, millimetres(0.6)));
    band.height += millimetres(3);
    return band;
}

Band SheetTypesetter::footer(const QString& text) const
{
    const std::array<Column, 1> centred{{{0, body_.width(), PrintFont::Small, Qt::AlignHCenter}}};
    Band band = stacked(row({text}, centred, millimetres(1.5)));
    const qreal rule = band.rules.front().y1();
    band.rules = {QLineF(0, 0, body_.width(), 0)};
    band.height = rule;
    return band;
}

} // namespace window
