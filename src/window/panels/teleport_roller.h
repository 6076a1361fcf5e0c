// The teleport error roller: the frame shown by the "T" box, which lists the hundred teleport errors
// twenty at a time ("1-20" to "<100"), shows the text of a clicked row, rolls a range and a row with
// "random" (every error equally likely), and rolls again within the shown range on a click on the text.
#pragma once

#include "common/random_source.h"
#include "reference/reference_tables.h"

#include <QObject>

#include <memory>

namespace window {

struct ControlSet;

class TeleportRoller : public QObject {
    Q_OBJECT
public:
    TeleportRoller(const ControlSet& controls, const reference::TeleportErrorTable& errors,
                   std::shared_ptr<common::RandomSource> random);

private:
    void showRange(int range);
    void showChosenRow();
    void selectRow(int row);
    void roll();
    void rollWithinRange();

    const ControlSet& c_;
    const reference::TeleportErrorTable& errors_;
    std::shared_ptr<common::RandomSource> random_;
};

} // namespace window
