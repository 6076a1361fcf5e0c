// The window's layout table: every control of the window, one row per control and one row per element
// of a control array, with its kind, container, design caption, tooltip, accessible name, position and
// size in twips, colours, text style, alignment and whether it starts hidden. Array positions are
// written out in full rather than computed, so each row reads exactly as the control sits on the sheet.
#include "window/layout/layout.h"

#include <QtGlobal>

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace layout {

namespace {

constexpr int D = kDefaultColour;
constexpr int T = kTransparent;

constexpr const char* kRefreshTip = "Click here to refresh core abiliities";
constexpr const char* kReturnTip = "!=return to char after save /or stay at origin of object";

#define CONTROL(name, group, ...) {#name, -1, __VA_ARGS__},
#define ARRAY(name, group, kind, count)
#define ELEMENT(name, index, ...) {#name, index, __VA_ARGS__},
constexpr ControlSpec kControls[] = {
#include "window/layout/layout_table.inc"
};
#undef CONTROL
#undef ARRAY
#undef ELEMENT

// 0, 1 or 2 for the left, middle or right column of the sheet.
int columnOf(const ControlSpec& entry)
{
    const ControlSpec& placed = entry.container ? designOf(QString::fromLatin1(entry.container)) : entry;
    return int(placed.left >= kMiddleColumnEdge) + int(placed.left >= kRightColumnEdge);
}

bool holdsText(Kind kind)
{
    return kind == Kind::TextBox || kind == Kind::ListBox || kind == Kind::FileList || kind == Kind::FolderList;
}

} // namespace

std::span<const ControlSpec> controls() { return {kControls, std::size(kControls)}; }

std::vector<const ControlSpec*> readingOrder()
{
    std::vector<const ControlSpec*> order;
    for (const ControlSpec& entry : kControls) order.push_back(&entry);
    std::stable_sort(order.begin(), order.end(),
                     [](const ControlSpec* a, const ControlSpec* b) { return columnOf(*a) < columnOf(*b); });
    return order;
}

QString accessibleNameOf(const ControlSpec& entry)
{
    if (holdsText(entry.kind) && *entry.tooltip) return QString::fromUtf8(entry.tooltip);
    return QString::fromUtf8(entry.accessibleName);
}

const ControlSpec& designOf(QStringView name, int index)
{
    for (const ControlSpec& entry : kControls) {
        if (entry.index == index && name == QLatin1StringView(entry.name)) return entry;
    }
    qFatal("layout: no control %s %d", qPrintable(name.toString()), index);
    std::abort();
}

QString objectName(const ControlSpec& entry)
{
    QString name = QString::fromUtf8(entry.name);
    if (entry.index >= 0) name += QString::number(entry.index);
    return name;
}

} // namespace layout
