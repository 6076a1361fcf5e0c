// Data flow: every move of the folder list reads the folder once and hands its files to the file
// lists through folderChanged; the path files go through the rules of shell/paths.
#include "window/panels/folder_panel.h"

#include "window/platform/services.h"
#include "window/widgets/caption_label.h"
#include "window/widgets/edit_box.h"
#include "window/widgets/folder_list.h"

#include "common/files.h"
#include "common/native_names.h"
#include "shell/paths.h"

#include <QDir>
#include <QPushButton>
#include <QSignalBlocker>

namespace window {

FolderPanel::FolderPanel(const FolderControls& controls, std::function<QString()> characterName, Messages& messages,
                         FolderPlaces places, QObject* parent)
    : QObject(parent), c_(controls), characterName_(std::move(characterName)), messages_(messages),
      places_(std::move(places))
{
    // The root folders that stand until the path files are read.
    const auto roots = shell::designRootFolders(QDir::toNativeSeparators(QDir::homePath()));
    for (int n = 0; n < shell::kRootFolders; ++n) c_.TXpath[n]->setText(roots[n]);

    connect(c_.DirA, &FolderList::pathChanged, this, &FolderPanel::folderListMoved);
    for (int i = 0; i < int(c_.CMpath.size()); ++i) {
        connect(c_.CMpath[i], &QPushButton::clicked, this, [this, i] { storeOrRecallRoot(i); });
    }
    connect(c_.CDmake, &QPushButton::clicked, this, &FolderPanel::makeCharacterFolder);
    connect(c_.CDtrigger, &QPushButton::clicked, this, [this] { goToCharacterFolder(QStringLiteral("nah")); });
    connect(c_.LaChPath, &CaptionLabel::clicked, this, [this] { goToCharacterFolder(QStringLiteral("no can do")); });
    connect(c_.CDlist, &QPushButton::clicked, this, &FolderPanel::goHome);
}

std::optional<QString> FolderPanel::readPathFile(const QString& name) const
{
    const auto bytes = common::readWholeFile(common::joinPath(places_.programFolder, name), common::kSmallFileLimit);
    return bytes ? shell::readPathFile(*bytes) : std::nullopt;
}

bool FolderPanel::writePathFile(const QString& name, const QString& path) const
{
    // Every load names the character folder again, mostly the same one: a file that already holds
    // the path is left as it is, which spares the click a wait for the disk.
    if (places_.readOnly) return true;
    const QString file = common::joinPath(places_.programFolder, name);
    const QByteArray bytes = shell::pathFileBytes(path);
    return common::readWholeFile(file, common::kSmallFileLimit) == bytes || common::writeSmallFile(file, bytes);
}

void FolderPanel::RomeRoad()
{
    const auto readAll = [this] {
        for (int n = 0; n < shell::kRootFolders; ++n) {
            const auto root = readPathFile(shell::rootPathFileName(n));
            if (!root) return false;
            c_.TXpath[n]->setText(*root);
        }
        const auto character = readPathFile(shell::characterPathFileName());
        if (!character) return false;
        c_.LaChPath->setCaption(*character);
        return true;
    };
    if (readAll()) return;

    // Recovery: root folder 0 and the character folder become the program's folder; roots 1 and 2
    // keep whatever their boxes hold now. Nothing more can be done if these writes fail.
    messages_.say(QStringLiteral("new paths found"));
    for (int n = 0; n < shell::kRootFolders; ++n) {
        const QString root = n == 0 ? places_.programFolder : c_.TXpath[n]->text();
        writePathFile(shell::rootPathFileName(n), root);
        c_.TXpath[n]->setText(root);
    }
    c_.LaChPath->setCaption(places_.programFolder + QDir::separator());
    writePathFile(shell::characterPathFileName(), c_.LaChPath->caption());
}

void FolderPanel::showProgramFolder()
{
    // The folder list starts out at the working folder and then goes to the program's folder; the
    // window hears of that as a change, which names the place, only when the two differ. Reading just
    // the program's folder, once, for every list gives the same lists and caption.
    const bool moves = !common::isFolder(places_.startFolder)
                       || normalFolder(places_.startFolder) != normalFolder(places_.programFolder);
    {
        const QSignalBlocker quiet(c_.DirA);
        c_.DirA->setPath(places_.programFolder);
    }
    emit folderChanged(c_.DirA->path(), c_.DirA->files());
    if (moves) FindPlace();
}

void FolderPanel::focusCharacterFolderButton() { c_.CDtrigger->setFocus(); }

void FolderPanel::folderListMoved()
{
    // The folder list has just read the folder; every file list takes its names from that one read.
    emit folderChanged(c_.DirA->path(), c_.DirA->files());
    FindPlace();
}

// The place is only shown, never read back: a folder named in another encoding shows readably.
void FolderPanel::FindPlace()
{
    c_.LabPlace->setCaption(common::displayName(shell::placeOf(c_.DirA->path(), QDir::separator())));
}

QString FolderPanel::currentFolder() const { return c_.DirA->path(); }

QString FolderPanel::characterFolder() const { return c_.LaChPath->caption(); }

void FolderPanel::storeCharacterFolder(const QString& folder)
{
    c_.LaChPath->setCaption(folder);
    writePathFile(shell::characterPathFileName(), folder); // a read-only program folder loses only this
}

bool FolderPanel::goTo(const QString& folder) { return c_.DirA->setPath(folder); }

bool FolderPanel::reread(const QString& folder) { return c_.DirA->reread(folder); }

bool FolderPanel::rereadAfterWrite(const QString& folder, const QString& writtenFolder)
{
    if (!c_.DirA->reread(folder)) return false;
    if (c_.DirA->path() == normalFolder(writtenFolder))
        common::removeStaleSaves(c_.DirA->path(), c_.DirA->interruptedSaves());
    return true;
}

void FolderPanel::goHome() { c_.DirA->setPath(places_.programFolder); }

void FolderPanel::storeOrRecallRoot(int index)
{
    if (index >= shell::kRootFolders) {
        const int n = index - shell::kRootFolders;
        c_.TXpath[n]->setText(c_.DirA->path());
        if (!writePathFile(shell::rootPathFileName(n), c_.DirA->path())) messages_.say(QStringLiteral("no path"));
        return;
    }
    // The folder stored in the file wins over an edited box; the box is tried first all the same.
    const int n = index;
    if (!c_.DirA->setPath(c_.TXpath[n]->text())) return messages_.say(QStringLiteral("no path"));
    const auto stored = readPathFile(shell::rootPathFileName(n));
    if (!stored) return messages_.say(QStringLiteral("no path"));
    c_.TXpath[n]->setText(*stored);
    if (!c_.DirA->setPath(*stored)) messages_.say(QStringLiteral("no path"));
}

void FolderPanel::makeCharacterFolder()
{
    const QString name = characterName_();
    const QString folder = common::joinPath(c_.DirA->path(), name);
    if (!common::isValidFileName(name) || !common::makeFolder(folder)) {
        return messages_.say(QStringLiteral("mkdir contradiction"));
    }
    c_.DirA->setPath(folder);
}

void FolderPanel::goToCharacterFolder(const QString& failure)
{
    if (!c_.DirA->setPath(c_.LaChPath->caption())) messages_.say(failure);
}

} // namespace window
