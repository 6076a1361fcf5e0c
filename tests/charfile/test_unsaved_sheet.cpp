#include "charfile/unsaved_sheet.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace charfile;

namespace {

constexpr int kCaptions = 28;

UnsavedSheet example(const QString& text)
{
    UnsavedSheet kept;
    for (int slot = 0; slot < sheet::kSlotCount; ++slot) {
        kept.sheet.character.CharText.numbered(slot) = text + QString::number(slot);
        kept.sheet.character.CharValue.numbered(slot) = std::int16_t(slot % 2 ? -slot * 1000 : slot);
    }
    kept.sheet.defense = {{0, 3, -2}, {u""_s, text, u"Buckler"_s}};
    for (int label = 0; label < kCaptions; ++label) kept.sheet.captions << text + u"\r\n"_s + QString::number(label);
    kept.folder = u"/home/ann/QOD/"_s + text + u"/"_s;
    kept.kept = QDateTime(QDate(2026, 12, 9), QTime(9, 41, 7), Qt::UTC);
    return kept;
}

} // namespace

class TestUnsavedSheet : public QObject {
    Q_OBJECT
private slots:
    // Everything kept comes back in its place, whatever text it holds; a double quote cannot stand in
    // a field and comes back as a single quote.
    void keptSheetReadsBack_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("readBack");
        QTest::newRow("plain") << u"Tessa"_s << u"Tessa"_s;
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("commas and blanks") << u" a, b ,"_s << u" a, b ,"_s;
        QTest::newRow("beyond the code page") << u"Дмитрий Ωmega 龍"_s << u"Дмитрий Ωmega 龍"_s;
        QTest::newRow("a double quote") << u"the \"Hammer\""_s << u"the 'Hammer'"_s;
    }
    void keptSheetReadsBack()
    {
        QFETCH(QString, text);
        QFETCH(QString, readBack);
        const UnsavedSheet expected = example(readBack);
        const auto read = readUnsavedSheet(unsavedSheetBytes(example(text)), kCaptions);
        QVERIFY(read);
        QVERIFY(read->sheet == expected.sheet);
        QCOMPARE(read->folder, expected.folder);
        QCOMPARE(read->kept, expected.kept);
    }

    // Bytes that are not one whole unsaved sheet of this layout give nothing.
    void anythingElseIsRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("captions");
        const QByteArray whole = unsavedSheetBytes(example(u"x"_s));
        QTest::newRow("empty") << QByteArray() << kCaptions;
        QTest::newRow("a character file") << QByteArray("\"Sea Elf\",\"being\",\"Susus\"\r\n12,9\r\n") << kCaptions;
        QTest::newRow("cut before the end") << whole.first(whole.lastIndexOf("\"end\"")) << kCaptions;
        QTest::newRow("cut in the captions") << whole.first(whole.size() / 2) << kCaptions;
        QTest::newRow("another layout") << whole << kCaptions + 1;
        QTest::newRow("a later version") << QByteArray(whole).replace("sheet\",1,", "sheet\",2,") << kCaptions;
        QTest::newRow("a word for a number") << QByteArray(whole).replace(",-1000,", ",many,") << kCaptions;
        QTest::newRow("no time") << QByteArray(whole).replace("2026-12-09T09:41:07Z", "soon") << kCaptions;
    }
    void anythingElseIsRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, captions);
        QVERIFY(!readUnsavedSheet(bytes, captions));
    }
};

QTEST_GUILESS_MAIN(TestUnsavedSheet)
#include "test_unsaved_sheet.moc"
