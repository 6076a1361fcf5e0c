// What files and saves are on every system; the system's own calls are in files_*.cpp,
// atomic_write_*.cpp and folder_entries_*.cpp.
#include "common/files.h"

#include "common/saves.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

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

#ifdef Q_OS_WIN
namespace {
// What Windows does not keep in a name: a trailing dot or blank is dropped (Tessa. would save as
// Tessa), and CON, PRN, AUX, NUL, COM1..9 and LPT1..9 name devices, with any extension.
bool isWindowsNameTrouble(const QString& name)
{
    static const QStringList kDevices{u"CON"_s, u"PRN"_s, u"AUX"_s, u"NUL"_s};
    const QString stem = name.section(u'.', 0, 0).trimmed();
    const bool device =
        kDevices.contains(stem, Qt::CaseInsensitive)
        || (stem.size() == 4
            && (stem.startsWith(u"COM"_s, Qt::CaseInsensitive) || stem.startsWith(u"LPT"_s, Qt::CaseInsensitive))
            && stem[3] >= u'1' && stem[3] <= u'9');
    return device || name.endsWith(u'.') || name.endsWith(u' ');
}
} // namespace
#endif

bool isValidFileName(const QString& name)
{
    if (name.isEmpty() || name == u"." || name == u"..") return false;
#ifdef Q_OS_WIN
    const QString refused = QStringLiteral("/\\:<>\"|?*");
    if (isWindowsNameTrouble(name)) return false;
#else
    const QString refused = QStringLiteral("/");
#endif
    for (const QChar c : name) {
        if (refused.contains(c) || c.isNull() || (refused.size() > 1 && c.unicode() < 0x20)) return false;
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
