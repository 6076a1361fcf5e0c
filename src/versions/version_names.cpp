#include "versions/version_names.h"

#include <QRegularExpression>

#include <utility>

namespace versions {

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH.mm.ss");
constexpr qint64 kDay = 24 * 60 * 60;
constexpr qint64 kDailyFor = 30 * kDay; // after the first day
constexpr qint64 kWeek = 7 * kDay;

// Which period of thinning a version falls in: in its first day one of its own, then the calendar
// day it was made on, then its calendar week. The periods are fixed in time, so that the version
// kept for a day or a week stays kept as it ages; a newer one never takes its place.
std::pair<int, qint64> periodOf(const QDateTime& replaced, const QDateTime& now, qsizetype index)
{
    const qint64 age = replaced.secsTo(now);
    if (age < kDay) return {0, index};
    if (age < kDay + kDailyFor) return {1, replaced.toSecsSinceEpoch() / kDay};
    return {2, replaced.toSecsSinceEpoch() / kWeek};
}

} // namespace

bool isVersioned(const QString& fileName)
{
    for (const char* ending : {".qoz", ".qoa", ".qod", ".qon"}) {
        if (fileName.endsWith(QLatin1StringView(ending), Qt::CaseInsensitive)) return true;
    }
    return false;
}

QString copyName(const VersionTime& time, const QString& ending)
{
    const QString stamp = time.replaced.toUTC().toString(kTimeFormat);
    return time.sequence > 1 ? stamp + u'-' + QString::number(time.sequence) + ending : stamp + ending;
}

std::optional<VersionTime> timeOfCopy(const QString& name, const QString& ending)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{4})-(\\d\\d)-(\\d\\d) (\\d\\d)\\.(\\d\\d)\\.(\\d\\d)(?:-(\\d{1,4}))?$"));
    if (!name.endsWith(ending, kNameCase)) return std::nullopt;
    const QRegularExpressionMatch match = pattern.match(name.chopped(ending.size()));
    if (!match.hasMatch()) return std::nullopt;
    // Read part by part: a store holds thousands of names, and the general date parser is slow.
    const auto part = [&](int n) { return match.capturedView(n).toInt(); };
    const QDate date(part(1), part(2), part(3));
    const QTime time(part(4), part(5), part(6));
    const int sequence = match.capturedView(7).isEmpty() ? 1 : part(7);
    if (!date.isValid() || !time.isValid() || (sequence < 2 && !match.capturedView(7).isEmpty())) return std::nullopt;
    return VersionTime{QDateTime(date, time, Qt::UTC), sequence};
}

QList<qsizetype> thinnedOut(const QList<QDateTime>& newestFirst, const QDateTime& now)
{
    // Of the versions in one period the newest stays.
    QList<qsizetype> out;
    std::pair<int, qint64> newer{-1, 0};
    for (qsizetype i = 0; i < newestFirst.size(); ++i) {
        const std::pair<int, qint64> period = periodOf(newestFirst[i], now, i);
        if (i >= kAlwaysKept && period == newer) out.append(i);
        newer = period;
    }
    return out;
}

} // namespace versions
