// Reading files and asking what a path names, on Windows: the wide calls, so that a name in any
// script opens.
#include "common/files.h"
#include "common/windows_calls.h"

#include <algorithm>

namespace common {
namespace {

// A plain file on a disk opened for reading, shared with every other reader and writer; an invalid
// handle for a folder, a device or a pipe.
HANDLE openPlainFile(const QString& path)
{
    const HANDLE handle = CreateFileW(widePath(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE || GetFileType(handle) == FILE_TYPE_DISK) return handle;
    CloseHandle(handle);
    return INVALID_HANDLE_VALUE;
}

// Reads into bytes from total on until it is full or the file ends; the count read in all, or -1.
qint64 readInto(HANDLE file, QByteArray& bytes, qint64 total)
{
    while (total < bytes.size()) {
        DWORD got = 0;
        const DWORD wanted = DWORD(std::min<qint64>(bytes.size() - total, 1 << 20));
        if (!ReadFile(file, bytes.data() + total, wanted, &got, nullptr)) return -1;
        if (got == 0) break;
        total += got;
    }
    return total;
}

} // namespace

PathFacts inspectPath(const QString& path)
{
    const std::optional<LookedAt> looked = lookAt(path);
    if (!looked) return {errno == ENOENT ? PathKind::Missing : PathKind::Unreachable};
    if (!looked->onDisk) return {PathKind::Other};
    const BY_HANDLE_FILE_INFORMATION& info = looked->info;
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return {PathKind::Folder, 0, true};
    const Handle file(openPlainFile(path));
    return {PathKind::File, (qint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow, file.valid()};
}

std::optional<QByteArray> readFileStart(const QString& path, qint64 count)
{
    const Handle file(openPlainFile(path));
    if (!file.valid()) return std::nullopt;
    QByteArray bytes(static_cast<qsizetype>(count), Qt::Uninitialized);
    const qint64 total = readInto(file.get(), bytes, 0);
    if (total < 0) return std::nullopt;
    bytes.truncate(static_cast<qsizetype>(total));
    return bytes;
}

std::optional<QByteArray> readWholeFile(const QString& path, qint64 maxBytes)
{
    const Handle file(openPlainFile(path));
    LARGE_INTEGER size{};
    if (!file.valid() || !GetFileSizeEx(file.get(), &size) || size.QuadPart > maxBytes) return std::nullopt;
    // Read to the end, not to the size seen: the file may change meanwhile. One byte past the bound
    // tells a file that grew too big.
    QByteArray bytes(static_cast<qsizetype>(size.QuadPart) + 1, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        total = readInto(file.get(), bytes, total);
        if (total < 0 || total > maxBytes) return std::nullopt;
        if (total < bytes.size()) break;
        bytes.resize(static_cast<qsizetype>(std::min(maxBytes + 1, 2 * total + 4096)));
    }
    bytes.truncate(static_cast<qsizetype>(total));
    return bytes;
}

bool isFolder(const QString& path)
{
    const std::optional<LookedAt> looked = path.isEmpty() ? std::nullopt : lookAt(path);
    return looked && looked->onDisk && (looked->info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Windows keeps a folder's rights in its access list, which no attribute tells: a file is tried,
// made where nobody lists it and gone when it is closed.
bool removeFile(const QString& path) { return DeleteFileW(widePath(path).c_str()) != 0; }

bool renameFile(const QString& from, const QString& to)
{
    return MoveFileExW(widePath(from).c_str(), widePath(to).c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

bool canWriteInto(const QString& folder)
{
    const Handle probe(CreateFileW(widePath(joinPath(folder, QStringLiteral(".charac-can-write"))).c_str(),
                                   GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    if (probe.valid()) return true;
    failedOnWindows();
    return errno == EEXIST; // another copy of the program asks at this moment
}

} // namespace common
