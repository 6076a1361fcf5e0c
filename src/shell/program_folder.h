// The program's own folder: where the path files live, where the lists start, the first root folder.
// It is the folder named by CHARAC_HOME; else the executable's folder when it already holds "pa 0.txt"
// (a portable copy, kept the way the program was used on Windows); else HOME/QOD/Charac, created with
// its parents, so that characters live where a person looks for them and never in a build folder.
#pragma once

#include <QString>
#include <QStringList>

namespace shell {

struct ProgramFolder {
    QString path;    // the folder, with the platform's separators
    QString failure; // empty when the folder is ready; otherwise a message naming it and the reason
};

// The folder, chosen but left as it is: for a run that only reads.
QString chooseProgramFolder(const QString& characHome, const QString& executableFolder, const QString& home);

// Chooses the folder and makes it ready: created when missing, checked for writing, and given a copy
// of the first starter catalogue found when it holds no "stuff.qoc" yet (a failed copy only means
// no starter catalogue). characHome is the value of CHARAC_HOME, empty when unset.
ProgramFolder prepareProgramFolder(const QString& characHome, const QString& executableFolder, const QString& home,
                                   const QStringList& starterCatalogues);

} // namespace shell
