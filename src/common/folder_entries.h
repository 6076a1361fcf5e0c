// One pass over a folder: its files and its sub-folders (hidden ones included), in no order.
// A folder change reads its folder once this way, for the folder list and every file list.
#pragma once

#include <QString>
#include <QStringList>

namespace common {

struct FolderEntries {
    QStringList files;
    QStringList folders;
};

FolderEntries readFolder(const QString& path);

} // namespace common
