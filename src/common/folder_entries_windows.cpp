// One pass over a folder on Windows, by the wide calls, so that a name in any script is listed.
#include "common/files.h"
#include "common/folder_entries.h"
#include "common/windows_calls.h"

namespace common {

FolderEntries readFolder(const QString& path)
{
    FolderEntries entries;
    if (path.isEmpty()) return entries;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileExW(widePath(joinPath(path, QStringLiteral("*"))).c_str(), FindExInfoBasic,
                                           &found, FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) return entries;
    entries.listed = true;
    do {
        const QString name = QString::fromWCharArray(found.cFileName);
        if (name == u"." || name == u"..") continue;
        DWORD attributes = found.dwFileAttributes;
        // A link counts as what it leads to; a broken one is left out.
        if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            const std::optional<LookedAt> looked = lookAt(joinPath(path, name));
            if (!looked || !looked->onDisk) continue;
            attributes = looked->info.dwFileAttributes;
        }
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) entries.folders.append(name);
        else if (isInterruptedSave(name)) entries.interruptedSaves.append(name);
        else entries.files.append(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return entries;
}

} // namespace common
