// Writing files whole, making folders and clearing old temporaries, on systems with POSIX calls. A write
// goes to a temporary file of its own beside the target, flushed, renamed over the target, and the
// folder flushed. Once the name to write is known, the write works from one descriptor of its folder,
// so that nothing can be swapped in between the check of a link and the rename.
#include "common/descriptor.h"
#include "common/files.h"
#include "common/native_names.h"
#include "common/saves.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>

namespace common {
namespace {

constexpr int kMostLinks = 40; // as the system follows them

bool writeAll(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
        if (written < 0 && errno == EINTR) continue;
        if (written == 0) errno = EIO;
        if (written <= 0) return false;
        data += written;
        size -= written;
    }
    return true;
}

bool failWith(int error)
{
    errno = error;
    return false;
}

// A native path as the folder it lies in (ending in "/", or empty for the working folder) and its name.
struct Place {
    QByteArray folder;
    QByteArray name;
};
Place placeOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return {path.first(slash + 1), path.sliced(slash + 1)};
}

// The folder, opened to work in. One the user may write to but not read is opened for its path alone,
// which serves every call but the flush.
int openFolder(const QByteArray& folder)
{
    const char* path = folder.isEmpty() ? "." : folder.constData();
    const int fd = ::open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return fd >= 0 || errno != EACCES ? fd : ::open(path, O_PATH | O_DIRECTORY | O_CLOEXEC);
}

// A rename or a new folder is on disk only once its folder is: without this, a power cut right after
// a save could bring the old file back. A file system that cannot flush a folder (EINVAL), and a
// folder opened for its path alone (EBADF), have the file in place all the same.
bool flushFolder(int folder) { return ::fsync(folder) == 0 || errno == EINVAL || errno == ENOTSUP || errno == EBADF; }

// What the symbolic link name in folder names, or nothing when name is no link (or a link too long).
std::optional<QByteArray> linkText(int folder, const QByteArray& name)
{
    char named[PATH_MAX];
    const ssize_t size = ::readlinkat(folder, name.constData(), named, sizeof named);
    if (size <= 0 || size == sizeof named) return std::nullopt;
    return QByteArray(named, size);
}

// The file a save replaces when links may lead anywhere: the target itself, or the file a symbolic
// link at the target names, made there when it does not exist yet, as writing through the link would.
// Nothing for a loop.
QByteArray fileBehindLinks(QByteArray target)
{
    for (int hop = 0; hop < kMostLinks; ++hop) {
        std::optional<QByteArray> next = linkText(AT_FDCWD, target);
        if (!next) return target;
        if (!next->startsWith('/')) next->prepend(placeOf(target).folder);
        target = *next;
    }
    errno = ELOOP;
    return QByteArray();
}

bool isSameFolder(int folder, const QByteArray& other)
{
    struct stat here {};
    struct stat there {};
    const Descriptor fd(::openat(folder, other.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    return fd.get() >= 0 && ::fstat(folder, &here) == 0 && ::fstat(fd.get(), &there) == 0 && here.st_dev == there.st_dev
           && here.st_ino == there.st_ino;
}

// The name a write of name goes to when links must stay in the folder: name itself, or the file that
// a chain of links at name names directly in the same folder. A link out of the folder, or to nothing,
// refuses the write (EPERM): folders travel between players, and a link planted in one must not
// steer a save anywhere else.
std::optional<QByteArray> nameInFolder(int folder, QByteArray name)
{
    for (int hop = 0; hop < kMostLinks; ++hop) {
        struct stat info {};
        if (::fstatat(folder, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            if (hop == 0) return name; // a new file, or one the write itself will fail on
            errno = EPERM;
            return std::nullopt;
        }
        if (!S_ISLNK(info.st_mode)) return name;
        const std::optional<QByteArray> text = linkText(folder, name);
        const Place next = placeOf(text.value_or(QByteArray()));
        const bool inFolder = text && !next.name.isEmpty() && next.name != "." && next.name != ".."
                              && (next.folder.isEmpty() || isSameFolder(folder, next.folder));
        if (!inFolder) {
            errno = EPERM;
            return std::nullopt;
        }
        name = next.name;
    }
    errno = ELOOP;
    return std::nullopt;
}

// The first bytes of a name, at most max of them, not cutting a character of UTF-8 in half: some file
// systems (those of USB sticks) refuse a name that is not valid UTF-8.
QByteArray nameStart(QByteArray name, qsizetype max)
{
    if (name.size() <= max) return name;
    name.truncate(max);
    while (!name.isEmpty() && (static_cast<unsigned char>(name.back()) & 0xC0) == 0x80) name.chop(1);
    if (!name.isEmpty() && static_cast<unsigned char>(name.back()) >= 0xC0) name.chop(1);
    return name;
}

// A temporary file for a write of name, under a name made for this write alone and created only if
// nothing stands there (O_EXCL, no link followed): no file or link planted at any name, nor another
// copy of the program writing the same name, can receive the bytes. Hidden, with an ending no list
// shows; the name's start is cut short to make room, and left out where the folder's file system
// takes shorter names. Made with the mode given: a new file's as a plain create makes it, so that the
// umask and a default ACL of the folder apply.
int createTemporary(int folder, const QByteArray& name, mode_t mode, QByteArray& temporary)
{
    QString stem = nameFromNative(nameStart(name, NAME_MAX - kSaveNameExtra));
    for (int attempt = 0; attempt < kSaveAttempts; ++attempt) {
        temporary = nativePath(temporarySaveName(stem));
        const int fd =
            ::openat(folder, temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || (errno != EEXIST && (errno != ENAMETOOLONG || stem.isEmpty()))) return fd;
        if (errno == ENAMETOOLONG) stem.clear();
    }
    return -1;
}

// Replaces name in the folder, or makes it. The target keeps its permissions, and one the user cannot
// write is not replaced, nor is a folder, device, pipe or link of that name.
bool replaceInFolder(int folder, const QByteArray& name, const QByteArray& bytes)
{
    if (name.isEmpty()) return failWith(EISDIR);
    struct stat old {};
    const bool replacing = ::fstatat(folder, name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0;
    // The rename would put a plain file where the system had its own (a save as root over /dev/null).
    if (replacing && !S_ISREG(old.st_mode)) return failWith(S_ISDIR(old.st_mode) ? EISDIR : EEXIST);
    // A rename needs only the folder to be writable: a file the user made read-only is refused here,
    // as writing it in place would be.
    if (replacing && ::faccessat(folder, name.constData(), W_OK, 0) != 0) return false;
    // A replacement is the user's alone while it is written, and then takes the file's permissions.
    QByteArray temporary;
    Descriptor fd(createTemporary(folder, name, replacing ? 0600 : 0666, temporary));
    if (fd.get() < 0) return false;
    const bool written = writeAll(fd.get(), bytes.constData(), bytes.size())
                         && (!replacing || ::fchmod(fd.get(), old.st_mode & 07777) == 0) && ::fsync(fd.get()) == 0
                         && fd.close() && ::renameat(folder, temporary.constData(), folder, name.constData()) == 0;
    if (!written) {
        const int reason = errno; // for the caller to name, not the clean-up's
        ::unlinkat(folder, temporary.constData(), 0);
        return failWith(reason);
    }
    return flushFolder(folder);
}

} // namespace

bool writeFileAtomically(const QString& path, const QByteArray& bytes, LinkRule links)
{
    QByteArray native = nativePath(path);
    if (links == LinkRule::FollowAnywhere) native = fileBehindLinks(native);
    if (native.isEmpty()) return false;
    const Place place = placeOf(native);
    const Descriptor folder(openFolder(place.folder));
    if (folder.get() < 0) return false;
    const std::optional<QByteArray> name = links == LinkRule::StayInFolder ? nameInFolder(folder.get(), place.name)
                                                                           : place.name;
    return name && replaceInFolder(folder.get(), *name, bytes);
}

bool staysInFolder(const QString& path)
{
    const Place place = placeOf(nativePath(path));
    const Descriptor folder(openFolder(place.folder));
    return folder.get() >= 0 && nameInFolder(folder.get(), place.name).has_value();
}

void removeStaleSaves(const QString& folder, const QStringList& names)
{
    if (names.isEmpty()) return;
    const Descriptor dir(openFolder(nativePath(folder)));
    // The folder was just written to: its time is the file system's own now, which is what a
    // temporary's age counts from, also on a share whose server's clock is not this machine's.
    struct stat written {};
    if (::fstat(dir.get(), &written) != 0) return;
    const std::time_t hourAgo = written.st_mtime - kStaleSaveSeconds;
    for (const QString& name : names) {
        if (!isInterruptedSave(name) || name.contains(u'/')) continue;
        const QByteArray native = nativePath(name);
        struct stat info {};
        if (::fstatat(dir.get(), native.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode)
            && info.st_mtime < hourAgo) {
            ::unlinkat(dir.get(), native.constData(), 0);
        }
    }
}

bool makeFolder(const QString& path)
{
    QByteArray native = nativePath(path);
    while (native.size() > 1 && native.endsWith('/')) native.chop(1);
    if (::mkdir(native.constData(), 0777) != 0) return false;
    // The new folder is on disk once its parent is (where the parent may be read, to flush it).
    const Descriptor parent(openFolder(placeOf(native).folder));
    if (parent.get() >= 0) flushFolder(parent.get());
    return true;
}

} // namespace common
