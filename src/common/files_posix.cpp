// Reading files and asking what a path names, on systems with POSIX calls.
#include "common/files.h"

#include "common/descriptor.h"
#include "common/native_names.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace common {
namespace {

// A plain file opened for reading, or -1. Not blocking: opening a named pipe would otherwise wait for
// a writer that never comes.
int openPlainFile(const QString& path, struct stat& info)
{
    const int fd = ::open(nativePath(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) return fd;
    if (fd >= 0) ::close(fd);
    return -1;
}

// One read, tried again when a signal interrupts it.
ssize_t readSome(int fd, char* data, qint64 size)
{
    for (;;) {
        const ssize_t got = ::read(fd, data, static_cast<size_t>(size));
        if (got >= 0 || errno != EINTR) return got;
    }
}

} // namespace

PathFacts inspectPath(const QString& path)
{
    const QByteArray native = nativePath(path);
    struct stat info {};
    if (::stat(native.constData(), &info) != 0) return {errno == ENOENT ? PathKind::Missing : PathKind::Unreachable};
    const PathKind kind = S_ISDIR(info.st_mode)   ? PathKind::Folder
                          : S_ISREG(info.st_mode) ? PathKind::File
                                                  : PathKind::Other;
    return {kind, info.st_size, ::access(native.constData(), R_OK) == 0};
}

std::optional<QByteArray> readFileStart(const QString& path, qint64 count)
{
    struct stat info {};
    const Descriptor fd(openPlainFile(path, info));
    if (fd.get() < 0) return std::nullopt;
    QByteArray bytes(static_cast<qsizetype>(count), Qt::Uninitialized);
    qsizetype total = 0;
    while (total < bytes.size()) {
        const ssize_t got = readSome(fd.get(), bytes.data() + total, bytes.size() - total);
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        total += got;
    }
    bytes.truncate(total);
    return bytes;
}

std::optional<QByteArray> readWholeFile(const QString& path, qint64 maxBytes)
{
    struct stat info {};
    const Descriptor fd(openPlainFile(path, info));
    if (fd.get() < 0 || info.st_size > maxBytes) return std::nullopt;
    // Read to the end, not to the size seen: the file may change meanwhile. One byte past the bound
    // tells a file that grew too big.
    QByteArray bytes(static_cast<qsizetype>(info.st_size) + 1, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        if (total == bytes.size()) {
            if (total > maxBytes) return std::nullopt;
            bytes.resize(static_cast<qsizetype>(std::min(maxBytes + 1, 2 * total + 4096)));
        }
        const ssize_t got = readSome(fd.get(), bytes.data() + total, bytes.size() - total);
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        total += got;
    }
    if (total > maxBytes) return std::nullopt;
    bytes.truncate(static_cast<qsizetype>(total));
    return bytes;
}

bool isFolder(const QString& path)
{
    struct stat info {};
    return !path.isEmpty() && ::stat(nativePath(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool removeFile(const QString& path) { return ::unlink(nativePath(path).constData()) == 0; }

bool renameFile(const QString& from, const QString& to)
{
    return ::rename(nativePath(from).constData(), nativePath(to).constData()) == 0;
}

bool canWriteInto(const QString& folder) { return ::access(nativePath(folder).constData(), W_OK | X_OK) == 0; }

} // namespace common
