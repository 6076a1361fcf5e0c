// The temporary files that writes make beside their targets, named alike on every system: hidden,
// ".NAME.TAG.charac-saving" with a random TAG, so that no file list shows them and no two writes
// share one. For the files of common/ that write.
#pragma once

#include <QString>

namespace common {

inline constexpr int kSaveAttempts = 100;            // names tried before a write gives up
inline constexpr qint64 kStaleSaveSeconds = 60 * 60; // no write under way is this old
inline constexpr int kSaveNameExtra = 22;            // what the name gains: ".", ".TAG", ".charac-saving"

// A fresh temporary name for a write of name.
QString temporarySaveName(const QString& name);

} // namespace common
