// The fixed game data, kept as plain arrays in index order and copied into the module tables once
// at start-up. The spellings are the game's own ("Dwaf", "imssing", ...) and must stay as they are.
#include "reference/reference_tables.h"

#include <cstddef>

namespace reference {

namespace {

struct RaceRow {
    const char16_t* name;
    std::int16_t attribute; // 1 Wisdom .. 7 Power
};

// Races 1..120; element 0 is race 1. Two races share the name "Minotaur" (25 and 82).
const RaceRow kRaces[kRaceCount] = {
    {u"Dwarf of Valley", 1},   // 1
    {u"Dwarf, Trader", 2},     // 2
    {u"Dwarf Rogue", 3},       // 3
    {u"Dwarf, Farmer", 4},     // 4
    {u"Dwarven Nomad", 5},     // 5
    {u"Dwarf of Forest", 4},   // 6
    {u"Dwarf of Stone", 7},    // 7
    {u"Dwarven Miner", 6},     // 8
    {u"Dwarven Warrior", 6},   // 9
    {u"Dwarven Smith", 7},     // 10
    {u"Dwarven Craftsman", 2}, // 11
    {u"Dwaf", 3},              // 12
    {u"Kobold", 3},            // 13
    {u"Halfling", 1},          // 14
    {u"Fire Sprite", 6},       // 15
    {u"Satyr", 5},             // 16
    {u"Faeir", 4},             // 17
    {u"Nixi", 5},              // 18
    {u"Nymph", 4},             // 19
    {u"Miniature Gnome", 5},   // 20
    {u"Sylph", 3},             // 21
    {u"Major Gnome", 2},       // 22
    {u"Trixi", 3},             // 23
    {u"Browni", 2},            // 24
    {u"Minotaur", 7},          // 25
    {u"Ice Sprite", 7},        // 26
    {u"Brown Elf", 2},         // 27
    {u"Green Elf", 4},         // 28
    {u"Grey Elf", 3},          // 29
    {u"Sea Elf", 5},           // 30
    {u"Aquatic Elf", 6},       // 31
    {u"Noldor Elf", 5},        // 32
    {u"Sun Barbarian", 3},     // 33
    {u"Wood Barbarian", 5},    // 34
    {u"Cloud Barbarian", 7},   // 35
    {u"Viking", 1},            // 36
    {u"Star Barbarian", 3},    // 37
    {u"Metal Barbarian", 2},   // 38
    {u"Sky Barbarian", 4},     // 39
    {u"Rain Barbarian", 4},    // 40
    {u"Moon Barbarian", 7},    // 41
    {u"Rock Barbarian", 6},    // 42
    {u"Shadow Barbarian", 5},  // 43
    {u"Ice Barbarian", 6},     // 44
    {u"Were Creature", 3},     // 45
    {u"Centaur", 6},           // 46
    {u"Hippogrif", 5},         // 47
    {u"Pegasus", 4},           // 48
    {u"Leopard", 3},           // 49
    {u"Dragoninga", 2},        // 50
    {u"Sphinx", 2},            // 51
    {u"Agle", 5},              // 52
    {u"Unicorn", 1},           // 53
    {u"Stone Gorgon", 6},      // 54
    {u"Fire Gorgon", 6},       // 55
    {u"Ent", 7},               // 56
    {u"Pegacentuar", 4},       // 57
    {u"Daemon", 6},            // 58
    {u"Cyclops", 7},           // 59
    {u"Fenrir", 6},            // 60
    {u"Golem", 7},             // 61
    {u"Troll", 6},             // 62
    {u"Jormungand", 6},        // 63
    {u"Kelpie", 4},            // 64
    {u"Giant Crab", 3},        // 65
    {u"Hydra", 7},             // 66
    {u"Merfolk", 4},           // 67
    {u"Ogre", 6},              // 68
    {u"Sleipnir", 5},          // 69
    {u"Valkyrie", 3},          // 70
    {u"Vampire", 4},           // 71
    {u"Banshee", 3},           // 72
    {u"Ghost", 1},             // 73
    {u"Basilisk", 7},          // 74
    {u"Cerebrus", 3},          // 75
    {u"Chimera", 3},           // 76
    {u"Griffon", 4},           // 77
    {u"Hobgoblin", 5},         // 78
    {u"Imp", 2},               // 79
    {u"Leprechaun", 4},        // 80
    {u"Nessi", 7},             // 81
    {u"Minotaur", 6},          // 82
    {u"Sabre Tooth Tiger", 6}, // 83
    {u"Djinn", 2},             // 84
    {u"Dryad", 4},             // 85
    {u"Harpy", 3},             // 86
    {u"Incubus", 2},           // 87
    {u"Succubus", 4},          // 88
    {u"Salamander", 2},        // 89
    {u"Siren", 4},             // 90
    {u"Cat-person", 3},        // 91
    {u"Wyvern", 6},            // 92
    {u"Amazon", 5},            // 93
    {u"Wite", 4},              // 94
    {u"Half Elf", 2},          // 95
    {u"Nazgul", 7},            // 96
    {u"Shelob", 7},            // 97
    {u"Warg", 6},              // 98
    {u"Nightmare", 1},         // 99
    {u"Faerie-Dragon", 2},     // 100
    {u"Gold Elf", 2},          // 101
    {u"Silver Elf", 3},        // 102
    {u"Platinum Elf", 1},      // 103
    {u"Shadow Elf", 3},        // 104
    {u"Wood Elf", 5},          // 105
    {u"Spring Elf", 4},        // 106
    {u"Autumn Elf", 6},        // 107
    {u"High Elf", 2},          // 108
    {u"White Elf", 4},         // 109
    {u"Sylvan Elf", 5},        // 110
    {u"Blue Elf", 3},          // 111
    {u"Sky Elf", 5},           // 112
    {u"Cloud Elf", 2},         // 113
    {u"Star Elf", 1},          // 114
    {u"Moon Elf", 4},          // 115
    {u"Jade Elf", 7},          // 116
    {u"Jet Elf", 4},           // 117
    {u"Deep Elf", 7},          // 118
    {u"Ice Elf", 3},           // 119
    {u"Obsydian Elf", 6},      // 120
};

// Teleport errors in row order; row 92 keeps its trailing space.
constexpr int kTeleportErrorCount = 100;

const char16_t* const kTeleportErrors[kTeleportErrorCount] = {
    u"hi: 10, 20-50, 50-200,->4k",         // 0
    u"dist err 100-800ft",                 // 1
    u"dist err 1k-5k ft",                  // 2
    u"dist err 1-10 miles",                // 3
    u"dist err 10-100 miles",              // 4
    u"dist err 100-1k miles",              // 5
    u"dist err 1k-6k miles",               // 6
    u"1 stat point swap",                  // 7
    u"2 stats inverted",                   // 8
    u"left-to-right switch",               // 9
    u"color inverted",                     // 10
    u"shrunk/giant",                       // 11
    u"arrive at enemy",                    // 12
    u"last spell inverted perm",           // 13
    u"switch rnd items",                   // 14
    u"piece of another ch ch",             // 15
    u"lead wall stopped between",          // 16
    u"in a cavern",                        // 17
    u"half-way",                           // 18
    u"teleport-jacking dimsn-X",           // 19
    u"item quirk via last event",          // 20
    u"magic fever % failure 1-6d",         // 21
    u"all magic dead for 1-12hrs",         // 22
    u"spell goes insane",                  // 23
    u"grow tail",                          // 24
    u"eyes change color",                  // 25
    u"grow color fur",                     // 26
    u"grow extra finger",                  // 27
    u"char switch aware with item",        // 28
    u"char inhabit object in poss",        // 29
    u"item missing",                       // 30
    u"1-4 items imssing",                  // 31
    u"all non magic objects lost",         // 32
    u"all money lost",                     // 33
    u"piece of clothing missing",          // 34
    u"backpack gone",                      // 35
    u"limb missing",                       // 36
    u"facial feature missing",             // 37
    u"grow horns and/or fangs",            // 38
    u"something crystalizes",              // 39
    u"merge with item",                    // 40
    u"merge with object",                  // 41
    u"rnd teleport mass in 1-12 hours",    // 42
    u"int rnd +-d6",                       // 43
    u"fear all sorcery",                   // 44
    u"develope fear of teleport",          // 45
    u"head big/small 1+-per",              // 46
    u"arrive upside-down",                 // 47
    u"bring ground with you",              // 48
    u"bring room with you",                // 49
    u"acquire rnd racial traits",          // 50
    u"acquire facial feature",             // 51
    u"head on backwards",                  // 52
    u"trigger rnd item on",                // 53
    u"rnd item goes insane",               // 54
    u"taller/shorter -+d4 pow",            // 55
    u"glow for a month",                   // 56
    u"lose all color for a month",         // 57
    u"poop your pants",                    // 58
    u"blind for 1d6 days",                 // 59
    u"deaf for 1d6 days",                  // 60
    u"covered in shade mist",              // 61
    u"drenched wet",                       // 62
    u"burnt to a cinder 1/2 pow",          // 63
    u"static elec do+get 1d6 for 1d6",     // 64
    u"float 1 inch above the ground",      // 65
    u"covered in oil",                     // 66
    u"covered in soil",                    // 67
    u"covered in green gunge",             // 68
    u"get summonsed",                      // 69
    u"covered in mud",                     // 70
    u"covered in dragon poop",             // 71
    u"limb is made of wood",               // 72
    u"covered in glitter",                 // 73
    u"small gold body part",               // 74
    u"covered in snow",                    // 75
    u"acquire raincloud follower",         // 76
    u"end up in rnd moonscape",            // 77
    u"turn into shadow",                   // 78
    u"invert stat <>10",                   // 79
    u"glow red hot for 1d4 days",          // 80
    u"leave cracked rock foot-steps d4d",  // 81
    u"growing plant out of body",          // 82
    u"covered in leaves",                  // 83
    u"coverd in flower petals",            // 84
    u"drenched in ale",                    // 85
    u"bring building with you",            // 86
    u"bring street with you",              // 87
    u"bring village with you",             // 88
    u"xplode leave crater log-d4-ft",      // 89
    u"arrive in crater xplode log-d4-ft",  // 90
    u"arrive in ring of fire",             // 91
    u"arrive in shower of rocks d12@d12 ", // 92
    u"bring herd of animals",              // 93
    u"fetch small piece of destination",   // 94
    u"fetch room of destination",          // 95
    u"port etheric travel",                // 96
    u"port astral travel",                 // 97
    u"arrive as hero to obsessive crowd",  // 98
    u"get roped into godly business",      // 99
};

} // namespace

void fillTeleportErrors(TeleportErrorTable& table)
{
    table.fill(QString());
    for (int i = 0; i < kTeleportErrorCount; ++i)
        table[static_cast<std::size_t>(i)] = QString::fromUtf16(kTeleportErrors[i]);
}

void fillRaces(RaceNameTable& names, RaceChakraTable& chakra)
{
    names.fill(QString());
    chakra.fill(kNoAttribute);
    for (int r = 1; r <= kRaceCount; ++r) {
        const RaceRow& row = kRaces[r - 1];
        names[static_cast<std::size_t>(r)] = QString::fromUtf16(row.name);
        chakra[static_cast<std::size_t>(r)] = row.attribute;
    }
}

QString categoryLegend()
{
    static const char* const kCategories[] = {"Armour",      "Defense shield", "Helm",  "Item",
                                              "Magic Spell", "Object",         "Skill", "Weapon"};
    QString legend;
    for (const char* category : kCategories) {
        legend += QLatin1String(category);
        legend += QLatin1Char('\r');
    }
    return legend;
}

} // namespace reference
