// Folders: the folder list, which every file list follows; the place label; the three root folders
// with their store and recall buttons; the remembered character folder (its label and "char dir");
// "home"; and "make dir". The root folders and the character folder live in the path files of the
// program's folder, read at start-up by RomeRoad.
#pragma once

#include "window/layout/control_set.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace window {

class Messages;

struct FolderPlaces {
    QString programFolder; // where the path files live; the folder the lists start in
    QString startFolder;   // the process's working folder when the program started
    bool readOnly = false; // the path files are read and never written
};

class FolderPanel : public QObject {
    Q_OBJECT
public:
    // "make dir" names the folder after characterName(): the name the sheet shows.
    FolderPanel(const FolderControls& controls, std::function<QString()> characterName, Messages& messages,
                FolderPlaces places, QObject* parent = nullptr);

    // RomeRoad: reads the four path files into the root boxes and the character folder, or writes
    // them anew when one is missing or empty ("new paths found").
    void RomeRoad();
    // FindPlace: names the last two folders of the folder list in the place label.
    void FindPlace();
    // Start-up: the lists show the program's folder.
    void showProgramFolder();
    // Start-up: the keyboard starts at "char dir".
    void focusCharacterFolderButton();

    // The folder the folder list shows.
    QString currentFolder() const;
    // The character folder as its label shows it: the label is where the program keeps it between
    // a save or a load and the next, so it is read back from there.
    QString characterFolder() const;
    // SaFiC's half: the character folder on its label and in "pathC.txt".
    void storeCharacterFolder(const QString& folder);

    // Moves the folder list, as the user would; false when the folder does not exist.
    bool goTo(const QString& folder);
    // The folder list at that folder, read again even when it is there already.
    bool reread(const QString& folder);
    // After a write into writtenFolder: the folder list at folder, read again; when that is the folder
    // written into, the temporaries of saves cut short long ago that its listing found are removed.
    bool rereadAfterWrite(const QString& folder, const QString& writtenFolder);
    void goHome();

signals:
    // The folder list moved, or was read again: every file list is to show the folder's files. The
    // place label follows once every list has.
    void folderChanged(const QString& folder, const QStringList& files);

private:
    void folderListMoved();
    std::optional<QString> readPathFile(const QString& name) const;
    bool writePathFile(const QString& name, const QString& path) const;
    void storeOrRecallRoot(int index);
    void makeCharacterFolder();
    void goToCharacterFolder(const QString& failure);

    FolderControls c_;
    std::function<QString()> characterName_;
    Messages& messages_;
    FolderPlaces places_;
};

} // namespace window
