// Possessions through the window: a click in a possession list shows the file in the viewer and
// carries the view over to the sheet (ability row 2, the row a marker names) and to the event log;
// "save item" and "Take" write a possession file into the character folder and then move the folder
// list back to that folder or leave it where it was, as the "R" box says.
#include "window/form_charac.h"

#include "window/panels/acquire_panel.h"
#include "window/widgets/caption_label.h"
#include "window/widgets/file_list.h"
#include "window/widgets/folder_list.h"
#include "window/panels/possession_viewer.h"

#include "common/files.h"
#include "sheet/character.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QPushButton>

namespace window {

namespace {
const QString kNotValid = QStringLiteral("not valid qod file");
const QString kDidNotMakeIt = QStringLiteral("didn't make it");
} // namespace

void FormCharac::connectPossessions()
{
    for (int i = 0; i < int(FileA.size()); ++i) {
        connect(FileA[i], &FileList::entryChosen, this, [this, i] { possessionChosen(i); });
    }
    connect(CDclearevent, &QPushButton::clicked, this, [this] { eventLog_->clear(); });
    connect(CDsave, &QPushButton::clicked, this, [this] { storePossession(viewer_->fileName(), viewer_->lines()); });
    connect(CMtake, &QPushButton::clicked, this, [this] { storePossession(acquire_->fileName(), acquire_->lines()); });
}

void FormCharac::possessionChosen(int list)
{
    const QString fileName = FileA[list]->selectedFileName();
    if (fileName.isEmpty()) return;
    acquire_->hideFrames();
    // A file that vanished or cannot be read since the list was filled counts as not valid.
    const auto view = viewer_->view(list, fileName);
    if (!view) return say(kNotValid);

    showViewOnSheet(*view);
    if (list == int(possessions::ListKind::Items)) {
        eventLog_->append(view->eventText);
        if (view->valid) eventLog_->endEntry(view->shownLines);
    }
    // What was shown before the file ran out stays shown.
    if (!view->valid) say(kNotValid);
}

void FormCharac::showViewOnSheet(const possessions::PossessionView& view)
{
    // Captions only, but for ability row 2 of an ability file, which the record takes as well; the
    // next sheet refresh puts the record back into a row that a marker mapped.
    for (int row = 0; row < possessions::kAbilityRows; ++row) {
        if (view.abilityNames[row]) LabAb[row]->setCaption(*view.abilityNames[row]);
        if (view.abilityValues[row]) LabPer[row]->setCaption(*view.abilityValues[row]);
    }
    if (view.rowTwoName) mod_.Character.CharText[sheet::slot::OpenLocks] = *view.rowTwoName;
    if (view.rowTwoValue) mod_.Character.CharValue[sheet::slot::OpenLocks] = *view.rowTwoValue;
}

void FormCharac::storePossession(const QString& fileName, const possessions::Lines& lines)
{
    // Only a plain name in an existing character folder is taken: a name that would leave the
    // folder or name no file, and a character path that is empty or relative (a hand-edited path
    // file), would put the file somewhere nobody asked for, so nothing is written at all.
    const QString characterFolder = LaChPath->caption();
    if (!QFileInfo(characterFolder).isAbsolute() || !common::isFolder(characterFolder)
        || !common::isValidFileName(fileName)
        || !common::writeSmallFile(common::joinPath(characterFolder, fileName),
                                        possessions::possessionFileBytes(lines))) {
        return say(kDidNotMakeIt);
    }
    // "R" checked: back to the character folder; otherwise stay at the origin of the object. Either
    // way the folder is read again, so the new file shows wherever it belongs.
    const QString target = Chtake1->isChecked() ? characterFolder : DirA->path();
    if (DirA->reread(target)) return;
    DirA->setPath(services_.programFolder); // the folder is gone: the lists go home
    say(kDidNotMakeIt);
}

} // namespace window
