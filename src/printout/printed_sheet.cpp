#include "printout/printed_sheet.h"

#include "common/file_text.h"
#include "common/files.h"
#include "common/folder_entries.h"
#include "common/native_names.h"
#include "possessions/possession_file.h"
#include "reference/reference_tables.h"
#include "sheet/sheet_captions.h"

#include <QLocale>

#include <algorithm>

namespace printout {

namespace {

const QString kUnreadable = QStringLiteral("(cannot be read)");
const QString kJoin = QStringLiteral(" \u00b7 "); // a middle dot between an item's further lines

// The possession kinds by ending, in the order the sheet prints them.
struct Group {
    const char* ending;
    const char* heading;
    possessions::ListKind list;
};
constexpr std::array<Group, 3> kGroups = {{{".qoa", "Abilities", possessions::ListKind::Abilities},
                                           {".qod", "Items", possessions::ListKind::Items},
                                           {".qon", "Notes", possessions::ListKind::Notes}}};

const Group* groupOf(const QString& fileName)
{
    for (const Group& group : kGroups) {
        if (fileName.endsWith(QLatin1String(group.ending), Qt::CaseInsensitive)) return &group;
    }
    return nullptr;
}

QString withoutEnding(const QString& fileName) { return fileName.chopped(4); }

// The word of a catalogue category letter ("w" is "Weapon"), as the catalogue's legend has it; none for
// any other line. Compared exactly, as putting an item to use compares it.
std::optional<QString> categoryWord(const QString& line)
{
    if (line.size() != 1) return std::nullopt;
    for (const QString& word : reference::categoryLegend().split(QLatin1Char('\r'), Qt::SkipEmptyParts)) {
        if (word.front().toLower() == line.front()) return word;
    }
    return std::nullopt;
}

// A text's lines, whichever line end it has: CR LF, a lone LF or a lone CR (as a caption keeps
// the helm and shield apart).
QStringList linesOf(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    return text.split(u'\n');
}

// A caption's lines as the sheet shows them, the blank ones at either end left out: the defense
// row's helm and shield, of which either may be missing.
QString printedCaption(const QString& caption)
{
    QStringList lines = linesOf(caption);
    while (lines.size() > 1 && lines.front().trimmed().isEmpty()) lines.removeFirst();
    while (lines.size() > 1 && lines.back().trimmed().isEmpty()) lines.removeLast();
    return lines.join(QLatin1Char('\n'));
}

// The line the amount is read from, after the name: the last number, beside which the amount
// buttons sit, or a "0" after it, which the buttons leave on the last line once an item is used up.
int amountLineOf(const QStringList& lines, int nameLine, int buttonRow)
{
    for (int i = int(lines.size()) - 1; i > std::max(nameLine, buttonRow); --i) {
        if (lines[i].trimmed() == u'0') return i;
    }
    return buttonRow > nameLine ? buttonRow : -1;
}

// An ability or item: the category word of its first line when that is a catalogue letter, its
// name (the next line, or the file's name when that is blank), its amount, and every other line that
// holds something.
Block possessionRow(const QString& fileName, const possessions::PossessionView& view)
{
    const QStringList lines(view.lines.begin(), view.lines.begin() + view.shownLines);
    const std::optional<QString> kind = lines.isEmpty() ? std::nullopt : categoryWord(lines.front());
    const int nameLine = kind ? 1 : 0;
    const int amountLine = amountLineOf(lines, nameLine, view.buttonRow);
    QString name = nameLine < lines.size() ? lines[nameLine].trimmed() : QString();
    if (name.isEmpty()) name = withoutEnding(fileName);
    QStringList others;
    for (int i = nameLine + 1; i < lines.size(); ++i) {
        if (i != amountLine && !lines[i].trimmed().isEmpty()) others.append(lines[i].trimmed());
    }
    const QString amount = amountLine >= 0 ? lines[amountLine].trimmed() : QString();
    return {BlockKind::Possession, {kind.value_or(QString()), name, amount, others.join(kJoin)}};
}

// A field's text as the field rule reads it: the blanks and tabs before it skipped, nothing else.
QStringView withoutLeadingBlanks(QStringView line)
{
    while (!line.isEmpty() && (line.front() == u' ' || line.front() == u'\t')) line = line.mid(1);
    return line;
}

// A note: its name, then its whole text, line by line as written, up to the end line. Unlike the
// viewer's seven boxes, nothing is cut: no line split at a comma, none left out after the seventh.
// A marker line is not text, as the viewer does not show it.
Block noteRow(const QString& fileName, const QByteArray& bytes)
{
    QStringList cells{withoutEnding(fileName)};
    for (const QString& line : linesOf(common::decodeFileText(bytes))) {
        const QStringView start = withoutLeadingBlanks(line).left(1);
        if (start == u'_') break;
        if (start != u'^') cells.append(line);
    }
    while (cells.size() > 1 && cells.back().trimmed().isEmpty()) cells.removeLast();
    return {BlockKind::Note, cells};
}

Block fileRow(const FolderFile& file, const Group& group)
{
    const QString name = common::displayName(file.name); // as the lists show it, one line
    if (!file.bytes) {
        if (group.list == possessions::ListKind::Notes) return {BlockKind::Note, {name, kUnreadable}};
        return {BlockKind::Possession, {QString(), name, QString(), kUnreadable}};
    }
    if (group.list == possessions::ListKind::Notes) return noteRow(name, *file.bytes);
    // What the viewer would show of it, with none of a view's effects on the sheet.
    return possessionRow(name, possessions::viewPossession(*file.bytes, group.list, file.name, {}));
}

void addSheet(std::vector<Block>& blocks, const ShownSheet& sheet)
{
    blocks.push_back({BlockKind::Name, {sheet.name}});
    blocks.push_back({BlockKind::Line, {sheet.race}});
    blocks.push_back({BlockKind::Line, {sheet.words}});
    // The seven attributes in their order, then Spell Essence, which the sheet shows above them.
    for (const int label : {1, 2, 3, 4, 5, 6, 7, 0}) {
        const QString name = QString::fromLatin1(sheet::slot::kAttributeNames[std::size_t(label)]);
        blocks.push_back({BlockKind::Attribute, {name, sheet.attributes[std::size_t(label)]}, label});
    }
    const QString health = sheet.attributes[kHealthLabel] + QStringLiteral(" of ") + sheet.attributes[kPowerLabel];
    blocks.push_back({BlockKind::Health, {QStringLiteral("Health"), health, sheet.condition}});
    for (int row = 0; row < sheet::kAbilityRows; ++row) {
        blocks.push_back(
            {BlockKind::Ability,
             {printedCaption(sheet.abilityNames[std::size_t(row)]), sheet.abilityValues[std::size_t(row)]}});
    }
}

} // namespace

ShownSheet shownSheet(const sheet::Character& character)
{
    const sheet::SheetCaptions captions = sheet::sheetCaptions(character);
    ShownSheet shown{
        captions.name, captions.race, captions.detail, {}, {}, {}, character.CharText[sheet::slot::text::Condition]};
    shown.attributes = captions.attributes;
    shown.attributes[0] = QStringLiteral("00"); // the label's own caption: nothing in a file sets it
    shown.abilityNames = captions.abilityNames;
    shown.abilityValues = captions.abilityValues;
    shown.abilityNames[0] = captions.row0Name;
    shown.abilityValues[0] = captions.row0Value;
    return shown;
}

FolderFiles possessionFiles(const QString& folder)
{
    const common::FolderEntries entries = common::readFolder(folder);
    if (!entries.listed) return {{}, false};
    std::vector<FolderFile> files;
    for (const QString& name : entries.files) {
        if (!groupOf(name)) continue;
        const QString path = common::joinPath(folder, name);
        // A link out of the folder is not read: the folder may come from another player.
        files.push_back(
            {name, common::staysInFolder(path) ? common::readWholeFile(path, common::kSmallFileLimit) : std::nullopt});
    }
    return {files};
}

std::vector<Block> sheetBlocks(const ShownSheet& sheet, FolderFiles folder)
{
    std::vector<Block> blocks;
    addSheet(blocks, sheet);
    if (!folder.listed) blocks.push_back({BlockKind::Line, {QStringLiteral("(the character folder cannot be read)")}});
    std::vector<FolderFile>& files = folder.files;
    std::sort(files.begin(), files.end(), [](const FolderFile& a, const FolderFile& b) {
        const int order = a.name.compare(b.name, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    for (const Group& group : kGroups) {
        bool headed = false;
        for (const FolderFile& file : files) {
            if (groupOf(file.name) != &group) continue;
            if (!headed) blocks.push_back({BlockKind::Heading, {QString::fromLatin1(group.heading)}});
            headed = true;
            blocks.push_back(fileRow(file, group));
        }
    }
    return blocks;
}

QString footerLine(const QString& fileName, QDate printed, int page, int pages)
{
    const QString file = fileName.isEmpty() ? QStringLiteral("(not saved)") : common::displayName(fileName);
    return QStringLiteral("Charac " CHARAC_VERSION " \u00b7 %1 \u00b7 printed %2 \u00b7 page %3 of %4")
        .arg(file, QLocale::c().toString(printed, QStringLiteral("d MMM yyyy")), QString::number(page),
             QString::number(pages)); // in one pass: a "%3" in a file's name stays as it is
}

} // namespace printout
