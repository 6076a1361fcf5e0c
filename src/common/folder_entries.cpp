#include "common/folder_entries.h"

#include <QDirIterator>
#include <QFileInfo>

namespace common {

FolderEntries readFolder(const QString& path)
{
    FolderEntries entries;
    if (path.isEmpty()) return entries;
    // The entry types come with the directory read itself; only links need a look at their target.
    QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        if (info.isDir()) entries.folders.append(it.fileName());
        else if (info.isFile()) entries.files.append(it.fileName());
    }
    return entries;
}

} // namespace common
