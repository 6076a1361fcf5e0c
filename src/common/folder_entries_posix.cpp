#include "common/folder_entries.h"

#include "common/files.h"
#include "common/native_names.h"

#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

namespace common {

FolderEntries readFolder(const QString& path)
{
    FolderEntries entries;
    if (path.isEmpty()) return entries;
    DIR* dir = ::opendir(nativePath(path).constData());
    if (!dir) return entries;
    entries.listed = true;
    const int dirFd = ::dirfd(dir);
    // The entry types come with the folder read itself; only links, and file systems that do not
    // say, need a look at the entry.
    while (const dirent* entry = ::readdir(dir)) {
        const char* raw = entry->d_name;
        if (std::strcmp(raw, ".") == 0 || std::strcmp(raw, "..") == 0) continue;
        unsigned char type = entry->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {
            struct stat info {};
            if (::fstatat(dirFd, raw, &info, 0) != 0) continue;
            type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        if (type != DT_DIR && type != DT_REG) continue;
        const QString name = nameFromNative(QByteArrayView(raw, static_cast<qsizetype>(std::strlen(raw))));
        if (type == DT_DIR) entries.folders.append(name);
        else if (isInterruptedSave(name)) entries.interruptedSaves.append(name);
        else entries.files.append(name);
    }
    ::closedir(dir);
    return entries;
}

} // namespace common
