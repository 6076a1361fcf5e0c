// Saving and loading the character: the file named after the character in the folder the lists
// show, the character folder that follows every save and load, and the blinking of the character
// list until the first of them.
#include "window/form_charac.h"

#include "window/panels/acquire_panel.h"
#include "window/widgets/caption_label.h"
#include "window/layout/control_factory.h"
#include "window/widgets/file_list.h"
#include "window/widgets/folder_list.h"
#include "window/panels/possession_viewer.h"

#include "charfile/character_file.h"
#include "common/files.h"
#include "shell/paths.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>

namespace window {

namespace {
const QString kAlienInvader = QStringLiteral("alien invader");
} // namespace

QString FormCharac::characterFolder() const { return FileD->folder() + QDir::separator(); }

void FormCharac::stopBlinking()
{
    Timer2->stop();
    setColours(FileD, Qt::black, Qt::white);
}

void FormCharac::SaCh()
{
    viewer_->forgetMarkerAndAmount();
    eventLog_->layOutAnew();
    const QString fileName = Labnam->caption() + QStringLiteral(".QOZ");
    const bool written = common::isValidFileName(fileName)
                         && common::writeSmallFile(common::joinPath(FileD->folder(), fileName),
                                                        charfile::characterFileBytes(mod_.Character));
    if (!written) return say(kAlienInvader);

    DirA->reread(DirA->path()); // every list shows the new file
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
    if (!fileName.isEmpty()) loadCharacterFile(fileName);
}

void FormCharac::openCharacterFile(const QString& path)
{
    // As a click on the file in its folder: the folder list moves there and the file is chosen. A
    // path that names no character file the list shows gets the load's own failure all the same.
    const QFileInfo file(path);
    DirA->setPath(file.absolutePath());
    const bool listed = FileD->chooseFile(file.fileName());
    loadCharacterFile(listed ? file.fileName() : QString());
}

void FormCharac::loadCharacterFile(const QString& fileName)
{
    viewer_->forgetMarkerAndAmount();
    eventLog_->layOutAnew();
    acquire_->close();
    stopBlinking();

    const auto bytes = fileName.isEmpty() ? std::nullopt
                                          : common::readWholeFile(common::joinPath(FileD->folder(), fileName),
                                                                                common::kSmallFileLimit);
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
