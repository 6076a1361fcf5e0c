#include "common/files.h"

#include "common/native_names.h"

#include <QDir>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace common {
namespace {

const QString kSaveEnding = QStringLiteral(".charac-saving");

// A file descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        size -= written;
    }
    return true;
}

// The file a save replaces: the target itself, or the file a symbolic link at the target names,
// made there when it does not exist yet, as writing through the link would. Nothing for a loop.
QByteArray replacedFile(QByteArray target)
{
    constexpr int kMostLinks = 40; // as the system follows them
    for (int hop = 0; hop < kMostLinks; ++hop) {
        char named[PATH_MAX];
        const ssize_t size = ::readlink(target.constData(), named, sizeof named);
        if (size < 0 || size == sizeof named) return target;
        QByteArray next(named, size);
        if (!next.startsWith('/')) next.prepend(target.first(target.lastIndexOf('/') + 1));
        target = next;
    }
    errno = ELOOP;
    return QByteArray();
}

// A rename is on disk only once its folder is: without this, a power cut right after a save could
// bring the old file back. A file system that cannot flush a folder (EINVAL) has the file in place
// all the same, and so does a folder the user may write to but not read.
bool flushFolder(const QByteArray& folder)
{
    const Descriptor fd(::open(folder.isEmpty() ? "." : folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0) return true;
    return ::fsync(fd.get()) == 0 || errno == EINVAL || errno == ENOTSUP;
}

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

bool writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    const QByteArray target = replacedFile(nativePath(path));
    if (target.isEmpty()) return false;
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = target.first(slash + 1);
    // A name near the system's limit leaves no room for the ending: its temporary name is cut short.
    QByteArray temporary = nativePath(interruptedSaveName(nameFromNative(target.sliced(slash + 1))));
    if (temporary.size() > NAME_MAX) temporary = temporary.first(NAME_MAX - kSaveEnding.size()) + kSaveEnding.toUtf8();
    temporary.prepend(folder);

    struct stat old {};
    const bool replacing = ::stat(target.constData(), &old) == 0;
    // A folder, device or pipe of that name is no file to replace: the rename would put a plain file
    // where the system had its own (a save as root over /dev/null, say).
    if (replacing && !S_ISREG(old.st_mode)) {
        errno = S_ISDIR(old.st_mode) ? EISDIR : EEXIST;
        return false;
    }
    // A rename needs only the folder to be writable: a file the user made read-only is refused here,
    // as writing it in place would be.
    if (replacing && ::access(target.constData(), W_OK) != 0) return false;
    Descriptor fd(::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (fd.get() < 0) return false;
    const bool written = (!replacing || ::fchmod(fd.get(), old.st_mode & 07777) == 0)
                         && writeAll(fd.get(), bytes.constData(), bytes.size()) && ::fsync(fd.get()) == 0 && fd.close()
                         && ::rename(temporary.constData(), target.constData()) == 0;
    if (!written) {
        const int reason = errno; // for the caller to name, not the clean-up's
        ::unlink(temporary.constData());
        errno = reason;
    }
    return written && flushFolder(folder);
}

bool writeSmallFile(const QString& path, const QByteArray& bytes)
{
    return bytes.size() <= kSmallFileLimit && writeFileAtomically(path, bytes);
}

QString systemReason() { return QString::fromLocal8Bit(std::strerror(errno)); }

QString interruptedSaveName(const QString& name) { return u'.' + name + kSaveEnding; }

bool isInterruptedSave(const QString& name) { return name.startsWith(u'.') && name.endsWith(kSaveEnding); }

bool isFolder(const QString& path)
{
    struct stat info {};
    return !path.isEmpty() && ::stat(nativePath(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool makeFolder(const QString& path) { return ::mkdir(nativePath(path).constData(), 0777) == 0; }

bool isValidFileName(const QString& name)
{
    if (name.isEmpty() || name == u"." || name == u"..") return false;
#ifdef Q_OS_WIN
    const QString separators = QStringLiteral("/\\:");
#else
    const QString separators = QStringLiteral("/");
#endif
    for (const QChar c : name) {
        if (separators.contains(c) || c.isNull()) return false;
    }
    return true;
}

QString joinPath(const QString& folder, const QString& name)
{
    const QChar sep = QDir::separator();
    if (folder.endsWith(sep) || folder.endsWith(u'/')) return folder + name;
    return folder + sep + name;
}

} // namespace common
