#include "versions/version_names.h"

#include <QRegularExpression>

namespace versions {

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH.mm.ss");
constexpr qint64 kDay = 24 * 60 * 60;
constexpr qint64 kDailyFor = 30 * kDay; // after the first day
constexpr qint64 kWeek = 7 * kDay;

// Which period of thinning a version of that age falls in: every version its own in the first
// day, then one period a day, then one a week.
qint64 periodOf(qint64 ageSeconds, qsizetype index)
{
    if (ageSeconds < kDay) return -1 - index;
    if (ageSeconds < kDay + kDailyFor) return ageSeconds / kDay;
    return (kDay + kDailyFor) / kDay + (ageSeconds - kDay - kDailyFor) / kWeek + 1;
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
    if (!name.endsWith(ending)) return std::nullopt;
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
    qint64 lastPeriod = 0;
    for (qsizetype i = 0; i < newestFirst.size(); ++i) {
        const qint64 period = periodOf(newestFirst[i].secsTo(now), i);
        if (i >= kAlwaysKept && i > 0 && period == lastPeriod) out.append(i);
        lastPeriod = period;
    }
    return out;
}

} // namespace versions
