// The unsaved sheet: the sheet kept in the program's own folder while it differs from what was last
// saved or loaded, so that a close, a crash or a kill loses nothing of it. A text file of the
// program's own, in the field rule of its other files (common/fields.h):
//
//   "Charac unsaved sheet",1,28       what the file is, its version, the number of captions
//   "c:\QOD\Charac\Tessa\","2026-12-09T09:41:07Z"   the folder the folder list showed; when kept (UTC)
//   31 quoted texts, then 31 integers  the record's slots 0..30
//   3 integers, then 3 quoted texts    the helm and shield in use (entries 0..2)
//   28 quoted texts                    every sheet label's caption, in the sheet's order
//   "end"
//
// A double quote inside a text cannot be stored in a quoted field and comes back as a single quote,
// as in a character file.
#pragma once

#include "sheet/sheet_snapshot.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

namespace charfile {

struct UnsavedSheet {
    sheet::SheetSnapshot sheet;
    QString folder; // the folder the folder list showed
    QDateTime kept; // when it was kept, in UTC
};

QByteArray unsavedSheetBytes(const UnsavedSheet& unsaved);

// The unsaved sheet in bytes, or nothing when they are not one whole, with that many captions.
std::optional<UnsavedSheet> readUnsavedSheet(const QByteArray& bytes, int captionCount);

} // namespace charfile
