// Data flow: a save reads the file it is about to replace and, when the bytes differ, writes them as
// a copy and a path file beside it into the file's shelf (the folder of its name in the store);
// listing reads a shelf's names and path files; thinning removes copies and their path files.
#include "versions/version_store.h"

#include "common/files.h"
#include "common/folder_entries.h"
#include "common/native_names.h"
#include "shell/paths.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace versions {

namespace {

// The folder a file is in, as path files hold folders: native, with a closing separator.
QString folderOf(const QString& path)
{
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    return folder.endsWith(QDir::separator()) ? folder : folder + QDir::separator();
}

bool sameFolder(const QString& a, const QString& b)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(a))
               .compare(QDir::cleanPath(QDir::fromNativeSeparators(b)), kNameCase)
           == 0;
}

bool isLink(const QString& path) { return QFileInfo(path).isSymLink(); }

// The ending of a file's name, as written: ".QOZ" of "Tessa.QOZ".
QString endingOf(const QString& fileName) { return fileName.mid(fileName.lastIndexOf(u'.')); }

// The versions on one shelf, of every folder, each with the folder its path file names.
struct Shelved {
    Version version;
    QString folder;
};
QList<Shelved> readShelf(const QString& shelf, const QString& fileName)
{
    const QString ending = endingOf(fileName);
    const QStringList files = common::readFolder(shelf).files;
    const QSet<QString> names(files.begin(), files.end());
    QList<Shelved> shelved;
    for (const QString& name : files) {
        const std::optional<VersionTime> time = timeOfCopy(name, ending);
        if (!time || !names.contains(name + kSidecarEnding)) continue;
        const QString copy = common::joinPath(shelf, name);
        const auto sidecar = common::readWholeFile(copy + kSidecarEnding, common::kSmallFileLimit);
        const std::optional<QString> folder = sidecar ? shell::readPathFile(*sidecar) : std::nullopt;
        if (folder) shelved.append({{*time, copy, common::inspectPath(copy).size}, *folder});
    }
    std::sort(shelved.begin(), shelved.end(),
              [](const Shelved& a, const Shelved& b) { return a.version.time.key() > b.version.time.key(); });
    return shelved;
}

// Whether anything on the shelf may be thinned: more versions than always stay, one of them older
// than a day. Told from the names alone, so that a save among many recent versions reads no more.
bool mayBeThinned(const QString& shelf, const QString& ending, const QDateTime& now)
{
    int copies = 0;
    bool old = false;
    for (const QString& name : common::readFolder(shelf).files) {
        const std::optional<VersionTime> time = timeOfCopy(name, ending);
        if (!time) continue;
        ++copies;
        old = old || time->replaced.secsTo(now) >= 24 * 60 * 60;
    }
    return old && copies > kAlwaysKept;
}

} // namespace

Store::Store(const QString& programFolder)
    : root_(programFolder.isEmpty() ? QString() : common::joinPath(programFolder, QStringLiteral("versions")))
{
}

QString Store::shelfOf(const QString& path) const { return common::joinPath(root_, QFileInfo(path).fileName()); }

bool Store::save(const QString& path, const QByteArray& bytes, const QDateTime& now) const
{
    const bool kept = keepReplaced(path, bytes, now);
    if (!common::writeSmallFile(path, bytes, common::LinkRule::StayInFolder)) return false;
    if (kept) thin(path, now); // what a save that keeps nothing leaves needs no thinning
    return true;
}

bool Store::keepReplaced(const QString& path, const QByteArray& bytes, const QDateTime& now) const
{
    if (root_.isEmpty() || !isVersioned(QFileInfo(path).fileName())) return false;
    // What a link leads to is not this file's to keep: a link out of the folder the save refuses,
    // and one to another file of the folder would file that file's versions under this name.
    if (isLink(path) || common::inspectPath(path).kind == common::PathKind::Missing) return false;
    const std::optional<QByteArray> old = common::readWholeFile(path, common::kSmallFileLimit);
    if (old && *old == bytes) return false;
    if (old && keep(path, *old, now)) return true;
    std::fprintf(stderr, "charac: no earlier version of %s is kept: %s\n",
                 common::nativePath(QDir::toNativeSeparators(path)).constData(), qPrintable(common::systemReason()));
    return false;
}

bool Store::keep(const QString& path, const QByteArray& old, const QDateTime& now) const
{
    const QString shelf = shelfOf(path);
    // The store is the program's own: a link planted in it does not steer where versions go.
    errno = EPERM;
    if (isLink(root_) || isLink(shelf)) return false;
    if (!common::isFolder(shelf) && !common::makeFolders(shelf)) return false;
    const QString ending = endingOf(QFileInfo(path).fileName());
    VersionTime time{QDateTime::fromSecsSinceEpoch(now.toSecsSinceEpoch(), Qt::UTC), 1};
    const common::FolderEntries taken = common::readFolder(shelf);
    while (taken.files.contains(copyName(time, ending), kNameCase)) ++time.sequence;
    const QString copy = common::joinPath(shelf, copyName(time, ending));
    const QByteArray from = shell::pathFileBytes(folderOf(path));
    if (!common::writeFileAtomically(copy, old, common::LinkRule::StayInFolder)
        || !common::writeFileAtomically(copy + kSidecarEnding, from, common::LinkRule::StayInFolder)) {
        return false;
    }
    if (stored_) *stored_ += old.size() + from.size();
    return true;
}

QList<Version> Store::versionsOf(const QString& path) const
{
    QList<Version> versions;
    if (root_.isEmpty()) return versions;
    const QString folder = folderOf(path);
    for (const Shelved& shelved : readShelf(shelfOf(path), QFileInfo(path).fileName())) {
        if (sameFolder(shelved.folder, folder)) versions.append(shelved.version);
    }
    return versions;
}

void Store::thin(const QString& path, const QDateTime& now) const
{
    if (mayBeThinned(shelfOf(path), endingOf(QFileInfo(path).fileName()), now)) {
        const QList<Version> versions = versionsOf(path);
        QList<QDateTime> times;
        for (const Version& version : versions) times.append(version.time.replaced);
        for (const qsizetype out : thinnedOut(times, now)) removeVersion(versions[out]);
    }
    keepWithinBound();
}

void Store::removeVersion(const Version& version) const
{
    const QString sidecar = version.copy + kSidecarEnding;
    const qint64 size = version.size + common::inspectPath(sidecar).size;
    if (!common::removeFile(sidecar)) return; // no longer a version from here on
    common::removeFile(version.copy);
    if (stored_) *stored_ -= size;
}

qint64 Store::countStored() const
{
    qint64 total = 0;
    for (const QString& shelf : common::readFolder(root_).folders) {
        const QString folder = common::joinPath(root_, shelf);
        for (const QString& name : common::readFolder(folder).files) {
            total += common::inspectPath(common::joinPath(folder, name)).size;
        }
    }
    return total;
}

void Store::keepWithinBound() const
{
    // The store is counted once, from the sizes alone, and kept count of as versions come and go;
    // the path files are read only when there is too much.
    if (!stored_) stored_ = countStored();
    if (*stored_ <= kStoreBytes) return;
    stored_ = countStored(); // before anything goes: another run of the program may have changed it
    if (*stored_ <= kStoreBytes) return;
    const QStringList shelves = common::readFolder(root_).folders;
    QList<Version> removable;
    for (const QString& shelf : shelves) {
        QHash<QString, int> seen; // versions of each folder met so far, newest first
        for (const Shelved& shelved : readShelf(common::joinPath(root_, shelf), shelf)) {
            if (++seen[QDir::cleanPath(shelved.folder)] > kAlwaysKept) removable.append(shelved.version);
        }
    }
    std::sort(removable.begin(), removable.end(),
              [](const Version& a, const Version& b) { return a.time.key() < b.time.key(); });
    for (const Version& version : removable) {
        if (*stored_ <= kStoreBytes) break;
        removeVersion(version);
    }
}

} // namespace versions
