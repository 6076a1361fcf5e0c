#include "window/panels/catalogue_browser.h"

#include "window/layout/control_set.h"
#include "window/widgets/text_list.h"

#include "common/files.h"

#include <QScopeGuard>

#ifdef __GLIBC__
#include <malloc.h>
#endif
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

namespace {

// A catalogue may take a hundred megabytes. The C library keeps memory it got for big blocks once
// they are freed, for the next ones; this hands what is free back to the system, so that the memory
// of a catalogue that was replaced or refused is really gone.
void returnFreedMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

} // namespace

bool CatalogueBrowser::load(const QString& path)
{
    const auto released = qScopeGuard(returnFreedMemory);
    auto bytes = common::readWholeFile(path, common::kCatalogueFileLimit);
    std::optional<catalogue::Catalogue> read = bytes ? catalogue::readCatalogue(std::move(*bytes)) : std::nullopt;
    if (!read) return false;
    // The three lists show their column of the entries as they draw it, so that listing a catalogue
    // costs little more than reading it, however long it is. They let go of the old entries first.
    for (TextList* list : {c_.Liz, c_.ListStuff, c_.LiThang}) list->clear();
    catalogue_ = std::move(*read);
    const int count = catalogue_.size();
    c_.Liz->setRows(count, [this](int row) { return catalogue_.shownCode(row); });
    c_.ListStuff->setRows(count, [this](int row) { return catalogue_.shownName(row); });
    c_.LiThang->setRows(count, [this](int row) { return catalogue_.shownNumber(row); });
    return true;
}

std::optional<catalogue::Entry> CatalogueBrowser::choose()
{
    const int row = c_.ListStuff->currentRow();
    if (row < 0 || !c_.ListStuff->isRowSelected(row)) return std::nullopt;
    c_.Liz->setCurrentRow(row);
    c_.LiThang->setCurrentRow(row);
    // The code and name are the entry's own, whole; the number is read back from its list, as the
    // list shows it.
    catalogue::Entry entry = catalogue_.entry(row);
    entry.value = common::ParseNumber(c_.LiThang->text(row));
    return entry;
}

} // namespace window
