// The window's control inventory as data: one row per control (one row per element of a control
// array), in twips as the sheet was designed. The window builds every widget from these rows, so a
// position, colour, font or caption is changed here and nowhere else.
#pragma once

#include <QString>
#include <QStringView>

#include <span>
#include <vector>

namespace layout {

enum class Kind {
    Label,      // read-only caption, may be clickable
    TextBox,    // one line of editable text
    Button,     // push button
    CheckBox,   // two-state box with a caption
    Toggle,     // check box drawn as a toggle button
    Option,     // one of a group of exclusive choices (the group is its control array)
    ListBox,    // rows of text
    FileList,   // files of one folder matching one pattern
    FolderList, // the current folder, its parents and its sub-folders
    Frame,      // a panel holding other controls
    Picture,    // the tile strip
};

enum class Align { Default, Left, Centre, Right };

// The part of the sheet a control belongs to: each part is one panel of the window, built from the
// controls of its group alone (window/panels/). The window keeps its own few.
enum class Group {
    Window,         // the exit button and the version
    Sheet,          // labels, damage and healing, in-place editing, item use
    Creation,       // seed, race number, random roll
    Folders,        // folder list, root folders, make dir, character folder
    CharacterFiles, // the character list and "save"
    Viewer,         // possession lists, line boxes, amount buttons, "save item"
    Acquire,        // the acquire toggle and the panel with "Take"
    Catalogue,      // the stuff frame
    Teleport,       // the teleport frame
    EventLog,       // the event column and its clear button
    WebButtons,     // the three web pages
    Printing,       // "!!"
};

inline constexpr int kDefaultColour = -1; // the toolkit's colour for that kind of control
inline constexpr int kTransparent = -2;   // background shows through (labels only)

struct ControlSpec {
    const char* name; // inventory name without index: "CDexit", "LabAb"
    int index;        // element index of a control array, -1 for a single control
    Kind kind;
    const char* container;        // nullptr: the window; otherwise the name of a Frame row
    const char* caption;          // design caption or text, UTF-8 ("" when there is none)
    const char* tooltip;          // "" when there is none
    const char* accessibleName;   // what a text box or list holds, for screen readers ("" when none)
    int left, top, width, height; // twips, relative to the container
    int back, fore;               // 0xRRGGBB, kDefaultColour, or (back only) kTransparent
    double points;                // font size; 0 = the window's default font
    bool bold;                    // ignored when points is 0
    Align align;
    bool hiddenAtStart; // hidden by design, before the start-up sequence runs
};

// Window client area and its default text style.
inline constexpr int kWindowWidthTwips = 14760;
inline constexpr int kWindowHeightTwips = 10410;
inline constexpr int kWindowBack = 0xC8B088;
inline constexpr double kDefaultPoints = 9.75;
inline constexpr const char* kFontFamily = "Georgia";

// Every control, frames before the controls they hold.
std::span<const ControlSpec> controls();

// The left edges of the sheet's middle and right columns (twips).
inline constexpr int kMiddleColumnEdge = 4440;
inline constexpr int kRightColumnEdge = 9360;

// Every row, column by column (left, middle, right; a control in a frame goes with its frame), and
// within a column in the order of the table. That is the order a person reads the sheet in, and the
// order the Tab key visits the controls.
std::vector<const ControlSpec*> readingOrder();

// The name screen readers give a control, "" for none. A text box or list, whose caption is what it
// holds, is named by its tooltip where it has one and otherwise by its accessible name; any other
// control only by an accessible name of its own, its caption telling what it is.
QString accessibleNameOf(const ControlSpec& entry);

// The design row of a control ("FileA", 0), or of a single control (index -1). The name must be one
// of the table's.
const ControlSpec& designOf(QStringView name, int index = -1);

// Places that controls move to at run time (twips).
inline constexpr int kFramesLeft = 9720;      // the teleport and stuff frames, moved into the right column
inline constexpr int kAcquirePanelTop = 6210; // the open acquire panel: the row of the viewer's name box
inline constexpr int kEventLineHeight = 275;  // one line of an event log entry
// A save or a load lays the event log out anew: every label this high, label i at the top of the
// second row plus i steps, and the first label back at its design top.
inline constexpr int kEventLogHeight = 245;
inline constexpr int kEventLogTop = 4500;
inline constexpr int kEventLogStep = 370;
inline constexpr int kEventLogFirstTop = 480;

// "LabAb2" for element 2 of LabAb, "CDexit" for a single control.
QString objectName(const ControlSpec& entry);

// 15 twips make one pixel at the usual screen density.
constexpr int pixels(int twips) { return twips / 15; }

} // namespace layout
