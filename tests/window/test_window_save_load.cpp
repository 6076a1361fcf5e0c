// Saving and loading characters through the window: the blinking list, the save and its failures,
// the load and its failures, and a character file named on the command line.
#include "support/failing_write.h"
#include "support/file_kinds.h"
#include "support/raw_files.h"
#include "support/window_fixture.h"

#include "window/form_charac.h"
#include "window/widgets/caption_label.h"
#include "window/widgets/edit_box.h"
#include "window/widgets/file_list.h"
#include "window/widgets/folder_list.h"

#include "charfile/character_file.h"
#include "common/files.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

using window::FormCharac;
using namespace sheet;

class TestWindowSaveLoad : public QObject, public WindowFixture {
    Q_OBJECT
private slots:
    void init() { start(); }
    void cleanup() { stop(); }
    void listBlinksUntilTheFirstSave()
    {
        form->characterFiles().Timer2Tick();
        QCOMPARE(ui().FileD->palette().color(QPalette::Text), QColor(Qt::black));
        QCOMPARE(ui().FileD->palette().color(QPalette::Base), QColor(Qt::white));
        form->characterFiles().Timer2Tick();
        QCOMPARE(ui().FileD->palette().color(QPalette::Text), QColor(Qt::white));
        QCOMPARE(ui().FileD->palette().color(QPalette::Base), QColor(Qt::black));
    }

    void saveRightAfterStartUp()
    {
        // A save's refresh takes away what saves cut short an hour ago left, and nothing else.
        const QStringList left{u".Name.QOZ.a1b2c3.charac-saving"_s, u".Name.QOZ.charac-saving.txt"_s};
        for (const QString& name : left) makeTwoHoursOld(program + sep() + name);
        for (int entry = 0; entry < 4; ++entry) {
            form->eventLog().append(QStringLiteral("Dagger --[w]\r"));
            form->eventLog().endEntry(1);
        }
        ui().CDsaveCH->click();
        QCOMPARE(contentOf(program + u"/Name.QOZ"_s),
                 QByteArray(
                     "\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n0,0,0,0,0,0,0\r\n"
                     "\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n0,0,0,0,0,0,0\r\n\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n"));
        QCOMPARE(ui().Labnam->caption(), QString());
        QCOMPARE(ui().FileD->findItems(u"Name.QOZ"_s, Qt::MatchExactly).size(), 1);
        QVERIFY(!QFileInfo::exists(program + sep() + left[0]));
        QVERIFY(QFileInfo::exists(program + sep() + left[1]));
        QVERIFY(!form->findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());
        QCOMPARE(ui().FileD->palette().color(QPalette::Base), QColor(Qt::black));
        QCOMPARE(ui().LaChPath->caption(), program + sep());
        QCOMPARE(contentOf(program + u"/pathC.txt"_s), "\"" + (program + sep()).toLocal8Bit() + "\"\r\n");
        QCOMPARE(ui().Bapa[3]->caption(), QString());
        QCOMPARE(form->eventLog().row(), std::int16_t(0));
        QCOMPARE(ui().Bapa[0]->y(), 480 / 15);
        QCOMPARE(ui().Bapa[11]->y(), 8570 / 15);
        QCOMPARE(ui().Bapa[1]->height(), 245 / 15);
    }

    // A save lists the folder once more, and the lists show what another program wrote or removed
    // since, with no entry chosen, as lists made anew show a folder. In a folder of thousands a list
    // whose names did not change keeps its entries, which must not show otherwise.
    void listsAfterASaveShowTheFolderAsNew()
    {
        for (int i = 0; i < 40; ++i) writeFile(program + u"/Hero %1.QOZ"_s.arg(i, 2, 10, QLatin1Char('0')), "x");
        writeFile(program + u"/Sword.qod"_s, "w\r\nSword\r\n3\r\n___\r\n");
        QVERIFY(ui().DirA->reread(program));
        changeRecord([](Character& c) { c.CharText[slot::text::Name] = u"Tessa"_s; });
        form->sheet().Numero();
        const auto shown = [](const window::FileList* list) {
            QStringList names;
            for (int row = 0; row < list->count(); ++row) names.append(list->item(row)->text());
            return names;
        };
        QStringList expected = shown(ui().FileD);
        expected.append(u"Tessa.QOZ"_s);

        // A new file, the same files again, a file removed by another program, one written by it.
        for (const QString& outside : {QString(), QString(), u"Hero 00.QOZ"_s, u"Aaron.QOZ"_s}) {
            if (outside == u"Hero 00.QOZ") {
                QVERIFY(QFile::remove(program + sep() + outside));
                expected.removeAll(outside);
            } else if (outside == u"Aaron.QOZ") {
                writeFile(program + sep() + outside, "x");
                expected.prepend(outside);
            }
            ui().FileD->scrollToBottom();
            clickEntry(ui().FileD, u"Hero 39.QOZ"_s); // no character file: the sheet stays as it was
            clickEntry(ui().FileA[1], u"Sword.qod"_s);
            ui().CDsaveCH->click();
            QCOMPARE(shown(ui().FileD), expected);
            for (const window::FileList* list : {ui().FileD, ui().FileA[1]}) {
                QCOMPARE(list->selectedFileName(), QString());
                QVERIFY(!list->currentIndex().isValid());
            }
        }
    }

    void savedCharacterLoadsBack()
    {
        Character c;
        c.CharText[slot::text::Race] = QStringLiteral("Dwarf, Farmer");
        c.CharText[slot::text::Name] = QStringLiteral("Tessa");
        c.CharText[slot::text::Row0Name] = QStringLiteral("  juggling");
        c.CharText[slot::text::Defense] = QStringLiteral("helm\rshield");
        c.CharText[slot::text::Health] = QStringLiteral("7 hp");
        c.CharText.numbered(18) = QStringLiteral("carried");
        c.CharValue[slot::value::Power] = -32768;
        c.CharValue[slot::value::SystemShock] = 32767;
        form->sheet().setCharacter(c);
        form->sheet().Numero();
        ui().CDsaveCH->click();
        const Character saved = c;

        c = Character{};
        c.CharValue[slot::value::SpellEssence] = 9; // Spell Essence is not in the file and survives the load
        c.CharText.numbered(25) = QStringLiteral("memory only");
        form->sheet().setCharacter(c);
        form->sheet().Numero();
        clickEntry(ui().FileD, QStringLiteral("Tessa.QOZ"));
        const Character& loaded = record();
        for (int i = 1; i <= 21; ++i) QCOMPARE(loaded.CharText.numbered(i), saved.CharText.numbered(i));
        for (int i = 1; i <= 14; ++i) QCOMPARE(loaded.CharValue.numbered(i), saved.CharValue.numbered(i));
        QCOMPARE(int(loaded.CharValue[slot::value::SpellEssence]), 9);
        QCOMPARE(loaded.CharText.numbered(25), QStringLiteral("memory only"));
        QCOMPARE(ui().Labnam->caption(), QStringLiteral("Tessa"));
        QCOMPARE(ui().LabAb[5]->caption(), QStringLiteral("helm\rshield"));
    }

    // A character file named on the command line opens as a click on it in its folder would; what
    // is no character file gets the load's failure, and the program goes on.
    void characterFileFromTheCommandLine_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        const QByteArray tessa("\"Elf\",\"\",\"Tessa\",\"\",\"\",\"\",\"\"\r\n0,0,0,0,0,0,0\r\n"
                               "\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n0,0,0,0,0,0,0\r\n"
                               "\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
        QTest::newRow("character file") << "Tessa.QOZ" << tessa << "Tessa";
        QTest::newRow("not listed as a character file") << "Tessa.txt" << tessa << "";
        QTest::newRow("random bytes") << "Noise.QOZ" << QByteArray("\x01\xff\"\r\n,,\x80") << "";
        QTest::newRow("missing file") << "Gone.QOZ" << QByteArray() << "";
        QTest::newRow("a folder") << "Sub" << QByteArray() << "";
        QTest::newRow("a folder that is gone") << "Gone/Tessa.QOZ" << QByteArray() << "";
    }
    void characterFileFromTheCommandLine()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QTemporaryDir other;
        if (!bytes.isEmpty()) writeFile(other.filePath(name), bytes);
        QVERIFY(QDir(other.path()).mkdir(u"Sub"_s));
        // The folder shown before holds a character of every name: none of them may be taken instead.
        const QString before = ui().DirA->path();
        Character decoy;
        decoy.CharText[slot::text::Name] = QStringLiteral("Decoy");
        for (const QString& name : {u"Tessa.QOZ"_s, u"Gone.QOZ"_s}) {
            writeFile(common::joinPath(before, name), charfile::characterFileBytes(decoy));
        }
        QVERIFY(ui().DirA->reread(before));

        QCOMPARE(form->openCharacterFile(other.filePath(name)), !shown.isEmpty());
        const bool folderThere = QFileInfo(QFileInfo(other.filePath(name)).absolutePath()).isDir();
        QCOMPARE(ui().DirA->path(), folderThere ? QDir::toNativeSeparators(other.path()) : before);
        if (shown.isEmpty()) {
            QCOMPARE(env->messages->texts.last(), QStringLiteral("alien invader"));
            QVERIFY(ui().Labnam->caption() != u"Decoy"_s);
            return;
        }
        QCOMPARE(ui().FileD->selectedFileName(), name);
        QCOMPARE(ui().Labnam->caption(), shown);
        QCOMPARE(ui().LaChPath->caption(), QDir::toNativeSeparators(other.path()) + sep());
    }

    void failedSaveKeepsTheEarlierFile()
    {
        changeRecord([](Character& c) { c.CharText[slot::text::Name] = QStringLiteral("Tessa"); });
        form->sheet().Numero();
        ui().CDsaveCH->click();
        const QByteArray earlier = contentOf(program + u"/Tessa.QOZ"_s);

        QTemporaryDir other;
        QVERIFY(ui().DirA->setPath(other.path()));
        writeFile(other.path() + u"/Tessa.QOZ"_s, earlier);
        changeRecord(
            [](Character& c) { c.CharText[slot::text::Race] = QStringLiteral("a much longer race name than before"); });
        {
            FailingWrite failing(other.path() + u"/Tessa.QOZ"_s);
            ui().CDsaveCH->click();
        }
        QCOMPARE(env->messages->texts.last(), QStringLiteral("alien invader"));
        QCOMPARE(contentOf(other.path() + u"/Tessa.QOZ"_s), earlier);
        QCOMPARE(QDir(other.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"Tessa.QOZ"_s});
        QCOMPARE(ui().LaChPath->caption(), shownPath(other.path()) + sep()); // the character folder moves all the same
        QVERIFY(!form->findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());
        QCOMPARE(ui().FileD->palette().color(QPalette::Base), QColor(Qt::black));
        QCOMPARE(ui().FileD->palette().color(QPalette::Text), QColor(Qt::white));
    }

    void nameThatLeavesTheFolderIsRefused()
    {
        ui().Labnam->setCaption(QStringLiteral("../escape"));
        ui().CDsaveCH->click();
        QCOMPARE(env->messages->texts.last(), QStringLiteral("alien invader"));
        QVERIFY(!QFileInfo::exists(QFileInfo(program).dir().filePath(u"escape.QOZ"_s)));
        // Nor does a link in the folder lead the save out of it.
        if (!makeSymbolicLink(u"../escape.QOZ"_s, program + u"/Tessa.QOZ"_s)) QSKIP(kNoLinks);
        ui().Labnam->setCaption(QStringLiteral("Tessa"));
        ui().CDsaveCH->click();
        QCOMPARE(env->messages->texts.last(), QStringLiteral("alien invader"));
        QVERIFY(!QFileInfo::exists(QFileInfo(program).dir().filePath(u"escape.QOZ"_s)));
        QVERIFY(!form->findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());
    }

    void failedLoadKeepsTheSheetAndTheCharacterPath()
    {
        QTemporaryDir other;
        writeFile(other.path() + u"/Half.qoz"_s, "\"Imp\",\"being\",\"Half\",\"male\",\"humanoid\",\"\",\"\"\r\n"
                                                 "1,2,3,4,5,6,7\r\n");
        QVERIFY(ui().DirA->setPath(other.path()));
        ui().CDnew->setText(QStringLiteral("Stuff"));
        ui().FrameNew->show();
        ui().Bapa[2]->setCaption(QStringLiteral("x"));
        const QString characterPath = ui().LaChPath->caption();
        clickEntry(ui().FileD, QStringLiteral("Half.qoz"));
        QCOMPARE(env->messages->texts.last(), QStringLiteral("alien invader"));
        const Character& c = record();
        QCOMPARE(c.CharText[slot::text::Race], QStringLiteral("Imp"));
        QCOMPARE(int(c.CharValue[slot::value::Power]), 7);
        QCOMPARE(ui().Labfull->caption(), QStringLiteral("Name")); // the sheet still shows what it showed
        QCOMPARE(ui().LaChPath->caption(), characterPath);
        QVERIFY(!form->findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());
        QVERIFY(ui().FrameNew->isHidden());
        QCOMPARE(ui().CDnew->text(), QStringLiteral("acquire"));
        QCOMPARE(ui().Bapa[2]->caption(), QString());
    }

private:
};

QTEST_MAIN(TestWindowSaveLoad)
#include "test_window_save_load.moc"
