// The program's one window, and the composition root of its parts. It builds every control from the
// control list, makes one panel per part of the sheet from that part's controls alone (panels/),
// wires what crosses between the panels, and runs the start-up sequence. No panel sees the controls
// of another: what one part needs of another goes through a named call or a signal wired here.
#pragma once

#include "window/layout/control_set.h"
#include "window/mod_charac.h"
#include "window/platform/services.h"

#include "versions/version_store.h"

#include <QHash>
#include <QWidget>

#include <memory>

namespace window {

class AcquirePanel;
class CatalogueBrowser;
class CharacterFiles;
class CreationPanel;
class EventLog;
class FolderPanel;
class PossessionViewer;
class PrintPanel;
class SheetPanel;
class TeleportRoller;
class UnsavedKeeper;
class VersionBrowser;
class WebButtons;

class FormCharac : public QWidget {
    Q_OBJECT
public:
    explicit FormCharac(Services services, QWidget* parent = nullptr);
    ~FormCharac() override;

    // What the parts share, for reading: the record is changed through the sheet.
    const ModCharac& state() const { return mod_; }
    const Services& services() const { return services_; }

    // Every control by its name on the sheet, for tests and tools that drive the window from outside.
    const ControlSet& controls() const { return controls_; }

    // The parts of the window that are reached from outside it.
    SheetPanel& sheet() { return *sheet_; }
    CreationPanel& creation() { return *creation_; }
    CharacterFiles& characterFiles() { return *characterFiles_; }
    EventLog& eventLog() { return *eventLog_; }
    UnsavedKeeper& unsaved() { return *unsaved_; }

    // Opens the program on a character file given on the command line, as a click on it would;
    // false when it could not (the user has had the message).
    bool openCharacterFile(const QString& path);

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void stackControls();
    void makePanels();
    void wirePanels();
    void startUp();

    Services services_;
    versions::Store versions_; // the earlier versions of the files the window replaces
    ModCharac mod_;
    bool iconGiven_ = false; // the window icon is set after the first frame
    QHash<QString, QWidget*> widgets_;
    ControlSet controls_;
    // In the order they are made: each is handed only panels made before it.
    std::unique_ptr<SheetPanel> sheet_;
    std::unique_ptr<EventLog> eventLog_;
    std::unique_ptr<FolderPanel> folders_;
    std::unique_ptr<PossessionViewer> viewer_;
    std::unique_ptr<AcquirePanel> acquire_;
    std::unique_ptr<CatalogueBrowser> catalogue_;
    std::unique_ptr<TeleportRoller> teleport_;
    std::unique_ptr<CreationPanel> creation_;
    std::unique_ptr<CharacterFiles> characterFiles_;
    std::unique_ptr<WebButtons> webButtons_;
    std::unique_ptr<PrintPanel> printing_;
    std::unique_ptr<VersionBrowser> versionBrowser_;
    std::unique_ptr<UnsavedKeeper> unsaved_;
};

} // namespace window
