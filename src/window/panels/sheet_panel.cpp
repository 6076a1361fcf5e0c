// Data flow: a click or a commit reads the controls, hands the record to a rule of sheet/, and shows
// what the rule changed; Numero() writes every label from the record.
#include "window/panels/sheet_panel.h"

#include "window/widgets/caption_label.h"
#include "window/widgets/edit_box.h"
#include "window/widgets/tile_strip.h"

#include "common/numbers.h"
#include "sheet/condition.h"
#include "sheet/damage.h"
#include "sheet/edits.h"
#include "sheet/sheet_captions.h"

#include <QPushButton>

namespace window {

namespace {
// The attribute labels hold Spell Essence and the seven attributes at their slots, then the health.
constexpr int kHealthLabel = 8;
} // namespace

SheetPanel::SheetPanel(const SheetControls& controls, SheetState state, QObject* parent)
    : QObject(parent), c_(controls), state_(state),
      history_([this] { return snapshot(); }, [this](const SheetSnapshot& shown) { restore(shown); })
{
    connectControls();
}

void SheetPanel::connectControls()
{
    connect(c_.CDdam, &QPushButton::clicked, this, &SheetPanel::takeDamage);
    connect(c_.CDheal, &QPushButton::clicked, this, &SheetPanel::healToFull);
    for (int i = 0; i < int(c_.Chakra.size()); ++i) {
        connect(c_.Chakra[i], &CaptionLabel::clicked, this, [this, i] { openAttributeEditor(i); });
    }
    for (int row = 0; row < int(c_.LabAb.size()); ++row) {
        connect(c_.LabAb[row], &CaptionLabel::clicked, this,
                [this, row] { openRowEditor(c_.TXab, c_.LabAb[row], row); });
        connect(c_.LabPer[row], &CaptionLabel::clicked, this,
                [this, row] { openRowEditor(c_.TXedit, c_.LabPer[row], row); });
    }
    connect(c_.Labnam, &CaptionLabel::clicked, this, &SheetPanel::openRenameEditor);
    connect(c_.TXchedit, &EditBox::editFinished, this, &SheetPanel::commitAttributeEdit);
    connect(c_.TXab, &EditBox::editFinished, this, &SheetPanel::commitAbilityNameEdit);
    connect(c_.TXedit, &EditBox::editFinished, this, &SheetPanel::commitAbilityValueEdit);
    connect(c_.TXrename, &EditBox::editFinished, this, &SheetPanel::commitRename);
    connect(c_.Labfull, &CaptionLabel::clicked, this, &SheetPanel::renameFromRaceAsked);
    connect(c_.Pcha, &TileStrip::clicked, this, &SheetPanel::itemUseAsked);
}

void SheetPanel::setCharacter(const sheet::Character& character) { state_.character = character; }

void SheetPanel::Numero()
{
    const sheet::SheetCaptions shown = sheet::sheetCaptions(state_.character);
    c_.LabPer[0]->setCaption(shown.row0Value);
    c_.LabAb[0]->setCaption(shown.row0Name);
    c_.Labnam->setCaption(shown.name);
    c_.Labfull->setCaption(shown.race);
    c_.LabDetail->setCaption(shown.detail);
    for (int i = 1; i <= kHealthLabel; ++i) c_.Chakra[i]->setCaption(shown.attributes[i]);
    for (int row = 1; row < sheet::kAbilityRows; ++row) {
        c_.LabPer[row]->setCaption(shown.abilityValues[row]);
        c_.LabAb[row]->setCaption(shown.abilityNames[row]);
    }
}

void SheetPanel::DScrip() { sheet::updateCondition(state_.character, shownPower()); }

QString SheetPanel::name() const { return c_.Labnam->caption(); }

void SheetPanel::showName(const QString& name) { c_.Labnam->setCaption(name); }

void SheetPanel::nameAsShown() { state_.character.CharText[sheet::slot::text::Name] = name(); }

QString SheetPanel::shownAttribute(sheet::slot::value slot) const { return c_.Chakra[int(slot)]->caption(); }

QString SheetPanel::shownPower() const { return shownAttribute(sheet::slot::value::Power); }

QString SheetPanel::shownIntellect() const { return shownAttribute(sheet::slot::value::Intellect); }

void SheetPanel::showRolledAttributes()
{
    sheet::Character& c = state_.character;
    for (int i = int(sheet::slot::value::Wisdom); i <= int(sheet::slot::value::Power); ++i) {
        c_.Chakra[i]->setCaption(common::FormatInteger(c.CharValue.numbered(i)));
    }
    // The health starts as the Power the sheet shows.
    c_.Chakra[kHealthLabel]->setCaption(shownPower());
    c.CharText[sheet::slot::text::Health] = c_.Chakra[kHealthLabel]->caption();
}

void SheetPanel::takeDamage()
{
    step(stepName(tr("damage"), c_.TXdam->text()), [this] {
        sheet::applyDamage(state_.character, c_.TXdam->text());
        c_.Chakra[kHealthLabel]->setCaption(state_.character.CharText[sheet::slot::text::Health]);
        DScrip();
        Numero();
    });
}

void SheetPanel::healToFull()
{
    step(tr("heal to full"), [this] {
        sheet::healToFull(state_.character);
        c_.Chakra[kHealthLabel]->setCaption(state_.character.CharText[sheet::slot::text::Health]);
        DScrip();
        Numero();
    });
}

void SheetPanel::showView(const possessions::PossessionView& view, const QString& fileName)
{
    // Captions only, but for ability row 2 of an ability file, which the record takes as well; the
    // next sheet refresh puts the record back into a row that a marker mapped.
    step(stepName(tr("view"), fileName), [&] {
        for (int row = 0; row < possessions::kAbilityRows; ++row) {
            if (view.abilityNames[row]) c_.LabAb[row]->setCaption(*view.abilityNames[row]);
            if (view.abilityValues[row]) c_.LabPer[row]->setCaption(*view.abilityValues[row]);
        }
        sheet::takeIntoRowTwo(state_.character, view.rowTwoName, view.rowTwoValue);
    });
}

void SheetPanel::takeCatalogueSkill(const QString& name, std::int16_t value)
{
    step(tr("catalogue entry"), [&] { sheet::takeIntoRowTwo(state_.character, name, value); });
}

// Prayer, initiative and system shock are worked out again, and the armour, helm, shield or weapon
// put to use.
void SheetPanel::useItem(const sheet::ItemInHand& item)
{
    step(tr("use item"), [&] { putToUse(item); });
}

void SheetPanel::putToUse(const sheet::ItemInHand& item)
{
    const sheet::ItemUse use = sheet::useItem(state_.character, item, state_.defense);
    const sheet::SheetCaptions shown = sheet::sheetCaptions(state_.character);
    auto showRow = [&](int row) {
        c_.LabPer[row]->setCaption(shown.abilityValues[row]);
        c_.LabAb[row]->setCaption(shown.abilityNames[row]);
    };
    showRow(1);
    showRow(3);
    if (use == sheet::ItemUse::Armour) showRow(4);
    if (use == sheet::ItemUse::Helm || use == sheet::ItemUse::Shield) {
        c_.LabPer[5]->setCaption(
            sheet::defenseValueCaption(state_.defense, state_.character.CharValue[sheet::slot::value::Nimbleness]));
        c_.LabAb[5]->setCaption(sheet::defenseNameCaption(state_.defense));
    }
    if (use == sheet::ItemUse::Weapon) showRow(6);
    showRow(7);
}

} // namespace window
