// The teleport error roller: the frame shown by the "T" box, which lists the hundred teleport errors
// twenty at a time ("1-20" to "<100"), shows the text of a clicked row, rolls a range and a row with
// "random" (every error equally likely), and rolls again within the shown range on a click on the text.
#pragma once

#include "window/layout/control_set.h"

#include "common/random_source.h"
#include "reference/reference_tables.h"

#include <QObject>

#include <memory>

namespace window {

class TeleportRoller : public QObject {
    Q_OBJECT
public:
    TeleportRoller(const TeleportControls& controls, const reference::TeleportErrorTable& errors,
                   std::shared_ptr<common::RandomSource> random, QObject* parent = nullptr);

    // Start-up: the frame in the right-hand column, closed, with its heading.
    void startUp();

private:
    void showRange(int range);
    void showChosenRow();
    void selectRow(int row);
    void roll();
    void rollWithinRange();

    TeleportControls c_;
    const reference::TeleportErrorTable& errors_;
    std::shared_ptr<common::RandomSource> random_;
};

} // namespace window
