#include "versions/version_changes.h"

#include "charfile/character_file.h"
#include "common/file_text.h"
#include "common/numbers.h"

#include <QRegularExpression>
#include <QStringList>

#include <array>

namespace versions {

namespace {

const QString kArrow = QStringLiteral(" \u2192 ");
constexpr qsizetype kLongestShown = 40; // characters of a changed text shown

// The names the sheet gives the character file's slots; an ability row goes by its name in the
// file now.
QString rowName(const sheet::Character& now, int row)
{
    const QString name = now.CharText[sheet::slot::rowName(row)].simplified();
    return name.isEmpty() ? QStringLiteral("ability row %1").arg(row) : name;
}

QString textSlotName(int slot, const sheet::Character& now)
{
    static const std::array<const char*, 6> kNamed = {"", "race", "condition", "name", "sex", "kind"};
    if (slot < int(kNamed.size())) return QString::fromLatin1(kNamed[std::size_t(slot)]);
    if (slot == int(sheet::slot::text::Row0Name)) return QStringLiteral("ability row 0");
    if (slot == int(sheet::slot::text::Row0Value)) return rowName(now, 0);
    if (slot == int(sheet::slot::text::Health)) return QStringLiteral("Health");
    if (slot <= sheet::slot::kRowOffset + 7)
        return QStringLiteral("ability row %1").arg(slot - sheet::slot::kRowOffset);
    return QStringLiteral("field %1").arg(slot);
}

QString valueSlotName(int slot, const sheet::Character& now)
{
    const auto& names = sheet::slot::kAttributeNames;
    if (slot < int(names.size())) return QString::fromLatin1(names[std::size_t(slot)]);
    if (slot <= sheet::slot::kRowOffset + 7) return rowName(now, slot - sheet::slot::kRowOffset);
    return QStringLiteral("field %1").arg(slot);
}

// A text as a list shows it: one line, cut; isolated when it runs right to left, so that the arrow
// after it still points from the version to the file now.
QString shown(const QString& text)
{
    QString line = text.simplified();
    if (line.size() > kLongestShown) line = line.first(kLongestShown - 1) + QChar(0x2026);
    return line.isRightToLeft() ? QChar(0x2068) + line + QChar(0x2069) : line;
}

} // namespace

QString characterChanges(const QByteArray& version, const QByteArray& now)
{
    sheet::Character was;
    sheet::Character is;
    if (!charfile::readCharacterFile(version, was) || !charfile::readCharacterFile(now, is)) {
        return QStringLiteral("cannot be read");
    }
    QStringList changes;
    for (int slot = 0; slot < sheet::kSlotCount; ++slot) {
        if (was.CharText.numbered(slot) != is.CharText.numbered(slot)) {
            changes << textSlotName(slot, is) + u' ' + shown(was.CharText.numbered(slot)) + kArrow
                           + shown(is.CharText.numbered(slot));
        }
        if (was.CharValue.numbered(slot) != is.CharValue.numbered(slot)) {
            changes << valueSlotName(slot, is) + u' ' + common::FormatInteger(was.CharValue.numbered(slot)) + kArrow
                           + common::FormatInteger(is.CharValue.numbered(slot));
        }
    }
    return changes.isEmpty() ? QStringLiteral("no change") : changes.join(QStringLiteral(", "));
}

QString possessionChanges(const QByteArray& version, const QByteArray& now)
{
    if (version == now) return QStringLiteral("no change");
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    const QStringList was = common::decodeFileText(version).split(lineEnd);
    const QStringList is = common::decodeFileText(now).split(lineEnd);
    for (qsizetype line = 0; line < std::max(was.size(), is.size()); ++line) {
        const QString before = was.value(line);
        const QString after = is.value(line);
        if (before != after)
            return QStringLiteral("line %1: %2").arg(line + 1).arg(shown(before) + kArrow + shown(after));
    }
    return QStringLiteral("only the line ends");
}

} // namespace versions
