// The game data the program carries in itself: the hundred teleport errors, the 120 races with the
// attribute each favours, and the legend of stuff categories. Start-up copies them into the module
// state; nothing changes them afterwards.
#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace reference {

inline constexpr int kTeleportErrorCapacity = 101; // rows 0..99 filled, row 100 stays empty
inline constexpr int kRaceCapacity = 1001;         // races 1..120 filled, 0 and 121..1000 empty
inline constexpr std::int16_t kRaceCount = 120;
inline constexpr std::int16_t kNoAttribute = 0; // favours no attribute (unused race numbers)

using TeleportErrorTable = std::array<QString, kTeleportErrorCapacity>;
using RaceNameTable = std::array<QString, kRaceCapacity>;
using RaceChakraTable = std::array<std::int16_t, kRaceCapacity>;

// Rows 0..99 hold teleport errors 1..100; row 100 is empty.
void fillTeleportErrors(TeleportErrorTable& table);

// Entries 1..120 hold the race names and favoured attribute numbers (1 Wisdom .. 7 Power); the other
// entries hold an empty name and kNoAttribute.
void fillRaces(RaceNameTable& names, RaceChakraTable& chakra);

// The eight category words of the stuff catalogue, each followed by a carriage return (no line feed).
QString categoryLegend();

} // namespace reference
