// The acquire panel: the toggle "acquire" opens the panel for a new possession (FrameNew) together
// with the catalogue frame, and closes both again; the kind buttons colour the panel; the panel's
// boxes hold the new file's name and its seven lines until "Take" writes them.
#pragma once

#include "catalogue/catalogue.h"
#include "possessions/possession_file.h"

#include <QObject>

namespace window {

struct ControlSet;

class AcquirePanel : public QObject {
    Q_OBJECT
public:
    explicit AcquirePanel(const ControlSet& controls);

    // Both frames hidden, the toggle left as it is: a view takes the panel's place.
    void hideFrames();
    // Closed as at start: caption "acquire", both frames hidden (a load does this).
    void close();

    // The panel shown with all eight boxes emptied and shown, as a catalogue is loaded or an entry
    // is about to be laid out.
    void showEmptyBoxes();
    // A catalogue entry laid out as a new possession: name, code, name and number in the boxes, and
    // its kind selected (an unknown code leaves the kind as it was).
    void layOut(const catalogue::Choice& choice);

    // The new file's name and its lines, as typed or laid out from the catalogue.
    QString fileName() const;
    possessions::Lines lines() const;

private:
    void toggle();
    void colourByKind(int kind);
    bool isOpen() const;

    const ControlSet& c_;
};

} // namespace window
