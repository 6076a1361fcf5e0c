// Whole-file reads and writes, and new folders. Every file the program writes is replaced whole or not
// at all, so a failed or interrupted save never leaves a half-written file or destroys the earlier
// one, and what a write or a new folder made survives a power cut once the call returns. Paths are
// texts as common/native_names.h makes them, so names in any encoding open. Each system's calls are
// in files_*.cpp (reading), atomic_write_*.cpp (writing) and folder_entries_*.cpp.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace common {

// The largest files read whole. A character, possession or path file is a few hundred bytes, and
// a catalogue of every ability and item ever written stays far below its bound; anything bigger is
// not such a file, and reading it would tie the window up for seconds and gigabytes.
inline constexpr qint64 kSmallFileLimit = qint64{1} << 20;      // character, possession and path files
inline constexpr qint64 kCatalogueFileLimit = qint64{64} << 20; // catalogues

// The bytes of a regular file of at most maxBytes bytes; nothing for a missing, unreadable or bigger
// file, a folder, or a device or pipe (which could block the program or never end).
std::optional<QByteArray> readWholeFile(const QString& path, qint64 maxBytes);

// What a path names, as a reader asks before it reads: nothing, a folder, a plain file, or something
// else (a device, a pipe, a socket). Unreachable when the system cannot tell; errno then says why.
enum class PathKind { Missing, Unreachable, Folder, File, Other };
struct PathFacts {
    PathKind kind = PathKind::Missing;
    qint64 size = 0;
    bool readable = false; // whether this user may read it
};
PathFacts inspectPath(const QString& path);

// The first bytes of a plain file, at most count of them; nothing when it cannot be opened and read.
std::optional<QByteArray> readFileStart(const QString& path, qint64 count);

// Where a symbolic link at the name being written may lead the write.
enum class LinkRule {
    // Wherever it leads; a dangling link makes the file it names. For files the user names by hand:
    // the program's own path files, a PDF named on the command line.
    FollowAnywhere,
    // Only to another file directly in the same folder. Characters and possessions travel between
    // players in folders, and a link planted in one must not steer a save elsewhere: a link out of
    // the folder, or to nothing, refuses the write with EPERM and nothing is written anywhere.
    StayInFolder,
};

// Whether a file is its folder's own to read, as StayInFolder has it: no link, or links that lead
// only to a file directly in the same folder (or to nothing). A file read from a folder another
// player sent must not bring another file of this machine along.
bool staysInFolder(const QString& path);

// Writes a temporary file of its own beside the target and renames it over the target once it is
// complete and on disk, then flushes the folder so that the rename survives a power cut (a folder the
// user may write to but not read cannot be flushed: there the rename is on disk when the system
// writes it out). The target
// keeps its permissions (a new file gets what the umask leaves of 0666), and one the user cannot write
// is not replaced, nor is a folder, device or pipe. On failure errno tells why.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, LinkRule links = LinkRule::FollowAnywhere);

// A character, possession or path file, written atomically. One bigger than such a file may be
// (kSmallFileLimit) is refused and nothing is written: the program never writes a file it would not
// read back.
bool writeSmallFile(const QString& path, const QByteArray& bytes, LinkRule links = LinkRule::FollowAnywhere);

// The temporary file of a write: hidden, with an ending no file list matches. A save that was killed
// leaves one behind; a save's refresh finds it in its listing, and removeStaleSaves() takes it away
// once it is an hour old, when no save can still be writing it.
bool isInterruptedSave(const QString& name);
void removeStaleSaves(const QString& folder, const QStringList& names);

// The system's words for why the last call failed (errno), to name in a message.
QString systemReason();

bool isFolder(const QString& path);
// Removes a file (or the link at path); false, with errno, when there is none or it cannot go.
bool removeFile(const QString& path);
// Moves a file to another name in the same folder, replacing a file there in one step.
bool renameFile(const QString& from, const QString& to);
// Whether this user may make and replace files in the folder.
bool canWriteInto(const QString& folder);
// A new folder, on disk once this returns: its parent is flushed after it (where it may be read).
// False, with errno, when it cannot be made (it is there already, or a folder on the way is not).
bool makeFolder(const QString& path);
// The folder and every missing folder above it, each made as makeFolder makes one.
bool makeFolders(const QString& path);

// A file or folder name built from typed text: refused when it is empty, "." or "..", or holds a path
// separator (so that it would leave the folder or name no file). On Windows also a name Windows
// would not keep as typed: one with a character it refuses (: < > " | ? * or a control character),
// one ending in a dot or blank, or a device's name (CON, NUL.QOZ, COM1 ...).
bool isValidFileName(const QString& name);

// Joins a folder and a name with the platform's separator.
QString joinPath(const QString& folder, const QString& name);

} // namespace common
