#include "window/catalogue_browser.h"

#include "window/control_set.h"
#include "window/text_list.h"

#include "common/files.h"
#include "common/numbers.h"

namespace window {

CatalogueBrowser::CatalogueBrowser(const ControlSet& controls) : c_(controls)
{
    scrollTogether({c_.Liz, c_.ListStuff, c_.LiThang});
}

CatalogueBrowser::~CatalogueBrowser()
{
    // The lists draw their rows from the entries held here: they let go of them first.
    for (TextList* list : {c_.Liz, c_.ListStuff, c_.LiThang}) list->clear();
}

bool CatalogueBrowser::load(const QString& path)
{
    const auto bytes = common::readWholeFile(path, common::kCatalogueFileLimit);
    if (!bytes) return false;
    QList<catalogue::Entry> entries = catalogue::readCatalogue(*bytes);
    // The three lists show their column of the entries as they draw it, so that listing a catalogue
    // costs little more than reading it, however long it is. They let go of the old entries first.
    for (TextList* list : {c_.Liz, c_.ListStuff, c_.LiThang}) list->clear();
    entries_ = std::move(entries);
    const int count = int(entries_.size());
    c_.Liz->setRows(count, [this](int row) { return entries_.at(row).code; });
    c_.ListStuff->setRows(count, [this](int row) { return entries_.at(row).name; });
    c_.LiThang->setRows(count, [this](int row) { return common::FormatNumber(entries_.at(row).value); });
    return true;
}

std::optional<catalogue::Entry> CatalogueBrowser::choose()
{
    const int row = c_.ListStuff->currentRow();
    if (row < 0 || !c_.ListStuff->isRowSelected(row)) return std::nullopt;
    c_.Liz->setCurrentRow(row);
    c_.LiThang->setCurrentRow(row);
    // The number is read back from its list, as the list shows it.
    return catalogue::Entry{c_.Liz->text(row), c_.ListStuff->text(row), common::ParseNumber(c_.LiThang->text(row))};
}

} // namespace window
