// What differs between a version and the file as it is now, in a few words for a list of versions:
// for a character the fields that changed, by name ("Health 7 → 12, Strength 14 → 15"); for a
// possession the first line that changed ("line 2: Rope → Rope, fifty feet").
#pragma once

#include <QByteArray>
#include <QString>

namespace versions {

// The fields of the character in `now` that differ from the one in `version`, each as
// "<field> <version's> → <now's>"; "no change" when none differ, "cannot be read" when either is no
// character file.
QString characterChanges(const QByteArray& version, const QByteArray& now);

// The first line of the text that differs, by its number from 1; "no change" when none does.
QString possessionChanges(const QByteArray& version, const QByteArray& now);

} // namespace versions
