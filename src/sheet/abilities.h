// Core abilities: ability rows 1..7 derived from the attributes, and the item in the possession
// viewer put to use. Both work on the record (and on the helm and shield in use); the window reads
// the changed slots back into the sheet's labels.
#pragma once

#include "sheet/character.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace sheet {

// Full derivation of ability rows 1..7 (names and values, CharText/CharValue 8..14), run for every
// new random character. intellectCaption is the Intellect the sheet shows: it decides between open
// locks and climbing, while the values are worked out from the attribute slots.
void populate(Character& c, const QString& intellectCaption);

// Ability row 2 is the row that things from outside the sheet write into the record: the name and the
// value of a viewed ability file, or of a catalogue skill whose formula worked the value out. Either
// may be missing, and its slot keeps what it held.
void takeIntoRowTwo(Character& c, const std::optional<QString>& name, std::optional<std::int16_t> value);

// What the kind code in the viewer's first line made of the item in hand.
enum class ItemUse { None, Armour, Helm, Shield, Weapon };

// The texts of the possession viewer's first three line boxes: kind code, name, value.
struct ItemInHand {
    QString kind;
    QString name;
    QString value;
};

// The helm (entry 1) and shield (entry 2) in use; entry 0 is unused. They live for the whole run
// and are kept when another character is rolled or loaded.
struct DefenseInUse {
    std::array<std::int16_t, 3> DefenseBonus{};
    std::array<QString, 3> DefenseBonusName;
    bool operator==(const DefenseInUse&) const = default;
};

// The click that uses the item in hand: prayer and initiative (with the stricter threshold 13) are
// recomputed, the item is applied when its kind code is exactly "a" (armour), "h" (helm), "d"
// (shield) or "w" (weapon), and system shock is recomputed. Returns which item use applied.
ItemUse useItem(Character& c, const ItemInHand& item, DefenseInUse& defense);

// The defense row's caption: shield + helm + Nimbleness.
QString defenseValueCaption(const DefenseInUse& defense, int nimbleness);
// The defense row's name: helm name, a carriage return, shield name.
QString defenseNameCaption(const DefenseInUse& defense);

} // namespace sheet
