// Building the window: the controls from the layout table, the typed pointers to them, the handler
// connections, and the start-up sequence that runs before the window is first shown.
#include "window/form_charac.h"

#include "window/panels/acquire_panel.h"
#include "window/widgets/artwork.h"
#include "window/panels/catalogue_browser.h"
#include "window/widgets/caption_label.h"
#include "window/layout/control_factory.h"
#include "window/widgets/edit_box.h"
#include "window/widgets/file_list.h"
#include "window/widgets/folder_list.h"
#include "window/layout/layout.h"
#include "window/panels/possession_viewer.h"
#include "window/panels/teleport_roller.h"
#include "window/widgets/text_list.h"
#include "window/widgets/tile_strip.h"

#include "common/files.h"
#include "shell/paths.h"
#include "reference/reference_tables.h"
#include "shell/web_links.h"

#include <QCheckBox>
#include <QDir>
#include <QFontDatabase>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>

namespace window {

namespace {
constexpr int kTimer1Interval = 30;
constexpr int kTimer2Interval = 500;
constexpr int kRightColumnLeft = 9720; // twips: where the teleport and stuff frames lie

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

FormCharac::FormCharac(Services services, QWidget* parent) : QWidget(parent), services_(std::move(services))
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

    buildControls();
    bind(controls_);
    stackControls();
    eventLog_ = std::make_unique<EventLog>(Bapa);
    viewer_ = std::make_unique<PossessionViewer>(*this);
    acquire_ = std::make_unique<AcquirePanel>(*this);
    catalogue_ = std::make_unique<CatalogueBrowser>(*this);
    teleport_ = std::make_unique<TeleportRoller>(*this, mod_.TeleportError, services_.random);
    setDesignValues();
    connectHandlers();
    setUpKeyboard();
    startUp();
}

void FormCharac::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    // The icon goes to the window system once the first frame is drawn: handing it over is a good
    // part of what a start costs, and nobody sees the icon before the window.
    if (iconGiven_) return;
    iconGiven_ = true;
    QTimer::singleShot(0, this, [this] { setWindowIcon(window::windowIcon()); });
}

FormCharac::~FormCharac()
{
    // The controls are torn down after this body has run; an editor that loses the focus on the way
    // out must not reach the handlers of a window that is already half gone.
    // The components are members: they go, and their connections with them, before the base class
    // tears the controls down.
    for (QWidget* control : std::as_const(controls_)) control->disconnect(this);
}

void FormCharac::buildControls()
{
    for (const layout::ControlSpec& entry : layout::controls()) {
        QWidget* parent = entry.container ? controls_.value(QString::fromLatin1(entry.container)) : this;
        controls_.insert(layout::objectName(entry), createControl(entry, parent));
    }
}

void FormCharac::stackControls()
{
    // The amount buttons lie over the line box they are moved beside, the frames over the event
    // column and the viewer, and the editors over their labels.
    for (QWidget* button : CMchange) button->raise();
    for (QWidget* control : std::initializer_list<QWidget*>{FrameTele, FrameStuff, FrameNew, TXrename, TXchedit, TXab, TXedit}) {
        control->raise();
    }
}

void FormCharac::setDesignValues()
{
    // Design values the layout table does not carry: check states, the web addresses, the root
    // folders that stand until the path files are read.
    ChTe->setChecked(true);
    Chtake1->setChecked(true);
    showWebLinks();
    const auto roots = shell::designRootFolders(QDir::toNativeSeparators(QDir::homePath()));
    for (int n = 0; n < shell::kRootFolders; ++n) TXpath[n]->setText(roots[n]);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTimer1Interval);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(kTimer2Interval);
}

void FormCharac::connectHandlers()
{
    connect(CDexit, &QPushButton::clicked, this, &QWidget::close);
    connect(CDdam, &QPushButton::clicked, this, &FormCharac::takeDamage);
    connect(CDheal, &QPushButton::clicked, this, &FormCharac::healToFull);
    for (int i = 0; i < int(Chakra.size()); ++i) {
        connect(Chakra[i], &CaptionLabel::clicked, this, [this, i] { openAttributeEditor(i); });
    }
    for (int row = 0; row < int(LabAb.size()); ++row) {
        connect(LabAb[row], &CaptionLabel::clicked, this, [this, row] { openRowEditor(TXab, LabAb[row], row); });
        connect(LabPer[row], &CaptionLabel::clicked, this, [this, row] { openRowEditor(TXedit, LabPer[row], row); });
    }
    connect(Labnam, &CaptionLabel::clicked, this, &FormCharac::openRenameEditor);
    connect(TXchedit, &EditBox::editFinished, this, &FormCharac::commitAttributeEdit);
    connect(TXab, &EditBox::editFinished, this, &FormCharac::commitAbilityNameEdit);
    connect(TXedit, &EditBox::editFinished, this, &FormCharac::commitAbilityValueEdit);
    connect(TXrename, &EditBox::editFinished, this, &FormCharac::commitRename);
    connect(Labfull, &CaptionLabel::clicked, this, &FormCharac::renameFromRace);
    connect(Pcha, &TileStrip::clicked, this, &FormCharac::useItemInHand);
    connect(CDseed, &QPushButton::clicked, this, &FormCharac::freezeSeed);
    connect(CMran, &QPushButton::clicked, this, &FormCharac::rollCharacter);
    connect(txDice, &EditBox::doubleClicked, this, &FormCharac::drawRaceNumber);
    connect(DirA, &FolderList::pathChanged, this, &FormCharac::folderChanged);
    for (int i = 0; i < int(CMpath.size()); ++i) {
        connect(CMpath[i], &QPushButton::clicked, this, [this, i] { storeOrRecallRoot(i); });
    }
    connect(CDmake, &QPushButton::clicked, this, &FormCharac::makeCharacterFolder);
    connect(CDtrigger, &QPushButton::clicked, this, [this] { goToCharacterFolder(QStringLiteral("nah")); });
    connect(LaChPath, &CaptionLabel::clicked, this, [this] { goToCharacterFolder(QStringLiteral("no can do")); });
    connect(CDlist, &QPushButton::clicked, this, &FormCharac::goHome);
    connect(CDsaveCH, &QPushButton::clicked, this, &FormCharac::saveCharacter);
    connect(FileD, &FileList::entryChosen, this, &FormCharac::loadCharacter);
    connect(Timer1, &QTimer::timeout, this, &FormCharac::Timer1Tick);
    connect(Timer2, &QTimer::timeout, this, &FormCharac::Timer2Tick);
    connectPossessions();
    connectCatalogue();
    connect(Command1, &QPushButton::clicked, this, &FormCharac::printSheet);
    connect(Command2, &QPushButton::clicked, this, &FormCharac::WebBit);
    connect(Command3, &QPushButton::clicked, this, &FormCharac::WebBit2);
    connect(Command4, &QPushButton::clicked, this, &FormCharac::WebBit3);
}

void FormCharac::startUp()
{
    FrameTele->move(layout::pixels(kRightColumnLeft), FrameTele->y());
    ChTe->setChecked(false);
    reference::fillTeleportErrors(mod_.TeleportError);
    ListTee->addText(QStringLiteral("Teleport Errors"));
    LabCodeZ->setCaption(reference::categoryLegend());
    mod_.RaceCount = reference::kRaceCount;
    RomeRoad();
    FrameStuff->move(layout::pixels(kRightColumnLeft), FrameStuff->y());
    showProgramFolder();
    AlfaB();
    reference::fillRaces(mod_.RaceName, mod_.RaceChakra);

    Timer1->start();
    Timer2->start();
    CDtrigger->setFocus();
}

void FormCharac::showProgramFolder()
{
    // The folder list starts out at the working folder and then goes to the program's folder; the
    // window hears of that as a change, which names the place, only when the two differ. Reading just
    // the program's folder, once, for every list gives the same lists and caption.
    const bool moves = !common::isFolder(services_.startFolder)
                       || normalFolder(services_.startFolder) != normalFolder(services_.programFolder);
    FileA[0]->setPattern(QStringLiteral("*.qoa"));
    FileA[1]->setPattern(QStringLiteral("*.qod"));
    FileA[2]->setPattern(QStringLiteral("*.qon"));
    FileD->setPattern(QStringLiteral("*.qoz"));
    FileF->setPattern(QStringLiteral("*.qoc"));
    {
        const QSignalBlocker quiet(DirA);
        DirA->setPath(services_.programFolder);
    }
    for (FileList* list : {FileD, FileF, FileA[0], FileA[1], FileA[2]}) list->showFolder(DirA->path(), DirA->files());
    if (moves) FindPlace();
}

void FormCharac::say(const QString& text) const { services_.messages->say(text); }

} // namespace window
