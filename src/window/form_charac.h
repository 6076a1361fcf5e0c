// The program's one window. It owns every control (built from the layout table) and the module state,
// and is composed of components that own a self-contained group of controls each: the event log, the
// possession viewer and the acquire panel. The window wires what crosses between them and the sheet.
// A handler reads controls and state, calls a rule, and writes controls and state back; the window's
// own handlers live in one *_events.cpp file per subsystem.
#pragma once

#include "window/layout/control_set.h"
#include "window/panels/event_log.h"
#include "window/mod_charac.h"
#include "window/platform/services.h"

#include "possessions/possession_file.h"
#include "shell/web_links.h"

#include <QHash>
#include <QWidget>

#include <memory>
#include <optional>

class QTimer;

namespace window {

class AcquirePanel;
class CaptionLabel;
class CatalogueBrowser;
class EditBox;
class PossessionViewer;
class TeleportRoller;

// The controls are the members of ControlSet, by their names on the sheet (arrays indexed from 0).
class FormCharac : public QWidget, public ControlSet {
    Q_OBJECT
public:
    explicit FormCharac(Services services, QWidget* parent = nullptr);
    ~FormCharac() override;

protected:
    void paintEvent(QPaintEvent* event) override;

public:

    ModCharac& state() { return mod_; }
    const ModCharac& state() const { return mod_; }
    const Services& services() const { return services_; }

    // The event log, one of the components the window is made of.
    EventLog& eventLog() { return *eventLog_; }

    // Named routines of the window.
    void Numero();
    void DScrip();
    void RomeRoad();
    void FindPlace();
    void AlfaB();
    void Moniker();
    void Populate();
    void SaCh();
    void SaFiC();
    void WebBit();
    void WebBit2();
    void WebBit3();

    // Opens the program on a character file given on the command line, as a click on it would.
    void openCharacterFile(const QString& path);

    // Timer ticks, public so that tests can tick without waiting.
    void Timer1Tick();
    void Timer2Tick();

private:
    // Building the window (form_charac.cpp).
    void buildControls();
    void stackControls();
    void setDesignValues();
    void connectHandlers();
    void setUpKeyboard(); // keyboard.cpp
    void startUp();
    void showProgramFolder();
    void say(const QString& text) const;

    // Sheet (sheet_events.cpp).
    void takeDamage();
    void healToFull();
    void openAttributeEditor(int index);
    void openRowEditor(EditBox* box, const CaptionLabel* label, int row);
    void openRenameEditor();
    void commitAttributeEdit();
    void commitAbilityNameEdit();
    void commitAbilityValueEdit();
    void commitRename();
    void renameFromRace();
    void useItemInHand();

    // Creation (creation_events.cpp).
    void freezeSeed();
    void drawRaceNumber();
    void rollCharacter();

    // Navigation (navigation_events.cpp).
    void folderChanged();
    std::optional<QString> readPathFile(const QString& name) const;
    bool writePathFile(const QString& name, const QString& path) const;
    void storeOrRecallRoot(int index);
    void makeCharacterFolder();
    void goToCharacterFolder(const QString& failure);
    void goHome();

    // Possessions (possession_events.cpp).
    void connectPossessions();
    void possessionChosen(int list);
    void showViewOnSheet(const possessions::PossessionView& view);
    void storePossession(const QString& fileName, const possessions::Lines& lines);

    // Character files (charfile_events.cpp).
    QString characterFolder() const;
    void stopBlinking();
    void saveCharacter();
    void loadCharacter();
    void loadCharacterFile(const QString& fileName);

    // Catalogue (catalogue_events.cpp).
    void connectCatalogue();
    void catalogueChosen();
    void stuffEntryChosen();

    // Web links (weblinks_events.cpp).
    void showWebLinks();
    void openWebPage(const QString& address);

    // Printing (print_events.cpp).
    void printSheet();

    Services services_;
    ModCharac mod_;
    bool iconGiven_ = false; // the window icon is set after the first frame
    QHash<QString, QWidget*> controls_;
    std::unique_ptr<EventLog> eventLog_;
    std::unique_ptr<PossessionViewer> viewer_;
    std::unique_ptr<AcquirePanel> acquire_;
    std::unique_ptr<CatalogueBrowser> catalogue_;
    std::unique_ptr<TeleportRoller> teleport_;
    shell::WebLinks webLinks_;

public:
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
};

} // namespace window
