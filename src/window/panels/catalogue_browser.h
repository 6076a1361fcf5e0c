// The catalogue browser in the stuff frame: a click on a catalogue file lists its entries in three
// parallel lists (code, name, number) and opens the acquire panel's boxes; a click on an entry
// selects that row in all three and lays the entry out in the acquire panel, and for a formula code
// puts the entry's name and computed value into ability row 2 of the record at once (the sheet
// shows it at its next refresh).
#pragma once

#include "window/layout/control_set.h"

#include "catalogue/catalogue.h"

#include <QObject>
#include <QStringList>

#include <optional>

namespace window {

class AcquirePanel;
class FolderPanel;
class Messages;
class SheetPanel;

class CatalogueBrowser : public QObject {
    Q_OBJECT
public:
    CatalogueBrowser(const CatalogueControls& controls, SheetPanel& sheet, AcquirePanel& acquire,
                     const FolderPanel& folders, Messages& messages, QObject* parent = nullptr);
    ~CatalogueBrowser() override;
    CatalogueBrowser(const CatalogueBrowser&) = delete;
    CatalogueBrowser& operator=(const CatalogueBrowser&) = delete;

    // Start-up: the legend of the category codes, and the frame in its column.
    void startUp();
    // The frame opens and closes with the acquire panel.
    void showFrame(bool shown);
    // The catalogue list follows the folder list.
    void showFolder(const QString& folder, const QStringList& files);

private:
    void catalogueChosen();
    void entryChosen();
    // Lists the entries of the catalogue file at path. False, with the lists as they were, when the
    // file cannot be read or is no catalogue the program can use.
    bool load(const QString& path);
    // The entry on the chosen row of the name list, with the same row selected in the code and
    // number lists; nothing when no row is chosen.
    std::optional<catalogue::Entry> choose();

    CatalogueControls c_;
    SheetPanel& sheet_;
    AcquirePanel& acquire_;
    const FolderPanel& folders_;
    Messages& messages_;
    catalogue::Catalogue catalogue_; // the catalogue listed; the lists draw their rows from it
};

} // namespace window
