// Whole-file reads and writes. Every file the program writes is replaced whole or not at all, so a
// failed or interrupted save never leaves a half-written file or destroys the earlier one. Paths are
// texts as common/native_names.h makes them, so names in any encoding open.
#pragma once

#include <QByteArray>
#include <QString>

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

// Writes a temporary file beside the target and renames it over the target once it is complete
// and on disk, then flushes the folder so that the rename survives a power cut. The target keeps its
// permissions, and one the user cannot write is not replaced, nor is a folder, device or pipe; a
// symbolic link is followed to the file it names. On failure errno tells why.
bool writeFileAtomically(const QString& path, const QByteArray& bytes);

// A character, possession or path file, written atomically. One bigger than such a file may be
// (kSmallFileLimit) is refused and nothing is written: the program never writes a file it would not
// read back.
bool writeSmallFile(const QString& path, const QByteArray& bytes);

// The temporary file of a save of the file name: hidden, and with an ending no file list matches.
// Each file has one, so a save that was killed leaves at most one, which its next save replaces.
QString interruptedSaveName(const QString& name);
bool isInterruptedSave(const QString& name);

// The system's words for why the last call failed (errno), to name in a message.
QString systemReason();

bool isFolder(const QString& path);
bool makeFolder(const QString& path);

// A file or folder name built from typed text: refused when it is empty, "." or "..", or holds a path
// separator (so that it would leave the folder or name no file).
bool isValidFileName(const QString& name);

// Joins a folder and a name with the platform's separator.
QString joinPath(const QString& folder, const QString& name);

} // namespace common
