// Data flow: a roll draws from the random source through the rules of creation/, writes the record,
// and has the sheet show it; the seed box and the race box are read as typed.
#include "window/panels/creation_panel.h"

#include "window/panels/sheet_panel.h"
#include "window/widgets/edit_box.h"

#include "common/numbers.h"
#include "creation/random_character.h"
#include "sheet/abilities.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTimer>

namespace window {

using common::FormatInteger;
using common::ParseNumber;

namespace {
constexpr int kTimer1Interval = 30;
constexpr std::int16_t kSeedWrapAbove = 32000;
} // namespace

CreationPanel::CreationPanel(const CreationControls& controls, CreationState state, SheetPanel& sheet,
                             std::shared_ptr<common::RandomSource> random, QObject* parent)
    : QObject(parent), c_(controls), state_(state), sheet_(sheet), random_(std::move(random)), Timer1(new QTimer(this))
{
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimer1Interval);
    connect(c_.CDseed, &QPushButton::clicked, this, &CreationPanel::freezeSeed);
    connect(c_.CMran, &QPushButton::clicked, this, &CreationPanel::rollCharacter);
    connect(c_.txDice, &EditBox::doubleClicked, this, &CreationPanel::drawRaceNumber);
    connect(Timer1, &QTimer::timeout, this, &CreationPanel::Timer1Tick);
}

void CreationPanel::AlfaB() { creation::fillSyllableTables(state_.syllables); }

void CreationPanel::Moniker()
{
    GeneratedName.clear();
    sheet_.showName(QString());
    GeneratedName = creation::buildName(state_.syllables, *random_);
    sheet_.showName(GeneratedName);
}

void CreationPanel::Populate() { sheet::populate(state_.character, sheet_.shownIntellect()); }

void CreationPanel::renameFromRace()
{
    sheet_.step(tr("new name"), [this] {
        Moniker();
        sheet_.showName(GeneratedName);
        sheet_.nameAsShown();
    });
}

void CreationPanel::startSeedTicker() { Timer1->start(); }

void CreationPanel::Timer1Tick()
{
    ++SeedTicker;
    if (SeedTicker > kSeedWrapAbove) SeedTicker = -kSeedWrapAbove;
    c_.TXseed->setText(FormatInteger(SeedTicker));
}

void CreationPanel::freezeSeed()
{
    random_->reseed(ParseNumber(c_.TXseed->text()));
    Timer1->stop();
}

void CreationPanel::drawRaceNumber()
{
    c_.txDice->setText(FormatInteger(creation::drawRace(*random_, state_.raceCount)));
}

void CreationPanel::rollCharacter()
{
    if (Timer1->isActive()) {
        Timer1->stop();
        random_->reseed(ParseNumber(c_.TXseed->text()));
    }
    sheet_.step(tr("random character"), [this] {
        std::optional<int> requested;
        if (c_.CHdice->isChecked()) requested = common::ToInt16(ParseNumber(c_.txDice->text()));
        const creation::RaceChoice race = creation::chooseRace(requested, *random_, state_.raceCount);
        if (race.drawn) c_.txDice->setText(FormatInteger(race.race));

        creation::rollCharacter(state_.character, race.race, {state_.raceName, state_.raceChakra, state_.raceCount},
                                *random_);
        sheet_.showRolledAttributes();
        Moniker();
        sheet_.nameAsShown();
        Populate();
        sheet_.Numero();
        sheet_.setFile(QString()); // a new character: no file holds it yet
    });
}

} // namespace window
