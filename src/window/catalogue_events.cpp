// The catalogue through the window: a click on a catalogue file lists it and opens the acquire
// panel's boxes; a click on an entry lays it out in the panel and, for a formula code, puts the
// entry's name and computed value into ability row 2 of the record at once (the sheet shows it at
// its next refresh).
#include "window/form_charac.h"

#include "window/panels/acquire_panel.h"
#include "window/panels/catalogue_browser.h"
#include "window/widgets/file_list.h"
#include "window/widgets/folder_list.h"
#include "window/widgets/text_list.h"

#include "common/files.h"
#include "sheet/character.h"

namespace window {

void FormCharac::connectCatalogue()
{
    connect(FileF, &FileList::entryChosen, this, &FormCharac::catalogueChosen);
    connect(ListStuff, &TextList::rowChosen, this, &FormCharac::stuffEntryChosen);
}

void FormCharac::catalogueChosen()
{
    const QString fileName = FileF->selectedFileName();
    if (fileName.isEmpty()) return;
    if (!catalogue_->load(common::joinPath(DirA->path(), fileName))) return say(QStringLiteral("not valid qod file"));
    acquire_->showEmptyBoxes();
}

void FormCharac::stuffEntryChosen()
{
    const auto entry = catalogue_->choose();
    if (!entry) return;
    acquire_->showEmptyBoxes();
    catalogue::Attributes attributes{};
    for (int k = 1; k < int(attributes.size()); ++k) attributes[k] = mod_.Character.CharValue[k];
    const catalogue::Choice choice = catalogue::chooseEntry(*entry, attributes);
    acquire_->layOut(choice);
    if (choice.formula) {
        mod_.Character.CharText[sheet::slot::OpenLocks] = entry->name;
        mod_.Character.CharValue[sheet::slot::OpenLocks] = *choice.formula;
    }
}

} // namespace window
