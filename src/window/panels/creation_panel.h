// Creation: the seed box that counts until the first roll, the "=" button that seeds the generator
// from it, the race-number box and its "d" box, the random roll, and the name generator that the
// roll and a click on the race label use.
#pragma once

#include "window/layout/control_set.h"

#include "common/random_source.h"
#include "creation/names.h"
#include "reference/reference_tables.h"
#include "sheet/character.h"

#include <QObject>

#include <cstdint>
#include <memory>

class QTimer;

namespace window {

class SheetPanel;

// The parts of the module state a roll reads and writes.
struct CreationState {
    sheet::Character& character;
    const reference::RaceNameTable& raceName;
    const reference::RaceChakraTable& raceChakra;
    const std::int16_t& raceCount;
    creation::SyllableTables& syllables;
};

class CreationPanel : public QObject {
    Q_OBJECT
public:
    CreationPanel(const CreationControls& controls, CreationState state, SheetPanel& sheet,
                  std::shared_ptr<common::RandomSource> random, QObject* parent = nullptr);

    // AlfaB: fills the syllable tables names are built from.
    void AlfaB();
    // Moniker: builds a new name and shows it on the name label.
    void Moniker();
    // Populate: works out the ability rows from the attributes and the Intellect the sheet shows.
    void Populate();

    // A click on the race label: a new generated name for the character.
    void renameFromRace();

    // Timer1: the seed box counts every 30 ms until the first roll or seeding.
    void startSeedTicker();
    void Timer1Tick();

private:
    void freezeSeed();
    void drawRaceNumber();
    void rollCharacter();

    CreationControls c_;
    CreationState state_;
    SheetPanel& sheet_;
    std::shared_ptr<common::RandomSource> random_;
    QTimer* Timer1;
    QString GeneratedName;       // the name Moniker built last
    std::int16_t SeedTicker = 0; // the count the seed box shows until the first roll or seeding
};

} // namespace window
