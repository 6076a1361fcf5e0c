// Data flow: a catalogue's bytes go to catalogue/ readCatalogue() and stay in the Catalogue, which
// the three lists draw their rows from; a chosen entry goes through chooseEntry() into the acquire
// panel and, for a formula code, into the record.
#include "window/panels/catalogue_browser.h"

#include "window/layout/layout.h"
#include "window/panels/acquire_panel.h"
#include "window/panels/folder_panel.h"
#include "window/panels/sheet_panel.h"
#include "window/platform/services.h"
#include "window/widgets/caption_label.h"
#include "window/widgets/file_list.h"
#include "window/widgets/text_list.h"

#include "common/files.h"
#include "common/numbers.h"
#include "reference/reference_tables.h"

#include <QFrame>
#include <QScopeGuard>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace window {

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

CatalogueBrowser::CatalogueBrowser(const CatalogueControls& controls, SheetPanel& sheet, AcquirePanel& acquire,
                                   const FolderPanel& folders, Messages& messages, QObject* parent)
    : QObject(parent), c_(controls), sheet_(sheet), acquire_(acquire), folders_(folders), messages_(messages)
{
    scrollTogether({c_.Liz, c_.ListStuff, c_.LiThang});
    c_.FileF->setPattern(QStringLiteral("*.qoc"));
    connect(c_.FileF, &FileList::entryChosen, this, &CatalogueBrowser::catalogueChosen);
    connect(c_.ListStuff, &TextList::rowChosen, this, &CatalogueBrowser::entryChosen);
}

CatalogueBrowser::~CatalogueBrowser()
{
    // The lists draw their rows from the entries held here: they let go of them first.
    for (TextList* list : {c_.Liz, c_.ListStuff, c_.LiThang}) list->clear();
}

void CatalogueBrowser::startUp()
{
    c_.LabCodeZ->setCaption(reference::categoryLegend());
    c_.FrameStuff->move(layout::pixels(layout::kFramesLeft), c_.FrameStuff->y());
}

void CatalogueBrowser::showFrame(bool shown) { c_.FrameStuff->setVisible(shown); }

void CatalogueBrowser::showFolder(const QString& folder, const QStringList& files)
{
    c_.FileF->showFolder(folder, files);
}

void CatalogueBrowser::catalogueChosen()
{
    const QString fileName = c_.FileF->selectedFileName();
    if (fileName.isEmpty()) return;
    if (!load(common::joinPath(folders_.currentFolder(), fileName))) {
        return messages_.say(QStringLiteral("not valid qod file"));
    }
    acquire_.showEmptyBoxes();
}

void CatalogueBrowser::entryChosen()
{
    const auto entry = choose();
    if (!entry) return;
    acquire_.showEmptyBoxes();
    catalogue::Attributes attributes{};
    for (int k = 1; k < int(attributes.size()); ++k) attributes[k] = sheet_.character().CharValue.numbered(k);
    const catalogue::Choice choice = catalogue::chooseEntry(*entry, attributes);
    acquire_.layOut(choice);
    if (choice.formula) sheet_.takeCatalogueSkill(entry->name, *choice.formula);
}

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
