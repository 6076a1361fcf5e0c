// The program from its command line: charac --pdf writes the sheets of character files to a PDF,
// a landscape page each with its text as text, without a window, reading only; a failure names the
// file and the reason, ends with its status and leaves no PDF behind.
#include "charfile/character_file.h"
#include "common/files.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray characterNamed(const QString& name)
{
    sheet::Character c;
    c.CharText[sheet::slot::Name] = name;
    c.CharText[sheet::slot::Race] = u"Sea Elf"_s;
    for (int k = 1; k <= 7; ++k) c.CharValue[k] = std::int16_t(10 + k);
    return charfile::characterFileBytes(c);
}

int count(const QByteArray& pdf, const QString& pattern)
{
    return int(QString::fromLatin1(pdf).count(QRegularExpression(pattern)));
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void pdfOfSheets_data()
    {
        QTest::addColumn<QStringList>("arguments"); // OUT stands for the PDF's path in a fresh folder
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");   // what standard error holds
        QTest::addColumn<int>("pages");      // of the PDF written; 0 for none
        QTest::newRow("a fresh sheet") << QStringList{u"--pdf"_s, u"OUT"_s} << 0 << QString() << 1;
        QTest::newRow("two characters, a page each")
            << QStringList{u"--pdf"_s, u"OUT"_s, u"Tessa.QOZ"_s, u"Дмитрий.QOZ"_s} << 0 << QString() << 2;
        QTest::newRow("no character file") << QStringList{u"--pdf"_s, u"OUT"_s, u"Tessa.QOZ"_s, u"Bad.QOZ"_s} << 1
                                           << u"Bad.QOZ: is no valid character file"_s << 0;
        QTest::newRow("no such file") << QStringList{u"--pdf"_s, u"OUT"_s, u"Gone.QOZ"_s} << 1
                                      << u"Gone.QOZ: no such file"_s << 0;
        QTest::newRow("a PDF that cannot be written") << QStringList{u"--pdf"_s, u"missing/out.pdf"_s, u"Tessa.QOZ"_s}
                                                      << 1 << u"out.pdf: cannot be written"_s << 0;
        QTest::newRow("no PDF named") << QStringList{u"--pdf"_s} << 2 << u"Missing value after '--pdf'"_s << 0;
        QTest::newRow("an unknown option") << QStringList{u"--pdf"_s, u"OUT"_s, u"--sheet"_s} << 2
                                           << u"Unknown option 'sheet'"_s << 0;
    }
    void pdfOfSheets()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, said);
        QFETCH(int, pages);
        QTemporaryDir work;
        QVERIFY(QDir(work.path()).mkdir(u"home"_s));
        QVERIFY(common::writeFileAtomically(work.filePath(u"Tessa.QOZ"_s), characterNamed(u"Tessa"_s)));
        QVERIFY(common::writeFileAtomically(work.filePath(u"Дмитрий.QOZ"_s), characterNamed(u"Дмитрий"_s)));
        QVERIFY(common::writeFileAtomically(work.filePath(u"Bad.QOZ"_s), "not a character"));
        const QString out = work.filePath(u"sheets.pdf"_s);
        arguments.replaceInStrings(QRegularExpression(u"^OUT$"_s), out);

        QProcess charac;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"HOME"_s, work.filePath(u"home"_s));
        environment.remove(u"CHARAC_HOME"_s);
        environment.remove(u"DISPLAY"_s);
        environment.remove(u"QT_QPA_PLATFORM"_s);
        charac.setProcessEnvironment(environment);
        charac.setWorkingDirectory(work.path());
        charac.start(QCoreApplication::applicationDirPath() + u"/charac"_s, arguments);
        QVERIFY(charac.waitForFinished(30000));
        QCOMPARE(charac.exitCode(), status);
        const QString error = QString::fromUtf8(charac.readAllStandardError());
        QVERIFY2(said.isEmpty() ? error.isEmpty() : error.contains(said), qPrintable(error));
        // It only reads: no program folder is made, and so no path file written.
        QVERIFY(!QFileInfo::exists(work.filePath(u"home/QOD"_s)));

        const QByteArray pdf = common::readWholeFile(out, common::kCatalogueFileLimit).value_or(QByteArray());
        QCOMPARE(count(pdf, u"/Type\\s*/Page\\b"_s), pages);
        if (pages == 0) return;
        QVERIFY(pdf.size() < 300 * 1024 * pages);
        QCOMPARE(count(pdf, u"/MediaBox \\[0 0 842(\\.0+)? 595(\\.0+)?\\]"_s), pages); // A4, landscape
        QVERIFY(pdf.contains("/FontFile2"));                          // text, with its fonts
        const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
        if (pdftotext.isEmpty() || pages < 2) return;
        QProcess text;
        text.start(pdftotext, {out, u"-"_s});
        QVERIFY(text.waitForFinished(30000));
        const QString words = QString::fromUtf8(text.readAllStandardOutput());
        for (const QString& shown : {u"Tessa"_s, u"Дмитрий"_s, u"Sea Elf"_s, u"17"_s, u"save item"_s}) {
            QVERIFY2(words.contains(shown), qPrintable(shown));
        }
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
