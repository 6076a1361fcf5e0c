// Writing, reading and viewing possession files, and the amount buttons.
#include "possessions/possession_file.h"

#include <QtTest>

#include <random>

using namespace Qt::StringLiterals;

using namespace possessions;

namespace {
Lines boxes(const QStringList& texts)
{
    Lines lines;
    for (int i = 0; i < texts.size(); ++i) lines[i] = texts[i];
    return lines;
}

// A state left over from an earlier view, so that the view's resets and keeps show.
ViewerState earlierState() { return ViewerState{4, 9, 7.5, 5}; }
} // namespace

class TestPossessionFile : public QObject {
    Q_OBJECT
private slots:
    void write_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("all empty") << QStringList{} << QByteArray("___\r\n");
        QTest::newRow("gap kept as empty line")
            << QStringList{u"a"_s, u""_s, u"c"_s} << QByteArray("a\r\n\r\nc\r\n___\r\n");
        QTest::newRow("only the last box") << QStringList{u""_s, u""_s, u""_s, u""_s, u""_s, u""_s, u"g"_s}
                                           << QByteArray("\r\n\r\n\r\n\r\n\r\n\r\ng\r\n___\r\n");
        QTest::newRow("code page byte, comma as is")
            << QStringList{u"caf\u00e9, x"_s} << QByteArray("caf\xe9, x\r\n___\r\n");
        QTest::newRow("Greek, behind the mark")
            << QStringList{u"i"_s, u"Ωmega"_s} << "\xef\xbb\xbfi\r\n" + u"Ωmega"_s.toUtf8() + "\r\n___\r\n";
    }
    void write()
    {
        QFETCH(QStringList, texts);
        QFETCH(QByteArray, bytes);
        QCOMPARE(possessionFileBytes(boxes(texts)), bytes);
    }

    void markers_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<Role>("role");
        QTest::addColumn<int>("row");
        QTest::newRow("row 3") << QByteArray("^3") << Role::Marker << 3;
        QTest::newRow("last character counts") << QByteArray("^12 7") << Role::Marker << 7;
        QTest::newRow("row 0") << QByteArray("^0") << Role::Marker << 0;
        QTest::newRow("not a digit") << QByteArray("^x") << Role::Marker << 0;
        QTest::newRow("lone caret") << QByteArray("^") << Role::Marker << 0;
        QTest::newRow("no row 8") << QByteArray("^8") << Role::Marker << 0;
        QTest::newRow("no row 9") << QByteArray("^9") << Role::Marker << 0;
        QTest::newRow("caret inside") << QByteArray("abc^5") << Role::Shown << 0;
        QTest::newRow("end") << QByteArray("_x") << Role::End << 0;
        QTest::newRow("empty") << QByteArray("\r\n") << Role::Shown << 0;
    }
    void markers()
    {
        QFETCH(QByteArray, field);
        QFETCH(Role, role);
        QFETCH(int, row);
        const std::optional<Field> read = PossessionReader(field).next();
        QVERIFY(read);
        QCOMPARE(read->role, role);
        QCOMPARE(int(read->row), row);
    }

    void view_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QList<int>>("amounts");
        QTest::addColumn<int>("amountValue");
        QTest::addColumn<double>("amountRead");
        QTest::addColumn<int>("abilityRow");
        const QStringList seven{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s};
        const QList<int> allSeven{0, 1, 2, 3, 4, 5, 6};
        QTest::newRow("no amount keeps the read amount")
            << QByteArray("a\r\nb\r\n___\r\n") << true << QStringList{u"a"_s, u"b"_s} << QList<int>{} << 0 << 7.5 << 0;
        QTest::newRow("buttons beside the last amount")
            << QByteArray("2 a\r\nx\r\n3.5\r\ny\r\n___\r\n") << true << QStringList{u"2 a"_s, u"x"_s, u"3.5"_s, u"y"_s}
            << QList<int>{0, 2} << 4 << 3.5 << 0;
        QTest::newRow("saturated amount")
            << QByteArray("99999\r\n___") << true << QStringList{u"99999"_s} << QList<int>{0} << 32767 << 99999.0 << 0;
        QTest::newRow("underscore line cuts")
            << QByteArray("a\r\n_b\r\nc\r\n") << true << QStringList{u"a"_s} << QList<int>{} << 0 << 7.5 << 0;
        QTest::newRow("markers neither shown nor captioned")
            << QByteArray("^x\r\na\r\n^3\r\n___\r\n") << true << QStringList{u"a"_s} << QList<int>{} << 0 << 7.5 << 3;
        QTest::newRow("empty and quoted lines")
            << QByteArray("a\r\n\r\n\"b, c\"\r\n___\r\n") << true << QStringList{u"a"_s, u""_s, u"b, c"_s}
            << QList<int>{} << 0 << 7.5 << 0;
        QTest::newRow("written comma splits") << possessionFileBytes(boxes({u"Dwarf, Farmer"_s})) << true
                                              << QStringList{u"Dwarf"_s, u"Farmer"_s} << QList<int>{} << 0 << 7.5 << 0;
        QTest::newRow("seven lines, no end")
            << QByteArray("1\n2\n3\n4\n5\n6\n7\n") << false << seven << allSeven << 7 << 7.0 << 0;
        QTest::newRow("eighth field ignored")
            << QByteArray("1\n2\n3\n4\n5\n6\n7\n8\n") << true << seven << allSeven << 7 << 7.0 << 0;
        QTest::newRow("only a marker") << QByteArray("^3\r\n") << false << QStringList{} << QList<int>{} << 0 << 7.5
                                       << 3;
        QTest::newRow("empty file") << QByteArray() << false << QStringList{} << QList<int>{} << 0 << 7.5 << 0;
    }
    void view()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QFETCH(QStringList, shown);
        QFETCH(QList<int>, amounts);
        QFETCH(int, amountValue);
        QFETCH(double, amountRead);
        QFETCH(int, abilityRow);
        const PossessionView v = viewPossession(bytes, ListKind::Notes, u"n.qon"_s, earlierState());
        QCOMPARE(v.valid, valid);
        QCOMPARE(v.shownLines, shown.size());
        QCOMPARE(v.lines, boxes(shown));
        QCOMPARE(v.buttonRow, amounts.isEmpty() ? -1 : amounts.last());
        for (int i = 0; i < kLineBoxes; ++i) QCOMPARE(v.amountLines[i], amounts.contains(i));
        QCOMPARE(int(v.state.AmountValue), amountValue);
        QCOMPARE(v.state.AmountRead, amountRead);
        QCOMPARE(int(v.state.EditLine), shown.isEmpty() ? 5 : shown.size() - 1);
        QCOMPARE(int(v.state.AbilityRow), abilityRow);
        for (int i = 0; i < kAbilityRows; ++i) QVERIFY(!v.abilityNames[i] && !v.abilityValues[i]);
        QVERIFY(v.eventText.isEmpty() && !v.rowTwoName && !v.rowTwoValue);
    }

    void abilityFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("markedRow");
        QTest::newRow("no marker") << QByteArray("s\r\nclimbing\r\n45\r\n___\r\n") << 0;
        QTest::newRow("marker first") << QByteArray("^5\r\ns\r\nclimbing\r\n45\r\n___\r\n") << 5;
        QTest::newRow("marker after the last line") << QByteArray("s\r\nclimbing\r\n45\r\n^5\r\n___\r\n") << 0;
    }
    void abilityFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, markedRow);
        const PossessionView v = viewPossession(bytes, ListKind::Abilities, u"Climb.qoa"_s, earlierState());
        QVERIFY(v.valid);
        QCOMPARE(v.lines, boxes({u"s"_s, u"climbing"_s, u"45"_s}));
        QCOMPARE(v.buttonRow, 2);
        QCOMPARE(v.amountLines, (std::array<bool, kLineBoxes>{false, false, true}));
        QCOMPARE(v.abilityNames[2], std::optional<QString>(u"climbing"_s));
        QCOMPARE(v.abilityValues[2], std::optional<QString>(u"45"_s));
        QCOMPARE(v.rowTwoName, std::optional<QString>(u"climbing"_s));
        QCOMPARE(v.rowTwoValue, std::optional<std::int16_t>(45));
        QCOMPARE(int(v.state.EditLine), 2);
        QCOMPARE(v.state.AmountRead, 45.0);
        for (int row : {1, 3, 4, 5, 6, 7}) {
            QCOMPARE(v.abilityNames[row], row == markedRow ? std::optional<QString>(u"Climb"_s) : std::nullopt);
            QCOMPARE(v.abilityValues[row], row == markedRow ? std::optional<QString>(u"45"_s) : std::nullopt);
        }
    }

    void abilityRowTwoRules()
    {
        // A numeric second line is no name; the value keeps its text but is stored rounded, saturated.
        PossessionView v = viewPossession("s\r\n12\r\n45%\r\n___", ListKind::Abilities, u"x.qoa"_s, {});
        QVERIFY(!v.rowTwoName && !v.abilityNames[2]);
        QCOMPARE(v.abilityValues[2], std::optional<QString>(u"45%"_s));
        QCOMPARE(v.rowTwoValue, std::optional<std::int16_t>(45));
        v = viewPossession("s\r\nx\r\n40000.5\r\n___", ListKind::Abilities, u"x.qoa"_s, {});
        QCOMPARE(v.rowTwoValue, std::optional<std::int16_t>(32767));
        // A marker on row 2 is written after the file's own captions and wins; short names give "".
        v = viewPossession("^2\r\ns\r\nclimbing\r\n45\r\n___", ListKind::Abilities, u"ab"_s, {});
        QCOMPARE(v.abilityNames[2], std::optional<QString>(u""_s));
        QCOMPARE(v.abilityValues[2], std::optional<QString>(u"45"_s));
        QCOMPARE(v.rowTwoName, std::optional<QString>(u"climbing"_s));
    }

    void itemFile()
    {
        const PossessionView v = viewPossession("w\r\nDagger\r\n3\r\n___\r\n", ListKind::Items, u"d.qod"_s, {});
        QCOMPARE(v.eventText, QStringLiteral("Dagger --[w]\r3\r"));
        QVERIFY(!v.rowTwoName && !v.rowTwoValue && !v.abilityValues[2]);
    }

    void amountButtons_data()
    {
        QTest::addColumn<AmountButton>("button");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("result");
        QTest::newRow("step down") << AmountButton::Step << u"3"_s << u"-1"_s << u"2"_s;
        QTest::newRow("half step") << AmountButton::Step << u"3"_s << u"0.5"_s << u"3.5"_s;
        QTest::newRow("up") << AmountButton::Up << u"2"_s << u"x"_s << u"3"_s;
        QTest::newRow("down on unit text") << AmountButton::Down << u"12 arrows"_s << u""_s << u"11"_s;
        QTest::newRow("down on no number") << AmountButton::Down << u"abc"_s << u""_s << u"-1"_s;
        QTest::newRow("zero") << AmountButton::Zero << u"17"_s << u""_s << u"0"_s;
        QTest::newRow("restore") << AmountButton::Restore << u"17"_s << u""_s << u"2.25"_s;
    }
    void amountButtons()
    {
        QFETCH(AmountButton, button);
        QFETCH(QString, line);
        QFETCH(QString, step);
        QFETCH(QString, result);
        QCOMPARE(changedAmount(button, line, step, 2.25), result);
    }

    void garbageNeverCrashes()
    {
        std::mt19937 random(20240611u);
        const char pool[] = {'\0', '"', '\r', '\n', ',', '^', '_', ' ', '9', '-', '.', 'E', 'a', '\xff'};
        for (int round = 0; round < 50; ++round) {
            QByteArray bytes(4096, '\0');
            for (char& c : bytes) c = (random() % 3 == 0) ? char(random()) : pool[random() % sizeof pool];
            for (ListKind list : {ListKind::Abilities, ListKind::Items, ListKind::Notes}) {
                const PossessionView v = viewPossession(bytes, list, u"g"_s, {});
                QVERIFY(v.shownLines >= 0 && v.shownLines <= kLineBoxes);
                QVERIFY(v.buttonRow >= -1 && v.buttonRow < v.shownLines);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestPossessionFile)
#include "test_possession_file.moc"
