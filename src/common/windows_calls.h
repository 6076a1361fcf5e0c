// What the files of common/ that call Windows share: Windows' error codes told as errno, as the rest
// of the program reads why a call failed (and systemReason() names it); paths for the wide calls;
// handles that close themselves; and a look at what a path leads to.
#pragma once

#include <QDir>
#include <QFileInfo>
#include <QString>

#include <cerrno>
#include <optional>
#include <string>
#include <windows.h>

namespace common {

inline int errnoOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_NOT_READY: return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_DELETE_PENDING: return EACCES;
    case ERROR_PRIVILEGE_NOT_HELD: return EPERM;
    case ERROR_NOT_SAME_DEVICE: return EXDEV;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_WRITE_PROTECT: return EROFS;
    case ERROR_DIRECTORY: return ENOTDIR;
    case ERROR_FILENAME_EXCED_RANGE: return ENAMETOOLONG;
    case ERROR_INVALID_NAME: return EINVAL;
    case ERROR_CANT_RESOLVE_FILENAME: return ELOOP;
    default: return EIO;
    }
}

// Sets errno from the last Windows error, for a failure to return.
inline bool failedOnWindows()
{
    errno = errnoOf(GetLastError());
    return false;
}

// A path for Windows' wide calls: backslashes, and the text as UTF-16. A long path (past what a
// folder may have, 248 units) goes in Windows' extended form, which alone reaches past 260 units; it
// must be whole and clean, as Windows takes it word for word. Shares keep their own form.
inline std::wstring widePath(const QString& path)
{
    constexpr qsizetype kShortestLong = 248;
    const QString native = QDir::toNativeSeparators(path);
    if (native.size() < kShortestLong || native.startsWith(u"\\\\")) return native.toStdWString();
    const QString whole = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    return (QStringLiteral("\\\\?\\") + whole).toStdWString();
}

// Why nothing can be made at a path whose folder is not there. Windows says only that the path was
// not found; below a file that is told as "Not a directory", as elsewhere.
inline int whyNoFolderFor(const QString& path)
{
    QString folder = QFileInfo(path).absolutePath();
    for (;;) {
        const QFileInfo info(folder);
        if (info.exists()) return info.isDir() ? ENOENT : ENOTDIR;
        const QString up = info.absolutePath();
        if (up == folder) return ENOENT;
        folder = up;
    }
}

// A handle closed when it goes out of scope.
class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { release(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    // Closes it now, saying whether Windows took everything written.
    bool close() { return release(); }

private:
    bool release()
    {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return handle == INVALID_HANDLE_VALUE || handle == nullptr || CloseHandle(handle);
    }
    HANDLE handle_;
};

// What a path leads to, links followed: nothing where it leads nowhere (errno says why), a device or
// pipe as Windows tells it; the attributes and size of a file or folder on a disk.
struct LookedAt {
    bool onDisk = false;
    BY_HANDLE_FILE_INFORMATION info{};
};
inline std::optional<LookedAt> lookAt(const QString& path)
{
    const Handle handle(CreateFileW(widePath(path).c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!handle.valid()) {
        failedOnWindows();
        return std::nullopt;
    }
    LookedAt looked;
    looked.onDisk = GetFileType(handle.get()) == FILE_TYPE_DISK
                    && GetFileInformationByHandle(handle.get(), &looked.info);
    return looked;
}

} // namespace common
