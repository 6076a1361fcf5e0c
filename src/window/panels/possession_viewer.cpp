// Data flow: a chosen file's bytes go to possessions/ viewPossession(), whose view fills the boxes
// and is handed on through viewed(); the amount buttons work on the boxes alone; store() writes the
// boxes' texts whole and moves the folder list.
#include "window/panels/possession_viewer.h"

#include "window/layout/layout.h"
#include "window/panels/folder_panel.h"
#include "window/platform/services.h"
#include "window/widgets/colours.h"
#include "window/widgets/edit_box.h"
#include "window/widgets/file_list.h"

#include "common/files.h"
#include "common/numbers.h"
#include "versions/version_store.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>

namespace window {

namespace {
constexpr int kAllLists = 3; // the option "3": every list in its design place
const QString kNotValid = QStringLiteral("not valid qod file");
const QString kDidNotMakeIt = QStringLiteral("didn't make it");
} // namespace

PossessionViewer::PossessionViewer(const ViewerControls& controls, FolderPanel& folders, versions::Store& versions,
                                   Messages& messages, std::function<QColor()> plainColour, QObject* parent)
    : QObject(parent), c_(controls), folders_(folders), versions_(versions), messages_(messages),
      plainColour_(std::move(plainColour))
{
    c_.Chtake1->setChecked(true);
    c_.FileA[0]->setPattern(QStringLiteral("*.qoa"));
    c_.FileA[1]->setPattern(QStringLiteral("*.qod"));
    c_.FileA[2]->setPattern(QStringLiteral("*.qon"));
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
    for (int i = 0; i < int(c_.FileA.size()); ++i) {
        connect(c_.FileA[i], &FileList::entryChosen, this, [this, i] { choose(i); });
        connect(c_.FileA[i], &FileList::fileMenuAsked, this, [this, i](const QString& fileName, const QPoint& at) {
            emit versionsAsked(common::joinPath(c_.FileA[i]->folder(), fileName), at);
        });
    }
    connect(c_.CDsave, &QPushButton::clicked, this, [this] { store(c_.TXfile->text(), textsOf(c_.TXline)); });
}

void PossessionViewer::showFolder(const QString& folder, const QStringList& files)
{
    for (FileList* list : c_.FileA) list->showFolder(folder, files);
}

void PossessionViewer::choose(int list)
{
    const QString fileName = c_.FileA[list]->selectedFileName();
    if (fileName.isEmpty()) return;
    emit aboutToView();
    // A file that vanished or cannot be read since the list was filled counts as not valid.
    const auto shown = view(list, fileName);
    if (!shown) return messages_.say(kNotValid);
    emit viewed(possessions::ListKind(list), *shown, fileName);
    // What was shown before the file ran out stays shown.
    if (!shown->valid) messages_.say(kNotValid);
}

void PossessionViewer::store(const QString& fileName, const possessions::Lines& lines)
{
    // Only a plain name in an existing character folder is taken: a name that would leave the
    // folder or name no file, and a character path that is empty or relative (a hand-edited path
    // file), would put the file somewhere nobody asked for, so nothing is written at all.
    const QString characterFolder = folders_.characterFolder();
    if (!QFileInfo(characterFolder).isAbsolute() || !common::isFolder(characterFolder)
        || !common::isValidFileName(fileName)
        || !versions_.save(common::joinPath(characterFolder, fileName), possessions::possessionFileBytes(lines))) {
        return messages_.say(kDidNotMakeIt);
    }
    // "R" checked: back to the character folder; otherwise stay at the origin of the object. Either
    // way the folder is read again, so the new file shows wherever it belongs.
    const QString target = c_.Chtake1->isChecked() ? characterFolder : folders_.currentFolder();
    if (folders_.rereadAfterWrite(target, characterFolder)) return;
    folders_.goHome(); // the folder is gone: the lists go home
    messages_.say(kDidNotMakeIt);
}

sheet::ItemInHand PossessionViewer::itemInHand() const
{
    return sheet::ItemInHand{c_.TXline[0]->text(), c_.TXline[1]->text(), c_.TXline[2]->text()};
}

std::optional<possessions::PossessionView> PossessionViewer::view(int list, const QString& fileName)
{
    const auto bytes =
        common::readWholeFile(common::joinPath(folders_.currentFolder(), fileName), common::kSmallFileLimit);
    if (!bytes) return std::nullopt;
    return viewBytes(list, fileName, *bytes);
}

possessions::PossessionView PossessionViewer::viewBytes(int list, const QString& fileName, const QByteArray& bytes)
{
    const possessions::PossessionView view =
        possessions::viewPossession(bytes, possessions::ListKind(list), fileName, state_);
    state_ = view.state;
    c_.TXfile->setText(fileName);
    show(view);
    return view;
}

void PossessionViewer::openVersion(const QString& fileName, const std::optional<QByteArray>& bytes)
{
    int list = 0;
    while (list + 1 < int(c_.FileA.size()) && !c_.FileA[list]->takes(fileName)) ++list;
    emit aboutToView();
    if (!bytes) return messages_.say(kNotValid);
    const possessions::PossessionView shown = viewBytes(list, fileName, *bytes);
    emit viewed(possessions::ListKind(list), shown, fileName);
    if (!shown.valid) messages_.say(kNotValid);
}

void PossessionViewer::show(const possessions::PossessionView& view)
{
    // The two colours are read off controls as they stand, as the sheet's colours may be changed
    // there: the exit button's for a plain line, the text colour of "Item" for an amount line.
    const QColor plain = plainColour_();
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

possessions::Lines textsOf(std::span<EditBox* const, possessions::kLineBoxes> boxes)
{
    possessions::Lines lines;
    for (int n = 0; n < possessions::kLineBoxes; ++n) lines[n] = boxes[n]->text();
    return lines;
}

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
