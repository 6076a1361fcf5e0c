// The event log: the column of twelve labels Bapa on the right of the window. Every item the viewer
// shows adds an entry, the item's name and code and then its further lines, each entry placed right
// below the one before; after the twelfth the log empties itself and starts again at the top.
#pragma once

#include "window/layout/control_set.h"

#include <QObject>

#include <array>
#include <cstdint>

class QString;

namespace window {

class EventLog : public QObject {
    Q_OBJECT
public:
    static constexpr int kLabels = 12;

    // The labels as they stand in the layout table; "cle" empties the log.
    explicit EventLog(const EventLogControls& controls, QObject* parent = nullptr);

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

    std::array<CaptionLabel*, kLabels> labels_;
    std::array<int, kLabels> tops_{};
    std::array<int, kLabels> heights_{};
    std::int16_t row_ = 0;
};

} // namespace window
