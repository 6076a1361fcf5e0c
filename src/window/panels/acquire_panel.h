// The acquire panel: the toggle "acquire" opens the panel for a new possession (FrameNew) together
// with the catalogue frame, and closes both again; the kind buttons colour the panel; the panel's
// boxes hold the new file's name and its seven lines until "Take" hands them on to be written.
#pragma once

#include "window/layout/control_set.h"

#include "catalogue/catalogue.h"
#include "possessions/possession_file.h"

#include <QObject>

namespace window {

class AcquirePanel : public QObject {
    Q_OBJECT
public:
    explicit AcquirePanel(const AcquireControls& controls, QObject* parent = nullptr);

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

signals:
    // The catalogue frame opens or closes with the panel.
    void catalogueShown(bool shown);
    // "Take": the panel's file is to be written.
    void taken(const QString& fileName, const possessions::Lines& lines);

private:
    void toggle();
    void colourByKind(int kind);
    bool isOpen() const;

    AcquireControls c_;
};

} // namespace window
