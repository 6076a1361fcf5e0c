// The window's layout table: every control of FormCharac, one row per control and one row per element
// of a control array, with its kind, container, design caption, tooltip, position and size in twips,
// colours, text style, alignment and whether it starts hidden. Array positions are written out in full
// rather than computed, so each row reads exactly as the control sits on the sheet.
#include "window/layout.h"

#include <iterator>

namespace layout {

namespace {

constexpr int D = kDefaultColour;
constexpr int T = kTransparent;

constexpr const char* kRefreshTip = "Click here to refresh core abiliities";
constexpr const char* kReturnTip = "!=return to char after save /or stay at origin of object";

// Frames come first so that every container exists before the controls it holds.
// name, index, kind, container, caption, tooltip, left, top, width, height, back, fore, points, bold,
// align, hidden at start
constexpr ControlSpec kControls[] = {
    // Frames: laid over the right-hand column, or (FrameNew) at the bottom edge until it is moved.
    {"FrameTele",    -1, Kind::Frame,      nullptr,      "Frame1",                          "",                                     9720,   480, 4695, 7335, 0xA0C0FF, D,            0, false, Align::Default, false},
    {"FrameStuff",   -1, Kind::Frame,      nullptr,      "Frame1",                          "",                                     9720,   480, 4695, 8775, 0xFFE0C0, D,            0, false, Align::Default, true},
    {"FrameNew",     -1, Kind::Frame,      nullptr,      "",                                "",                                     4560, 10080, 4935, 3375, 0xFFE0C0, D,            0, false, Align::Default, true},

    // Left column: navigation and character buttons, the folder and file lists.
    {"CDexit",       -1, Kind::Button,     nullptr,      "x",                               "",                                      120,   120,  495,  540, 0xFFFFC0, D,        12.00, true,  Align::Default, false},
    {"CDtrigger",    -1, Kind::Button,     nullptr,      "char dir",                        "",                                      720,   120,  615,  540, 0xFFFF60, D,            0, false, Align::Default, false},
    {"TXseed",       -1, Kind::TextBox,    nullptr,      "1",                               "",                                      120,   720,  975,  255, 0xFFFFC0, D,         8.25, true,  Align::Centre,  false},
    {"CDseed",       -1, Kind::Button,     nullptr,      "=",                               "",                                     1080,   720,  255,  285, 0xFFFF00, D,            0, false, Align::Default, false},
    {"CDlist",       -1, Kind::Button,     nullptr,      "home",                            "",                                      120,  1020, 1215,  300, 0xA06060, D,         8.25, true,  Align::Default, false},
    {"CMran",        -1, Kind::Button,     nullptr,      "random",                          "",                                      120,  1350, 1215,  300, 0xFFC000, D,         8.25, true,  Align::Default, false},
    {"CHdice",       -1, Kind::CheckBox,   nullptr,      "d",                               "select fixed race",                     120,  1725,  495,  255, 0x000000, 0xFFFFFF,  8.25, true,  Align::Default, false},
    {"txDice",       -1, Kind::TextBox,    nullptr,      "100",                             "race number",                           720,  1680,  615,  345, D,        D,            0, false, Align::Centre,  false},
    {"CDmake",       -1, Kind::Button,     nullptr,      "make dir",                        "make character folder",                 120,  2100, 1215,  300, 0xFF8000, D,         8.25, true,  Align::Default, false},
    {"CDnew",        -1, Kind::Toggle,     nullptr,      "acquire",                         "",                                      120,  2430, 1215,  300, 0xFF0000, D,         8.25, true,  Align::Default, false},
    {"CDsaveCH",     -1, Kind::Button,     nullptr,      "save",                            "save character",                        120,  2760, 1215,  375, 0xC00018, D,        12.00, true,  Align::Default, false},
    {"DirA",         -1, Kind::FolderList, nullptr,      "",                                "",                                     1440,     0, 2895, 2010, D,        D,         8.25, true,  Align::Default, false},
    {"FileD",        -1, Kind::FileList,   nullptr,      "",                                "",                                     1440,  2040, 2895,  720, D,        D,         8.25, true,  Align::Default, false},
    {"Opli",          0, Kind::Option,     nullptr,      "Ability",                         "",                                     2400,  2880, 1095,  300, 0x805000, 0xFFE850,  8.25, true,  Align::Default, false},
    {"Opli",          1, Kind::Option,     nullptr,      "Item",                            "",                                     1440,  2880,  855,  300, 0x804000, 0xFFC040,  8.25, true,  Align::Default, false},
    {"Opli",          2, Kind::Option,     nullptr,      "",                                "",                                     3600,  2880,  255,  300, 0x806000, 0xFFFFC0,     0, false, Align::Default, false},
    {"Opli",          3, Kind::Option,     nullptr,      "3",                               "",                                     3960,  2880,  375,  300, 0x606020, 0xC0C000,  8.25, true,  Align::Default, false},
    {"FileA",         0, Kind::FileList,   nullptr,      "",                                "",                                      120,  5880, 4215, 7770, 0xFFE8B0, D,            0, false, Align::Default, false},
    {"FileA",         1, Kind::FileList,   nullptr,      "",                                "",                                      120,  3240, 4215, 6810, 0xFFD0B0, D,            0, false, Align::Default, false},
    {"FileA",         2, Kind::FileList,   nullptr,      "",                                "",                                      120,  9000, 4215, 7770, 0xF0FFB0, D,            0, false, Align::Default, false},

    // Middle: the name labels, then the attribute column, the tile strip, percentages and ability names.
    {"Labnam",       -1, Kind::Label,      nullptr,      "Name",                            "",                                     4680,     0, 4815,  495, T,        0x000000, 18.00, true,  Align::Centre,  false},
    {"TXrename",     -1, Kind::TextBox,    nullptr,      "",                                "",                                     4680,     0, 4695,  495, D,        D,        18.00, true,  Align::Centre,  true},
    {"Labfull",      -1, Kind::Label,      nullptr,      "Name",                            kRefreshTip,                            4560,   450, 4935,  375, T,        0x000000, 14.25, true,  Align::Centre,  false},
    {"LabDetail",    -1, Kind::Label,      nullptr,      "Name",                            kRefreshTip,                            4560,   795, 4935,  375, T,        0x000000, 12.00, true,  Align::Centre,  false},
    {"Chakra",        0, Kind::Label,      nullptr,      "00",                              "Spell Essence",                        4560,  1080, 1095,  495, 0x000000, 0xFFFFFF, 15.75, true,  Align::Centre,  false},
    {"Chakra",        1, Kind::Label,      nullptr,      "00",                              "Wisdom",                               4560,  1680, 1095,  495, 0x400040, 0xC000FF, 15.75, true,  Align::Centre,  false},
    {"Chakra",        2, Kind::Label,      nullptr,      "00",                              "Intellect",                            4560,  2280, 1095,  495, 0x000040, 0x4080FF, 15.75, true,  Align::Centre,  false},
    {"Chakra",        3, Kind::Label,      nullptr,      "00",                              "Perception",                           4560,  2880, 1095,  495, 0x004040, 0x00C0C0, 15.75, true,  Align::Centre,  false},
    {"Chakra",        4, Kind::Label,      nullptr,      "00",                              "Heart",                                4560,  3480, 1095,  495, 0x004000, 0x00FF00, 15.75, true,  Align::Centre,  false},
    {"Chakra",        5, Kind::Label,      nullptr,      "00",                              "Nimbleness",                           4560,  4080, 1095,  495, 0x404000, 0xFFFF00, 15.75, true,  Align::Centre,  false},
    {"Chakra",        6, Kind::Label,      nullptr,      "00",                              "Strength",                             4560,  4680, 1095,  495, 0x603000, 0xFFA000, 15.75, true,  Align::Centre,  false},
    {"Chakra",        7, Kind::Label,      nullptr,      "00",                              "Power",                                4560,  5280, 1095,  495, 0x400000, 0xFF0000, 15.75, true,  Align::Centre,  false},
    {"Chakra",        8, Kind::Label,      nullptr,      "00",                              "Health",                               4560,  5760, 1095,  420, 0x800000, 0xFFFFFF, 15.75, true,  Align::Centre,  false},
    {"TXchedit",     -1, Kind::TextBox,    nullptr,      "00",                              "",                                     4560,   600, 1095,  510, D,        D,        15.75, true,  Align::Centre,  true},
    {"Command1",     -1, Kind::Button,     nullptr,      "!!",                              "",                                     5760,  1080,  855,  495, 0x808080, D,        12.00, true,  Align::Default, false},
    {"Pcha",         -1, Kind::Picture,    nullptr,      "",                                "Click to use item",                    5760,  1560,  870, 4290, D,        D,            0, false, Align::Default, false},
    {"LabPer",        0, Kind::Label,      nullptr,      "000%",                            "",                                     6720,  1080,  675,  375, 0x805000, 0xFFF0C0, 12.00, true,  Align::Centre,  false},
    {"LabPer",        1, Kind::Label,      nullptr,      "000%",                            "",                                     6720,  1680,  675,  375, 0x805000, 0xFFF0C0, 12.00, true,  Align::Centre,  false},
    {"LabPer",        2, Kind::Label,      nullptr,      "000%",                            "",                                     6720,  2280,  675,  375, 0x805000, 0xFFF0C0, 12.00, true,  Align::Centre,  false},
    {"LabPer",        3, Kind::Label,      nullptr,      "000%",                            "",                                     6720,  2880,  675,  375, 0x805000, 0xFFF0C0, 12.00, true,  Align::Centre,  false},
    {"LabPer",        4, Kind::Label,      nullptr,      "000%",                            "",                                     6720,  3480,  675,  375, 0x805000, 0xFFF0C0, 12.00, true,  Align::Centre,  false},
    {"LabPer",        5, Kind::Label,      nullptr,      "000%",                            "",                                     6720,  4080,  675,  375, 0x805000, 0xFFF0C0, 12.00, true,  Align::Centre,  false},
    {"LabPer",        6, Kind::Label,      nullptr,      "000%",                            "",                                     6720,  4680,  675,  375, 0x805000, 0xFFF0C0, 12.00, true,  Align::Centre,  false},
    {"LabPer",        7, Kind::Label,      nullptr,      "000%",                            "",                                     6720,  5280,  675,  375, 0x805000, 0xFFF0C0, 12.00, true,  Align::Centre,  false},
    {"TXedit",       -1, Kind::TextBox,    nullptr,      "",                                "",                                     6720,  1080,  690,  360, D,        D,            0, false, Align::Centre,  true},
    {"LabAb",         0, Kind::Label,      nullptr,      "cantrip",                         "",                                     7440,  1080, 2055,  495, 0xFFE8C0, 0x000000,     0, false, Align::Default, false},
    {"LabAb",         1, Kind::Label,      nullptr,      "prayer",                          "",                                     7440,  1680, 2055,  495, 0xFFE8C0, 0x800080,     0, false, Align::Default, false},
    {"LabAb",         2, Kind::Label,      nullptr,      "open locks",                      "",                                     7440,  2280, 2055,  495, 0xFFE8C0, 0x000080,     0, false, Align::Default, false},
    {"LabAb",         3, Kind::Label,      nullptr,      "initiative",                      "",                                     7440,  2880, 2055,  495, 0xFFE8C0, 0x008080,     0, false, Align::Default, false},
    {"LabAb",         4, Kind::Label,      nullptr,      "armour",                          "",                                     7440,  3480, 2055,  495, 0xFFE8C0, 0x008000,     0, false, Align::Default, false},
    {"LabAb",         5, Kind::Label,      nullptr,      "defense",                         "",                                     7440,  4080, 2055,  495, 0xFFE8C0, 0x808000,     0, false, Align::Default, false},
    {"LabAb",         6, Kind::Label,      nullptr,      "weapon",                          "",                                     7440,  4680, 2055,  495, 0xFFE8C0, 0xC06000,     0, false, Align::Default, false},
    {"LabAb",         7, Kind::Label,      nullptr,      "system shock",                    "",                                     7440,  5280, 2055,  495, 0xFFE8C0, 0xC00000,     0, false, Align::Default, false},
    {"TXab",         -1, Kind::TextBox,    nullptr,      "",                                "",                                     7440,  1080, 2010,  360, D,        D,            0, false, Align::Default, true},

    // Middle, below the sheet: damage and healing, the possession editor, the web buttons.
    {"CDheal",       -1, Kind::Button,     nullptr,      "",                                "heal to full",                         4440,  5760,  150,  420, 0xFFFF00, D,            0, false, Align::Default, false},
    {"TXdam",        -1, Kind::TextBox,    nullptr,      "1",                               "",                                     5640,  5850,  615,  330, D,        D,        12.00, true,  Align::Centre,  false},
    {"CDdam",        -1, Kind::Button,     nullptr,      "dam",                             "",                                     6240,  5880,  600,  330, 0xFF0000, D,         8.25, true,  Align::Default, false},
    {"CMchange",      0, Kind::Button,     nullptr,      "<",                               "",                                     7560,  5820,  375,  390, 0xFF8000, D,        14.25, true,  Align::Default, false},
    {"CMchange",      1, Kind::Button,     nullptr,      ">",                               "",                                     7920,  5820,  375,  390, 0xFF8000, D,        14.25, true,  Align::Default, false},
    {"CMchange",      2, Kind::Button,     nullptr,      "#",                               "",                                     8280,  5820, 1095,  390, 0xFF8000, D,        14.25, true,  Align::Default, false},
    {"CMchange",      3, Kind::Button,     nullptr,      "0",                               "",                                     7200,  5820,  375,  390, 0xFF8000, D,        14.25, true,  Align::Default, false},
    {"CMchange",      4, Kind::Button,     nullptr,      "=",                               "",                                     6840,  5820,  375,  390, 0xFF8000, D,        14.25, true,  Align::Default, false},
    {"TXfile",       -1, Kind::TextBox,    nullptr,      "",                                "",                                     4560,  6210, 3615,  390, 0x604030, 0xFFFF80, 12.00, true,  Align::Default, false},
    {"CDsave",       -1, Kind::Button,     nullptr,      "save item",                       "save object",                          7920,  6210,  615,  375, 0xC00000, D,         6.75, true,  Align::Default, false},
    {"TXamo",        -1, Kind::TextBox,    nullptr,      "-1",                              "",                                     8520,  6195,  855,  390, 0xFFC080, D,        12.00, true,  Align::Right,   false},
    {"TXline",        0, Kind::TextBox,    nullptr,      "",                                "",                                     4560,  6600, 4815,  390, 0x804040, D,        12.00, true,  Align::Default, false},
    {"TXline",        1, Kind::TextBox,    nullptr,      "",                                "",                                     4560,  6960, 4815,  390, 0xFFFFC0, D,        12.00, true,  Align::Default, false},
    {"TXline",        2, Kind::TextBox,    nullptr,      "",                                "",                                     4560,  7320, 4815,  390, 0xFFFFC0, D,        12.00, true,  Align::Default, false},
    {"TXline",        3, Kind::TextBox,    nullptr,      "",                                "",                                     4560,  7680, 4815,  390, 0xFFFFC0, D,        12.00, true,  Align::Default, false},
    {"TXline",        4, Kind::TextBox,    nullptr,      "",                                "",                                     4560,  8040, 4815,  390, 0xFFFFC0, D,        12.00, true,  Align::Default, false},
    {"TXline",        5, Kind::TextBox,    nullptr,      "",                                "",                                     4560,  8400, 4815,  390, 0xFFFFC0, D,        12.00, true,  Align::Default, false},
    {"TXline",        6, Kind::TextBox,    nullptr,      "",                                "",                                     4560,  8760, 4815,  390, 0xFFFFC0, D,        12.00, true,  Align::Default, false},
    {"Command2",     -1, Kind::Button,     nullptr,      "",                                "",                                     4560,  9360, 4575,  360, 0xFFC080, D,         8.25, true,  Align::Default, false},
    {"Command3",     -1, Kind::Button,     nullptr,      "",                                "",                                     4560,  9720, 4575,  360, 0xFFC080, D,         8.25, true,  Align::Default, false},
    {"Command4",     -1, Kind::Button,     nullptr,      "help and questions online forum", "",                                     4560, 10080, 4575,  360, 0xFFC080, D,         8.25, true,  Align::Default, false},

    // Right column: version and place, the character path, the event column, the root-folder rows.
    {"Label1",       -1, Kind::Label,      nullptr,      "v = 1.014",                       "",                                     9480,     0, 1335,  315, T,        0x00A000,  9.00, true,  Align::Default, false},
    {"LabPlace",     -1, Kind::Label,      nullptr,      "Place",                           kRefreshTip,                            9840,     0, 4575,  375, T,        0x000000, 12.00, true,  Align::Right,   false},
    {"LaChPath",     -1, Kind::Label,      nullptr,      "Character Path",                  "Click here to open character folder",  9720,   270, 4695,  375, 0x804040, 0xFFFFFF,  6.75, false, Align::Default, false},
    {"Bapa",          0, Kind::Label,      nullptr,      "",                                "",                                     9720,   480, 4575,  375, 0xE0C0A0, 0x400000,     0, false, Align::Default, false},
    {"Bapa",          1, Kind::Label,      nullptr,      "",                                "",                                     9720,   840, 4575,  735, 0xFFE0C0, 0x400000,     0, false, Align::Default, false},
    {"Bapa",          2, Kind::Label,      nullptr,      "",                                "",                                     9720,  1560, 4575,  735, 0xE0C0A0, 0x400000,     0, false, Align::Default, false},
    {"Bapa",          3, Kind::Label,      nullptr,      "",                                "",                                     9720,  2280, 4575,  735, 0xFFE0C0, 0x400000,     0, false, Align::Default, false},
    {"Bapa",          4, Kind::Label,      nullptr,      "",                                "",                                     9720,  3000, 4575,  735, 0xE0C0A0, 0x400000,     0, false, Align::Default, false},
    {"Bapa",          5, Kind::Label,      nullptr,      "",                                "",                                     9720,  3720, 4575,  735, 0xFFE0C0, 0x400000,     0, false, Align::Default, false},
    {"Bapa",          6, Kind::Label,      nullptr,      "",                                "",                                     9720,  4440, 4575,  735, 0xE0C0A0, 0x400000,     0, false, Align::Default, false},
    {"Bapa",          7, Kind::Label,      nullptr,      "",                                "",                                     9720,  5160, 4575,  735, 0xFFE0C0, 0x400000,     0, false, Align::Default, false},
    {"Bapa",          8, Kind::Label,      nullptr,      "",                                "",                                     9720,  5880, 4575,  735, 0xE0C0A0, 0x400000,     0, false, Align::Default, false},
    {"Bapa",          9, Kind::Label,      nullptr,      "",                                "",                                     9720,  6600, 4575,  735, 0xFFE0C0, 0x400000,     0, false, Align::Default, false},
    {"Bapa",         10, Kind::Label,      nullptr,      "",                                "",                                     9720,  7320, 4575,  735, 0xE0C0A0, 0x400000,     0, false, Align::Default, false},
    {"Bapa",         11, Kind::Label,      nullptr,      "",                                "",                                     9720,  8040, 4575,  735, 0xFFE0C0, 0x400000,     0, false, Align::Default, false},
    {"ChTe",         -1, Kind::CheckBox,   nullptr,      "T",                               kReturnTip,                             9360,  6000,  405,  240, 0x00FFFF, D,         6.75, false, Align::Default, false},
    {"Chtake1",      -1, Kind::CheckBox,   nullptr,      "R",                               kReturnTip,                             9360,  6360,  405,  240, 0x00FFFF, D,         6.75, false, Align::Default, false},
    {"CDclearevent", -1, Kind::Button,     nullptr,      "cle",                             "Clear events",                         9360,  6720,  405,  240, 0x00FFFF, D,         6.75, false, Align::Default, false},
    {"CMpath",        0, Kind::Button,     nullptr,      ">",                               "",                                     9720,  9360,  375,  285, 0xA06060, D,            0, false, Align::Default, false},
    {"CMpath",        1, Kind::Button,     nullptr,      ">",                               "",                                     9720,  9720,  375,  285, 0xA06060, D,            0, false, Align::Default, false},
    {"CMpath",        2, Kind::Button,     nullptr,      ">",                               "",                                     9720, 10080,  375,  285, 0xA06060, D,            0, false, Align::Default, false},
    {"CMpath",        3, Kind::Button,     nullptr,      "<",                               "",                                     9360,  9360,  375,  285, 0xC00000, D,            0, false, Align::Default, false},
    {"CMpath",        4, Kind::Button,     nullptr,      "<",                               "",                                     9360,  9720,  375,  285, 0xC00000, D,            0, false, Align::Default, false},
    {"CMpath",        5, Kind::Button,     nullptr,      "<",                               "",                                     9360, 10080,  375,  285, 0xC00000, D,            0, false, Align::Default, false},
    {"TXpath",        0, Kind::TextBox,    nullptr,      "c:\\QOD\\Charac",                 "",                                    10080,  9360, 4575,  315, 0x804040, 0xE0E0E0,  8.25, false, Align::Default, false},
    {"TXpath",        1, Kind::TextBox,    nullptr,      "c:\\QOD\\",                       "",                                    10080,  9720, 4575,  315, 0x804040, 0xE0E0E0,  8.25, false, Align::Default, false},
    {"TXpath",        2, Kind::TextBox,    nullptr,      "c:",                              "",                                    10080, 10080, 4575,  315, 0x804040, 0xE0E0E0,  8.25, false, Align::Default, false},

    // Teleport frame.
    {"ListTee",      -1, Kind::ListBox,    "FrameTele",  "",                                "",                                      840,   120, 2895, 1320, 0x000000, 0xB080FF,  8.25, true,  Align::Default, false},
    {"OptVingt",      0, Kind::Option,     "FrameTele",  "1-20",                            "",                                     3720,   120,  855,  240, 0x400040, 0xFFFFFF,     0, false, Align::Default, false},
    {"OptVingt",      1, Kind::Option,     "FrameTele",  ">21",                             "",                                     3720,   360,  855,  240, 0x000040, 0xFFFFFF,     0, false, Align::Default, false},
    {"OptVingt",      2, Kind::Option,     "FrameTele",  ">41",                             "",                                     3720,   600,  855,  240, 0x004000, 0xFFFFFF,     0, false, Align::Default, false},
    {"OptVingt",      3, Kind::Option,     "FrameTele",  ">61",                             "",                                     3720,   840,  855,  240, 0x404000, 0xFFFFFF,     0, false, Align::Default, false},
    {"OptVingt",      4, Kind::Option,     "FrameTele",  "<100",                            "",                                     3720,  1080,  855,  240, 0x400000, 0xFFFFFF,     0, false, Align::Default, false},
    {"CDrand",       -1, Kind::Button,     "FrameTele",  "random",                          "",                                     3720,  1320,  885,  240, 0xB080FF, D,         8.25, true,  Align::Default, false},
    {"ListTnum",     -1, Kind::ListBox,    "FrameTele",  "",                                "",                                       90,  1680,  735, 4470, 0xB080FF, D,         8.25, true,  Align::Default, false},
    {"LisE",         -1, Kind::ListBox,    "FrameTele",  "",                                "",                                      840,  1680, 2895, 4470, 0x8080FF, D,         8.25, true,  Align::Default, false},
    {"ListWidget",   -1, Kind::ListBox,    "FrameTele",  "",                                "",                                     3750,  1680,  840, 4470, 0xB080FF, D,         8.25, true,  Align::Default, false},
    {"LaDetail",     -1, Kind::Label,      "FrameTele",  "",                                "",                                      840,  6240, 2895,  975, 0xB080FF, D,         8.25, true,  Align::Default, false},

    // Stuff frame.
    {"Label2",       -1, Kind::Label,      "FrameStuff", "select list:   *.qoc",            "",                                      960,     0, 3135,  255, T,        D,            0, false, Align::Centre,  false},
    {"LabCodeZ",     -1, Kind::Label,      "FrameStuff", "Weapon etc",                      "",                                      120,   -10, 1215, 1440, 0xFFFF80, D,         6.75, true,  Align::Default, false},
    {"FileF",        -1, Kind::FileList,   "FrameStuff", "",                                "",                                     1440,   240, 3135, 1140, D,        D,         8.25, true,  Align::Default, false},
    {"CDcodeZ",      -1, Kind::Button,     "FrameStuff", "?",                               "stuff codes",                             0,   960,  375,  495, 0xFFFF80, D,            0, false, Align::Default, true},
    {"CDbuild",      -1, Kind::Button,     "FrameStuff", "build",                           "find and load from stuff.qoc file",     600,  1440, 1095,  300, 0xE8D080, D,            0, false, Align::Default, true},
    {"Liz",          -1, Kind::ListBox,    "FrameStuff", "",                                "",                                      120,  1440,  735, 7260, 0xFFFF80, D,            0, false, Align::Default, false},
    {"ListStuff",    -1, Kind::ListBox,    "FrameStuff", "",                                "",                                      840,  1440, 2895, 7260, 0xFFFFC0, D,            0, false, Align::Default, false},
    {"LiThang",      -1, Kind::ListBox,    "FrameStuff", "",                                "",                                     3720,  1440,  855, 7260, 0xFFFF80, D,            0, false, Align::Default, false},

    // Acquire frame.
    {"OpNew",         0, Kind::Option,     "FrameNew",   "Abilities",                       "",                                     1440,     0, 1335,  300, 0x805000, 0xFFE850,     0, false, Align::Default, false},
    {"OpNew",         1, Kind::Option,     "FrameNew",   "Items",                           "",                                      360,     0,  975,  300, 0x804000, 0xFFC040,     0, false, Align::Default, false},
    {"OpNew",         2, Kind::Option,     "FrameNew",   "Notes",                           "",                                     2880,     0,  975,  300, 0x806000, 0xFFFFC0,     0, false, Align::Default, false},
    {"CMtake",       -1, Kind::Button,     "FrameNew",   "Take",                            "take object or abiliity",              3960,     0,  735,  330, 0xFF0000, D,        12.00, true,  Align::Default, false},
    {"TXnew",         0, Kind::TextBox,    "FrameNew",   "",                                "",                                      360,   360, 4290,  360, 0x800000, 0xFFFFFF,     0, false, Align::Default, true},
    {"TXnew",         1, Kind::TextBox,    "FrameNew",   "",                                "",                                      360,   720, 4290,  360, 0x806060, 0xFFFFFF,     0, false, Align::Default, true},
    {"TXnew",         2, Kind::TextBox,    "FrameNew",   "",                                "",                                      360,  1080, 4290,  360, D,        D,            0, false, Align::Default, true},
    {"TXnew",         3, Kind::TextBox,    "FrameNew",   "",                                "",                                      360,  1440, 4290,  360, D,        D,            0, false, Align::Default, true},
    {"TXnew",         4, Kind::TextBox,    "FrameNew",   "",                                "",                                      360,  1800, 4290,  360, D,        D,            0, false, Align::Default, true},
    {"TXnew",         5, Kind::TextBox,    "FrameNew",   "",                                "",                                      360,  2160, 4290,  360, D,        D,            0, false, Align::Default, true},
    {"TXnew",         6, Kind::TextBox,    "FrameNew",   "",                                "",                                      360,  2520, 4290,  360, D,        D,            0, false, Align::Default, true},
    {"TXnew",         7, Kind::TextBox,    "FrameNew",   "",                                "",                                      360,  2880, 4290,  360, D,        D,            0, false, Align::Default, true},
};

} // namespace

std::span<const ControlSpec> controls()
{
    return {kControls, std::size(kControls)};
}

QString objectName(const ControlSpec& entry)
{
    QString name = QString::fromUtf8(entry.name);
    if (entry.index >= 0)
        name += QString::number(entry.index);
    return name;
}

} // namespace layout
