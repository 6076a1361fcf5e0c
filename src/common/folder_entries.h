// One pass over a folder: its files and its sub-folders (hidden ones included), in no order.
// A folder change reads its folder once this way, for the folder list and every file list.
#pragma once

#include <QString>
#include <QStringList>

namespace common {

struct FolderEntries {
    QStringList files;
    QStringList folders;
    QStringList interruptedSaves; // temporary files of saves, apart from the files (common/files.h)
    bool listed = false;          // whether the folder could be read at all
};

// Names come as common/native_names.h makes them, so that a name in any encoding is listed and opens.
// Links count as what they lead to; a broken link or a loop of links is left out. A folder that
// cannot be read gives no entries.
FolderEntries readFolder(const QString& path);

} // namespace common
