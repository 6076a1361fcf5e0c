// Versions of a character or possession file: what is kept before the program replaces one, and how
// the kept copies are named and thinned. A file's versions lie in the store under the file's name,
// one copy each, named by the UTC time the file was replaced:
//
//   versions/Tessa.QOZ/2026-12-09 09.41.07.QOZ        the bytes the save replaced
//   versions/Tessa.QOZ/2026-12-09 09.41.07.QOZ.from   the folder the file was in (a path file)
//   versions/Tessa.QOZ/2026-12-09 09.41.07-2.QOZ      a second version in the same second
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace versions {

// Every version of the last day is kept, then one a day for 30 days, then one a week; the newest
// kAlwaysKept of a file are never thinned, and past kStoreBytes in all the oldest of the others go.
inline constexpr int kAlwaysKept = 20;
inline constexpr qint64 kStoreBytes = qint64{200} << 20;
inline const QString kSidecarEnding = QStringLiteral(".from");
// Names as the system compares them: Windows takes "tessa.qoz" for "Tessa.QOZ".
#ifdef Q_OS_WIN
inline constexpr Qt::CaseSensitivity kNameCase = Qt::CaseInsensitive;
#else
inline constexpr Qt::CaseSensitivity kNameCase = Qt::CaseSensitive;
#endif

// Whether versions are kept of a file of that name: a character (.QOZ) or a possession (.qoa, .qod,
// .qon), in any case.
bool isVersioned(const QString& fileName);

// When a version was made, and its place among the versions of the same second (1, 2, ...).
struct VersionTime {
    QDateTime replaced; // UTC, whole seconds
    int sequence = 1;
    // Orders versions: later ones have the larger key.
    qint64 key() const { return replaced.toSecsSinceEpoch() * 1000 + sequence; }
};

// "2026-12-09 09.41.07.QOZ", "2026-12-09 09.41.07-2.QOZ": the copy's name, with the file's ending.
QString copyName(const VersionTime& time, const QString& ending);
// The time a copy's name gives, or nothing for a name that is no copy with that ending.
std::optional<VersionTime> timeOfCopy(const QString& name, const QString& ending);

// Which of one file's versions thinning removes, given their times newest first: indexes into them.
QList<qsizetype> thinnedOut(const QList<QDateTime>& newestFirst, const QDateTime& now);

} // namespace versions
