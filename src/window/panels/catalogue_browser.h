// The catalogue browser in the stuff frame: a click on a catalogue file lists its entries in three
// parallel lists (code, name, number); a click on an entry selects that row in all three and hands
// the entry on, for the window to lay it out in the acquire panel.
#pragma once

#include "catalogue/catalogue.h"

#include <QString>

#include <optional>

namespace window {

struct ControlSet;

class CatalogueBrowser {
public:
    explicit CatalogueBrowser(const ControlSet& controls);
    ~CatalogueBrowser();
    CatalogueBrowser(const CatalogueBrowser&) = delete;
    CatalogueBrowser& operator=(const CatalogueBrowser&) = delete;

    // Lists the entries of the catalogue file at path. False, with the lists as they were, when the
    // file cannot be read.
    bool load(const QString& path);

    // The entry on the chosen row of the name list, with the same row selected in the code and
    // number lists; nothing when no row is chosen.
    std::optional<catalogue::Entry> choose();

private:
    const ControlSet& c_;
    catalogue::Catalogue catalogue_; // the catalogue listed; the lists draw their rows from it
};

} // namespace window
