// The event log: the column of twelve labels Bapa on the right of the window. Every item the viewer
// shows adds an entry, the item's name and code and then its further lines, each entry placed right
// below the one before; after the twelfth the log empties itself and starts again at the top.
#pragma once

#include <array>
#include <cstdint>

class QString;

namespace window {

class CaptionLabel;

class EventLog {
public:
    static constexpr int kLabels = 12;
    using Labels = std::array<CaptionLabel*, kLabels>;

    // The labels as they stand in the layout table.
    explicit EventLog(const Labels& labels);

    // The label that takes the next entry (EventRow).
    std::int16_t row() const { return row_; }

    // Adds text to the entry being written.
    void append(const QString& text);
    // Ends the entry of an item view with this many shown lines: its label takes the height of its
    // lines after the first, the next entry starts right below it, and after the twelfth entry every
    // caption is emptied and the log starts again at the first label.
    void endEntry(int shownLines);
    // Empties every caption and starts again at the first label; tops and heights stay.
    void clear();
    // Empties the log and lays its labels out anew, as saving and loading a character do.
    void layOutAnew();

private:
    // Places are kept in twips and converted once, so that entries stacked one below the other do
    // not drift by a pixel's fraction each.
    void place(int label, int top, int height);

    Labels labels_;
    std::array<int, kLabels> tops_{};
    std::array<int, kLabels> heights_{};
    std::int16_t row_ = 0;
};

} // namespace window
