// The printed sheet as blocks: what the sheet shows, then the possessions of the character's folder
// by kind and name, each possession file as the row it prints as, and the footer's words.
#include "support/possession_bytes.h"
#include "support/raw_files.h"

#include "common/files.h"
#include "printout/printed_sheet.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using printout::Block;
using printout::BlockKind;

namespace {

// The blocks after the sheet's own: the headings and the possession rows.
std::vector<Block> possessionBlocks(const std::vector<printout::FolderFile>& files)
{
    const std::vector<Block> all = printout::sheetBlocks({}, files);
    const auto first =
        std::find_if(all.begin(), all.end(), [](const Block& b) { return b.kind == BlockKind::Heading; });
    return {first, all.end()};
}

} // namespace

Q_DECLARE_METATYPE(Block)

class TestPrintedSheet : public QObject {
    Q_OBJECT
private slots:
    // A character as a load shows it: the record's captions, and Spell Essence as its label's own.
    void sheetOfARecord()
    {
        sheet::Character c;
        c.CharText[sheet::slot::text::Name] = u"Tessa"_s;
        c.CharText[sheet::slot::text::Race] = u"Sea Elf"_s;
        c.CharText[sheet::slot::text::Sex] = u"female"_s;
        c.CharText[sheet::slot::text::Kind] = u"humanoid"_s;
        c.CharText[sheet::slot::text::Condition] = u"wounded"_s;
        c.CharText[sheet::slot::text::Health] = u"12"_s;
        c.CharText[sheet::slot::text::Row0Value] = u"45%"_s;
        c.CharText[sheet::slot::text::Defense] = u"\rRound shield"_s; // a shield, and no helm yet
        c.CharValue[sheet::slot::value::SpellEssence] = 9;            // the file never holds it
        for (int k = 1; k <= 7; ++k) c.CharValue.numbered(k) = std::int16_t(10 + k);
        c.CharValue[sheet::slot::value::Defense] = 21;

        const std::vector<Block> blocks = printout::sheetBlocks(printout::shownSheet(c), {});
        const QList<Block> expected{
            {BlockKind::Name, {u"Tessa"_s}},
            {BlockKind::Line, {u"Sea Elf"_s}},
            {BlockKind::Line, {u"female, humanoid, wounded"_s}},
            {BlockKind::Attribute, {u"Wisdom"_s, u"11"_s}, 1},
            {BlockKind::Attribute, {u"Intellect"_s, u"12"_s}, 2},
            {BlockKind::Attribute, {u"Perception"_s, u"13"_s}, 3},
            {BlockKind::Attribute, {u"Heart"_s, u"14"_s}, 4},
            {BlockKind::Attribute, {u"Nimbleness"_s, u"15"_s}, 5},
            {BlockKind::Attribute, {u"Strength"_s, u"16"_s}, 6},
            {BlockKind::Attribute, {u"Power"_s, u"17"_s}, 7},
            {BlockKind::Attribute, {u"Spell Essence"_s, u"00"_s}, 0},
            {BlockKind::Health, {u"Health"_s, u"12 of 17"_s, u"wounded"_s}},
            {BlockKind::Ability, {QString(), u"45"_s}},
        };
        QCOMPARE(QList<Block>(blocks.begin(), blocks.begin() + expected.size()), expected);
        QCOMPARE(blocks.size(), std::size_t(expected.size() + 7)); // the other seven rows, and no heading
        QCOMPARE(blocks[std::size_t(expected.size()) + 4], (Block{BlockKind::Ability, {u"Round shield"_s, u"21"_s}}));
    }

    // Each possession file as the row it prints as.
    void possessionRow_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes"); // "-" for a file that cannot be read
        QTest::addColumn<Block>("row");
        const auto item = [](const QStringList& cells) { return Block{BlockKind::Possession, cells}; };
        QTest::newRow("a weapon from the catalogue")
            << u"Dagger.qod"_s << possessionBytes({u"w"_s, u"Dagger"_s, u"3"_s})
            << item({u"Weapon"_s, u"Dagger"_s, u"3"_s, {}});
        QTest::newRow("the amount is the last number, a marker is not shown")
            << u"Arrows.qod"_s << possessionBytes({u"o"_s, u"Arrows"_s, u"2"_s, u"^3"_s, u"quiver"_s, u"24"_s, u"0"_s})
            << item({u"Object"_s, u"Arrows"_s, u"24"_s, u"2 \u00b7 quiver \u00b7 0"_s});
        QTest::newRow("a skill keeps its value and its other lines")
            << u"Climbing.qoa"_s << possessionBytes({u"s"_s, u"Climbing"_s, u"45"_s, QString(), u"learned at sea"_s})
            << item({u"Skill"_s, u"Climbing"_s, u"45"_s, u"learned at sea"_s});
        QTest::newRow("no category letter: the first line is the name")
            << u"Rope.qod"_s << possessionBytes({u"Rope, fifty feet"_s}) << item({{}, u"Rope"_s, {}, u"fifty feet"_s});
        QTest::newRow("a capital letter is no category")
            << u"Armour.qod"_s << possessionBytes({u"A"_s, u"Plate"_s}) << item({{}, u"A"_s, {}, u"Plate"_s});
        QTest::newRow("a blank name: the file's") << u"Lantern.QOD"_s << possessionBytes({u"i"_s, u" "_s, u"1"_s})
                                                  << item({u"Item"_s, u"Lantern"_s, u"1"_s, {}});
        QTest::newRow("a file that is no possession file still shows its lines")
            << u"Odd.qod"_s << QByteArray("i,Odd stone") << item({u"Item"_s, u"Odd stone"_s, {}, {}});
        QTest::newRow("a file that cannot be read")
            << u"Lost.qod"_s << QByteArray("-") << item({{}, u"Lost.qod"_s, {}, u"(cannot be read)"_s});
        QTest::newRow("a used-up item keeps its amount")
            << u"Torch.qod"_s << possessionBytes({u"i"_s, u"Torch"_s, u"0"_s, u"burnt out"_s})
            << item({u"Item"_s, u"Torch"_s, u"0"_s, u"burnt out"_s});
        QTest::newRow("a note: its name, then its whole text, commas and all")
            << u"Journal.qon"_s << possessionBytes({u"Met the innkeeper, at Brae."_s, QString(), u"Owes us 30 gold."_s})
            << Block{BlockKind::Note,
                     {u"Journal"_s, u"Met the innkeeper, at Brae."_s, QString(), u"Owes us 30 gold."_s}};
        QTest::newRow("a note of more than seven lines, a marker left out")
            << u"Long.qon"_s << QByteArray("1\r\n2\r\n^3\r\n3\n4\r5\r\n6\r\n7\r\n8\r\n___\r\nafter\r\n")
            << Block{BlockKind::Note, {u"Long"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s}};
        QTest::newRow("a note that cannot be read")
            << u"Lost.qon"_s << QByteArray("-") << Block{BlockKind::Note, {u"Lost.qon"_s, u"(cannot be read)"_s}};
    }
    void possessionRow()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(Block, row);
        const std::optional<QByteArray> read = bytes == "-" ? std::nullopt : std::optional(bytes);
        const std::vector<Block> blocks = possessionBlocks({{file, read}});
        QCOMPARE(blocks.size(), std::size_t(2));
        QCOMPARE(blocks[1], row);
    }

    // The folder's possessions, read from disk, under their headings and sorted by name in any case;
    // other files are no possessions, and a kind the folder has none of has no heading.
    void possessionsOfAFolder()
    {
        QTemporaryDir folder;
        const QString path = folder.path();
        for (const QString& name : {u"b.qon"_s, u"Zither.QOD"_s, u"axe.qod"_s, u"Tessa.QOZ"_s, u"stuff.qoc"_s,
                                    u"Bow.qod"_s, u"notes.txt"_s}) {
            QVERIFY(common::writeFileAtomically(common::joinPath(path, name), possessionBytes({u"i"_s, name})));
        }
        createRaw(path, "Huge.qon", QByteArray(), common::kSmallFileLimit + 1); // too big to be one
        QVERIFY(QDir(path).mkdir(u"Folder.qod"_s));
        QStringList links; // a link to a file beside it is read; one out of the folder is not
#ifndef Q_OS_WIN
        QTemporaryDir elsewhere;
        QVERIFY(common::writeFileAtomically(elsewhere.filePath(u"secret.txt"_s), "secret\r\n___\r\n"));
        QVERIFY(QFile::link(elsewhere.filePath(u"secret.txt"_s), common::joinPath(path, u"loot.qon"_s)));
        QVERIFY(QFile::link(u"b.qon"_s, common::joinPath(path, u"c.qon"_s)));
        links = QStringList{u"c|i|b.qon"_s, u"loot.qon|(cannot be read)"_s};
#endif

        QStringList shown;
        for (const Block& block : possessionBlocks(printout::possessionFiles(path))) {
            shown.append(block.kind == BlockKind::Heading ? block.cells[0] : block.cells.join(u'|'));
        }
        QStringList expected{u"Items"_s, u"Item|axe.qod||"_s, u"Item|Bow.qod||"_s,           u"Item|Zither.QOD||"_s,
                             u"Notes"_s, u"b|i|b.qon"_s,      u"Huge.qon|(cannot be read)"_s};
        if (!links.isEmpty()) {
            expected.insert(6, links[0]);
            expected.append(links[1]);
        }
        QCOMPARE(shown, expected);
    }

    void footerLine_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("line");
        QTest::newRow("a saved sheet") << u"Tessa.QOZ"_s
                                       << u"Charac " CHARAC_VERSION " · Tessa.QOZ · printed 9 Dec 2026 · page 1 of 2"_s;
        QTest::newRow("no file") << QString()
                                 << u"Charac " CHARAC_VERSION " · (not saved) · printed 9 Dec 2026 · page 1 of 2"_s;
        QTest::newRow("a name that looks like a placeholder")
            << u"%3 %1.QOZ"_s << u"Charac " CHARAC_VERSION " · %3 %1.QOZ · printed 9 Dec 2026 · page 1 of 2"_s;
    }
    void footerLine()
    {
        QFETCH(QString, file);
        QFETCH(QString, line);
        QCOMPARE(printout::footerLine(file, QDate(2026, 12, 9), 1, 2), line);
    }
};

QTEST_GUILESS_MAIN(TestPrintedSheet)
#include "test_printed_sheet.moc"
