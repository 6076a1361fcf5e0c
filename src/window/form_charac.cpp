// Building the window: the controls from the layout table, one panel per part of the sheet, the
// wiring between the panels, and the start-up sequence that runs before the window is first shown.
//
// What crosses between the parts, all of it here:
//   folders  -> character files, catalogue, viewer   folderChanged: the file lists follow the folder
//   sheet    -> folders                             name(): "make dir" names the folder
//   sheet    -> creation                            renameFromRaceAsked: a new name from the race label
//   sheet    -> window                              the undo keys and the undo menu
//   sheet    -> viewer, sheet                       itemUseAsked: the viewed item put to use
//   viewer   -> acquire, sheet, event log           aboutToView, viewed: a possession shown
//   acquire  -> catalogue                           catalogueShown: the stuff frame opens and closes
//   acquire  -> viewer                              taken: "Take" writes the panel's file
//   character files -> viewer, event log, acquire   aboutToSave, aboutToLoad
//   character files -> unsaved sheet                sheetIsSaved: nothing is left unsaved
//   character files, viewer -> versions             versionsAsked: a right-click on a listed file
//   versions -> character files, viewer             versionOpened: an earlier version shown
// and the named calls each panel is handed:
//   the sheet's    name(), showName(), shownIntellect(), showRolledAttributes(), Numero(),
//                  character(), takeCatalogueSkill(), step(): every change to the sheet is a step
//   the folders'   currentFolder(), characterFolder(), storeCharacterFolder(), goTo(), reread(),
//                  goHome(), FindPlace()
//   the acquire panel's showEmptyBoxes(), layOut()
#include "window/form_charac.h"

#include "window/layout/control_factory.h"
#include "window/layout/keyboard.h"
#include "window/layout/layout.h"
#include "window/panels/acquire_panel.h"
#include "window/panels/catalogue_browser.h"
#include "window/panels/character_files.h"
#include "window/panels/creation_panel.h"
#include "window/panels/event_log.h"
#include "window/panels/folder_panel.h"
#include "window/panels/possession_viewer.h"
#include "window/panels/print_panel.h"
#include "window/panels/sheet_panel.h"
#include "window/panels/teleport_roller.h"
#include "window/panels/unsaved_keeper.h"
#include "window/panels/version_browser.h"
#include "window/panels/web_buttons.h"
#include "window/widgets/artwork.h"
#include "window/widgets/colours.h"
#include "window/widgets/edit_box.h"

#include "reference/reference_tables.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace window {

namespace {
// Georgia where the machine has it; otherwise a serif of similar or narrower width, so that every
// caption stays inside its control (the widest common fallback would push some out). Resolved once:
// naming a family that is present spares the font matching a missing family costs for every size.
QString sheetFontFamily()
{
    static const QString family = [] {
        const QStringList present = QFontDatabase::families();
        for (const char* candidate : {layout::kFontFamily, "Gelasio", "Liberation Serif", "DejaVu Serif"}) {
            if (present.contains(QString::fromLatin1(candidate))) return QString::fromLatin1(candidate);
        }
        return QStringLiteral("serif");
    }();
    return family;
}
} // namespace

FormCharac::FormCharac(Services services, QWidget* parent)
    : QWidget(parent), services_(std::move(services)),
      versions_(services_.readOnly ? QString() : services_.programFolder)
{
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    setFixedSize(layout::pixels(layout::kWindowWidthTwips), layout::pixels(layout::kWindowHeightTwips));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(QRgb(layout::kWindowBack)));
    setPalette(palette);
    setAutoFillBackground(true);
    QFont font(sheetFontFamily());
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(layout::kDefaultPoints);
    font.setBold(true);
    setFont(font);

    widgets_ = createControls(this);
    controls_.bind(widgets_);
    stackControls();
    makePanels();
    wirePanels();
    setUpKeyboard(*this, widgets_);
    startUp();
}

FormCharac::~FormCharac()
{
    // The controls are torn down after this body has run. The panels are members: they go, and the
    // handlers they connected with them, before the base class tears the controls down. What the
    // window itself still hears from its controls (the exit button) is cut here, so that a control
    // going away cannot reach a window that is already half gone.
    for (QWidget* control : std::as_const(widgets_)) control->disconnect(this);
}

void FormCharac::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    // The icon goes to the window system once the first frame is drawn: handing it over is a good
    // part of what a start costs, and nobody sees the icon before the window.
    if (iconGiven_) return;
    iconGiven_ = true;
    // The installed icon, as the launcher shows it; the die drawn here where none is installed.
    QTimer::singleShot(0, this, [this] {
        setWindowIcon(QIcon::fromTheme(QString::fromLatin1(kApplicationId), window::windowIcon()));
    });
}

void FormCharac::stackControls()
{
    // The amount buttons lie over the line box they are moved beside, the frames over the event
    // column and the viewer, and the editors over their labels.
    const ControlSet& c = controls_;
    for (QWidget* button : c.CMchange) button->raise();
    for (QWidget* control : std::initializer_list<QWidget*>{c.FrameTele, c.FrameStuff, c.FrameNew, c.TXrename,
                                                            c.TXchedit, c.TXab, c.TXedit}) {
        control->raise();
    }
}

void FormCharac::makePanels()
{
    using layout::Group;
    const ControlSet& c = controls_;
    Messages& messages = *services_.messages;
    sheet_ = std::make_unique<SheetPanel>(c.group<Group::Sheet>(), SheetState{mod_.Character, mod_.Defense}, this);
    eventLog_ = std::make_unique<EventLog>(c.group<Group::EventLog>(), this);
    folders_ = std::make_unique<FolderPanel>(
        c.group<Group::Folders>(), [this] { return sheet_->name(); }, messages,
        FolderPlaces{services_.programFolder, services_.startFolder, services_.readOnly}, this);
    viewer_ = std::make_unique<PossessionViewer>(
        c.group<Group::Viewer>(), *folders_, versions_, messages, [this] { return backColour(controls_.CDexit); },
        this);
    acquire_ = std::make_unique<AcquirePanel>(c.group<Group::Acquire>(), this);
    catalogue_ =
        std::make_unique<CatalogueBrowser>(c.group<Group::Catalogue>(), *sheet_, *acquire_, *folders_, messages, this);
    teleport_ =
        std::make_unique<TeleportRoller>(c.group<Group::Teleport>(), mod_.TeleportError, services_.random, this);
    const CreationState creation{mod_.Character, mod_.RaceName, mod_.RaceChakra, mod_.RaceCount, mod_.Syllables};
    creation_ = std::make_unique<CreationPanel>(c.group<Group::Creation>(), creation, *sheet_, services_.random, this);
    characterFiles_ = std::make_unique<CharacterFiles>(c.group<Group::CharacterFiles>(), mod_.Character, *folders_,
                                                       *sheet_, versions_, messages, this);
    webButtons_ = std::make_unique<WebButtons>(c.group<Group::WebButtons>(), services_.settingsFile,
                                               *services_.launcher, messages, this);
    printing_ = std::make_unique<PrintPanel>(c.group<Group::Printing>(), *this, *sheet_, *folders_, *services_.printing,
                                             *services_.clock, messages, this);
    versionBrowser_ = std::make_unique<VersionBrowser>(*this, versions_, this);
    unsaved_ = std::make_unique<UnsavedKeeper>(services_.programFolder, services_.readOnly, sheet_->history(),
                                               *folders_, this);
}

void FormCharac::wirePanels()
{
    connect(controls_.CDexit, &QPushButton::clicked, this, &QWidget::close);
    auto* quit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(quit, &QShortcut::activated, this, &QWidget::close);
    sheet_->history().bindKeys(*this);

    // Every file list follows the folder list, in this order, and then the place label.
    connect(folders_.get(), &FolderPanel::folderChanged, characterFiles_.get(), &CharacterFiles::showFolder);
    connect(folders_.get(), &FolderPanel::folderChanged, catalogue_.get(), &CatalogueBrowser::showFolder);
    connect(folders_.get(), &FolderPanel::folderChanged, viewer_.get(), &PossessionViewer::showFolder);

    connect(sheet_.get(), &SheetPanel::renameFromRaceAsked, creation_.get(), &CreationPanel::renameFromRace);
    connect(sheet_.get(), &SheetPanel::itemUseAsked, this, [this] { sheet_->useItem(viewer_->itemInHand()); });

    connect(viewer_.get(), &PossessionViewer::aboutToView, acquire_.get(), &AcquirePanel::hideFrames);
    connect(viewer_.get(), &PossessionViewer::viewed, this,
            [this](possessions::ListKind list, const possessions::PossessionView& view, const QString& fileName) {
                sheet_->showView(view, fileName);
                if (list != possessions::ListKind::Items) return;
                eventLog_->append(view.eventText);
                if (view.valid) eventLog_->endEntry(view.shownLines);
            });
    connect(acquire_.get(), &AcquirePanel::catalogueShown, catalogue_.get(), &CatalogueBrowser::showFrame);
    connect(acquire_.get(), &AcquirePanel::taken, viewer_.get(), &PossessionViewer::store);

    // A save or a load starts the viewer's amount and the event log afresh; a load closes the panel.
    for (auto begins : {&CharacterFiles::aboutToSave, &CharacterFiles::aboutToLoad}) {
        connect(characterFiles_.get(), begins, viewer_.get(), &PossessionViewer::forgetMarkerAndAmount);
        connect(characterFiles_.get(), begins, eventLog_.get(), &EventLog::layOutAnew);
    }
    connect(characterFiles_.get(), &CharacterFiles::aboutToLoad, acquire_.get(), &AcquirePanel::close);
    connect(characterFiles_.get(), &CharacterFiles::sheetIsSaved, unsaved_.get(), &UnsavedKeeper::sheetIsSaved);
    // A right-click on a listed file offers its earlier versions; one opened shows where it belongs.
    connect(characterFiles_.get(), &CharacterFiles::versionsAsked, versionBrowser_.get(),
            &VersionBrowser::offerVersions);
    connect(viewer_.get(), &PossessionViewer::versionsAsked, versionBrowser_.get(), &VersionBrowser::offerVersions);
    connect(versionBrowser_.get(), &VersionBrowser::versionOpened, this,
            [this](const QString& fileName, const std::optional<QByteArray>& bytes) {
                if (fileName.endsWith(QStringLiteral(".qoz"), Qt::CaseInsensitive)) {
                    characterFiles_->openVersion(fileName, bytes);
                } else {
                    viewer_->openVersion(fileName, bytes);
                }
            });
    // A session that ends quits the program without closing its window first.
    connect(qApp, &QCoreApplication::aboutToQuit, unsaved_.get(), &UnsavedKeeper::keepNow);
}

void FormCharac::startUp()
{
    reference::fillTeleportErrors(mod_.TeleportError);
    teleport_->startUp();
    catalogue_->startUp();
    mod_.RaceCount = reference::kRaceCount;
    folders_->RomeRoad();
    folders_->showProgramFolder();
    creation_->AlfaB();
    reference::fillRaces(mod_.RaceName, mod_.RaceChakra);
    creation_->startSeedTicker();
    characterFiles_->startBlinking();
    folders_->focusCharacterFolderButton();
    unsaved_->startUp();
}

void FormCharac::contextMenuEvent(QContextMenuEvent* event)
{
    // The undo menu belongs to the sheet: the window's background and the sheet's labels. Any other
    // control the right-click reached has had its say.
    const QWidget* at = childAt(event->pos());
    if (at && !sheet_->isSheetLabel(at)) return event->ignore();
    sheet_->history().makeMenu(this)->popup(event->globalPos());
}

void FormCharac::closeEvent(QCloseEvent* event)
{
    // "x", Ctrl+Q and the window's own close button all end here: the sheet is kept before the end.
    unsaved_->keepNow();
    QWidget::closeEvent(event);
}

bool FormCharac::openCharacterFile(const QString& path) { return characterFiles_->openCharacterFile(path); }

} // namespace window
