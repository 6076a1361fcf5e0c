// Saving and loading the character: the file named after the character in the folder the lists
// show, the character folder that follows every save and load, and the blinking of the character
// list until the first of them.
#include "window/form_charac.h"

#include "window/caption_label.h"
#include "window/control_factory.h"
#include "window/file_list.h"
#include "window/folder_list.h"
#include "window/layout.h"

#include "charfile/character_file.h"
#include "common/files.h"
#include "shell/paths.h"

#include <QDir>
#include <QFrame>
#include <QPushButton>
#include <QTimer>

namespace window {

namespace {
constexpr int kEventLabelHeight = 245; // twips
constexpr int kEventLabelTop = 4500;
constexpr int kEventLabelStep = 370;
constexpr int kFirstEventLabelTop = 480;

const QString kAlienInvader = QStringLiteral("alien invader");
} // namespace

QString FormCharac::characterFolder() const { return FileD->folder() + QDir::separator(); }

void FormCharac::resetViewerAndEventLog()
{
    mod_.AbilityRow = 0;
    mod_.AmountValue = 0;
    mod_.EventRow = 0;
    for (int i = 0; i < int(Bapa.size()); ++i) {
        Bapa[i]->setCaption(QString());
        Bapa[i]->setGeometry(Bapa[i]->x(), layout::pixels(kEventLabelTop + kEventLabelStep * i), Bapa[i]->width(),
                             layout::pixels(kEventLabelHeight));
    }
    Bapa[0]->move(Bapa[0]->x(), layout::pixels(kFirstEventLabelTop));
}

void FormCharac::stopBlinking()
{
    Timer2->stop();
    setColours(FileD, Qt::black, Qt::white);
}

void FormCharac::SaCh()
{
    resetViewerAndEventLog();
    const QString fileName = Labnam->caption() + QStringLiteral(".QOZ");
    const bool written = common::isValidFileName(fileName)
                         && common::writeFileAtomically(common::joinPath(FileD->folder(), fileName),
                                                        charfile::characterFileBytes(mod_.Character));
    if (!written) return say(kAlienInvader);

    // A detour through the program's folder makes every list read the folder again.
    const QString current = DirA->path();
    DirA->setPath(services_.programFolder);
    DirA->setPath(current);
    FileD->refresh();
    DirA->refresh();
    Numero();
    FindPlace();
}

void FormCharac::SaFiC()
{
    const QString folder = characterFolder();
    LaChPath->setCaption(folder);
    writePathFile(shell::characterPathFileName(), folder); // a read-only program folder loses only this
}

void FormCharac::saveCharacter()
{
    SaCh();
    SaFiC();
    stopBlinking();
}

void FormCharac::loadCharacter()
{
    const QString fileName = FileD->selectedFileName();
    if (fileName.isEmpty()) return;
    resetViewerAndEventLog();
    CDnew->setText(QStringLiteral("acquire"));
    FrameNew->hide();
    FrameStuff->hide();
    stopBlinking();

    const auto bytes = common::readWholeFile(common::joinPath(FileD->folder(), fileName));
    if (!bytes || !charfile::readCharacterFile(*bytes, mod_.Character)) return say(kAlienInvader);
    SaFiC();
    Numero();
}

void FormCharac::Timer2Tick()
{
    // The list's own colour at start-up counts as not black, so the first tick gives black on white.
    const QPalette& palette = FileD->palette();
    const bool blackText = palette.isBrushSet(QPalette::Active, QPalette::Text) && palette.color(QPalette::Text) == Qt::black;
    if (blackText) setColours(FileD, Qt::black, Qt::white);
    else setColours(FileD, Qt::white, Qt::black);
}

} // namespace window
