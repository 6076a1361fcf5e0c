// Folders: the folder list drives every file list.
#include "window/form_charac.h"

#include "window/file_list.h"
#include "window/folder_list.h"

namespace window {

void FormCharac::folderChanged()
{
    const QString folder = DirA->path();
    const QStringList files = filesOf(folder); // read once for all five lists
    for (FileList* list : {FileD, FileF, FileA[0], FileA[1], FileA[2]}) list->showFolder(folder, files);
}

void FormCharac::RomeRoad() {}
void FormCharac::FindPlace() {}

} // namespace window
