// Abilities, items and notes through the window: viewing, the event log, the amount buttons, "save
// item", and the acquire panel with "Take".
#include "support/file_kinds.h"
#include "support/window_fixture.h"

#include "window/panels/event_log.h"
#include "window/widgets/caption_label.h"
#include "window/widgets/colours.h"
#include "window/widgets/edit_box.h"
#include "window/widgets/folder_list.h"
#include "window/widgets/tile_strip.h"

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

using namespace sheet;

namespace {
constexpr int px(int twips) { return twips / 15; }
const QByteArray kDagger = "w\r\nDagger\r\n3\r\n___\r\n";
const QByteArray kClimbing = "s\r\nclimbing\r\n45\r\n___\r\n";
} // namespace

class TestWindowPossessions : public QObject, public WindowFixture {
    Q_OBJECT

    // Puts a file into the folder the lists show and clicks it in possession list `list`.
    void view(int list, const QString& name, const QByteArray& bytes)
    {
        writeFile(ui().DirA->path() + u'/' + name, bytes);
        ui().DirA->reread(ui().DirA->path());
        clickEntry(ui().FileA[list], name);
    }
    QStringList lineTexts() const
    {
        QStringList texts;
        for (auto* box : ui().TXline) texts.append(box->text());
        return texts;
    }
    bool buttonsBeside(int line) const
    {
        for (QPushButton* button : ui().CMchange) {
            // Visible means on top of the line box, not only shown.
            const bool onTop = form->childAt(button->geometry().center()) == button;
            if (!button->isVisible() || !onTop || button->y() != ui().TXline[line]->y()) return false;
        }
        return true;
    }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void abilityFileSetsRowTwoAndAMarkedRow()
    {
        // The two line colours are read off the exit button and the "Item" option as they stand.
        window::setColours(ui().CDexit, QColor(0x102030), QColor());
        window::setColours(ui().Opli[1], QColor(), QColor(0x405060));
        view(0, u"climb.qoa"_s, "^5\r\n" + kClimbing);

        QCOMPARE(ui().TXfile->text(), QStringLiteral("climb.qoa"));
        QCOMPARE(lineTexts(), (QStringList{u"s"_s, u"climbing"_s, u"45"_s, u""_s, u""_s, u""_s, u""_s}));
        QCOMPARE(ui().LabAb[2]->caption(), QStringLiteral("climbing"));
        QCOMPARE(ui().LabPer[2]->caption(), QStringLiteral("45"));
        QCOMPARE(record().CharText[slot::text::OpenLocks], QStringLiteral("climbing"));
        QCOMPARE(record().CharValue[slot::value::OpenLocks], std::int16_t(45));
        QCOMPARE(ui().LabAb[5]->caption(), QStringLiteral("climb"));
        QCOMPARE(ui().LabPer[5]->caption(), QStringLiteral("45"));
        QCOMPARE(window::backColour(ui().TXline[2]), QColor(0x405060));
        QCOMPARE(window::backColour(ui().TXline[0]), QColor(0x102030));
        QVERIFY(buttonsBeside(2));
        QCOMPARE(env->messages->texts, QStringList{u"new paths found"_s});

        // A marker only changes captions: the next sheet refresh shows the record again.
        form->sheet().Numero();
        QCOMPARE(ui().LabAb[5]->caption(), QString());
    }

    void itemViewsFillTheEventLogAndWrapAfterTwelve()
    {
        view(1, u"Dagger.qod"_s, kDagger);
        QCOMPARE(ui().Bapa[0]->caption(), QStringLiteral("Dagger --[w]\r3\r"));
        QCOMPARE(ui().Bapa[0]->height(), px(550));
        QCOMPARE(ui().Bapa[1]->y(), px(1030));
        QCOMPARE(form->eventLog().row(), std::int16_t(1));
        clickEntry(ui().FileA[1], u"Dagger.qod"_s);
        QCOMPARE(ui().Bapa[2]->y(), px(1580)); // placed in twips: no pixel lost per entry

        for (int entry = 3; entry <= 11; ++entry) clickEntry(ui().FileA[1], u"Dagger.qod"_s);
        QCOMPARE(ui().Bapa[10]->caption(), QStringLiteral("Dagger --[w]\r3\r"));
        clickEntry(ui().FileA[1], u"Dagger.qod"_s); // the twelfth empties the whole log
        for (auto* label : ui().Bapa) QCOMPARE(label->caption(), QString());
        clickEntry(ui().FileA[1], u"Dagger.qod"_s);
        QCOMPARE(ui().Bapa[0]->caption(), QStringLiteral("Dagger --[w]\r3\r"));

        QTest::mouseClick(ui().CDclearevent, Qt::LeftButton);
        QCOMPARE(ui().Bapa[0]->caption(), QString());
        QCOMPARE(form->eventLog().row(), std::int16_t(0));
    }

    void fileThatRunsOutKeepsWhatItShowed()
    {
        ui().TXline[5]->setText(QStringLiteral("old"));
        view(1, u"Torn.qod"_s, "w\r\nRope\r\n2\r\n"); // no end line
        QCOMPARE(env->messages->texts.last(), QStringLiteral("not valid qod file"));
        QCOMPARE(lineTexts(), (QStringList{u"w"_s, u"Rope"_s, u"2"_s, u""_s, u""_s, u""_s, u""_s}));
        QCOMPARE(ui().Bapa[0]->caption(), QStringLiteral("Rope --[w]\r2\r"));
        QCOMPARE(form->eventLog().row(), std::int16_t(0)); // the next item goes to the same label
        view(1, u"Dagger.qod"_s, kDagger);
        QCOMPARE(ui().Bapa[0]->caption(), QStringLiteral("Rope --[w]\r2\rDagger --[w]\r3\r"));

        // A file that is gone since the list was read is not valid either.
        QVERIFY(QFile::remove(ui().DirA->path() + u"/Torn.qod"_s));
        clickEntry(ui().FileA[1], u"Torn.qod"_s);
        QCOMPARE(env->messages->texts.size(), 3);
        QCOMPARE(env->messages->texts.last(), QStringLiteral("not valid qod file"));
    }

    void amountButtonsStepTheLastShownLine()
    {
        view(1, u"Dagger.qod"_s, kDagger);
        QCOMPARE(ui().CMchange[2]->text(), QStringLiteral("-1"));
        auto press = [this](int button, const char* expected) {
            QTest::mouseClick(ui().CMchange[button], Qt::LeftButton);
            QCOMPARE(ui().TXline[2]->text(), QString::fromLatin1(expected));
        };
        press(2, "2");
        press(1, "3");
        press(3, "0");
        press(4, "3");
        press(0, "2");

        // Leaving the step box shows the step exactly as typed.
        ui().TXamo->setFocus();
        ui().TXamo->setText(QStringLiteral("0.50"));
        ui().TXline[0]->setFocus();
        QCOMPARE(ui().CMchange[2]->text(), QStringLiteral("0.50"));
        press(2, "2.5");
    }

    void aViewWithoutAnAmountHidesTheButtons()
    {
        view(2, u"Note.qon"_s, "just words\r\nand more\r\n___\r\n");
        for (QPushButton* button : ui().CMchange) QVERIFY(button->isHidden());
        QCOMPARE(ui().Bapa[0]->caption(), QString());
    }

    void optionsChooseTheVisibleLists()
    {
        QTest::mouseClick(ui().Opli[0], Qt::LeftButton);
        QVERIFY(ui().FileA[0]->isVisible() && ui().FileA[1]->isHidden() && ui().FileA[2]->isHidden());
        QCOMPARE(ui().FileA[0]->y(), px(3240));
        QCOMPARE(ui().FileA[2]->y(), px(3240));
        QTest::mouseClick(ui().Opli[3], Qt::LeftButton);
        for (auto* list : ui().FileA) QVERIFY(list->isVisible());
        QCOMPARE(ui().FileA[0]->y(), px(5880));
        QCOMPARE(ui().FileA[2]->y(), px(9000));
        for (auto* list : ui().FileA) { // each one can be seen, and clicked, at its top
            QVERIFY(list->isAncestorOf(form->childAt(list->geometry().topLeft() + QPoint(20, 20))));
        }
    }

    void acquireOpensAndClosesBothFrames()
    {
        QTest::mouseClick(ui().CDnew, Qt::LeftButton);
        QTest::mouseClick(ui().CDnew, Qt::LeftButton);
        QCOMPARE(ui().CDnew->text(), QStringLiteral("acquire"));
        QVERIFY(ui().FrameNew->isHidden() && ui().FrameStuff->isHidden());
        QTest::mouseClick(ui().CDnew, Qt::LeftButton);
        QCOMPARE(ui().CDnew->text(), QStringLiteral("Stuff"));
        QVERIFY(ui().FrameNew->isVisible() && ui().FrameStuff->isVisible());
        QCOMPARE(ui().FrameNew->y(), px(6210));
        ui().OpNew[1]->click();
        QCOMPARE(window::backColour(ui().FrameNew), QColor(0xFFC040));

        // A view hides the frames but leaves the caption: one click resets it, a second opens again.
        view(1, u"Dagger.qod"_s, kDagger);
        QVERIFY(ui().FrameNew->isHidden());
        QTest::mouseClick(ui().CDnew, Qt::LeftButton);
        QCOMPARE(ui().CDnew->text(), QStringLiteral("acquire"));
        QVERIFY(ui().FrameNew->isHidden() && ui().FrameStuff->isHidden());
    }

    // Nothing is written anywhere for a name that leaves the character folder, a link planted in it
    // that leads out of it or to nothing, or a character path that names no folder (an empty or
    // relative path from a hand-edited path file).
    void takeWritesOnlyIntoTheCharacterFolder_data()
    {
        QTest::addColumn<QString>("characterPath");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("link"); // what a link of that name in the character folder names
        QTest::newRow("parent folder") << QString() << u"../charac-escape.qod"_s << QString();
        QTest::newRow("sub-folder") << QString() << u"sub/charac-escape.qod"_s << QString();
        QTest::newRow("empty character path") << u""_s << u"charac-escape.qod"_s << QString();
        QTest::newRow("relative character path") << u"."_s << u"charac-escape.qod"_s << QString();
        QTest::newRow("a link out of the folder") << QString() << u"Leather.qod"_s << u"../charac-escape.qod"_s;
        QTest::newRow("a link to nothing") << QString() << u"Leather.qod"_s << u"sub/charac-escape.qod"_s;
    }
    void takeWritesOnlyIntoTheCharacterFolder()
    {
        QFETCH(QString, characterPath);
        QFETCH(QString, name);
        QFETCH(QString, link);
        QVERIFY(QDir(program).mkdir(u"sub"_s));
        if (!link.isEmpty() && !makeSymbolicLink(link, program + sep() + name)) QSKIP(kNoLinks);
        if (!characterPath.isNull()) ui().LaChPath->setCaption(characterPath);
        const QStringList places{program + u"/../charac-escape.qod"_s, program + u"/sub/charac-escape.qod"_s,
                                 u"/charac-escape.qod"_s, QDir::current().filePath(u"charac-escape.qod"_s)};
        ui().TXnew[0]->setText(name);
        ui().TXnew[1]->setText(QStringLiteral("i"));
        QTest::mouseClick(ui().CMtake, Qt::LeftButton);
        QStringList written;
        for (const QString& place : places) {
            if (QFile::remove(place)) written.append(place);
        }
        QCOMPARE(written, QStringList());
        QCOMPARE(env->messages->texts.last(), QStringLiteral("didn't make it"));
    }

    // "Take" and "save item" both write into the character folder and then go back there, or stay
    // in the folder the object came from.
    void writingReturnsToTheCharacterFolderOrStays_data()
    {
        QTest::addColumn<bool>("take");
        QTest::addColumn<bool>("returning");
        QTest::newRow("take, R checked") << true << true;
        QTest::newRow("take, R unchecked") << true << false;
        QTest::newRow("save item, R checked") << false << true;
        QTest::newRow("save item, R unchecked") << false << false;
    }
    void writingReturnsToTheCharacterFolderOrStays()
    {
        QFETCH(bool, take);
        QFETCH(bool, returning);
        QTemporaryDir origin;
        ui().DirA->setPath(origin.path());
        ui().Chtake1->setChecked(returning);
        // Line k of the file: TXnew(k) in the panel, TXline(k - 1) in the viewer.
        auto line = [&](int k) { return take ? ui().TXnew[k] : ui().TXline[k - 1]; };
        window::EditBox* nameBox = take ? ui().TXnew[0] : ui().TXfile;
        nameBox->setText(QStringLiteral("Rope.qod"));
        line(1)->setText(QStringLiteral("i"));
        line(3)->setText(QStringLiteral("3"));
        QTest::mouseClick(take ? ui().CMtake : ui().CDsave, Qt::LeftButton);

        QCOMPARE(contentOf(program + u"/Rope.qod"_s), QByteArray("i\r\n\r\n3\r\n___\r\n"));
        QCOMPARE(ui().DirA->path(), returning ? program : shownPath(origin.path()));
        QCOMPARE(ui().FileA[1]->findItems(u"Rope.qod"_s, Qt::MatchExactly).size(), returning ? 1 : 0);
        QCOMPARE(nameBox->text(), QStringLiteral("Rope.qod")); // the boxes keep their contents
    }

    // A possession taken through the panel, viewed, stepped, saved under another name, read back.
    void takeViewStepAndSaveItem()
    {
        ui().TXnew[0]->setText(QStringLiteral("Arrows.qod"));
        for (int n = 1; n <= 3; ++n) ui().TXnew[n]->setText(QStringList{u"w"_s, u"Arrows"_s, u"12 arrows"_s}[n - 1]);
        QTest::mouseClick(ui().CMtake, Qt::LeftButton);
        clickEntry(ui().FileA[1], u"Arrows.qod"_s);
        QTest::mouseClick(ui().CMchange[0], Qt::LeftButton);
        QCOMPARE(ui().TXline[2]->text(), QStringLiteral("11"));

        ui().TXfile->setText(QStringLiteral("Quiver.qod"));
        QTest::mouseClick(ui().CDsave, Qt::LeftButton);
        QCOMPARE(contentOf(program + u"/Quiver.qod"_s), QByteArray("w\r\nArrows\r\n11\r\n___\r\n"));
        QCOMPARE(contentOf(program + u"/Arrows.qod"_s), QByteArray("w\r\nArrows\r\n12 arrows\r\n___\r\n"));
        QCOMPARE(ui().FileA[1]->count(), 2);

        ui().TXfile->clear();
        QTest::mouseClick(ui().CDsave, Qt::LeftButton);
        QCOMPARE(env->messages->texts.last(), QStringLiteral("didn't make it"));
    }

    void viewedWeaponIsUsedByAClickOnTheTiles()
    {
        view(1, u"Dagger.qod"_s, kDagger);
        QTest::mouseClick(ui().Pcha, Qt::LeftButton, {}, QPoint(20, 100));
        QCOMPARE(record().CharText[slot::text::Weapon], QStringLiteral("Dagger"));
        QCOMPARE(record().CharValue[slot::value::Weapon], std::int16_t(3));
        QCOMPARE(ui().LabAb[6]->caption(), QStringLiteral("Dagger"));
    }
};

QTEST_MAIN(TestWindowPossessions)
#include "test_window_possessions.moc"
