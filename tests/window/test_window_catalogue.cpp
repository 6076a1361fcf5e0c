// The catalogue through the window: loading a catalogue file, choosing entries into the acquire
// panel (with formula codes worked out from the character), and taking them.
#include "support/window_fixture.h"

#include "window/widgets/caption_label.h"
#include "window/widgets/colours.h"
#include "window/widgets/edit_box.h"
#include "window/widgets/folder_list.h"
#include "window/widgets/text_list.h"

#include <QFrame>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

using namespace Qt::StringLiterals;

using namespace sheet;

class TestWindowCatalogue : public QObject, public WindowFixture {
    Q_OBJECT

    // Puts a catalogue into the folder the lists show, opens the frames and loads it.
    void load(const QString& name, const QByteArray& bytes)
    {
        writeFile(program + u'/' + name, bytes);
        ui().DirA->reread(program);
        if (ui().FrameStuff->isHidden()) QTest::mouseClick(ui().CDnew, Qt::LeftButton);
        clickEntry(ui().FileF, name);
    }
    void choose(const QString& name)
    {
        window::TextList* names = ui().ListStuff;
        int row = 0;
        while (row < names->count() && names->text(row) != name) ++row;
        QVERIFY2(row < names->count(), qPrintable(name));
        names->scrollToRow(row);
        QTest::mouseClick(names->viewport(), Qt::LeftButton, {}, names->rowRect(row).center());
    }
    QStringList panel() const
    {
        QStringList texts;
        for (int i = 0; i < 4; ++i) texts.append(ui().TXnew[i]->text());
        return texts;
    }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    // The starter catalogue that ships beside the program: a formula skill and a weapon taken.
    void starterCatalogueEntriesAreTakenAsPossessions()
    {
        const auto starter = common::readWholeFile(QCoreApplication::applicationDirPath() + u"/stuff.qoc"_s,
                                                   common::kCatalogueFileLimit);
        QVERIFY(starter);
        const std::array<std::int16_t, 7> attributes{0, 12, 16, 9, 11, 9, 10};
        changeRecord([&](Character& c) {
            for (int k = 1; k <= 6; ++k) c.CharValue.numbered(k) = attributes[k];
        });
        load(u"stuff.qoc"_s, *starter);
        QVERIFY(ui().ListStuff->count() >= 80);
        QCOMPARE(ui().Liz->count(), ui().ListStuff->count());
        QCOMPARE(ui().LiThang->count(), ui().ListStuff->count());
        QVERIFY(ui().FrameNew->isVisible() && ui().TXnew[7]->isVisible());

        choose(u"Climbing"_s);
        QCOMPARE(panel(), (QStringList{u"Climbing.qoa"_s, u"s"_s, u"Climbing"_s, u"57"_s}));
        QCOMPARE(ui().LabAb[2]->caption(), QStringLiteral("open locks")); // shown at the next refresh
        QVERIFY(ui().OpNew[0]->isChecked());
        QCOMPARE(window::backColour(ui().FrameNew), QColor(0xFFE850));
        QCOMPARE(ui().Liz->currentRow(), ui().ListStuff->currentRow());
        QCOMPARE(ui().LiThang->text(ui().LiThang->currentRow()), QStringLiteral("-11"));
        QCOMPARE(record().CharText[slot::text::OpenLocks], QStringLiteral("Climbing"));
        QCOMPARE(record().CharValue[slot::value::OpenLocks], std::int16_t(57));
        QTest::mouseClick(ui().CMtake, Qt::LeftButton);

        ui().ListStuff->verticalScrollBar()->setValue(50); // the codes and numbers stay beside their names
        QCOMPARE(ui().Liz->verticalScrollBar()->value(), 50);
        QCOMPARE(ui().LiThang->verticalScrollBar()->value(), 50);
        choose(u"Dagger"_s);
        QCOMPARE(panel(), (QStringList{u"Dagger.qod"_s, u"w"_s, u"Dagger"_s, u"3"_s}));
        QVERIFY(ui().OpNew[1]->isChecked());
        QTest::mouseClick(ui().CMtake, Qt::LeftButton);

        QCOMPARE(contentOf(program + u"/Climbing.qoa"_s), QByteArray("s\r\nClimbing\r\n57\r\n___\r\n"));
        QCOMPARE(contentOf(program + u"/Dagger.qod"_s), QByteArray("w\r\nDagger\r\n3\r\n___\r\n"));
        QCOMPARE(env->messages->texts, QStringList{u"new paths found"_s});
    }

    void loadingReplacesTheListsAndEmptiesThePanel()
    {
        load(u"one.qoc"_s, "w,Club,2\r\nq,\"Odd, thing\",-12\r\nZ,Zither,1.5\r\nz,end,0\r\nw,After the end,1\r\n");
        QCOMPARE(ui().ListStuff->count(), 3);
        QCOMPARE(ui().ListStuff->text(1), QStringLiteral("Odd, thing"));
        QCOMPARE(ui().LiThang->text(2), QStringLiteral("1.5"));

        // An unknown code gets no file name and leaves the kind as it was; its formula still counts,
        // and replaces the row 2 an earlier formula entry set. The keyboard chooses as a click does.
        changeRecord([](Character& c) { c.CharText[slot::text::OpenLocks] = QStringLiteral("earlier"); });
        choose(u"Club"_s);
        QTest::keyClick(ui().ListStuff, Qt::Key_Down);
        QCOMPARE(ui().Liz->currentRow(), 1);
        QCOMPARE(panel(), (QStringList{u""_s, u"q"_s, u"Odd, thing"_s, u"1"_s}));
        QVERIFY(ui().OpNew[1]->isChecked());
        QCOMPARE(record().CharText[slot::text::OpenLocks], QStringLiteral("Odd, thing"));
        QCOMPARE(record().CharValue[slot::value::OpenLocks], std::int16_t(1));

        // Loading again: lists refilled with no row chosen, the panel emptied, the kind kept.
        ui().TXnew[5]->setText(QStringLiteral("typed"));
        load(u"one.qoc"_s, "a,Mail,4\r\nz,end,0\r\n");
        QCOMPARE(ui().ListStuff->count(), 1);
        QCOMPARE(ui().ListStuff->currentRow(), -1);
        QCOMPARE(ui().TXnew[5]->text(), QString());
        QVERIFY(ui().OpNew[1]->isChecked());
        load(u"empty.qoc"_s, "z,end,0\r\n");
        for (window::TextList* list : {ui().Liz, ui().ListStuff, ui().LiThang}) QCOMPARE(list->count(), 0);
    }

    void catalogueThatCannotBeReadLeavesTheLists()
    {
        load(u"one.qoc"_s, "w,Club,2\r\n");
        writeFile(program + u"/gone.qoc"_s, "w,Axe,5\r\n");
        ui().DirA->reread(program);
        QVERIFY(QFile::remove(program + u"/gone.qoc"_s));
        clickEntry(ui().FileF, u"gone.qoc"_s);
        QCOMPARE(env->messages->texts.last(), QStringLiteral("not valid qod file"));
        QCOMPARE(ui().ListStuff->count(), 1);
        QCOMPARE(ui().ListStuff->text(0), QStringLiteral("Club"));
    }
};

QTEST_MAIN(TestWindowCatalogue)
#include "test_window_catalogue.moc"
