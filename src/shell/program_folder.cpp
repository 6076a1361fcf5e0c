#include "shell/program_folder.h"

#include "shell/paths.h"

#include "common/files.h"
#include "common/native_names.h"

#include <QDir>
#include <QFileInfo>

namespace shell {

namespace {
const QString kStarterCatalogue = QStringLiteral("stuff.qoc");

// A portable copy holds its path files beside the program. A build folder never counts as one, even
// with path files an earlier program left there: "make clean" would take the characters with it.
bool isPortableCopy(const QString& executableFolder)
{
    const QDir folder(executableFolder);
    return QFileInfo::exists(folder.filePath(rootPathFileName(0)))
           && !QFileInfo::exists(folder.filePath(QStringLiteral("CMakeCache.txt")));
}

QString chosenFolder(const QString& characHome, const QString& executableFolder, const QString& home)
{
    if (!characHome.isEmpty()) return QFileInfo(characHome).absoluteFilePath();
    if (isPortableCopy(executableFolder)) return executableFolder;
    return designRootFolders(home)[0]; // "c:\QOD\Charac" on Windows, below the home folder elsewhere
}

ProgramFolder failed(const QString& folder, const QString& reason)
{
    return {folder, QStringLiteral("Charac keeps its files in the folder %1, but %2.").arg(folder, reason)};
}
} // namespace

QString chooseProgramFolder(const QString& characHome, const QString& executableFolder, const QString& home)
{
    return QDir::toNativeSeparators(QDir::cleanPath(chosenFolder(characHome, executableFolder, home)));
}

ProgramFolder prepareProgramFolder(const QString& characHome, const QString& executableFolder, const QString& home,
                                   const QStringList& starterCatalogues)
{
    const QString folder = chooseProgramFolder(characHome, executableFolder, home);
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir()) return failed(folder, QStringLiteral("that is a file, not a folder"));
    if (!info.exists() && !common::makeFolders(folder)) {
        return failed(folder, QStringLiteral("it cannot be created (%1)").arg(common::systemReason()));
    }
    // Asked of the system rather than tried with a file, which would cost every start a write.
    if (!common::canWriteInto(folder)) {
        return failed(folder, QStringLiteral("it cannot be written (%1)").arg(common::systemReason()));
    }

    const QString starter = QDir(folder).filePath(kStarterCatalogue);
    if (!QFileInfo::exists(starter)) {
        for (const QString& source : starterCatalogues) {
            // Read and written whole, as every file the program makes: on disk once it is there, and
            // the user's own, whatever the permissions of an installed original.
            const auto bytes = common::readWholeFile(source, common::kCatalogueFileLimit);
            if (bytes && common::writeFileAtomically(starter, *bytes)) break;
        }
    }
    return {folder, QString()};
}

} // namespace shell
