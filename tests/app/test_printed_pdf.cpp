// charac --pdf as a player prints a character for the table: the sheet and everything in the
// character's folder, on the user's own paper, with serif fonts embedded, and as many pages as it
// takes, each with its footer and no line running into it. Read back with the poppler tools.
#include "support/pdf_text.h"
#include "support/possession_bytes.h"

#include "charfile/character_file.h"
#include "common/files.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

struct Word {
    QRectF box;
    QString text;
};
struct Page {
    QSizeF size; // points
    std::vector<Word> words;
};

// The words of every page with their boxes, as pdftotext -bbox gives them.
std::vector<Page> pagesOf(const QString& pdf)
{
    std::vector<Page> pages;
    static const QRegularExpression item(
        uR"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"_s);
    auto found = item.globalMatch(popplerOutput(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s}));
    while (found.hasNext()) {
        const auto m = found.next();
        if (!m.captured(1).isEmpty()) {
            pages.push_back({QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()), {}});
        } else if (!pages.empty()) {
            const QPointF topLeft(m.captured(3).toDouble(), m.captured(4).toDouble());
            const QPointF bottomRight(m.captured(5).toDouble(), m.captured(6).toDouble());
            pages.back().words.push_back({QRectF(topLeft, bottomRight), m.captured(7)});
        }
    }
    return pages;
}

// Tessa, and a third each of abilities, items and notes of five lines. Her name and her first
// ability row's caption said that many times over.
void writeParty(const QString& folder, int possessions, int repeats)
{
    sheet::Character tessa;
    const QStringList texts{u"Sea Elf"_s,     u"wounded"_s,      u"Tessa"_s,      u"female"_s,
                            u"humanoid"_s,    u"cantrip"_s,      u"12"_s,         u"prayer"_s,
                            u"open locks"_s,  u"initiative"_s,   u"Chain mail"_s, u"Iron helm\rRound shield"_s,
                            u"Short sword"_s, u"system shock"_s, u"12"_s};
    for (int slot = 1; slot <= 15; ++slot) tessa.CharText.numbered(slot) = texts[slot - 1];
    for (const sheet::slot::text slot : {sheet::slot::text::Name, sheet::slot::text::Row0Name}) {
        tessa.CharText[slot] = (tessa.CharText[slot] + u' ').repeated(repeats).trimmed();
    }
    const QList<int> values{14, 15, 12, 13, 16, 11, 17, 7, 12, 12, 2, 21, 5, 94};
    for (int slot = 1; slot <= 14; ++slot) tessa.CharValue.numbered(slot) = std::int16_t(values[slot - 1]);
    QVERIFY(common::writeFileAtomically(folder + u"/Tessa.QOZ"_s, charfile::characterFileBytes(tessa)));
    for (int i = 0; i < possessions; ++i) {
        const QString n = QString::number(i);
        const QStringList note{u"Owes us %1 gold from the inn at Brae"_s.arg(n), u"and a debt to the old smith"_s,
                               u"who keeps the north road gate"_s, u"until the spring thaw comes"_s,
                               u"and the river runs high again"_s};
        const auto [name, lines] =
            i % 3 == 0 ? std::pair(u"Skill %1.qoa"_s.arg(n), QStringList{u"s"_s, u"Skill %1"_s.arg(n), u"4%1"_s.arg(n),
                                                                         u"learned at sea"_s, u"practised daily"_s})
            : i % 3 == 1 ? std::pair(u"Sword %1.qod"_s.arg(n),
                                     QStringList{u"w"_s, u"Sword %1"_s.arg(n), u"7%1"_s.arg(n), u"sharp"_s, u"old"_s})
                         : std::pair(u"Note %1.qon"_s.arg(n), note);
        QVERIFY(common::writeFileAtomically(folder + u'/' + name, possessionBytes(lines)));
    }
}

// Every page on the paper, its footer the last line with nothing reaching into it, naming the file
// and the page of each character's own count, and the name heading it.
void checkPages(const std::vector<Page>& printed, int copies, QSizeF paper)
{
    const std::size_t perCharacter = printed.size() / std::size_t(copies);
    QCOMPARE(printed.size(), perCharacter * std::size_t(copies));
    for (std::size_t i = 0; i < printed.size(); ++i) {
        const Page& page = printed[i];
        QVERIFY(qAbs(page.size.width() - paper.width()) < 1 && qAbs(page.size.height() - paper.height()) < 1);
        const auto footer = std::find_if(page.words.begin(), page.words.end(),
                                         [](const Word& word) { return word.text == u"Charac"_s; });
        QVERIFY(footer != page.words.end());
        QString footerText;
        for (auto word = footer; word != page.words.end(); ++word) footerText += word->text + u' ';
        const QString pageOf = u"page %1 of %2"_s.arg(i % perCharacter + 1).arg(perCharacter);
        QVERIFY2(footerText.contains(u"Tessa.QOZ"_s) && footerText.contains(pageOf), qPrintable(footerText));
        for (auto word = page.words.begin(); word != footer; ++word) {
            QVERIFY2(word->box.bottom() < footer->box.top(), qPrintable(word->text));
        }
        QCOMPARE(page.words.front().text, u"Tessa"_s);
    }
}

// The sheet's words and every possession's, none of the machine's folders or any web address, in
// serif fonts only, every one embedded.
void checkTextAndFonts(const QString& pdf, int possessions, const QString& folder)
{
    const QString text = pdfText(pdf);
    QStringList expected{u"Sea Elf"_s,     u"female, humanoid, wounded"_s,
                         u"12 of 17"_s,    u"Round shield"_s,
                         u"94"_s,          u"cantrip"_s,
                         u"prayer"_s,      u"open locks"_s,
                         u"initiative"_s,  u"Chain mail"_s,
                         u"Iron helm"_s,   u"Short sword"_s,
                         u"system shock"_s};
    for (const char* name : sheet::slot::kAttributeNames) expected.append(QString::fromLatin1(name));
    for (int i = 0; i < possessions; ++i) {
        const QString n = QString::number(i);
        expected.append(i % 3 == 0 ? u"4"_s + n : i % 3 == 1 ? u"Sword "_s + n : u"Owes us %1 gold"_s.arg(n));
    }
    if (possessions > 2) expected.append(u"and the river runs high again"_s);
    for (const QString& shown : expected) QVERIFY2(text.contains(shown), qPrintable(shown));
    for (const QString& absent : {folder, u"http"_s, u"www."_s}) QVERIFY2(!text.contains(absent), qPrintable(absent));

    const QStringList fonts = popplerOutput(u"pdffonts"_s, {pdf}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY(!fonts.isEmpty());
    for (const QString& font : fonts) {
        QVERIFY2(font.contains(QRegularExpression(u"Serif|Georgia|Times"_s)) && !font.contains(u"Sans"_s),
                 qPrintable(font));
        QVERIFY2(font.contains(QRegularExpression(u"\\byes\\s+(yes|no)\\s+(yes|no)\\s+\\d+"_s)), qPrintable(font));
    }
}

} // namespace

class TestPrintedPdf : public QObject {
    Q_OBJECT
private slots:
    void printedSheet_data()
    {
        QTest::addColumn<int>("possessions");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QSizeF>("paper"); // points
        QTest::addColumn<int>("pages");    // of each character; 0: more than one
        QTest::addColumn<int>("repeats");  // of the name and the first ability row's caption
        QTest::addColumn<int>("copies");   // of the character file named
        const QSizeF a4(595.3, 841.9);
        const QSizeF letter(612, 792);
        QTest::newRow("fifteen possessions of five lines, on A4") << 15 << u"C.UTF-8"_s << a4 << 1 << 1 << 1;
        QTest::newRow("fifteen possessions of five lines, on US Letter")
            << 15 << u"en_US.UTF-8"_s << letter << 1 << 1 << 1;
        QTest::newRow("sixty possessions, twice") << 60 << u"C.UTF-8"_s << a4 << 0 << 1 << 2;
        QTest::newRow("a name and a caption longer than a page") << 3 << u"C.UTF-8"_s << a4 << 0 << 1500 << 1;
    }
    void printedSheet()
    {
#ifdef Q_OS_WIN
        QSKIP("the poppler tools read the printed sheet in the Linux run");
#endif
        QFETCH(int, possessions);
        QFETCH(QString, locale);
        QFETCH(QSizeF, paper);
        QFETCH(int, pages);
        QFETCH(int, repeats);
        QFETCH(int, copies);
        QTemporaryDir work;
        writeParty(work.path(), possessions, repeats);
        const QString out = work.filePath(u"Tessa.pdf"_s);
        QProcess charac;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"LC_ALL"_s, locale);
        environment.insert(u"HOME"_s, work.path());
        environment.remove(u"DISPLAY"_s);
        environment.remove(u"CHARAC_HOME"_s);
        charac.setProcessEnvironment(environment);
        QStringList arguments{u"--pdf"_s, out};
        for (int copy = 0; copy < copies; ++copy) arguments.append(work.filePath(u"Tessa.QOZ"_s));
        charac.start(QCoreApplication::applicationDirPath() + u"/charac"_s, arguments);
        QVERIFY(charac.waitForFinished(30000));
        QCOMPARE(charac.exitCode(), 0);

        const std::vector<Page> printed = pagesOf(out);
        const int each = int(printed.size()) / copies;
        QVERIFY2(pages ? each == pages : each > 1, qPrintable(QString::number(printed.size())));
        checkPages(printed, copies, paper);
        checkTextAndFonts(out, possessions, work.path());
    }
};

QTEST_GUILESS_MAIN(TestPrintedPdf)
#include "test_printed_pdf.moc"
