// The one character the program holds: two parallel arrays of 31 numbered slots. Every part of the
// program reads and writes slots directly; the slot numbers are also the order of the character file.
//
// CharText:  1 race, 2 condition word, 3 name, 4 sex word, 5 kind word, 6/7 name and value (as text)
//            of ability row 0, 8..14 names of ability rows 1..7, 15 current health (as text),
//            16..21 carried through the character file unread.
// CharValue: 0 Spell Essence, 1..7 Wisdom, Intellect, Perception, Heart, Nimbleness, Strength,
//            Power; 8..14 values of ability rows 1..7.
//
// Each array is indexed by its own kind of slot name (slot::text, slot::value), so that a value slot
// cannot pick a text: both number their slots from the same 0, and Wisdom is the race's number. Loops
// over the slots in file order go through numbered().
#pragma once

#include <QString>

#include <array>
#include <concepts>
#include <cstdint>

namespace sheet {

inline constexpr int kSlotCount = 31;

namespace slot {

// The text slots with a name of their own.
enum class text : int {
    Race = 1,
    Condition = 2,
    Name = 3,
    Sex = 4,
    Kind = 5,
    Row0Name = 6,
    Row0Value = 7, // ability row 0 keeps its value as text
    // The names of ability rows 1..7.
    Prayer = 8,
    OpenLocks = 9,
    Initiative = 10,
    Armour = 11,
    Defense = 12,
    Weapon = 13,
    SystemShock = 14,
    Health = 15, // kept as text, as typed
};

// The value slots with a name of their own.
enum class value : int {
    SpellEssence = 0,
    Wisdom = 1,
    Intellect = 2,
    Perception = 3,
    Heart = 4,
    Nimbleness = 5,
    Strength = 6,
    Power = 7,
    // The values of ability rows 1..7.
    Prayer = 8,
    OpenLocks = 9,
    Initiative = 10,
    Armour = 11,
    Defense = 12,
    Weapon = 13,
    SystemShock = 14,
};

// Ability rows 1..7 keep their name in CharText(row + 7) and their value in CharValue(row + 7); row 0
// keeps both as texts.
inline constexpr int kRowOffset = 7;
constexpr text rowName(int row) { return row == 0 ? text::Row0Name : text(row + kRowOffset); }
constexpr value rowValue(int row) { return value(row + kRowOffset); } // rows 1..7

// The names the sheet gives the attribute slots 0..7: Spell Essence, then the seven attributes.
inline constexpr std::array<const char*, 8> kAttributeNames = {"Spell Essence", "Wisdom",     "Intellect", "Perception",
                                                               "Heart",         "Nimbleness", "Strength",  "Power"};

} // namespace slot

// 31 slots, indexed by their names of one kind, or by number for the loops in file order.
template <typename Slot, typename Item> class Slots {
public:
    Item& operator[](Slot slot) { return items_[std::size_t(slot)]; }
    const Item& operator[](Slot slot) const { return items_[std::size_t(slot)]; }
    Item& numbered(int number) { return items_[std::size_t(number)]; }
    const Item& numbered(int number) const { return items_[std::size_t(number)]; }
    bool operator==(const Slots&) const = default;

private:
    std::array<Item, kSlotCount> items_{};
};

struct Character {
    Slots<slot::text, QString> CharText;
    Slots<slot::value, std::int16_t> CharValue;
    bool operator==(const Character&) const = default;
};

template <typename Array, typename Index>
concept IndexedBy = requires(Array array, Index index)
{
    array[index];
};
static_assert(IndexedBy<decltype(Character::CharText), slot::text>);
static_assert(IndexedBy<decltype(Character::CharValue), slot::value>);
static_assert(!IndexedBy<decltype(Character::CharText), slot::value>, "a value slot names no text");
static_assert(!IndexedBy<decltype(Character::CharValue), slot::text>, "a text slot names no value");
static_assert(!IndexedBy<decltype(Character::CharText), int>, "numbers go through numbered()");

} // namespace sheet
