// In-place editing on the sheet. An editor is moved over the clicked label, filled and focused; the
// edit index is recorded last, so that a box losing the focus to another editor stores into its own
// row. Leaving the box (or Return) commits what it holds through a rule of sheet/edits.
#include "window/panels/sheet_panel.h"

#include "window/widgets/caption_label.h"
#include "window/widgets/edit_box.h"

#include "common/numbers.h"
#include "sheet/edits.h"

namespace window {

void SheetPanel::openAttributeEditor(int index)
{
    c_.TXchedit->move(c_.TXchedit->x(), c_.Chakra[index]->y());
    c_.TXchedit->setText(c_.Chakra[index]->caption());
    c_.TXchedit->show();
    c_.TXchedit->setFocus();
    c_.TXchedit->beginEdit();
    EditAttr = std::int16_t(index);
}

void SheetPanel::openRowEditor(EditBox* box, const CaptionLabel* label, int row)
{
    box->move(box->x(), label->y());
    box->show();
    box->setFocus();
    box->setText(label->caption());
    box->beginEdit();
    EditRow = std::int16_t(row);
}

void SheetPanel::openRenameEditor()
{
    c_.TXrename->show();
    c_.TXrename->setText(c_.Labnam->caption());
    c_.TXrename->setFocus();
    c_.TXrename->beginEdit();
}

void SheetPanel::commitAttributeEdit()
{
    const int k = EditAttr;
    // The attribute labels carry the attribute's name as their tip.
    step(stepName(tr("edit"), c_.Chakra[k]->toolTip()), [this, k] {
        sheet::Character& c = state_.character;
        const sheet::AttributeEdit edit = sheet::commitAttributeEdit(c, k, c_.TXchedit->text());
        c_.TXchedit->setText(edit.boxText);
        c_.Chakra[k]->setCaption(edit.caption);
        c_.TXchedit->hide();
        // Initiative follows the attributes as the sheet shows them; the stored defense stays as it
        // was while its label shows the helm and shield with the current Nimbleness.
        c_.LabPer[3]->setCaption(sheet::initiativeCaption(shownAttribute(sheet::slot::value::Perception),
                                                          shownAttribute(sheet::slot::value::Nimbleness)));
        c.CharValue[sheet::slot::value::Initiative] = common::ToInt16(common::ParseNumber(c_.LabPer[3]->caption()));
        c_.LabPer[5]->setCaption(
            sheet::defenseValueCaption(state_.defense, c.CharValue[sheet::slot::value::Nimbleness]));
    });
}

void SheetPanel::commitAbilityNameEdit()
{
    const int row = EditRow;
    step(tr("edit ability name"), [this, row] {
        const QString typed = c_.TXab->text();
        c_.LabAb[row]->setCaption(typed);
        c_.TXab->hide();
        sheet::commitAbilityName(state_.character, row, typed);
    });
}

void SheetPanel::commitAbilityValueEdit()
{
    const int row = EditRow;
    step(stepName(tr("edit"), c_.LabAb[row]->caption()), [this, row] {
        c_.LabPer[row]->setCaption(sheet::commitAbilityValue(state_.character, row, c_.TXedit->text()));
        c_.TXedit->hide();
    });
}

void SheetPanel::commitRename()
{
    step(tr("edit name"), [this] {
        const QString typed = c_.TXrename->text();
        state_.character.CharText[sheet::slot::text::Name] = typed;
        c_.TXrename->hide();
        c_.Labnam->setCaption(typed);
    });
}

} // namespace window
