// The sheet: the name and race labels, the nine attribute labels, the eight ability rows, damage
// and healing, the in-place editors opened by a click on a label, and the tile strip that puts an
// item to use. The labels also serve as data: the name, the Power and the Intellect are read back
// from what they show (name(), shownPower(), shownIntellect()), as the rest of the program expects.
// Every action that changes the sheet, here or in another part of the window, is a step of the
// sheet's history, which undoes and redoes it.
#pragma once

#include "window/layout/control_set.h"
#include "window/panels/sheet_history.h"

#include "possessions/possession_file.h"
#include "printout/printed_sheet.h"
#include "sheet/abilities.h"
#include "sheet/character.h"

#include <QObject>

#include <array>
#include <cstdint>
#include <functional>

namespace window {

// The parts of the module state the sheet shows and edits.
struct SheetState {
    sheet::Character& character;
    sheet::DefenseInUse& defense; // DefenseBonus, DefenseBonusName
};

class SheetPanel : public QObject {
    Q_OBJECT
public:
    SheetPanel(const SheetControls& controls, SheetState state, QObject* parent = nullptr);

    // The record the sheet shows, and the record replaced whole by another one; the labels show the
    // new record from the next Numero.
    const sheet::Character& character() const { return state_.character; }
    void setCharacter(const sheet::Character& character);

    // Numero: rewrites every sheet label from the record.
    void Numero();
    // DScrip: the condition word, from the health and the Power the sheet shows.
    void DScrip();

    // The name label's caption: the file name of the character and the folder "make dir" makes
    // take the name as the sheet shows it, not as the record holds it.
    QString name() const;
    void showName(const QString& name);
    // The name the sheet shows becomes the character's name.
    void nameAsShown();
    // The Power caption, which the condition word is worked out from.
    QString shownPower() const;
    // The Intellect caption, which the core abilities are worked out from.
    QString shownIntellect() const;
    // Every label as it stands, which is what a printed sheet shows.
    printout::ShownSheet shownSheet() const;
    // The name of the character file the sheet was last loaded from or saved to (a printed sheet
    // names it); empty for a new character. Undo and redo bring it back with the sheet.
    const QString& file() const { return file_; }
    void setFile(const QString& fileName) { file_ = fileName; }
    // A save wrote the sheet to that file: a redo of the last step brings the sheet back as saved.
    void savedAs(const QString& fileName)
    {
        file_ = fileName;
        history_.retakeLast();
    }

    // A roll's attributes on their labels, and the health taken from the Power label.
    void showRolledAttributes();
    // What the view of a possession file carries over: ability row 2 of an ability file, and the row
    // a marker names.
    void showView(const possessions::PossessionView& view, const QString& fileName);
    // The armour, helm, shield or weapon in the viewer's line boxes put to use.
    void useItem(const sheet::ItemInHand& item);
    // A catalogue skill's name and the value its formula worked out, into ability row 2 of the record.
    void takeCatalogueSkill(const QString& name, std::int16_t value);

    // The sheet's undo and redo. An action that changes the sheet runs through step(), under the
    // name the undo menu gives it ("random character", "load Tessa.QOZ").
    SheetHistory& history() { return history_; }
    void step(const QString& name, const std::function<void()>& action) { history_.step(name, action); }
    // Whether that widget is one of the sheet's labels, which offer the undo menu.
    bool isSheetLabel(const QWidget* widget) const;

signals:
    // A click on the race label: the character is to get a new generated name.
    void renameFromRaceAsked();
    // A click on the tile strip: the viewed item is to be put to use.
    void itemUseAsked();

private:
    static constexpr int kLabelCount = 3 + 9 + 8 + 8; // name, race, words; attributes; rows' values and names
    std::array<CaptionLabel*, kLabelCount> labels() const;
    SheetSnapshot snapshot() const;
    void restore(const SheetSnapshot& shown);

    // The caption of the attribute label that shows that slot.
    QString shownAttribute(sheet::slot::value slot) const;
    void connectControls();
    void takeDamage();
    void healToFull();
    void putToUse(const sheet::ItemInHand& item);
    void openAttributeEditor(int index);
    void openRowEditor(EditBox* box, const CaptionLabel* label, int row);
    void openRenameEditor();
    void commitAttributeEdit();
    void commitAbilityNameEdit();
    void commitAbilityValueEdit();
    void commitRename();

    SheetControls c_;
    SheetState state_;
    std::int16_t EditAttr = 0; // the attribute the attribute editor was opened for
    std::int16_t EditRow = 0;  // the ability row the name or value editor was opened for
    QString file_;
    SheetHistory history_;
};

} // namespace window
