// A possession file as "save item" writes it, from the texts of its first line boxes.
#pragma once

#include "possessions/possession_file.h"

#include <QStringList>

#include <algorithm>

inline QByteArray possessionBytes(const QStringList& lines)
{
    possessions::Lines boxes;
    std::copy_n(lines.begin(), std::min<qsizetype>(lines.size(), possessions::kLineBoxes), boxes.begin());
    return possessions::possessionFileBytes(boxes);
}
