// Reading fields from the program's text files, and writing them.
#include "common/codepage.h"
#include "common/fields.h"
#include "common/files.h"

#include "support/full_disk.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

using namespace common;

namespace {
QStringList readAll(const QString& text)
{
    QStringList fields;
    FieldReader reader(text);
    while (const auto field = reader.next()) fields.append(*field);
    return fields;
}
} // namespace

class TestFields : public QObject {
    Q_OBJECT
private slots:
    void read_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("commas and CR LF") << "a,b\r\nc\r\n" << QStringList{u"a"_s, u"b"_s, u"c"_s};
        QTest::newRow("lone LF and lone CR") << "a\nb\rc" << QStringList{u"a"_s, u"b"_s, u"c"_s};
        QTest::newRow("quoted keeps comma") << "\"Dwarf, Farmer\",x" << QStringList{u"Dwarf, Farmer"_s, u"x"_s};
        QTest::newRow("quoted keeps line breaks") << "\"one\r\ntwo\",x" << QStringList{u"one\r\ntwo"_s, u"x"_s};
        QTest::newRow("quoted keeps inner blanks") << "\"  lead \"" << QStringList{u"  lead "_s};
        QTest::newRow("blanks and tabs before fields skipped") << "  a, \t b" << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("blanks before a quote skipped") << "   \"q\"" << QStringList{u"q"_s};
        QTest::newRow("unquoted loses trailing blanks") << "a \t,b" << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("after closing quote ignored") << "\"a\"junk,b" << QStringList{u"a"_s, u"b"_s};
        QTest::newRow("empty fields between commas") << "a,,b" << QStringList{u"a"_s, u""_s, u"b"_s};
        QTest::newRow("empty quoted") << "\"\",\"\"" << QStringList{u""_s, u""_s};
        QTest::newRow("empty line is an empty field") << "a\r\n\r\nb" << QStringList{u"a"_s, u""_s, u"b"_s};
        QTest::newRow("field split over lines") << "\"x\r\n\",y" << QStringList{u"x\r\n"_s, u"y"_s};
        QTest::newRow("unclosed quote runs to the end") << "\"abc,def" << QStringList{u"abc,def"_s};
        QTest::newRow("nothing") << "" << QStringList{};
        QTest::newRow("only blanks") << "   " << QStringList{};
    }
    void read()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, fields);
        QCOMPARE(readAll(text), fields);
    }

    void write()
    {
        QCOMPARE(record({quotedField(QStringLiteral("Dwarf, Farmer")), QByteArray("-3"), quotedField({})}),
                 QByteArray("\"Dwarf, Farmer\",-3,\"\"\r\n"));
        // A double quote cannot be stored: it becomes a single quote.
        QCOMPARE(quotedField(QStringLiteral("say \"hi\"")), QByteArray("\"say 'hi'\""));
    }

    void codePage()
    {
        const QString text = QStringLiteral("caf\u00e9 \u20ac \u2019");
        const QByteArray bytes = encodeCodePage(text);
        QCOMPARE(bytes, QByteArray("caf\xe9 \x80 \x92"));
        QCOMPARE(decodeCodePage(bytes), text);
        QCOMPARE(encodeCodePage(QStringLiteral("\u4e2d")), QByteArray("?"));
    }

    void validNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << "Tessa.QOZ" << true;
        QTest::newRow("dot name file") << "..QOZ" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("dot dot") << ".." << false;
        QTest::newRow("slash") << "a/b" << false;
    }
    void validNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, valid);
        QCOMPARE(isValidFileName(name), valid);
    }

    void atomicWriteKeepsOldFileOnFailure()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.txt"));
        QVERIFY(writeFileAtomically(path, "first"));
        QVERIFY(writeFileAtomically(path, "second"));
        QCOMPARE(*readWholeFile(path, kSmallFileLimit), QByteArray("second"));
        QVERIFY(!writeFileAtomically(dir.filePath(QStringLiteral("missing/a.txt")), "x"));
        {
            FullDisk full;
            QVERIFY(!writeFileAtomically(path, QByteArray(100, 'x')));
        }
        QCOMPARE(*readWholeFile(path, kSmallFileLimit), QByteArray("second"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"a.txt"_s});
        QVERIFY(!readWholeFile(dir.filePath(QStringLiteral("missing.txt")), kSmallFileLimit));
    }
};

QTEST_APPLESS_MAIN(TestFields)
#include "test_fields.moc"

