// Catalogues: reading entries, the attribute formulas, and laying out a chosen entry.
#include "catalogue/catalogue.h"
#include "common/files.h"
#include "common/numbers.h"

#include <QtTest>

using namespace Qt::StringLiterals;

using namespace catalogue;

namespace {
// Wisdom, Intellect, Perception, Heart, Nimbleness, Strength.
Attributes attrs(std::int16_t s1, std::int16_t s2, std::int16_t s3, std::int16_t s4, std::int16_t s5, std::int16_t s6)
{
    return {0, s1, s2, s3, s4, s5, s6};
}
const Attributes kSample = attrs(12, 16, 9, 11, 9, 10);

// Entries as "code|name|number" joined by ";", so a table row can state a whole catalogue; a file
// that is no catalogue as "refused".
QString render(const std::optional<Catalogue>& catalogue)
{
    if (!catalogue) return u"refused"_s;
    QStringList out;
    for (int row = 0; row < catalogue->size(); ++row) {
        const Entry e = catalogue->entry(row);
        out << e.code + u'|' + e.name + u'|' + common::FormatNumber(e.value);
    }
    return out.join(u';');
}
} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("entries");
        const QString two = u"w|Sword|4;i|Rope|2.5"_s;
        QTest::newRow("one per line, stops at z")
            << QByteArray("w,Sword,4\r\ni,Rope,2.5\r\nz,,\r\nm,After,1\r\n") << two;
        QTest::newRow("several to a line") << QByteArray("w,Sword,4,i,Rope,2.5,z,x,0,m,After,1") << two;
        QTest::newRow("one field per line, bare z") << QByteArray("w\nSword\n4\ri\rRope\r2.5\r\nz") << two;
        QTest::newRow("z first") << QByteArray("z,End,0\r\nw,Sword,4\r\n") << QString();
        QTest::newRow("Z is an entry") << QByteArray("Z,Zed,1\r\nz,,\r\n") << "Z|Zed|1";
        QTest::newRow("quoted name with comma") << QByteArray("s,\"Dwarf, Farmer\",-11\r\n") << "s|Dwarf, Farmer|-11";
        QTest::newRow("no z, record cut short") << QByteArray("w,Sword,4\r\ni,Rope") << "w|Sword|4";
        QTest::newRow("number text") << QByteArray("i,Rope,many\r\ni,Oil,12 hp\r\n") << "i|Rope|0;i|Oil|12";
        QTest::newRow("unquoted comma shifts") << QByteArray("w,Sword, long,4\r\ni,Rope,2\r\n") << "w|Sword|0;4|i|0";
        QTest::newRow("Windows-1252 name") << QByteArray("i,Caf\xe9 \x80,1") << QString::fromUtf8("i|Café €|1");
        QTest::newRow("UTF-8 from an editor") << QByteArray("w,\xc3\x89p\xc3\xa9"
                                                            "e,3")
                                              << u"w|Épée|3"_s;
        QTest::newRow("UTF-8 behind the mark") << QByteArray("\xef\xbb\xbfi,\xce\xa9mega,1") << u"i|Ωmega|1"_s;
        QTest::newRow("quoted code") << QByteArray("\"w\",Sword,4,\"z\",,") << "w|Sword|4";
        const QByteArray longest(common::kSmallFileLimit, 'n');
        QTest::newRow("name as long as a possession file")
            << QByteArray("i," + longest + ",1") << u"i|"_s + QString::fromLatin1(longest) + u"|1"_s;
        QTest::newRow("name longer than a possession file") << QByteArray("i," + longest + "n,1") << "refused";
        QTest::newRow("quoted number longer than a possession file")
            << QByteArray("i,x,\"" + longest + " \"") << "refused";
        QTest::newRow("empty") << QByteArray() << QString();
    }
    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, entries);
        QCOMPARE(render(readCatalogue(bytes)), entries);
    }

    // The lists show a long code or name cut short, never a character cut in two; the entry itself
    // stays whole.
    void shown_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("number");
        const qsizetype most = Catalogue::kShownLength;
        const QString omega = u"Ω"_s;
        QTest::newRow("short") << QByteArray("w,Sword,4.50") << u"Sword"_s << u"4.5"_s;
        QTest::newRow("as long as shown")
            << QByteArray("w," + QByteArray(most, 'n') + ",1e3") << QString(most, u'n') << u"1000"_s;
        QTest::newRow("one longer") << QByteArray("w," + QByteArray(most + 1, 'n') + ",1") << QString(most, u'n') + u'…'
                                    << u"1"_s;
        QTest::newRow("long UTF-8") << "\xef\xbb\xbfw," + omega.repeated(3 * most).toUtf8() + ",2"
                                    << omega.repeated(most) + u'…' << u"2"_s;
        QTest::newRow("long, four bytes each") << "\xef\xbb\xbfw,x" + u"😀"_s.repeated(most + 1).toUtf8() + ",2"
                                               << u"x"_s + u"😀"_s.repeated(most / 2 - 1) + u'…' << u"2"_s;
    }
    void shown()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QFETCH(QString, number);
        const std::optional<Catalogue> catalogue = readCatalogue(bytes);
        QVERIFY(catalogue);
        QCOMPARE(catalogue->shownName(0), name);
        QCOMPARE(catalogue->shownNumber(0), number);
        QCOMPARE(catalogue->shownCode(0), u"w"_s);
        QVERIFY(catalogue->entry(0).name.startsWith(name.chopped(name.endsWith(u'…') ? 1 : 0)));
    }

    void garbage()
    {
        for (quint32 seed : {1u, 77u, 4242u}) {
            QByteArray bytes(4096, Qt::Uninitialized);
            for (char& b : bytes) b = char((seed = seed * 1664525u + 1013904223u) >> 24);
            const std::optional<Catalogue> catalogue = readCatalogue(bytes);
            QVERIFY(catalogue);
            for (int row = 0; row < catalogue->size(); ++row) QVERIFY(catalogue->entry(row).code != u"z");
        }
    }

    void formula_data()
    {
        QTest::addColumn<Attributes>("s");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("value");
        const int sample[] = {57, 4, 38, 30, 2, 56, 36, 29, 9, 21, 30, 34, 51, 27, 36, 8, 29, 48};
        for (int i = 0; i < 18; ++i) QTest::addRow("sample %d", -11 - i) << kSample << -11 - i << sample[i];
        const Attributes big = attrs(30000, 30000, 30000, 30000, 30000, 30000);
        QTest::newRow("-11 saturates") << big << -11 << 32767;
        QTest::newRow("-11 saturates low") << attrs(0, 0, -30000, -30000, -30000, -30000) << -11 << -32768;
        QTest::newRow("-17 wide square") << attrs(-30000, -30000, 30000, 0, 0, 0) << -17 << 32767;
        QTest::newRow("-23 wide square") << big << -23 << 32767;
        QTest::newRow("-26 wide product, doubled") << big << -26 << 32767;
        QTest::newRow("-26 floors below zero") << attrs(0, 0, 4, 14, -3, 0) << -26 << -3;
        QTest::newRow("-12 at least 1") << attrs(10, 10, 10, 10, 10, 10) << -12 << 1;
        QTest::newRow("-12 halved twice") << attrs(10, 18, 9, 10, 9, 10) << -12 << 8;
        QTest::newRow("-12 huge intellect") << attrs(10, 30000, 30000, 10, 30000, 10) << -12 << 32767;
        QTest::newRow("-13 no wisdom scaling") << attrs(10, 0, 0, 11, 9, 10) << -13 << 48;
        QTest::newRow("-20 at least 2") << attrs(5, 5, 5, 5, 5, 5) << -20 << 2;
        QTest::newRow("-19 no halving") << attrs(12, 16, 14, 0, 0, 0) << -19 << 42;
        QTest::newRow("-19 halved once") << attrs(12, 16, 13, 0, 0, 0) << -19 << 20;
        QTest::newRow("-27 low wisdom") << attrs(11, 5, 9, 11, 9, 0) << -27 << 24;
        QTest::newRow("-27 high wisdom") << attrs(16, 5, 9, 11, 9, 0) << -27 << 34;
        QTest::newRow("-28 both x1.4") << attrs(16, 16, 9, 0, 9, 0) << -28 << 67;
        QTest::newRow("-28 halved") << attrs(12, 11, 9, 0, 9, 0) << -28 << 14;
        QTest::newRow("-12 halved, worked out wide") << attrs(10, 30000, 5, 10, 5, 10) << -12 << 29990;
        // Only the result saturates: no step on the way does.
        QTest::newRow("-27 wide sum, then less") << attrs(0, 20000, 20000, 20000, 20000, 0) << -27 << 32767;
        const Attributes lowest = attrs(-32768, -32768, -32768, -32768, -32768, -32768);
        QTest::newRow("-19 lowest, halved twice") << lowest << -19 << -24576;
        QTest::newRow("-26 lowest, product halved") << lowest << -26 << 32767;
        QTest::newRow("-27 lowest, less intellect") << lowest << -27 << -32768;
        QTest::newRow("-28 lowest, halved") << lowest << -28 << -32768;
        QTest::newRow("-13 wide sum, scaled down") << attrs(19, 0, 0, 20000, 20000, 0) << -13 << 8000;
        QTest::newRow("-10 is no formula") << kSample << -10 << 0;
    }
    void formula()
    {
        QFETCH(Attributes, s);
        QFETCH(int, code);
        QFETCH(int, value);
        QCOMPARE(int(formulaValue(code, s)), value);
    }

    void choose_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("formula"); // -1: none
        const int ab = int(Kind::Ability), it = int(Kind::Item), no = int(Kind::None);
        QTest::newRow("skill keeps no number") << u"s"_s << 3.0 << ab << u"X.qoa"_s << u""_s << -1;
        QTest::newRow("skill with formula") << u"s"_s << -14.0 << ab << u"X.qoa"_s << u"30"_s << 30;
        QTest::newRow("m copies number") << u"m"_s << 2.5 << ab << u"X.qoa"_s << u"2.5"_s << -1;
        QTest::newRow("weapon") << u"w"_s << 4.0 << it << u"X.qod"_s << u"4"_s << -1;
        QTest::newRow("item formula -11") << u"i"_s << -11.0 << it << u"X.qod"_s << u"57"_s << 57;
        QTest::newRow("item formula -28") << u"o"_s << -28.0 << it << u"X.qod"_s << u"48"_s << 48;
        QTest::newRow("-11.5 no formula") << u"h"_s << -11.5 << it << u"X.qod"_s << u"-11.5"_s << -1;
        QTest::newRow("-10 no formula") << u"a"_s << -10.0 << it << u"X.qod"_s << u"-10"_s << -1;
        QTest::newRow("-29 no formula") << u"d"_s << -29.0 << it << u"X.qod"_s << u"-29"_s << -1;
        QTest::newRow("11 no formula") << u"i"_s << 11.0 << it << u"X.qod"_s << u"11"_s << -1;
        QTest::newRow("unknown code") << u"q"_s << 4.0 << no << u""_s << u""_s << -1;
        QTest::newRow("upper case is unknown") << u"W"_s << 4.0 << no << u""_s << u""_s << -1;
        QTest::newRow("unknown code, formula") << u"q"_s << -19.0 << no << u""_s << u"9"_s << 9;
    }
    void choose()
    {
        QFETCH(QString, code);
        QFETCH(double, value);
        QFETCH(int, kind);
        QFETCH(QString, fileName);
        QFETCH(QString, number);
        QFETCH(int, formula);
        const Choice c = chooseEntry(Entry{code, u"X"_s, value}, kSample);
        QCOMPARE(int(c.kind), kind);
        QCOMPARE(c.fileName, fileName);
        QCOMPARE(c.code, code);
        QCOMPARE(c.name, QString(u"X"_s));
        QCOMPARE(c.number, number);
        QCOMPARE(c.formula.has_value(), formula >= 0);
        if (c.formula) QCOMPARE(int(*c.formula), formula);
    }
};

QTEST_APPLESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
