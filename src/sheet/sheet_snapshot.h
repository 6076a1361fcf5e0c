// The sheet as it stands, whole: the record, the helm and shield in use, and what every sheet label
// shows. An undo step keeps two of them; the unsaved sheet is one kept on disk.
#pragma once

#include "sheet/abilities.h"
#include "sheet/character.h"

#include <QStringList>

namespace sheet {

struct SheetSnapshot {
    Character character;
    DefenseInUse defense;
    QStringList captions; // every sheet label, always in the same order
    QString file;         // the character file it was last loaded from or saved to; empty for none
    bool operator==(const SheetSnapshot&) const = default;
};

} // namespace sheet
