// The program from its command line. charac --pdf writes the sheets of character files to a PDF, a
// landscape page each with its text as text, without a window, reading only; a failure names the
// file and the reason, ends with its status and leaves no PDF behind. A bad command line ends with
// status 2 before any display is looked for, and a display that cannot be reached with one line.
#include "charfile/character_file.h"
#include "common/files.h"
#include "common/native_names.h"
#include "shell/paths.h"

#include "support/file_kinds.h"
#include "support/pdf_text.h"
#include "support/raw_files.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;

namespace {

#ifdef Q_OS_WIN
constexpr bool isWindows = true;
#else
constexpr bool isWindows = false;
#endif

QByteArray characterNamed(const QString& name)
{
    sheet::Character c;
    c.CharText[sheet::slot::text::Name] = name;
    c.CharText[sheet::slot::text::Race] = u"Sea Elf"_s;
    for (int k = 1; k <= 7; ++k) c.CharValue.numbered(k) = std::int16_t(10 + k);
    return charfile::characterFileBytes(c);
}

QByteArray contentOf(const QString& path)
{
    return common::readWholeFile(path, common::kCatalogueFileLimit).value_or(QByteArray());
}

int count(const QByteArray& pdf, const QString& pattern)
{
    return int(QString::fromLatin1(pdf).count(QRegularExpression(pattern)));
}

// Why a row of the table cannot run on this system, or nothing.
const char* whyNotHere([[maybe_unused]] const QString& words)
{
#ifdef Q_OS_WIN
    if (words.contains(u"printf"_s)) return "Windows keeps every name as UTF-16: no name is in another encoding";
    if (words.contains(u"pipe"_s)) return kNoPipes;
    if (words.contains(u"DISPLAY"_s) || words.contains(u"-display"_s)) return "Windows has no display to name";
    if (words.startsWith(u"CHARAC_HOME"_s)) return "the test names the program's folder on Windows itself";
#endif
    return nullptr;
}

// The program started with the words after its name as a shell reads them: through sh, which also
// takes the settings of the environment before them; on Windows by the program's own reading.
void startCharac(QProcess& charac, QString words)
{
    const QString program = QCoreApplication::applicationDirPath() + u"/charac"_s;
#ifdef Q_OS_WIN
    charac.start(program, QProcess::splitCommand(words));
#else
    const QString command = words.replace(QRegularExpression(u"^((?:[A-Z_]+=\\S* ?)*)"_s), u"exec env \\1 \"$0\" "_s);
    charac.start(u"sh"_s, {u"-c"_s, command, program});
#endif
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void commandLine_data()
    {
        // The words after the program, as a shell reads them, after any settings of its environment: a
        // name in another encoding is made with printf. The PDF's own name is sheets.pdf in a fresh folder.
        QTest::addColumn<QString>("words");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("said"); // what the program prints; a success prints no error
        QTest::addColumn<int>("pages");       // of sheets.pdf; 0 for none
        QTest::newRow("a fresh sheet") << u"--pdf sheets.pdf"_s << 0 << QByteArray() << 1;
        QTest::newRow("two characters, a page each")
            << u"--pdf sheets.pdf Tessa.QOZ Дмитрий.QOZ"_s << 0 << QByteArray() << 2;
        QTest::newRow("a folder named in another encoding")
            << u"--pdf sheets.pdf \"$(printf 'd\\351r')/Tessa.QOZ\""_s << 0 << QByteArray() << 1;
        QTest::newRow("no character file")
            << u"--pdf sheets.pdf Tessa.QOZ Bad.QOZ"_s << 1 << QByteArray("Bad.QOZ: is no valid character file") << 0;
        QTest::newRow("no such file, its name in another encoding")
            << u"--pdf sheets.pdf \"$(printf 'G\\351ne').QOZ\""_s << 1 << QByteArray("G\xe9ne.QOZ: no such file") << 0;
        QTest::newRow("a file not named .QOZ")
            << u"--pdf sheets.pdf Tessa.txt"_s << 1 << QByteArray("Tessa.txt: is no character file") << 0;
        QTest::newRow("a character file where the PDF's name belongs")
            << u"--pdf Tessa.QOZ Дмитрий.QOZ"_s << 1 << QByteArray("Tessa.QOZ: is there already and is no PDF") << 0;
        QTest::newRow("an empty file made for the PDF") << u"--pdf empty.pdf Tessa.QOZ"_s << 0 << QByteArray() << 0;
        QTest::newRow("a pipe as the PDF")
            << u"--pdf pipe.pdf Tessa.QOZ"_s << 1 << QByteArray("pipe.pdf: is no plain file") << 0;
        QTest::newRow("a PDF that cannot be written")
            << u"--pdf missing/out.pdf Tessa.QOZ"_s << 1
            << QByteArray("missing/out.pdf: cannot be written (No such file or directory)") << 0;
        QTest::newRow("no PDF named") << u"--pdf"_s << 2 << QByteArray("Missing value after '--pdf'") << 0;
        QTest::newRow("an unknown option")
            << u"--pdf sheets.pdf --sheet"_s << 2 << QByteArray("Unknown option 'sheet'") << 0;
        QTest::newRow("a platform named")
            << u"-platform xcb --pdf sheets.pdf"_s << 2 << QByteArray("-platform does not go with it") << 0;
        QTest::newRow("two PDFs named") << u"--pdf other.pdf --pdf sheets.pdf"_s << 2
                                        << QByteArray("--pdf names one PDF") << 0;
        // Told before the display is looked for, and before help is given.
        QTest::newRow("an unknown option for the window")
            << u"--sheet"_s << 2 << QByteArray("Unknown option 'sheet'") << 0;
        QTest::newRow("help with an unknown option")
            << u"--help --sheet"_s << 2 << QByteArray("charac: Unknown option 'sheet'") << 0;
        QTest::newRow("the version, and --pdf without its PDF")
            << u"--version --pdf"_s << 2 << QByteArray("Missing value after '--pdf'") << 0;
        QTest::newRow("help with a toolkit option") << u"-style fusion --help"_s << 0 << QByteArray("Usage:") << 0;
        QTest::newRow("an unknown option beside a toolkit option")
            << u"-style fusion --sheet"_s << 2 << QByteArray("Unknown option 'sheet'.") << 0;
        QTest::newRow("the toolkit's options listed") << u"--help-all"_s << 0 << QByteArray("--platform <") << 0;
        QTest::newRow("two files for the window") << u"-platform offscreen Tessa.QOZ Дмитрий.QOZ"_s << 2
                                                  << QByteArray("the window opens one character file") << 0;
        QTest::newRow("the versions of a file") << u"CHARAC_HOME=\"$PWD/store\" --versions Tessa.QOZ"_s << 0
                                                << QByteArray("2026-12-09T09:41:07Z\t5\t/") << 0;
        QTest::newRow("a file without versions") << u"--versions Tessa.QOZ"_s << 0 << QByteArray() << 0;
        QTest::newRow("versions of a file of another kind")
            << u"--versions Tessa.txt"_s << 2 << QByteArray("Tessa.txt: versions are kept of character") << 0;
        QTest::newRow("versions of two files")
            << u"--versions Tessa.QOZ Bad.QOZ"_s << 2 << QByteArray("--versions names one file") << 0;
        QTest::newRow("a display that cannot be reached")
            << u"DISPLAY=:4711"_s << 1 << QByteArray("no display it can reach") << 0;
        QTest::newRow("a display named that cannot be reached")
            << u"-display :4711"_s << 1 << QByteArray("no display it can reach") << 0;
    }
    void commandLine()
    {
        QFETCH(QString, words);
        QFETCH(int, status);
        QFETCH(QByteArray, said);
        QFETCH(int, pages);
        if (const char* reason = whyNotHere(words)) QSKIP(reason);
#ifdef Q_OS_WIN
        said.replace('/', '\\'); // a path in a message has the system's separator
#endif
        QTemporaryDir work;
        // Emptied by its bytes: the folder named in another encoding is beyond the toolkit's own removal.
        const auto tidy = qScopeGuard([&] { emptyFolder(work.path()); });
        const QByteArray here = QFile::encodeName(work.path());
        QVERIFY(QDir(work.path()).mkdir(u"home"_s));
        QList<QByteArray> tessas{"/Tessa.QOZ", "/Tessa.txt"};
#ifndef Q_OS_WIN
        QVERIFY(::mkdir((here + "/d\xe9r").constData(), 0755) == 0); // a folder named in another encoding
        tessas.append("/d\xe9r/Tessa.QOZ");
#endif
        for (const QByteArray& file : tessas) {
            QVERIFY(common::writeFileAtomically(common::nameFromNative(here + file), characterNamed(u"Tessa"_s)));
        }
        const bool pipeMade = makePipe(work.filePath(u"pipe.pdf"_s));
#ifndef Q_OS_WIN
        QVERIFY(pipeMade);
#endif
        QVERIFY(common::writeFileAtomically(work.filePath(u"empty.pdf"_s), QByteArray()));
        QVERIFY(common::writeFileAtomically(work.filePath(u"Дмитрий.QOZ"_s), characterNamed(u"Дмитрий"_s)));
        QVERIFY(common::writeFileAtomically(work.filePath(u"Bad.QOZ"_s), "not a character"));
        const QString out = work.filePath(u"sheets.pdf"_s);
        const QString shelf = work.filePath(u"store/versions/Tessa.QOZ/2026-12-09 09.41.07.QOZ"_s);
        QVERIFY(common::makeFolders(QFileInfo(shelf).path()) && common::writeFileAtomically(shelf, "older"));
        QVERIFY(common::writeFileAtomically(shelf + u".from"_s, shell::pathFileBytes(work.path() + u'/')));

        QProcess charac;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"HOME"_s, work.filePath(u"home"_s));
        environment.insert(u"LC_ALL"_s, u"C.UTF-8"_s); // the system's reasons in English
#ifdef Q_OS_WIN
        // Windows' own folder is a fixed one, outside the test's: the program is given one inside.
        environment.insert(u"CHARAC_HOME"_s, work.filePath(u"home/QOD/Charac"_s));
#else
        environment.remove(u"CHARAC_HOME"_s);
#endif
        environment.remove(u"DISPLAY"_s);
        environment.remove(u"WAYLAND_DISPLAY"_s);
        environment.remove(u"XDG_SESSION_TYPE"_s);
        environment.remove(u"QT_QPA_PLATFORM"_s);
        charac.setProcessEnvironment(environment);
        charac.setWorkingDirectory(work.path());
        startCharac(charac, words);
        QVERIFY(charac.waitForFinished(30000));
        QCOMPARE(charac.exitStatus(), QProcess::NormalExit); // never a crash, nor the toolkit's abort
        QCOMPARE(charac.exitCode(), status);
        const QByteArray error = charac.readAllStandardError();
        if (status == 0) QVERIFY2(error.isEmpty(), error.constData());
        QVERIFY2((charac.readAllStandardOutput() + error).contains(said), error.constData());
        // It only reads: no program folder is made, and so no path file written; what the user named
        // as the PDF, when it is no PDF, stays as it was.
        QVERIFY(!QFileInfo::exists(work.filePath(u"home/QOD"_s)));
        QCOMPARE(contentOf(work.filePath(u"Tessa.QOZ"_s)), characterNamed(u"Tessa"_s));
        if (pipeMade) QCOMPARE(kindAt(work.filePath(u"pipe.pdf"_s)), u"other"_s);

        const QByteArray pdf = contentOf(out);
        QCOMPARE(count(pdf, u"/Type\\s*/Page\\b"_s), pages);
        if (pages == 0) return;
        QVERIFY(pdf.size() < 300 * 1024 * pages);
        // Portrait, on the user's paper: A4 in the C locale the run is given; Windows' is the system's own.
        const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
        const QString paper = isWindows && letter ? u"612(\\.0+)? 792(\\.0+)?"_s : u"595(\\.0+)? 842(\\.0+)?"_s;
        QCOMPARE(count(pdf, u"/MediaBox \\[0 0 "_s + paper + u"\\]"_s), pages);
        QVERIFY(pdf.contains("/FontFile2")); // text, with its fonts
        if (isWindows) return;               // the poppler tools read it in the Linux run
        const QString text = pdfText(out);
        const QStringList shown = pages > 1 ? QStringList{u"Tessa"_s, u"Дмитрий"_s, u"Sea Elf"_s, u"17"_s, u"Wisdom"_s}
                                            : QStringList{u"Wisdom"_s, u"page 1 of 1"_s};
        for (const QString& expected : shown) QVERIFY2(text.contains(expected), qPrintable(expected));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
