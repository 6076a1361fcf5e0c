// Character files: "save" writes the character into the folder the lists show, named after the
// character as the sheet shows it; a click in the character list loads one. Every save and load
// makes its folder the character folder. The list blinks until the first of them (Timer2).
#pragma once

#include "window/layout/control_set.h"

#include "sheet/character.h"

#include <QObject>
#include <QPoint>
#include <QStringList>

#include <optional>

class QTimer;

namespace versions {
class Store;
}

namespace window {

class FolderPanel;
class Messages;
class SheetPanel;

class CharacterFiles : public QObject {
    Q_OBJECT
public:
    // A save keeps what it replaces in versions.
    CharacterFiles(const CharacterFileControls& controls, sheet::Character& character, FolderPanel& folders,
                   SheetPanel& sheet, versions::Store& versions, Messages& messages, QObject* parent = nullptr);

    // SaCh: writes the character file and shows the folder again.
    void SaCh();
    // SaFiC: the folder the character file is in becomes the character folder.
    void SaFiC();

    // Opens a character file given on the command line, as a click on it in its folder would;
    // false, with the load's own message, when it is no character file the folder lists.
    bool openCharacterFile(const QString& path);

    // The character list follows the folder list.
    void showFolder(const QString& folder, const QStringList& files);

    // An earlier version of one of the listed files, shown as a load of it would show it, as one step
    // of the sheet; nothing is written, the character folder stays as it is.
    // A copy that is gone is said as a file that cannot be loaded.
    void openVersion(const QString& fileName, const std::optional<QByteArray>& bytes);

    // Timer2: the character list blinks every 500 ms until the first save or load.
    void startBlinking();
    void Timer2Tick();

signals:
    // A save or a load begins: the viewer forgets its marker and amount, the event log starts anew
    // (and for a load the acquire panel closes).
    void aboutToSave();
    void aboutToLoad();
    // A save or a load went through: the sheet is what the character file holds.
    void sheetIsSaved();
    // A right-click on the character file at path.
    void versionsAsked(const QString& path, const QPoint& globalPos);

private:
    // The folder of the character list, as the character folder is stored: with a closing separator.
    QString listedFolder() const;
    void stopBlinking();
    void saveCharacter();
    void loadCharacter();
    // A load is one step of the sheet's history: the sheet it replaced comes back with an undo.
    bool loadCharacterFile(const QString& fileName);
    bool readIntoSheet(const QString& fileName);
    // The character file's bytes read into the record, which the sheet then names as held by that file
    // (empty: by none); false when they are no character file.
    bool takeIntoRecord(const std::optional<QByteArray>& bytes, const QString& fileName);

    CharacterFileControls c_;
    sheet::Character& character_;
    FolderPanel& folders_;
    SheetPanel& sheet_;
    versions::Store& versions_;
    Messages& messages_;
    QTimer* Timer2;
};

} // namespace window
