// The program's one window. It owns every control (built from the layout table), the module state and
// every handler. A handler reads controls and state, calls a rule, and writes controls and state back.
// The handlers live in one *_events.cpp file per subsystem; this file declares them all.
#pragma once

#include "window/mod_charac.h"
#include "window/services.h"

#include <QHash>
#include <QWidget>

#include <array>
#include <optional>

class QCheckBox;
class QFrame;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTimer;

namespace window {

class CaptionLabel;
class EditBox;
class FileList;
class FolderList;
class TileStrip;

class FormCharac : public QWidget {
    Q_OBJECT
public:
    explicit FormCharac(Services services, QWidget* parent = nullptr);
    ~FormCharac() override;

    ModCharac& state() { return mod_; }
    const ModCharac& state() const { return mod_; }
    const Services& services() const { return services_; }

    // Named routines of the window.
    void Numero();
    void DScrip();
    void RomeRoad();
    void FindPlace();
    void AlfaB();
    void Moniker();
    void Populate();
    void SaCh();
    void SaFiC();

    // Timer ticks, public so that tests can tick without waiting.
    void Timer1Tick();
    void Timer2Tick();

private:
    // Building the window (form_charac.cpp).
    void buildControls();
    void bindControls();
    void connectHandlers();
    void startUp();
    template <typename T> T* control(const QString& name) const;
    template <typename T, std::size_t N> void bindArray(std::array<T*, N>& array, const char* name) const;
    void say(const QString& text) const;

    // Sheet (sheet_events.cpp).
    void takeDamage();
    void healToFull();
    void openAttributeEditor(int index);
    void openRowEditor(EditBox* box, const CaptionLabel* label, int row);
    void openRenameEditor();
    void commitAttributeEdit();
    void commitAbilityNameEdit();
    void commitAbilityValueEdit();
    void commitRename();
    void renameFromRace();
    void useItemInHand();

    // Creation (creation_events.cpp).
    void freezeSeed();
    void drawRaceNumber();
    void rollCharacter();

    // Navigation (navigation_events.cpp).
    void folderChanged();
    std::optional<QString> readPathFile(const QString& name) const;
    bool writePathFile(const QString& name, const QString& path) const;
    void storeOrRecallRoot(int index);
    void makeCharacterFolder();
    void goToCharacterFolder(const QString& failure);
    void goHome();

    // Character files (charfile_events.cpp).
    QString characterFolder() const;
    void resetViewerAndEventLog();
    void stopBlinking();
    void saveCharacter();
    void loadCharacter();

    // Teleport frame (teleport_events.cpp).
    void showTeleportFrame(bool checked);

    Services services_;
    ModCharac mod_;
    QHash<QString, QWidget*> controls_;

public:
    // The controls, by their names on the sheet. Arrays are indexed from 0.
    QPushButton* CDexit = nullptr;
    QPushButton* CDtrigger = nullptr;
    QPushButton* CDlist = nullptr;
    EditBox* TXseed = nullptr;
    QPushButton* CDseed = nullptr;
    QPushButton* CMran = nullptr;
    QCheckBox* CHdice = nullptr;
    EditBox* txDice = nullptr;
    QPushButton* CDmake = nullptr;
    QPushButton* CDnew = nullptr;
    QPushButton* CDsaveCH = nullptr;
    FolderList* DirA = nullptr;
    FileList* FileD = nullptr;
    std::array<QRadioButton*, 4> Opli{};
    std::array<FileList*, 3> FileA{};
    CaptionLabel* Labnam = nullptr;
    EditBox* TXrename = nullptr;
    CaptionLabel* Labfull = nullptr;
    CaptionLabel* LabDetail = nullptr;
    EditBox* TXchedit = nullptr;
    std::array<CaptionLabel*, 9> Chakra{};
    QPushButton* Command1 = nullptr;
    TileStrip* Pcha = nullptr;
    std::array<CaptionLabel*, 8> LabPer{};
    EditBox* TXedit = nullptr;
    std::array<CaptionLabel*, 8> LabAb{};
    EditBox* TXab = nullptr;
    QPushButton* CDheal = nullptr;
    EditBox* TXdam = nullptr;
    QPushButton* CDdam = nullptr;
    std::array<QPushButton*, 5> CMchange{};
    EditBox* TXfile = nullptr;
    EditBox* TXamo = nullptr;
    QPushButton* CDsave = nullptr;
    std::array<EditBox*, 7> TXline{};
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    CaptionLabel* Label1 = nullptr;
    CaptionLabel* LabPlace = nullptr;
    CaptionLabel* LaChPath = nullptr;
    std::array<CaptionLabel*, 12> Bapa{};
    QCheckBox* ChTe = nullptr;
    QCheckBox* Chtake1 = nullptr;
    QPushButton* CDclearevent = nullptr;
    std::array<QPushButton*, 6> CMpath{};
    std::array<EditBox*, 3> TXpath{};
    QFrame* FrameTele = nullptr;
    QListWidget* ListTee = nullptr;
    std::array<QRadioButton*, 5> OptVingt{};
    QPushButton* CDrand = nullptr;
    QListWidget* ListTnum = nullptr;
    QListWidget* LisE = nullptr;
    QListWidget* ListWidget = nullptr;
    CaptionLabel* LaDetail = nullptr;
    QFrame* FrameStuff = nullptr;
    CaptionLabel* Label2 = nullptr;
    FileList* FileF = nullptr;
    CaptionLabel* LabCodeZ = nullptr;
    QPushButton* CDcodeZ = nullptr;
    QPushButton* CDbuild = nullptr;
    QListWidget* Liz = nullptr;
    QListWidget* ListStuff = nullptr;
    QListWidget* LiThang = nullptr;
    QFrame* FrameNew = nullptr;
    std::array<QRadioButton*, 3> OpNew{};
    QPushButton* CMtake = nullptr;
    std::array<EditBox*, 8> TXnew{};
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
};

} // namespace window
