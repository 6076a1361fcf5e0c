// Reading fields from the program's text files, and writing them.
#include "common/fields.h"
#include "common/file_text.h"
#include "common/files.h"
#include "common/native_names.h"

#include "support/failing_write.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

using namespace common;

namespace {
QStringList readAll(const QString& text)
{
    QStringList fields;
    FieldReader reader(encodeFileText(text));
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
        QTest::newRow("UTF-8 field with comma")
            << u"\"Ωmega, Ψ\",Дмитрий "_s << QStringList{u"Ωmega, Ψ"_s, u"Дмитрий"_s};
    }
    void read()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, fields);
        QCOMPARE(readAll(text), fields);
    }

    void write()
    {
        QCOMPARE(record({quotedField(QStringLiteral("Dwarf, Farmer")), u"-3"_s, quotedField({})}),
                 u"\"Dwarf, Farmer\",-3,\"\"\r\n"_s);
        // A double quote cannot be stored: it becomes a single quote.
        QCOMPARE(quotedField(QStringLiteral("say \"hi\"")), u"\"say 'hi'\""_s);
    }

    // A text and its file's bytes: Windows-1252 where those bytes read back as the text, otherwise
    // UTF-8 behind the mark. Rows that are not written so are files from elsewhere, only read.
    void fileText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("written");
        const QByteArray mark("\xef\xbb\xbf");
        QTest::newRow("ASCII") << u"Tessa"_s << QByteArray("Tessa") << true;
        QTest::newRow("code page") << u"café € ’"_s << QByteArray("caf\xe9 \x80 \x92") << true;
        QTest::newRow("Cyrillic") << u"Дмитрий"_s << mark + u"Дмитрий"_s.toUtf8() << true;
        QTest::newRow("code page and Greek") << u"é Ωmega"_s << mark + u"é Ωmega"_s.toUtf8() << true;
        QTest::newRow("Greek and slashes") << u"Ω 1/2 c:\\x"_s << mark + u"Ω 1/2 c:\\x"_s.toUtf8() << true;
        QTest::newRow("a mark as its first character") << u"\ufeffx"_s << mark + mark + "x" << true;
        QTest::newRow("code page bytes of a mark") << u"ï»¿x"_s << mark + u"ï»¿x"_s.toUtf8() << true;
        QTest::newRow("code page bytes that are UTF-8") << u"Ã©"_s << mark + u"Ã©"_s.toUtf8() << true;
        QTest::newRow("a byte kept from a name on disk")
            << nameFromNative("/home/caf\xe9") << mark + "/home/caf\xe9" << true;
        QTest::newRow("empty") << QString() << QByteArray() << true;
        QTest::newRow("UTF-8 from an editor") << u"Épée"_s << u"Épée"_s.toUtf8() << false;
        QTest::newRow("UTF-8 cut short is code page") << u"Ã‰pÃ"_s << QByteArray("\xc3\x89p\xc3") << false;
        QTest::newRow("only the mark") << QString() << mark << false;
    }
    void fileText()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, written);
        QCOMPARE(decodeFileText(bytes), text);
        if (written) QCOMPARE(encodeFileText(text), bytes);
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
#ifdef Q_OS_WIN
        // What Windows would change or take for a device.
        for (const char* name : {"a\\b", "c:x", "Que?.QOZ", "a*b", "a<b", "a|b", "a\"b", "tab\t", "Tessa.", "Tessa ",
                                 "NUL.QOZ", "aux", "Com1.qod", "lpt9"}) {
            QTest::newRow(name) << name << false;
        }
        QTest::newRow("a device name inside a name") << "Console.QOZ" << true;
#endif
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
            FailingWrite failing(path);
            QVERIFY(!writeFileAtomically(path, QByteArray(100, 'x')));
        }
        QCOMPARE(*readWholeFile(path, kSmallFileLimit), QByteArray("second"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"a.txt"_s});
        QVERIFY(!readWholeFile(dir.filePath(QStringLiteral("missing.txt")), kSmallFileLimit));
    }
};

QTEST_APPLESS_MAIN(TestFields)
#include "test_fields.moc"
