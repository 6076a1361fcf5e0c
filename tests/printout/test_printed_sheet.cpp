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

// A block as one line: its kind, its cells between bars, and the attribute label it stands for.
QString shown(const Block& block)
{
    static const std::array<const char*, 8> kKinds{"name",    "line",    "attribute",  "health",
                                                   "ability", "heading", "possession", "note"};
    const QString attribute = block.attribute >= 0 ? u" #%1"_s.arg(block.attribute) : QString();
    return QString::fromLatin1(kKinds[std::size_t(block.kind)]) + u": "_s + block.cells.join(u'|') + attribute;
}

// The blocks after the sheet's own, the headings and the possession rows, each as one line.
QStringList possessionLines(const std::vector<printout::FolderFile>& files)
{
    QStringList lines;
    for (const Block& block : printout::sheetBlocks({}, {files})) lines.append(shown(block));
    return lines.mid(lines.indexOf(QRegularExpression(u"heading: .*"_s)));
}

} // namespace

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

        QStringList lines;
        for (const Block& block : printout::sheetBlocks(printout::shownSheet(c), {})) lines.append(shown(block));
        QCOMPARE(lines.join(u"; "_s), // and no heading: the folder has nothing
                 u"name: Tessa; line: Sea Elf; line: female, humanoid, wounded; attribute: Wisdom|11 #1; "
                 u"attribute: Intellect|12 #2; attribute: Perception|13 #3; attribute: Heart|14 #4; "
                 u"attribute: Nimbleness|15 #5; attribute: Strength|16 #6; attribute: Power|17 #7; "
                 u"attribute: Spell Essence|00 #0; health: Health|12 of 17|wounded; ability: |45; ability: |0; "
                 u"ability: |0; ability: |0; ability: |0; ability: Round shield|21; ability: |0; ability: |0"_s);
    }

    // Each possession file as the row it prints as.
    void possessionRow_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes"); // "-" for a file that cannot be read
        QTest::addColumn<QString>("row");
        const auto lines = [](const QStringList& texts) { return possessionBytes(texts); };
        QTest::newRow("a weapon from the catalogue")
            << u"Dagger.qod"_s << lines({u"w"_s, u"Dagger"_s, u"3"_s}) << u"Weapon|Dagger|3|"_s;
        QTest::newRow("used up: the 0 after the last number, a marker not shown")
            << u"Arrows.qod"_s << lines({u"o"_s, u"Arrows"_s, u"2"_s, u"^3"_s, u"quiver"_s, u"0"_s})
            << u"Object|Arrows|0|2 \u00b7 quiver"_s;
        QTest::newRow("a skill keeps its value and its other lines")
            << u"Climbing.qoa"_s << lines({u"s"_s, u"Climbing"_s, u"45"_s, QString(), u"learned at sea"_s})
            << u"Skill|Climbing|45|learned at sea"_s;
        QTest::newRow("no category letter: the first line is the name")
            << u"Rope.qod"_s << lines({u"Rope, fifty feet"_s}) << u"|Rope||fifty feet"_s;
        QTest::newRow("a capital letter is no category")
            << u"Armour.qod"_s << lines({u"A"_s, u"Plate"_s}) << u"|A||Plate"_s;
        QTest::newRow("a blank name: the file's")
            << u"Lantern.QOD"_s << lines({u"i"_s, u" "_s, u"1"_s}) << u"Item|Lantern|1|"_s;
        QTest::newRow("a used-up item keeps its amount")
            << u"Torch.qod"_s << lines({u"i"_s, u"Torch"_s, u"0"_s, u"burnt out"_s}) << u"Item|Torch|0|burnt out"_s;
        QTest::newRow("no valid possession file: what it shows")
            << u"Odd.qod"_s << QByteArray("i,Odd stone") << u"Item|Odd stone||"_s;
        QTest::newRow("a file that cannot be read")
            << u"Lost.qod"_s << QByteArray("-") << u"|Lost.qod||(cannot be read)"_s;
        QTest::newRow("a note: its name, then its whole text, commas and all")
            << u"Journal.qon"_s << lines({u"Met the innkeeper, at Brae."_s, QString(), u"Owes us 30 gold."_s})
            << u"Journal|Met the innkeeper, at Brae.||Owes us 30 gold."_s;
        QTest::newRow("a note of more than seven lines, a marker left out")
            << u"Long.qon"_s << QByteArray("1\r\n2\r\n^3\r\n3\n4\r5\r\n6\r\n7\r\n8\r\n___\r\nafter\r\n")
            << u"Long|1|2|3|4|5|6|7|8"_s;
        QTest::newRow("a note that cannot be read")
            << u"Lost.qon"_s << QByteArray("-") << u"Lost.qon|(cannot be read)"_s;
    }
    void possessionRow()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, row);
        const std::optional<QByteArray> read = bytes == "-" ? std::nullopt : std::optional(bytes);
        const QString kind = file.endsWith(u".qon"_s) ? u"note: "_s : u"possession: "_s;
        QCOMPARE(possessionLines({{file, read}}).mid(1), QStringList{kind + row}); // one row under its heading
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
        links = QStringList{u"note: c|i|b.qon; "_s, u"; note: loot.qon|(cannot be read)"_s};
#endif
        QString expected = u"heading: Items; possession: Item|axe.qod||; possession: Item|Bow.qod||; "
                           u"possession: Item|Zither.QOD||; heading: Notes; note: b|i|b.qon; %1"
                           u"note: Huge.qon|(cannot be read)%2"_s;
        expected = expected.arg(links.value(0), links.value(1));
        QCOMPARE(possessionLines(printout::possessionFiles(path).files).join(u"; "_s), expected);
        const std::vector<Block> gone = printout::sheetBlocks({}, printout::possessionFiles(path + u"/gone"_s));
        QCOMPARE(shown(gone.back()), u"line: (the character folder cannot be read)"_s);
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
