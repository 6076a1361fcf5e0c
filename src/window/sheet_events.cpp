// The live sheet: the whole-sheet refresh, the condition word, damage and healing, editing in place,
// and putting an item to use. Each handler changes the character record through a rule and then
// shows what changed.
#include "window/form_charac.h"

#include "window/widgets/caption_label.h"
#include "window/widgets/edit_box.h"
#include "window/widgets/tile_strip.h"

#include "common/numbers.h"
#include "sheet/abilities.h"
#include "sheet/condition.h"
#include "sheet/damage.h"
#include "sheet/edits.h"
#include "sheet/sheet_captions.h"

namespace window {

void FormCharac::Numero()
{
    const sheet::SheetCaptions shown = sheet::sheetCaptions(mod_.Character);
    LabPer[0]->setCaption(shown.row0Value);
    LabAb[0]->setCaption(shown.row0Name);
    Labnam->setCaption(shown.name);
    Labfull->setCaption(shown.race);
    LabDetail->setCaption(shown.detail);
    for (int i = 1; i <= 8; ++i) Chakra[i]->setCaption(shown.attributes[i]);
    for (int row = 1; row < sheet::kAbilityRows; ++row) {
        LabPer[row]->setCaption(shown.abilityValues[row]);
        LabAb[row]->setCaption(shown.abilityNames[row]);
    }
}

void FormCharac::DScrip() { sheet::updateCondition(mod_.Character, Chakra[7]->caption()); }

void FormCharac::takeDamage()
{
    sheet::applyDamage(mod_.Character, TXdam->text());
    Chakra[8]->setCaption(mod_.Character.CharText[sheet::slot::Health]);
    DScrip();
    Numero();
}

void FormCharac::healToFull()
{
    sheet::healToFull(mod_.Character);
    Chakra[8]->setCaption(mod_.Character.CharText[sheet::slot::Health]);
    DScrip();
    Numero();
}

// In-place editing. An editor is moved over the clicked label, filled and focused; the edit index is
// recorded last, so that a box losing the focus to another editor stores into its own row.

void FormCharac::openAttributeEditor(int index)
{
    TXchedit->move(TXchedit->x(), Chakra[index]->y());
    TXchedit->setText(Chakra[index]->caption());
    TXchedit->show();
    TXchedit->setFocus();
    TXchedit->beginEdit();
    mod_.EditAttr = std::int16_t(index);
}

void FormCharac::openRowEditor(EditBox* box, const CaptionLabel* label, int row)
{
    box->move(box->x(), label->y());
    box->show();
    box->setFocus();
    box->setText(label->caption());
    box->beginEdit();
    mod_.EditRow = std::int16_t(row);
}

void FormCharac::openRenameEditor()
{
    TXrename->show();
    TXrename->setText(Labnam->caption());
    TXrename->setFocus();
    TXrename->beginEdit();
}

void FormCharac::commitAttributeEdit()
{
    const int k = mod_.EditAttr;
    const sheet::AttributeEdit edit = sheet::commitAttributeEdit(mod_.Character, k, TXchedit->text());
    TXchedit->setText(edit.boxText);
    Chakra[k]->setCaption(edit.caption);
    TXchedit->hide();
    // Initiative follows the attributes as the sheet shows them; the stored defense stays as it was
    // while its label shows the helm and shield with the current Nimbleness.
    LabPer[3]->setCaption(sheet::initiativeCaption(Chakra[3]->caption(), Chakra[5]->caption()));
    mod_.Character.CharValue[sheet::slot::Initiative] = common::ToInt16(common::ParseNumber(LabPer[3]->caption()));
    LabPer[5]->setCaption(sheet::defenseValueCaption(mod_.Defense, mod_.Character.CharValue[sheet::slot::Nimbleness]));
}

void FormCharac::commitAbilityNameEdit()
{
    const int row = mod_.EditRow;
    const QString typed = TXab->text();
    LabAb[row]->setCaption(typed);
    TXab->hide();
    sheet::commitAbilityName(mod_.Character, row, typed);
}

void FormCharac::commitAbilityValueEdit()
{
    const int row = mod_.EditRow;
    LabPer[row]->setCaption(sheet::commitAbilityValue(mod_.Character, row, TXedit->text()));
    TXedit->hide();
}

void FormCharac::commitRename()
{
    const QString typed = TXrename->text();
    mod_.Character.CharText[sheet::slot::Name] = typed;
    TXrename->hide();
    Labnam->setCaption(typed);
}

void FormCharac::renameFromRace()
{
    Moniker();
    Labnam->setCaption(mod_.GeneratedName);
    mod_.Character.CharText[sheet::slot::Name] = mod_.GeneratedName;
}

// The tile strip: recompute prayer, initiative and system shock, and put the armour, helm, shield or
// weapon shown in the line boxes to use.
void FormCharac::useItemInHand()
{
    const sheet::ItemInHand item{TXline[0]->text(), TXline[1]->text(), TXline[2]->text()};
    const sheet::ItemUse use = sheet::useItem(mod_.Character, item, mod_.Defense);
    const sheet::SheetCaptions shown = sheet::sheetCaptions(mod_.Character);
    auto showRow = [&](int row) {
        LabPer[row]->setCaption(shown.abilityValues[row]);
        LabAb[row]->setCaption(shown.abilityNames[row]);
    };
    showRow(1);
    showRow(3);
    if (use == sheet::ItemUse::Armour) showRow(4);
    if (use == sheet::ItemUse::Helm || use == sheet::ItemUse::Shield) {
        LabPer[5]->setCaption(sheet::defenseValueCaption(mod_.Defense, mod_.Character.CharValue[sheet::slot::Nimbleness]));
        LabAb[5]->setCaption(sheet::defenseNameCaption(mod_.Defense));
    }
    if (use == sheet::ItemUse::Weapon) showRow(6);
    showRow(7);
}

} // namespace window
