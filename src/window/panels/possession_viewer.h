// The possession viewer: the three possession lists with their option buttons, the seven line boxes,
// the name box, the five amount buttons with the step box, "save item", and the "R" box that says
// where the folder list goes after a possession is written. A click in a list shows the file in the
// boxes and tells what the view found, for the sheet and the event log to take up; "save item" (and
// "Take", which the window hands here) writes a possession file into the character folder.
#pragma once

#include "window/layout/control_set.h"

#include "possessions/possession_file.h"
#include "sheet/abilities.h"

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QStringList>

#include <functional>
#include <optional>
#include <span>

namespace versions {
class Store;
}

namespace window {

class FolderPanel;
class Messages;

// The texts of seven line boxes, for writing them as a possession file.
possessions::Lines textsOf(std::span<EditBox* const, possessions::kLineBoxes> boxes);

class PossessionViewer : public QObject {
    Q_OBJECT
public:
    // A plain line takes the colour that plainColour() gives at the time of the view: the exit
    // button's, as the sheet shows it.
    // "save item" and "Take" keep what they replace in versions.
    PossessionViewer(const ViewerControls& controls, FolderPanel& folders, versions::Store& versions,
                     Messages& messages, std::function<QColor()> plainColour, QObject* parent = nullptr);

    // The three lists follow the folder list.
    void showFolder(const QString& folder, const QStringList& files);

    // Writes a possession file of that name into the character folder, then shows the character
    // folder or the folder the list was at, as the "R" box says.
    void store(const QString& fileName, const possessions::Lines& lines);

    // The first three line boxes, as the tile strip puts a viewed item to use.
    sheet::ItemInHand itemInHand() const;

    // An earlier version of a possession file, shown as a view of that file would show it.
    // A copy that is gone is said as a file that cannot be viewed.
    void openVersion(const QString& fileName, const std::optional<QByteArray>& bytes);

    const possessions::ViewerState& state() const { return state_; }
    // Saving and loading a character forget the marker and the amount of the last view.
    void forgetMarkerAndAmount();

signals:
    // A file was chosen and is about to be shown.
    void aboutToView();
    // The file of that name in that list was shown, up to where it ran out.
    void viewed(possessions::ListKind list, const possessions::PossessionView& view, const QString& fileName);
    // A right-click on the possession file at path.
    void versionsAsked(const QString& path, const QPoint& globalPos);

private:
    void connectControls();
    void choose(int list);
    std::optional<possessions::PossessionView> view(int list, const QString& fileName);
    possessions::PossessionView viewBytes(int list, const QString& fileName, const QByteArray& bytes);
    void show(const possessions::PossessionView& view);
    void showLists(int option);
    void changeAmount(int button);
    void showStepCaption();

    ViewerControls c_;
    FolderPanel& folders_;
    versions::Store& versions_;
    Messages& messages_;
    std::function<QColor()> plainColour_;
    possessions::ViewerState state_;
};

} // namespace window
