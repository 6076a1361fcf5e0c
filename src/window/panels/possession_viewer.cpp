#include "window/panels/possession_viewer.h"

#include "window/layout/control_factory.h"
#include "window/layout/control_set.h"
#include "window/widgets/edit_box.h"
#include "window/widgets/file_list.h"
#include "window/widgets/folder_list.h"
#include "window/layout/layout.h"

#include "common/files.h"
#include "common/numbers.h"

#include <QPushButton>
#include <QRadioButton>

namespace window {

namespace {
constexpr int kAllLists = 3; // the option "3": every list in its design place
} // namespace

PossessionViewer::PossessionViewer(const ControlSet& controls) : c_(controls)
{
    connectControls();
}

void PossessionViewer::connectControls()
{
    for (int i = 0; i < int(c_.Opli.size()); ++i) {
        connect(c_.Opli[i], &QRadioButton::clicked, this, [this, i] { showLists(i); });
    }
    for (int i = 0; i < int(c_.CMchange.size()); ++i) {
        connect(c_.CMchange[i], &QPushButton::clicked, this, [this, i] { changeAmount(i); });
    }
    connect(c_.TXamo, &EditBox::left, this, &PossessionViewer::showStepCaption);
}

std::optional<possessions::PossessionView> PossessionViewer::view(int list, const QString& fileName)
{
    const auto bytes = common::readWholeFile(common::joinPath(c_.DirA->path(), fileName), common::kSmallFileLimit);
    if (!bytes) return std::nullopt;
    const possessions::PossessionView view =
        possessions::viewPossession(*bytes, possessions::ListKind(list), fileName, state_);
    state_ = view.state;
    c_.TXfile->setText(fileName);
    show(view);
    return view;
}

void PossessionViewer::show(const possessions::PossessionView& view)
{
    // The two colours are read off other controls, as the sheet's colours may be changed there.
    const QColor plain = backColour(c_.CDexit);
    const QColor amount = textColour(c_.Opli[1]);
    for (int n = 0; n < possessions::kLineBoxes; ++n) {
        c_.TXline[n]->setText(view.lines[n]);
        setBackColour(c_.TXline[n], view.amountLines[n] ? amount : plain);
    }
    for (QPushButton* button : c_.CMchange) button->hide();
    if (view.buttonRow < 0) return;
    c_.CMchange[int(possessions::AmountButton::Step)]->setText(
        common::FormatNumber(common::ParseNumber(c_.TXamo->text())));
    for (QPushButton* button : c_.CMchange) {
        button->move(button->x(), c_.TXline[view.buttonRow]->y());
        button->show();
    }
}

QString PossessionViewer::fileName() const { return c_.TXfile->text(); }

possessions::Lines textsOf(std::span<EditBox* const, possessions::kLineBoxes> boxes)
{
    possessions::Lines lines;
    for (int n = 0; n < possessions::kLineBoxes; ++n) lines[n] = boxes[n]->text();
    return lines;
}

possessions::Lines PossessionViewer::lines() const { return textsOf(c_.TXline); }

void PossessionViewer::forgetMarkerAndAmount()
{
    state_.AbilityRow = 0;
    state_.AmountValue = 0;
}

void PossessionViewer::showLists(int option)
{
    if (option == kAllLists) {
        // One below the other: items at the top, abilities over the items' lower part, notes lowest.
        for (FileList* list : c_.FileA) list->show();
        for (int i : {0, 2}) {
            c_.FileA[i]->move(c_.FileA[i]->x(), layout::pixels(layout::designOf(u"FileA", i).top));
            c_.FileA[i]->raise();
        }
        return;
    }
    // The one visible list always sits where the item list does.
    for (int i = 0; i < int(c_.FileA.size()); ++i) c_.FileA[i]->setVisible(i == option);
    for (int i : {0, 2}) c_.FileA[i]->move(c_.FileA[i]->x(), c_.FileA[1]->y());
}

void PossessionViewer::changeAmount(int button)
{
    EditBox* box = c_.TXline[state_.EditLine];
    box->setText(possessions::changedAmount(possessions::AmountButton(button), box->text(), c_.TXamo->text(),
                                            state_.AmountRead));
}

void PossessionViewer::showStepCaption()
{
    // Exactly as typed; a view shows the step's number value instead.
    c_.CMchange[int(possessions::AmountButton::Step)]->setText(c_.TXamo->text());
}

} // namespace window
