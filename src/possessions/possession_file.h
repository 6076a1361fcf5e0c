// Possession files: an ability (.qoa), an item (.qod) or a note (.qon) is at most seven short lines
// followed by the end line "___". What a line means follows from its place and its first character,
// not from a key.
//
// Data flow: "save item" and "Take" hand the seven texts of their boxes to possessionFileBytes() and
// the window writes the bytes whole; a view hands the bytes of the chosen file to viewPossession(),
// which reads the fields in order (PossessionReader) and returns everything the view shows and
// changes; the window then applies that to its controls, the sheet and the event log.
#pragma once

#include "common/fields.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace possessions {

inline constexpr int kLineBoxes = 7;
inline constexpr int kAbilityRows = 8;
using Lines = std::array<QString, kLineBoxes>;

// The file for seven box texts: the texts up to the last box that is not empty, each exactly as it
// stands followed by CR LF (an empty box before that one gives an empty line), then "___" CR LF.
// Encoded as every file is (common/file_text.h): Windows-1252, or UTF-8 for text it cannot hold.
QByteArray possessionFileBytes(const Lines& lines);

// What a field of a possession file is, by its first character.
enum class Role {
    Marker, // "^": maps the viewed ability onto an ability row; neither shown nor counted
    End,    // "_": reading stops
    Shown,  // anything else, an empty field included
};

struct Field {
    Role role = Role::Shown;
    QString text;
    // Markers only: the ability row 1..7 named by the field's last character; 0 names none (a 0, a
    // character that is not a digit, a lone "^", and 8 or 9, for which the sheet has no row).
    std::int16_t row = 0;
};

// The fields of a file one by one, with the program's field rule: a field ends
// at a comma or a line end, blanks before it are skipped, a quoted field keeps its commas, an empty
// line is an empty field.
class PossessionReader {
public:
    explicit PossessionReader(const QByteArray& bytes);

    // The next field, or nothing when the file is used up.
    std::optional<Field> next();

private:
    common::FieldReader fields_;
};

// The list a file was chosen from: it decides the side effects of a view.
enum class ListKind { Abilities = 0, Items = 1, Notes = 2 };

// The viewer's state between views.
struct ViewerState {
    std::int16_t AbilityRow = 0;  // ability row 1..7 named by the viewed file's marker; 0 none
    std::int16_t AmountValue = 0; // the last amount line's number, rounded half to even, saturated
    double AmountRead = 0.0;      // the last amount line's number as read; a view without one keeps it
    std::int16_t EditLine = 0;    // the box the amount buttons change: the last shown line
};

// Everything one view shows and changes.
struct PossessionView {
    // False when the fields ran out before the end line (or before the field after the seventh
    // shown line): the file is not valid. Everything below was still shown up to that point.
    bool valid = false;
    Lines lines;                                // the seven boxes; empty beyond the shown lines
    int shownLines = 0;                         // how many lines were shown (0..7)
    std::array<bool, kLineBoxes> amountLines{}; // boxes in the amount colour
    int buttonRow = -1; // the box the five amount buttons sit beside (the last amount line); -1 none
    ViewerState state;  // the state after the view

    // Sheet captions the view wrote, as they stand at its end: ability row 2 from an ability file,
    // and the row a marker names (the file name without its extension and the last amount).
    std::array<std::optional<QString>, kAbilityRows> abilityNames;  // LabAb
    std::array<std::optional<QString>, kAbilityRows> abilityValues; // LabPer
    // What an ability file stores in the record: name and value of ability row 2.
    std::optional<QString> rowTwoName;
    std::optional<std::int16_t> rowTwoValue;

    // Item files: the text added to the event log's current entry, each line ended by a carriage
    // return: "name --[code]" and then every further shown line.
    QString eventText;
};

// Views a file chosen from a list under the given name (the name of the file, extension included).
// state is the viewer's state before the view.
PossessionView viewPossession(const QByteArray& bytes, ListKind list, const QString& fileName, ViewerState state);

// The five amount buttons: "<", ">", "#", "0" and "=".
enum class AmountButton { Down = 0, Up = 1, Step = 2, Zero = 3, Restore = 4 };

// The new text of the amount box: the number at the start of its old text minus 1, plus 1, or plus
// the number at the start of the step text; "0"; or the amount as read from the file. Numbers are
// written out in their shortest decimal form.
QString changedAmount(AmountButton button, const QString& line, const QString& step, double amountRead);

} // namespace possessions
