// Writing files whole, making folders and clearing old temporaries, on Windows. A write goes to a
// hidden temporary file of its own beside the target, flushed to the disk (FlushFileBuffers), and
// moved over the target (MoveFileExW), a rename that NTFS writes through its journal. Links are
// Windows' symbolic links (a junction is a folder, which no write replaces); the rule for them is
// every system's (files.h), checked by path, as Windows gives no folder handle to work from.
#include "common/files.h"
#include "common/saves.h"
#include "common/windows_calls.h"

#include <QDateTime>
#include <QFileInfo>

namespace common {
namespace {

constexpr int kMostLinks = 40;
constexpr int kMostNameLength = 255; // UTF-16 units of one name, on NTFS and FAT alike
// A virus scanner, the search indexer or a cloud folder may hold a file for a moment just after it
// is written: the move is tried again for half a second.
constexpr int kMoveAttempts = 10;
constexpr DWORD kMoveWait = 50; // ms

bool failWith(int error)
{
    errno = error;
    return false;
}

// The file a save replaces when links may lead anywhere: the target, or the file its links name.
std::optional<QString> fileBehindLinks(QString target)
{
    for (int hop = 0; hop < kMostLinks; ++hop) {
        const QFileInfo info(target);
        if (!info.isSymbolicLink()) return target;
        target = info.symLinkTarget();
    }
    errno = ELOOP;
    return std::nullopt;
}

// The file a save goes to when links must stay in the folder: the target, or the existing file that
// its links name directly in the same folder (EPERM for any other).
std::optional<QString> fileInFolder(QString target)
{
    const QString folder = QFileInfo(QFileInfo(target).absolutePath()).canonicalFilePath();
    for (int hop = 0; hop < kMostLinks; ++hop) {
        const QFileInfo info(target);
        if (!info.isSymbolicLink()) return target;
        const QFileInfo named(info.symLinkTarget());
        if (!named.exists() || named.isDir() || QFileInfo(named.absolutePath()).canonicalFilePath() != folder) {
            errno = EPERM;
            return std::nullopt;
        }
        target = named.absoluteFilePath();
    }
    errno = ELOOP;
    return std::nullopt;
}

bool writeAll(HANDLE file, const QByteArray& bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        const DWORD chunk = DWORD(std::min<qint64>(bytes.size() - done, 1 << 20));
        if (!WriteFile(file, bytes.constData() + done, chunk, &written, nullptr)) return failedOnWindows();
        if (written == 0) return failWith(EIO);
        done += written;
    }
    return true;
}

// A temporary file beside the target, made for this write alone (CREATE_NEW: nothing that stands at
// the name, a planted link included, is opened).
HANDLE createTemporary(const QString& folder, const QString& name, QString& temporary)
{
    const QString stem = name.left(kMostNameLength - kSaveNameExtra);
    for (int attempt = 0; attempt < kSaveAttempts; ++attempt) {
        temporary = joinPath(folder, temporarySaveName(stem));
        const HANDLE file = CreateFileW(widePath(temporary).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_HIDDEN, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
    }
    return INVALID_HANDLE_VALUE;
}

// The temporary, complete, takes the target's attributes (a hidden character stays hidden) and is
// moved over the target.
bool moveIntoPlace(const QString& temporary, const QString& target, DWORD attributes)
{
    if (!SetFileAttributesW(widePath(temporary).c_str(), attributes)) return failedOnWindows();
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(widePath(temporary).c_str(), widePath(target).c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        const DWORD error = GetLastError();
        const bool held = error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION
                          || error == ERROR_LOCK_VIOLATION;
        if (!held || attempt == kMoveAttempts) return failWith(errnoOf(error));
        Sleep(kMoveWait);
    }
}

bool replaceFile(const QString& target, const QByteArray& bytes)
{
    const QFileInfo info(target);
    const DWORD attributes = GetFileAttributesW(widePath(target).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) return failWith(EISDIR);
        // A file the user made read-only is not replaced, as writing it in place would not be.
        if (attributes & FILE_ATTRIBUTE_READONLY) return failWith(EACCES);
    }
    if (info.fileName().isEmpty()) return failWith(EISDIR);
    QString temporary;
    Handle file(createTemporary(info.absolutePath(), info.fileName(), temporary));
    if (!file.valid()) return failedOnWindows();
    constexpr DWORD kKept = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM
                            | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    const DWORD old = attributes == INVALID_FILE_ATTRIBUTES ? 0 : attributes & kKept;
    const DWORD kept = old == 0 ? FILE_ATTRIBUTE_NORMAL : old;
    const bool written = writeAll(file.get(), bytes) && (FlushFileBuffers(file.get()) || failedOnWindows())
                         && (file.close() || failedOnWindows()) && moveIntoPlace(temporary, target, kept);
    if (!written) {
        const int reason = errno; // for the caller to name, not the clean-up's
        file.close();
        DeleteFileW(widePath(temporary).c_str());
        return failWith(reason);
    }
    return true;
}

} // namespace

bool staysInFolder(const QString& path) { return fileInFolder(QFileInfo(path).absoluteFilePath()).has_value(); }

bool writeFileAtomically(const QString& path, const QByteArray& bytes, LinkRule links)
{
    const QString target = QFileInfo(path).absoluteFilePath();
    const std::optional<QString> file = links == LinkRule::StayInFolder ? fileInFolder(target)
                                                                        : fileBehindLinks(target);
    if (!file) return false;
    if (!isFolder(QFileInfo(*file).absolutePath())) return failWith(whyNoFolderFor(*file));
    return replaceFile(*file, bytes);
}

void removeStaleSaves(const QString& folder, const QStringList& names)
{
    if (names.isEmpty()) return;
    // The folder was just written to: its time is the file system's own now, which a temporary's age
    // counts from, also on a share whose server's clock is not this machine's.
    const QDateTime hourAgo = QFileInfo(folder).lastModified().addSecs(-kStaleSaveSeconds);
    for (const QString& name : names) {
        if (!isInterruptedSave(name) || name.contains(u'/') || name.contains(u'\\')) continue;
        const QFileInfo left(joinPath(folder, name));
        if (left.isFile() && !left.isSymbolicLink() && left.lastModified() < hourAgo) QFile::remove(left.filePath());
    }
}

// NTFS writes a new folder's entry through its journal: Windows has no flush of a folder to ask for.
bool makeFolder(const QString& path)
{
    if (CreateDirectoryW(widePath(path).c_str(), nullptr)) return true;
    return GetLastError() == ERROR_PATH_NOT_FOUND ? failWith(whyNoFolderFor(path)) : failedOnWindows();
}

} // namespace common
