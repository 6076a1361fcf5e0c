// What files and saves are on every system; the system's own calls are in files_*.cpp,
// atomic_write_*.cpp and folder_entries_*.cpp.
#include "common/files.h"

#include "common/saves.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

namespace common {

namespace {
const QString kSaveEnding = QStringLiteral(".charac-saving");
} // namespace

QString temporarySaveName(const QString& name)
{
    static const char kTagLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString tag;
    for (int i = 0; i < 6; ++i) tag += QLatin1Char(kTagLetters[QRandomGenerator::system()->bounded(36)]);
    return u'.' + name + u'.' + tag + kSaveEnding;
}

bool isInterruptedSave(const QString& name) { return name.startsWith(u'.') && name.endsWith(kSaveEnding); }

bool writeSmallFile(const QString& path, const QByteArray& bytes, LinkRule links)
{
    return bytes.size() <= kSmallFileLimit && writeFileAtomically(path, bytes, links);
}

bool makeFolders(const QString& path)
{
    // From the folder up to the first thing that is there: a file there fails the first folder made.
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

QString systemReason() { return QString::fromLocal8Bit(std::strerror(errno)); }

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
