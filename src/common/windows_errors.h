// Windows' own error codes told as errno, as the rest of the program reads why a call failed (and
// systemReason() names it). For the files of common/ that call Windows.
#pragma once

#include <QDir>
#include <QString>

#include <cerrno>
#include <string>
#include <windows.h>

namespace common {

inline int errnoOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH: return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return EACCES;
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

// A path for Windows' wide calls: backslashes, and the text as UTF-16.
inline std::wstring widePath(const QString& path) { return QDir::toNativeSeparators(path).toStdWString(); }

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

} // namespace common
