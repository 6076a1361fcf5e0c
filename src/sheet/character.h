// The one character the program holds: two parallel arrays of 31 numbered slots. Every part of the
// program reads and writes slots directly; the slot numbers are also the order of the character file.
//
// CharText:  1 race, 2 condition word, 3 name, 4 sex word, 5 kind word, 6/7 name and value (as text)
//            of ability row 0, 8..14 names of ability rows 1..7, 15 current health (as text),
//            16..21 carried through the character file unread.
// CharValue: 0 Spell Essence, 1..7 Wisdom, Intellect, Perception, Heart, Nimbleness, Strength,
//            Power; 8..14 values of ability rows 1..7.
#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace sheet {

inline constexpr int kSlotCount = 31;

struct Character {
    std::array<QString, kSlotCount> CharText{};
    std::array<std::int16_t, kSlotCount> CharValue{};
};

// Slot numbers with a name of their own.
namespace slot {
inline constexpr int Race = 1;
inline constexpr int Condition = 2;
inline constexpr int Name = 3;
inline constexpr int Sex = 4;
inline constexpr int Kind = 5;
inline constexpr int Row0Name = 6;
inline constexpr int Row0Value = 7;
inline constexpr int Health = 15;

inline constexpr int Wisdom = 1;
inline constexpr int Intellect = 2;
inline constexpr int Perception = 3;
inline constexpr int Heart = 4;
inline constexpr int Nimbleness = 5;
inline constexpr int Strength = 6;
inline constexpr int Power = 7;

// Ability rows 1..7 keep their name in CharText(row + 7) and their value in CharValue(row + 7).
inline constexpr int kRowOffset = 7;
inline constexpr int Prayer = 8;
inline constexpr int OpenLocks = 9;
inline constexpr int Initiative = 10;
inline constexpr int Armour = 11;
inline constexpr int Defense = 12;
inline constexpr int Weapon = 13;
inline constexpr int SystemShock = 14;
} // namespace slot

} // namespace sheet
