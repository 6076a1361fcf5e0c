// Writing files whole and making folders, each durable once it returns. A write goes to a temporary
// file of its own beside the target, flushed, renamed over the target, and the folder flushed; every
// call works from one descriptor of the folder, so that nothing can be swapped in between.
#include "common/descriptor.h"
#include "common/files.h"
#include "common/native_names.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>

namespace common {
namespace {

const QByteArray kSaveEnding = QByteArrayLiteral(".charac-saving");
constexpr int kMostLinks = 40;                 // as the system follows them
constexpr std::time_t kStaleSeconds = 60 * 60; // no save under way is this old
constexpr int kTagLength = 6;

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

// The file a save replaces when links may lead anywhere: the target itself, or the file a symbolic
// link at the target names, made there when it does not exist yet, as writing through the link would.
// Nothing for a loop.
QByteArray fileBehindLinks(QByteArray target)
{
    for (int hop = 0; hop < kMostLinks; ++hop) {
        char named[PATH_MAX];
        const ssize_t size = ::readlink(target.constData(), named, sizeof named);
        if (size < 0 || size == sizeof named) return target;
        QByteArray next(named, size);
        if (!next.startsWith('/')) next.prepend(placeOf(target).folder);
        target = next;
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
QByteArray nameInFolder(int folder, QByteArray name)
{
    for (int hop = 0; hop < kMostLinks; ++hop) {
        struct stat info {};
        if (::fstatat(folder, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            if (hop == 0) return name; // a new file, or one the write itself will fail on
            errno = EPERM;
            return QByteArray();
        }
        if (!S_ISLNK(info.st_mode)) return name;
        char named[PATH_MAX];
        const ssize_t size = ::readlinkat(folder, name.constData(), named, sizeof named);
        const Place next = placeOf(QByteArray(named, std::max<ssize_t>(size, 0)));
        const bool inFolder = size > 0 && size < ssize_t(sizeof named) && !next.name.isEmpty() && next.name != "."
                              && next.name != ".." && (next.folder.isEmpty() || isSameFolder(folder, next.folder));
        if (!inFolder) {
            errno = EPERM;
            return QByteArray();
        }
        name = next.name;
    }
    errno = ELOOP;
    return QByteArray();
}

// The mode of a new file: what the user's umask leaves of 0666, as a plain create would give.
mode_t newFileMode()
{
    static const mode_t mask = [] {
        const mode_t old = ::umask(0);
        ::umask(old);
        return old;
    }();
    return 0666 & ~mask;
}

// A temporary file for a write of name, under a name made for this write alone and created only if
// nothing stands there (O_EXCL, no link followed): no file or link planted at any name, nor another
// copy of the program writing the same name, can receive the bytes. Hidden, with an ending no list
// shows; a name near the system's limit is cut short to make room.
int createTemporary(int folder, const QByteArray& name, QByteArray& temporary)
{
    static const char kTagLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    const QByteArray stem =
        name.first(std::min<qsizetype>(name.size(), NAME_MAX - 2 - kTagLength - kSaveEnding.size()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray tag(kTagLength, Qt::Uninitialized);
        for (char& letter : tag) letter = kTagLetters[QRandomGenerator::system()->bounded(int(sizeof kTagLetters) - 1)];
        temporary = '.' + stem + '.' + tag + kSaveEnding;
        const int fd =
            ::openat(folder, temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) return fd;
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
    QByteArray temporary;
    Descriptor fd(createTemporary(folder, name, temporary));
    if (fd.get() < 0) return false;
    const mode_t mode = replacing ? old.st_mode & 07777 : newFileMode();
    const bool written = writeAll(fd.get(), bytes.constData(), bytes.size()) && ::fchmod(fd.get(), mode) == 0
                         && ::fsync(fd.get()) == 0 && fd.close()
                         && ::renameat(folder, temporary.constData(), folder, name.constData()) == 0;
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
    const QByteArray name = links == LinkRule::StayInFolder ? nameInFolder(folder.get(), place.name) : place.name;
    return !(links == LinkRule::StayInFolder && name.isEmpty()) && replaceInFolder(folder.get(), name, bytes);
}

bool writeSmallFile(const QString& path, const QByteArray& bytes, LinkRule links)
{
    return bytes.size() <= kSmallFileLimit && writeFileAtomically(path, bytes, links);
}

bool isInterruptedSave(const QString& name)
{
    return name.startsWith(u'.') && name.endsWith(QLatin1String(kSaveEnding));
}

void removeStaleSaves(const QString& folder, const QStringList& names)
{
    if (names.isEmpty()) return;
    const Descriptor dir(openFolder(nativePath(folder)));
    const std::time_t hourAgo = std::time(nullptr) - kStaleSeconds;
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
    // The new folder is on disk once its parent is.
    const Descriptor parent(openFolder(placeOf(native).folder));
    if (parent.get() >= 0) flushFolder(parent.get());
    return true;
}

bool makeFolders(const QString& path)
{
    // From the folder up to the first thing that is there: a file there fails the first mkdir.
    const auto there = [](const QString& folder) {
        const PathKind kind = inspectPath(folder).kind;
        return kind != PathKind::Missing && kind != PathKind::Unreachable;
    };
    QStringList missing;
    for (QString folder = QDir::cleanPath(path); !there(folder); folder = QFileInfo(folder).path()) {
        missing.prepend(folder);
        if (QFileInfo(folder).path() == folder) break;
    }
    for (const QString& folder : std::as_const(missing)) {
        if (!makeFolder(folder)) return false;
    }
    return true;
}

} // namespace common
