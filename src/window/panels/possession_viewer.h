// The possession viewer: the three possession lists with their option buttons, the seven line boxes,
// the name box and the five amount buttons. A view reads the chosen file into the boxes and returns
// what it found, so that the window can carry its effects over to the sheet and the event log; the
// amount buttons and the step box work on the boxes alone.
#pragma once

#include "possessions/possession_file.h"

#include <QObject>

#include <optional>
#include <span>

namespace window {

class EditBox;
struct ControlSet;

// The texts of seven line boxes, for writing them as a possession file.
possessions::Lines textsOf(std::span<EditBox* const, possessions::kLineBoxes> boxes);

class PossessionViewer : public QObject {
    Q_OBJECT
public:
    explicit PossessionViewer(const ControlSet& controls);

    // Shows the file of that name chosen in possession list `list` (0 abilities, 1 items, 2 notes).
    // Nothing when it cannot be read; the view's valid flag tells a file that is not valid.
    std::optional<possessions::PossessionView> view(int list, const QString& fileName);

    // The name box and the seven line boxes as they stand, for "save item".
    QString fileName() const;
    possessions::Lines lines() const;

    const possessions::ViewerState& state() const { return state_; }
    // Saving and loading a character forget the marker and the amount of the last view.
    void forgetMarkerAndAmount();

private:
    void connectControls();
    void showLists(int option);
    void changeAmount(int button);
    void showStepCaption();
    void show(const possessions::PossessionView& view);

    const ControlSet& c_;
    possessions::ViewerState state_;
};

} // namespace window
