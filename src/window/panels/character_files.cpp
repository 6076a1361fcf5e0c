// Data flow: a save hands the record to charfile/ and writes the bytes whole; a load reads the chosen
// file into the record, which the sheet then shows; both name the character folder (SaFiC).
#include "window/panels/character_files.h"

#include "window/panels/folder_panel.h"
#include "window/panels/sheet_panel.h"
#include "window/platform/services.h"
#include "window/widgets/colours.h"
#include "window/widgets/file_list.h"

#include "charfile/character_file.h"
#include "common/files.h"
#include "versions/version_store.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>

namespace window {

namespace {
constexpr int kTimer2Interval = 500;
const QString kAlienInvader = QStringLiteral("alien invader");
} // namespace

CharacterFiles::CharacterFiles(const CharacterFileControls& controls, sheet::Character& character, FolderPanel& folders,
                               SheetPanel& sheet, versions::Store& versions, Messages& messages, QObject* parent)
    : QObject(parent), c_(controls), character_(character), folders_(folders), sheet_(sheet), versions_(versions),
      messages_(messages), Timer2(new QTimer(this))
{
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(kTimer2Interval);
    c_.FileD->setPattern(QStringLiteral("*.qoz"));
    connect(c_.CDsaveCH, &QPushButton::clicked, this, &CharacterFiles::saveCharacter);
    connect(c_.FileD, &FileList::entryChosen, this, &CharacterFiles::loadCharacter);
    connect(c_.FileD, &FileList::fileMenuAsked, this, [this](const QString& fileName, const QPoint& at) {
        emit versionsAsked(common::joinPath(c_.FileD->folder(), fileName), at);
    });
    connect(Timer2, &QTimer::timeout, this, &CharacterFiles::Timer2Tick);
}

void CharacterFiles::showFolder(const QString& folder, const QStringList& files)
{
    c_.FileD->showFolder(folder, files);
}

QString CharacterFiles::listedFolder() const { return c_.FileD->folder() + QDir::separator(); }

void CharacterFiles::startBlinking() { Timer2->start(); }

void CharacterFiles::stopBlinking()
{
    Timer2->stop();
    setColours(c_.FileD, Qt::black, Qt::white);
}

void CharacterFiles::SaCh()
{
    emit aboutToSave();
    const QString fileName = sheet_.name() + QStringLiteral(".QOZ");
    const QString folder = c_.FileD->folder();
    const bool written =
        common::isValidFileName(fileName)
        && versions_.save(common::joinPath(folder, fileName), charfile::characterFileBytes(character_));
    if (!written) return messages_.say(kAlienInvader);

    folders_.rereadAfterWrite(folders_.currentFolder(), folder); // every list shows the new file
    sheet_.Numero();
    folders_.FindPlace();
    sheet_.savedAs(fileName);
    emit sheetIsSaved();
}

void CharacterFiles::SaFiC() { folders_.storeCharacterFolder(listedFolder()); }

void CharacterFiles::saveCharacter()
{
    SaCh();
    SaFiC();
    stopBlinking();
}

void CharacterFiles::loadCharacter()
{
    const QString fileName = c_.FileD->selectedFileName();
    if (!fileName.isEmpty()) loadCharacterFile(fileName);
}

bool CharacterFiles::openCharacterFile(const QString& path)
{
    // As a click on the file in its folder: the folder list moves there and the file is chosen. A
    // path that names no character file the list shows gets the load's own failure all the same,
    // a folder that is gone too: the list still shows the one before, which may hold that name.
    const QFileInfo file(path);
    const bool listed = folders_.goTo(file.absolutePath()) && c_.FileD->chooseFile(file.fileName());
    return loadCharacterFile(listed ? file.fileName() : QString());
}

bool CharacterFiles::loadCharacterFile(const QString& fileName)
{
    bool loaded = false;
    sheet_.step(stepName(tr("load"), fileName), [&] { loaded = readIntoSheet(fileName); });
    // Said once the step is made: a load that fails part-way has changed the record.
    if (!loaded) messages_.say(kAlienInvader);
    else emit sheetIsSaved();
    return loaded;
}

void CharacterFiles::openVersion(const QString& fileName, const std::optional<QByteArray>& bytes)
{
    bool read = false;
    sheet_.step(stepName(tr("open a version of"), fileName), [&] {
        emit aboutToLoad();
        stopBlinking();
        read = takeIntoRecord(bytes, QString()); // an earlier sheet: no file holds it now
        if (read) sheet_.Numero();
    });
    if (!read) messages_.say(kAlienInvader);
}

bool CharacterFiles::takeIntoRecord(const std::optional<QByteArray>& bytes, const QString& fileName)
{
    const sheet::Character before = character_;
    if (!bytes || !charfile::readCharacterFile(*bytes, character_)) {
        if (character_ != before) sheet_.setFile(QString()); // part of another character: no file holds it
        return false;
    }
    sheet_.setFile(fileName);
    return true;
}

bool CharacterFiles::readIntoSheet(const QString& fileName)
{
    emit aboutToLoad();
    stopBlinking();
    const auto bytes = fileName.isEmpty() ? std::nullopt
                                          : common::readWholeFile(common::joinPath(c_.FileD->folder(), fileName),
                                                                  common::kSmallFileLimit);
    if (!takeIntoRecord(bytes, fileName)) return false;
    SaFiC();
    sheet_.Numero();
    return true;
}

void CharacterFiles::Timer2Tick()
{
    // The list's own colour at start-up counts as not black, so the first tick gives black on white.
    const QPalette& palette = c_.FileD->palette();
    const bool blackText = palette.isBrushSet(QPalette::Active, QPalette::Text)
                           && palette.color(QPalette::Text) == Qt::black;
    if (blackText) setColours(c_.FileD, Qt::black, Qt::white);
    else setColours(c_.FileD, Qt::white, Qt::black);
}

} // namespace window
