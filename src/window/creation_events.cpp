// Character creation: the seed box and its counter, the race-number box, the random roll, and the
// name generator that the roll and a click on the race label use.
#include "window/form_charac.h"

#include "window/widgets/caption_label.h"
#include "window/widgets/edit_box.h"

#include "common/numbers.h"
#include "creation/names.h"
#include "creation/random_character.h"
#include "sheet/abilities.h"

#include <QCheckBox>
#include <QTimer>

namespace window {

using common::FormatInteger;
using common::ParseNumber;

namespace {
constexpr std::int16_t kSeedWrapAbove = 32000;
} // namespace

void FormCharac::AlfaB() { creation::fillSyllableTables(mod_.Syllables); }

void FormCharac::Moniker()
{
    mod_.GeneratedName.clear();
    Labnam->setCaption(QString());
    mod_.GeneratedName = creation::buildName(mod_.Syllables, *services_.random);
    Labnam->setCaption(mod_.GeneratedName);
}

void FormCharac::Populate() { sheet::populate(mod_.Character, Chakra[2]->caption()); }

void FormCharac::Timer1Tick()
{
    ++mod_.SeedTicker;
    if (mod_.SeedTicker > kSeedWrapAbove) mod_.SeedTicker = -kSeedWrapAbove;
    TXseed->setText(FormatInteger(mod_.SeedTicker));
}

void FormCharac::freezeSeed()
{
    services_.random->reseed(ParseNumber(TXseed->text()));
    Timer1->stop();
}

void FormCharac::drawRaceNumber()
{
    txDice->setText(FormatInteger(creation::drawRace(*services_.random, mod_.RaceCount)));
}

void FormCharac::rollCharacter()
{
    if (Timer1->isActive()) {
        Timer1->stop();
        services_.random->reseed(ParseNumber(TXseed->text()));
    }
    std::optional<int> requested;
    if (CHdice->isChecked()) requested = common::ToInt16(ParseNumber(txDice->text()));
    const creation::RaceChoice race = creation::chooseRace(requested, *services_.random, mod_.RaceCount);
    if (race.drawn) txDice->setText(FormatInteger(race.race));

    sheet::Character& c = mod_.Character;
    creation::rollCharacter(c, race.race, {mod_.RaceName, mod_.RaceChakra, mod_.RaceCount}, *services_.random);
    for (int i = sheet::slot::Wisdom; i <= sheet::slot::Power; ++i) Chakra[i]->setCaption(FormatInteger(c.CharValue[i]));
    Chakra[8]->setCaption(Chakra[7]->caption());
    c.CharText[sheet::slot::Health] = Chakra[8]->caption();

    Moniker();
    c.CharText[sheet::slot::Name] = Labnam->caption();
    Populate();
    Numero();
}

} // namespace window
