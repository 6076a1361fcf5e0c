// Panels built alone, without the window: each from the controls of its own group and fake services,
// as the window would hand them. They catch wiring faults of a panel in itself.
#include "support/test_services.h"

#include "window/layout/control_factory.h"
#include "window/layout/control_set.h"
#include "window/panels/folder_panel.h"
#include "window/panels/teleport_roller.h"
#include "window/widgets/caption_label.h"
#include "window/widgets/folder_list.h"
#include "window/widgets/text_list.h"

#include "common/files.h"

#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

// A panel's struct holds its own group's controls; another group's, shared or not, are out of reach.
static_assert(std::is_same_v<decltype(window::TeleportControls::LisE), window::TextList*>);
static_assert(std::is_same_v<decltype(window::TeleportControls::DirA), window::NotInGroup>);
static_assert(std::is_same_v<decltype(window::ViewerControls::DirA), window::NotInGroup>);
static_assert(std::is_same_v<decltype(window::AcquireControls::FrameStuff), window::NotInGroup>);
static_assert(std::is_same_v<decltype(window::CatalogueControls::FrameStuff), QFrame*>);

class TestLonePanels : public QObject {
    Q_OBJECT

    // Every control made on a plain widget, as the factory makes them for the window; afresh for each
    // test, so that no panel's connections or state carry over to the next.
    std::unique_ptr<QWidget> sheet;
    window::ControlSet controls;

private slots:
    void init()
    {
        sheet = std::make_unique<QWidget>();
        controls.bind(window::createControls(sheet.get()));
    }

    void theTeleportRollerRollsARangeAndARow()
    {
        reference::TeleportErrorTable errors;
        for (int i = 0; i < 100; ++i) errors[static_cast<std::size_t>(i)] = u"error %1"_s.arg(i + 1);
        auto random = std::make_shared<ScriptedRandom>(QList<double>{0.65, 0.26});
        const window::TeleportControls c = controls.group<layout::Group::Teleport>();
        window::TeleportRoller roller(c, errors, random);
        roller.startUp();
        QVERIFY(c.FrameTele->isHidden());
        QCOMPARE(c.ListTee->text(0), u"Teleport Errors"_s);

        c.CDrand->click(); // range 3 of 0..4, row 5 of 0..19: error 66
        QVERIFY(c.OptVingt[3]->isChecked());
        QCOMPARE(c.ListTnum->text(0), u"61"_s);
        QCOMPARE(c.LisE->currentRow(), 5);
        QCOMPARE(c.LaDetail->caption(), u"error 66"_s);
        QCOMPARE(c.ListWidget->currentRow(), 5);
    }

    void theFolderPanelKeepsItsPathFilesAndTellsOfEveryMove()
    {
        QTemporaryDir programDir;
        const QString program = QDir::toNativeSeparators(programDir.path()); // as the program names it
        const QString sep = QDir::separator();
        RecordedMessages messages;
        const window::FolderControls c = controls.group<layout::Group::Folders>();
        window::FolderPanel folders(c, [] { return u"Tessa"_s; }, messages, {program, program});
        QSignalSpy moves(&folders, &window::FolderPanel::folderChanged);
        folders.RomeRoad();
        QCOMPARE(messages.texts, QStringList{u"new paths found"_s});
        QCOMPARE(c.LaChPath->caption(), program + sep);
        QCOMPARE(contentOf(programDir.filePath(u"pa 0.txt"_s)), '"' + program.toUtf8() + "\"\r\n");

        folders.showProgramFolder();
        QCOMPARE(moves.size(), 1);
        QCOMPARE(moves.last().constFirst().toString(), program);
        QVERIFY(moves.last().at(1).toStringList().contains(u"pathC.txt"_s));

        c.CDmake->click(); // a folder named as the sheet names the character
        const QString tessa = program + sep + u"Tessa"_s;
        QCOMPARE(folders.currentFolder(), tessa);
        QCOMPARE(moves.size(), 2);
        QCOMPARE(c.LabPlace->caption(), program.section(sep, -1) + sep + u"Tessa"_s);
        folders.storeCharacterFolder(folders.currentFolder() + sep);
        c.CDlist->click();
        c.CDtrigger->click();
        QCOMPARE(folders.currentFolder(), tessa);
        QCOMPARE(messages.texts.size(), 1);
    }

private:
    static QByteArray contentOf(const QString& path)
    {
        return common::readWholeFile(path, 1 << 20).value_or("(missing)");
    }
};

QTEST_MAIN(TestLonePanels)
#include "test_lone_panels.moc"
