// The sheet as a step of its history keeps it: the record, the helm and shield in use, and what
// every label shows, read off and put back as they stand.
#include "window/panels/sheet_panel.h"

#include "window/widgets/caption_label.h"
#include "window/widgets/edit_box.h"

#include <algorithm>

namespace window {

std::array<CaptionLabel*, SheetPanel::kLabelCount> SheetPanel::labels() const
{
    static_assert(
        kLabelCount
        == 3
               + std::tuple_size_v<
                   decltype(c_.Chakra)> + std::tuple_size_v<decltype(c_.LabPer)> + std::tuple_size_v<decltype(c_.LabAb)>);
    std::array<CaptionLabel*, kLabelCount> all{c_.Labnam, c_.Labfull, c_.LabDetail};
    auto next = std::copy(c_.Chakra.begin(), c_.Chakra.end(), all.begin() + 3);
    next = std::copy(c_.LabPer.begin(), c_.LabPer.end(), next);
    std::copy(c_.LabAb.begin(), c_.LabAb.end(), next);
    return all;
}

SheetSnapshot SheetPanel::snapshot() const
{
    SheetSnapshot shown{state_.character, state_.defense, {}, file_};
    shown.captions.reserve(kLabelCount);
    for (const CaptionLabel* label : labels()) shown.captions.append(label->caption());
    return shown;
}

void SheetPanel::restore(const SheetSnapshot& shown)
{
    // An edit still open over a label would write what was typed into the sheet put back.
    for (EditBox* editor : {c_.TXchedit, c_.TXab, c_.TXedit, c_.TXrename}) {
        if (editor->isVisible()) editor->abandonEdit();
    }
    state_.character = shown.character;
    state_.defense = shown.defense;
    file_ = shown.file;
    const auto all = labels();
    for (int i = 0; i < kLabelCount; ++i) all[i]->setCaption(shown.captions[i]);
}

printout::ShownSheet SheetPanel::shownSheet() const
{
    printout::ShownSheet shown;
    shown.name = c_.Labnam->caption();
    shown.race = c_.Labfull->caption();
    shown.words = c_.LabDetail->caption();
    std::transform(c_.Chakra.begin(), c_.Chakra.end(), shown.attributes.begin(),
                   [](const CaptionLabel* label) { return label->caption(); });
    std::transform(c_.LabAb.begin(), c_.LabAb.end(), shown.abilityNames.begin(),
                   [](const CaptionLabel* label) { return label->caption(); });
    std::transform(c_.LabPer.begin(), c_.LabPer.end(), shown.abilityValues.begin(),
                   [](const CaptionLabel* label) { return label->caption(); });
    shown.condition = state_.character.CharText[sheet::slot::text::Condition];
    return shown;
}

bool SheetPanel::isSheetLabel(const QWidget* widget) const
{
    const auto all = labels();
    return std::find(all.begin(), all.end(), widget) != all.end();
}

} // namespace window
