// Folders: the folder list drives every file list and the place label; the path files remember the
// root folders and the character folder between runs; buttons move the folder list about.
#include "window/form_charac.h"

#include "window/widgets/caption_label.h"
#include "window/widgets/edit_box.h"
#include "window/widgets/file_list.h"
#include "window/widgets/folder_list.h"

#include "common/files.h"
#include "common/native_names.h"
#include "shell/paths.h"

#include <QDir>

namespace window {

namespace {
QString pathFileIn(const QString& folder, const QString& name) { return common::joinPath(folder, name); }
} // namespace

std::optional<QString> FormCharac::readPathFile(const QString& name) const
{
    const auto bytes = common::readWholeFile(pathFileIn(services_.programFolder, name), common::kSmallFileLimit);
    return bytes ? shell::readPathFile(*bytes) : std::nullopt;
}

bool FormCharac::writePathFile(const QString& name, const QString& path) const
{
    // Every load names the character folder again, mostly the same one: a file that already holds
    // the path is left as it is, which spares the click a wait for the disk.
    const QString file = pathFileIn(services_.programFolder, name);
    const QByteArray bytes = shell::pathFileBytes(path);
    return common::readWholeFile(file, common::kSmallFileLimit) == bytes || common::writeSmallFile(file, bytes);
}

void FormCharac::RomeRoad()
{
    const auto readAll = [this] {
        for (int n = 0; n < shell::kRootFolders; ++n) {
            const auto root = readPathFile(shell::rootPathFileName(n));
            if (!root) return false;
            TXpath[n]->setText(*root);
        }
        const auto character = readPathFile(shell::characterPathFileName());
        if (!character) return false;
        LaChPath->setCaption(*character);
        return true;
    };
    if (readAll()) return;

    // Recovery: root folder 0 and the character folder become the program's folder; roots 1 and 2
    // keep whatever their boxes hold now. Nothing more can be done if these writes fail.
    say(QStringLiteral("new paths found"));
    for (int n = 0; n < shell::kRootFolders; ++n) {
        const QString root = n == 0 ? services_.programFolder : TXpath[n]->text();
        writePathFile(shell::rootPathFileName(n), root);
        TXpath[n]->setText(root);
    }
    LaChPath->setCaption(services_.programFolder + u'/');
    writePathFile(shell::characterPathFileName(), LaChPath->caption());
}

void FormCharac::folderChanged()
{
    // The folder list has just read the folder; every file list takes its names from that one read.
    for (FileList* list : {FileD, FileF, FileA[0], FileA[1], FileA[2]}) list->showFolder(DirA->path(), DirA->files());
    FindPlace();
}

// The place is only shown, never read back: a folder named in another encoding shows readably.
void FormCharac::FindPlace() { LabPlace->setCaption(common::displayName(shell::placeOf(DirA->path(), QDir::separator()))); }

void FormCharac::storeOrRecallRoot(int index)
{
    if (index >= shell::kRootFolders) {
        const int n = index - shell::kRootFolders;
        TXpath[n]->setText(DirA->path());
        if (!writePathFile(shell::rootPathFileName(n), DirA->path())) say(QStringLiteral("no path"));
        return;
    }
    // The folder stored in the file wins over an edited box; the box is tried first all the same.
    const int n = index;
    if (!DirA->setPath(TXpath[n]->text())) return say(QStringLiteral("no path"));
    const auto stored = readPathFile(shell::rootPathFileName(n));
    if (!stored) return say(QStringLiteral("no path"));
    TXpath[n]->setText(*stored);
    if (!DirA->setPath(*stored)) say(QStringLiteral("no path"));
}

void FormCharac::makeCharacterFolder()
{
    const QString name = Labnam->caption();
    const QString folder = common::joinPath(DirA->path(), name);
    if (!common::isValidFileName(name) || !common::makeFolder(folder)) return say(QStringLiteral("mkdir contradiction"));
    DirA->setPath(folder);
}

void FormCharac::goToCharacterFolder(const QString& failure)
{
    if (!DirA->setPath(LaChPath->caption())) say(failure);
}

void FormCharac::goHome() { DirA->setPath(services_.programFolder); }

} // namespace window
