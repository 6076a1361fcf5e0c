// The live sheet: the whole-sheet refresh, the condition word, damage and healing. Each handler
// changes the character record through a rule and then shows the record again.
#include "window/form_charac.h"

#include "window/caption_label.h"
#include "window/edit_box.h"

#include "sheet/condition.h"
#include "sheet/damage.h"
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

} // namespace window
