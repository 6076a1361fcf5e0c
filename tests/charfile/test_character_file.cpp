#include "charfile/character_file.h"

#include <QtTest>

#include <utility>

using namespace Qt::StringLiterals;

using namespace charfile;
using sheet::Character;

Q_DECLARE_METATYPE(sheet::Character)

namespace {

const QByteArray kExample = "\"Sea Elf\",\"being\",\"Susus\",\"male\",\"humanoid\",\"\",\"\"\r\n"
                            "12,9,14,8,11,15,13\r\n"
                            "\"prayer\",\"open locks\",\"initiative\",\"no armour\",\"defense\",\"weapon: hand\","
                            "\"system shock\"\r\n"
                            "36,52,29,1,26,43,65\r\n"
                            "\"13\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";

Character example()
{
    Character c;
    const QStringList texts = {u"Sea Elf"_s,   u"being"_s,   u"Susus"_s,        u"male"_s,         u"humanoid"_s,
                               u""_s,          u""_s,        u"prayer"_s,       u"open locks"_s,   u"initiative"_s,
                               u"no armour"_s, u"defense"_s, u"weapon: hand"_s, u"system shock"_s, u"13"_s};
    for (int i = 0; i < texts.size(); ++i) c.CharText.numbered(i + 1) = texts[i];
    const int values[14] = {12, 9, 14, 8, 11, 15, 13, 36, 52, 29, 1, 26, 43, 65};
    for (int i = 0; i < 14; ++i) c.CharValue.numbered(i + 1) = std::int16_t(values[i]);
    return c;
}

// The 35 fields of the example file, as written.
QList<QByteArray> exampleFields()
{
    QList<QByteArray> fields = QByteArray(kExample).replace("\r\n", ",").split(',');
    fields.removeLast();
    return fields;
}

// Fields laid out as records of seven, each field between `before` and `after`.
QByteArray asRecords(QList<QByteArray> fields, const QByteArray& before = {}, const QByteArray& after = {})
{
    QByteArray bytes;
    for (int i = 0; i < fields.size(); ++i) {
        bytes += before + fields[i] + after;
        bytes += (i % 7 == 6 || i == fields.size() - 1) ? "\r\n" : ",";
    }
    return bytes;
}

// Every slot holds a value of its own, so a slot written by mistake shows.
Character oldCharacter()
{
    Character c;
    for (int i = 0; i < sheet::kSlotCount; ++i) {
        c.CharText.numbered(i) = QStringLiteral("old %1").arg(i);
        c.CharValue.numbered(i) = std::int16_t(1000 + i);
    }
    return c;
}

// The slots of the file in file order: true for a text slot.
QList<std::pair<bool, int>> fileOrder()
{
    QList<std::pair<bool, int>> order;
    for (int slot = 1; slot <= 7; ++slot) order.append({true, slot});
    for (int slot = 1; slot <= 7; ++slot) order.append({false, slot});
    for (int slot = 8; slot <= 14; ++slot) order.append({true, slot});
    for (int slot = 8; slot <= 14; ++slot) order.append({false, slot});
    for (int slot = 15; slot <= 21; ++slot) order.append({true, slot});
    return order;
}

// The first slot that differs from what a read should leave: the first `taken` file slots from
// `read`, every other slot from `old`. Empty when all agree.
QString firstDifference(const Character& got, const Character& read, const Character& old, int taken)
{
    Character want = old;
    const auto order = fileOrder();
    for (int i = 0; i < taken; ++i) {
        const auto [text, slot] = order[i];
        if (text) want.CharText.numbered(slot) = read.CharText.numbered(slot);
        else want.CharValue.numbered(slot) = read.CharValue.numbered(slot);
    }
    for (int i = 0; i < sheet::kSlotCount; ++i) {
        if (got.CharText.numbered(i) != want.CharText.numbered(i)) {
            return QStringLiteral("CharText(%1) is \"%2\", expected \"%3\"")
                .arg(i)
                .arg(got.CharText.numbered(i), want.CharText.numbered(i));
        }
        if (got.CharValue.numbered(i) != want.CharValue.numbered(i)) {
            return QStringLiteral("CharValue(%1) is %2, expected %3")
                .arg(i)
                .arg(got.CharValue.numbered(i))
                .arg(want.CharValue.numbered(i));
        }
    }
    return {};
}

} // namespace

class TestCharacterFile : public QObject {
    Q_OBJECT

private slots:
    void write_data()
    {
        QTest::addColumn<Character>("character");
        QTest::addColumn<QByteArray>("bytes");

        // Slots outside the file must not leak into it.
        Character ex = example();
        ex.CharText.numbered(0) = u"zero"_s;
        ex.CharText.numbered(22) = u"twenty-two"_s;
        ex.CharValue.numbered(0) = 5;
        ex.CharValue.numbered(15) = 7;
        QTest::newRow("example") << ex << kExample;

        QTest::newRow("empty character") << Character{}
                                         << QByteArray("\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n0,0,0,0,0,0,0\r\n"
                                                       "\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n0,0,0,0,0,0,0\r\n"
                                                       "\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");

        Character edges;
        edges.CharText.numbered(1) = QStringLiteral(" Dwarf, Farmer");
        edges.CharText.numbered(7) = QString::fromUtf8("café €5");
        edges.CharText.numbered(12) = QStringLiteral("helm\rshield");
        edges.CharText.numbered(21) = QStringLiteral("say \"hi\"");
        edges.CharValue.numbered(1) = -32768;
        edges.CharValue.numbered(7) = -3;
        edges.CharValue.numbered(8) = 32767;
        edges.CharValue.numbered(14) = 17;
        QTest::newRow("raw texts, code page, signs")
            << edges
            << QByteArray("\" Dwarf, Farmer\",\"\",\"\",\"\",\"\",\"\",\"caf\xE9 \x80"
                          "5\"\r\n"
                          "-32768,0,0,0,0,0,-3\r\n"
                          "\"\",\"\",\"\",\"\",\"helm\rshield\",\"\",\"\"\r\n"
                          "32767,0,0,0,0,0,17\r\n"
                          "\"\",\"\",\"\",\"\",\"\",\"\",\"say 'hi'\"\r\n");

        Character foreign;
        foreign.CharText.numbered(3) = u"Дмитрий"_s;
        QTest::newRow("a name the code page cannot hold")
            << foreign
            << QByteArray("\xef\xbb\xbf\"\",\"\",\"" + u"Дмитрий"_s.toUtf8()
                          + "\",\"\",\"\",\"\",\"\"\r\n0,0,0,0,0,0,0\r\n"
                            "\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n0,0,0,0,0,0,0\r\n"
                            "\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n");
    }

    void write()
    {
        QFETCH(Character, character);
        QFETCH(QByteArray, bytes);
        QCOMPARE(characterFileBytes(character), bytes);
    }

    void roundTrip()
    {
        Character c;
        c.CharText.numbered(1) = QStringLiteral("Dwarf, Farmer");
        c.CharText.numbered(2) = QStringLiteral("  wounded");
        c.CharText.numbered(3) = QString::fromUtf8("Zoë €uro");
        c.CharText.numbered(5) = QStringLiteral("two\r\nlines");
        c.CharText.numbered(12) = QStringLiteral("helm\rshield");
        c.CharText.numbered(13) = QStringLiteral("weapon: hand, left");
        c.CharText.numbered(15) = QStringLiteral("-4");
        for (int slot = 16; slot <= 21; ++slot) c.CharText.numbered(slot) = QStringLiteral("spare %1").arg(slot);
        const int values[15] = {0, -1, 2, -32768, 32767, 0, 100, -7, 8, 9, -10, 11, 12, 13, -14};
        for (int slot = 1; slot <= 14; ++slot) c.CharValue.numbered(slot) = std::int16_t(values[slot]);

        const Character old = oldCharacter();
        Character got = old;
        QVERIFY(readCharacterFile(characterFileBytes(c), got));
        const QString difference = firstDifference(got, c, old, 35);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void doubleQuoteKeepsFieldsInPlace()
    {
        Character c = example();
        c.CharText.numbered(3) = QStringLiteral("\"Susus\" the \"quick\"");
        c.CharText.numbered(8) = QStringLiteral("\"");
        Character got = oldCharacter();
        QVERIFY(readCharacterFile(characterFileBytes(c), got));
        c.CharText.numbered(3) = QStringLiteral("'Susus' the 'quick'");
        c.CharText.numbered(8) = QStringLiteral("'");
        const QString difference = firstDifference(got, c, oldCharacter(), 35);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    // Layouts that hold the example's 35 fields, and files cut short. `taken` fields land.
    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("taken");

        const QList<QByteArray> fields = exampleFields();
        QTest::newRow("as written") << kExample << true << 35;
        QTest::newRow("one line") << fields.join(',') + "\r\n" << true << 35;
        QTest::newRow("one line, no line end") << fields.join(',') << true << 35;
        QTest::newRow("field per line, CR LF") << fields.join("\r\n") + "\r\n" << true << 35;
        QTest::newRow("field per line, LF") << fields.join('\n') + "\n" << true << 35;
        QTest::newRow("field per line, CR") << fields.join('\r') + "\r" << true << 35;
        QTest::newRow("extra lines after") << kExample + "\"more\",abc,40000\r\nnonsense\r\n" << true << 35;
        QTest::newRow("blanks and tabs around fields") << asRecords(fields, " \t ", " \t") << true << 35;

        QList<QByteArray> short34 = fields;
        short34.removeLast();
        QTest::newRow("34 fields") << asRecords(short34) << false << 34;
        QTest::newRow("34 fields and a comma") << short34.join(',') + "," << false << 34;
        QTest::newRow("first two records") << asRecords(fields.mid(0, 14)) << false << 14;
        QTest::newRow("empty file") << QByteArray() << false << 0;
    }

    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, ok);
        QFETCH(int, taken);
        const Character old = oldCharacter();
        Character got = old;
        QCOMPARE(readCharacterFile(bytes, got), ok);
        const QString difference = firstDifference(got, example(), old, taken);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    // One integer field of the example replaced; `index` counts the file's fields from 0.
    void integerInFile_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("value");

        QTest::newRow("-32768 reads") << 7 << QByteArray("-32768") << true << -32768;
        QTest::newRow("32767 reads") << 27 << QByteArray("32767") << true << 32767;
        QTest::newRow("empty reads 0") << 9 << QByteArray("") << true << 0;
        QTest::newRow("quoted number reads") << 21 << QByteArray("\"12\"") << true << 12;
        QTest::newRow("quoted number with blanks reads") << 22 << QByteArray("\" 12 \"") << true << 12;
        QTest::newRow("40000 fails") << 9 << QByteArray("40000") << false << 0;
        QTest::newRow("-32769 fails") << 27 << QByteArray("-32769") << false << 0;
        QTest::newRow("text fails") << 7 << QByteArray("abc") << false << 0;
        QTest::newRow("quoted text fails") << 13 << QByteArray("\"abc\"") << false << 0;
        QTest::newRow("number with text fails") << 22 << QByteArray("12abc") << false << 0;
    }

    void integerInFile()
    {
        QFETCH(int, index);
        QFETCH(QByteArray, field);
        QFETCH(bool, ok);
        QFETCH(int, value);

        QList<QByteArray> fields = exampleFields();
        fields[index] = field;
        const Character old = oldCharacter();
        Character got = old;
        QCOMPARE(readCharacterFile(asRecords(fields), got), ok);

        Character expected = example();
        if (ok) expected.CharValue.numbered(fileOrder()[index].second) = std::int16_t(value);
        const QString difference = firstDifference(got, expected, old, ok ? 35 : index);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void integerField_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("value");

        QTest::newRow("plain") << "17" << true << 17;
        QTest::newRow("minus") << "-3" << true << -3;
        QTest::newRow("plus") << "+5" << true << 5;
        QTest::newRow("leading zeros") << "0017" << true << 17;
        QTest::newRow("minus zero") << "-0" << true << 0;
        QTest::newRow("empty") << "" << true << 0;
        QTest::newRow("half to even down") << "12.5" << true << 12;
        QTest::newRow("half to even up") << "13.5" << true << 14;
        QTest::newRow("negative half") << "-2.5" << true << -2;
        QTest::newRow("point last") << "5." << true << 5;
        QTest::newRow("point first") << ".7" << true << 1;
        QTest::newRow("exponent") << "1E3" << true << 1000;
        QTest::newRow("D exponent with sign") << "25d-1" << true << 2;
        QTest::newRow("just below the top") << "32767.4" << true << 32767;
        QTest::newRow("bottom half rounds in") << "-32768.5" << true << -32768;

        QTest::newRow("rounds above the top") << "32767.5" << false << 0;
        QTest::newRow("huge exponent") << "1e400" << false << 0;
        QTest::newRow("text") << "abc" << false << 0;
        QTest::newRow("text after") << "12abc" << false << 0;
        QTest::newRow("blank inside") << "1 2" << false << 0;
        QTest::newRow("sign only") << "-" << false << 0;
        QTest::newRow("point only") << "." << false << 0;
        QTest::newRow("two points") << "1.2.3" << false << 0;
        QTest::newRow("exponent without digits") << "12e" << false << 0;
        QTest::newRow("text after exponent") << "1e3x" << false << 0;
        QTest::newRow("two signs") << "+-1" << false << 0;
    }

    void integerField()
    {
        QFETCH(QString, field);
        QFETCH(bool, ok);
        QFETCH(int, value);
        const std::optional<std::int16_t> got = charfile::integerField(field);
        QCOMPARE(got.has_value(), ok);
        if (ok) QCOMPARE(int(*got), value);
    }
};

QTEST_APPLESS_MAIN(TestCharacterFile)
#include "test_character_file.moc"
