// The character sheet as it goes on paper. What the sheet shows, and everything the character keeps
// in its folder, become a list of blocks: the name, the lines under it, the attributes, the health,
// the ability rows, and the possessions under their headings. A painter sets the blocks on pages;
// nothing here knows a page, a font or a colour.
//
// Data flow: the window hands in what its labels show (or shownSheet() of a record read from a file)
// and the files of the character's folder (possessionFiles()); sheetBlocks() returns the blocks in
// the order they are printed; footerLine() words each page's footer.
#pragma once

#include "sheet/character.h"
#include "sheet/sheet_captions.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace printout {

inline constexpr int kHealthLabel = 8; // of the sheet's attribute labels: 0 Spell Essence, 1..7, 8 Health
inline constexpr int kPowerLabel = 7;

// What the sheet's labels show, each as it stands.
struct ShownSheet {
    QString name;                                            // the name label
    QString race;                                            // the race label
    QString words;                                           // sex, kind and condition word, as one line
    std::array<QString, sheet::kAttributeLabels> attributes; // 0 Spell Essence, 1..7 Wisdom..Power, 8 Health
    std::array<QString, sheet::kAbilityRows> abilityNames;   // the rows' captions, helm and shield lines included
    std::array<QString, sheet::kAbilityRows> abilityValues;  // the rows' values
    QString condition;                                       // the condition word, on its own
    bool operator==(const ShownSheet&) const = default;
};

// What the sheet shows for a character just loaded: every label as the whole-sheet refresh writes
// it, and Spell Essence as the label shows it until it is first set ("00").
ShownSheet shownSheet(const sheet::Character& character);

// A file of the character's folder, by its name; no bytes when it cannot be read.
struct FolderFile {
    QString name;
    std::optional<QByteArray> bytes;
};

// The possession files of a folder (abilities, items and notes, by their endings in any case), read
// whole; a file that cannot be read, or a link that leads out of the folder, comes without bytes.
// A folder that is gone or cannot be listed is not listed, which the sheet says.
struct FolderFiles {
    std::vector<FolderFile> files;
    bool listed = true;
};
FolderFiles possessionFiles(const QString& folder);

enum class BlockKind {
    Name,       // one cell: the character's name
    Line,       // one cell: the race, then the words
    Attribute,  // the attribute's name and its value; attribute names the label it stands for
    Health,     // "Health", "12 of 14", the condition word
    Ability,    // the row's caption and its value
    Heading,    // one cell: "Abilities", "Items" or "Notes"
    Possession, // an ability or item: its kind, name, amount, and its other lines joined
    Note,       // the note's name, then each line of its whole text
};

struct Block {
    BlockKind kind = BlockKind::Line;
    QStringList cells;
    int attribute = -1; // Attribute blocks: the attribute label 0..7
    bool operator==(const Block&) const = default;
};

// The printed sheet, top to bottom: the name; the race and the words; the seven attributes and
// Spell Essence; the health; the eight ability rows; then the abilities, items and notes of the
// folder, each group under its heading and sorted by file name, or a line saying the folder cannot
// be read. A file that cannot be read is listed
// by its file name as "(cannot be read)"; one that is no valid possession file shows what it holds.
std::vector<Block> sheetBlocks(const ShownSheet& sheet, FolderFiles folder);

// "Charac 1.014 · Tessa.QOZ · printed 9 Dec 2026 · page 1 of 2"; "(not saved)" for a sheet without
// a file. The date is written the same in every language, as the rest of the sheet is.
QString footerLine(const QString& fileName, QDate printed, int page, int pages);

} // namespace printout
