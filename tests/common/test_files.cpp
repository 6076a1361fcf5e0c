// Files on disk as the program meets them: names in any encoding, files of any size and kind, links
// that go nowhere, and saves that were cut short.
#include "common/files.h"
#include "common/folder_entries.h"
#include "common/native_names.h"

#include "support/file_kinds.h"
#include "support/raw_files.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>

#include <cerrno>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;
using namespace common;

namespace {

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

} // namespace

class TestFiles : public QObject {
    Q_OBJECT
private slots:
    void namesLeadBackToTheirBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << QByteArray("Hero.QOZ") << u"Hero.QOZ"_s;
        QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x90\x89.QOZ") << u"café € 🐉.QOZ"_s;
        QTest::newRow("past U+FFFF, second half like an escape")
            << QByteArray("\xf0\x9f\x92\x80\xf0\x9f\x93\x81") << u"💀📁"_s;
        QTest::newRow("Latin-1") << QByteArray("caf\xe9.QOZ") << u"café.QOZ"_s;
        QTest::newRow("code page 1252") << QByteArray("\x80uro\x9c") << u"€uroœ"_s;
        QTest::newRow("lone continuation") << QByteArray("a\x80\xbf") << u"a€¿"_s;
        QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << u"À¯"_s;
        QTest::newRow("encoded surrogate") << QByteArray("\xed\xa0\x80") << u"í\u00a0€"_s;
        QTest::newRow("past U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << u"ô\u0090€€"_s;
        QTest::newRow("cut short at the end") << QByteArray("ab\xe2\x82") << u"abâ‚"_s;
        QTest::newRow("a mark first") << QByteArray("\xef\xbb\xbfHero.QOZ") << u"\ufeffHero.QOZ"_s;
        QTest::newRow("a mark after a kept byte") << QByteArray("\xff\xef\xbb\xbf") << u"ÿ\ufeff"_s;
        QTest::newRow("line break and tab") << QByteArray("a\nb\tc\x7f") << u"a\ufffdb\ufffdc\ufffd"_s;
    }

    void namesLeadBackToTheirBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        const QString name = nameFromNative(bytes);
        QCOMPARE(nativePath(name), bytes);
        QCOMPARE(displayName(name), shown);
    }

    void foreignNamesAreListedAndOpen()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows keeps every name as UTF-16 and takes no line break in a name: there are no foreign names");
#endif
        QTemporaryDir dir;
        const auto tidy = qScopeGuard([&] { emptyFolder(dir.path()); });
        const QByteArray latin1("caf\xe9.QOZ");
        createRaw(dir.path(), latin1, "latin");
        createRaw(dir.path(), "line\nbreak.qod", "break");
        QVERIFY(QDir(dir.path()).mkdir(u"sub"_s));
        QVERIFY(makeSymbolicLink(u"loop"_s, dir.filePath(u"loop"_s)));
        QVERIFY(makeSymbolicLink(u"missing"_s, dir.filePath(u"broken.qoz"_s)));
        QVERIFY(makeSymbolicLink(u"sub"_s, dir.filePath(u"link to sub"_s)));
        createRaw(dir.path(), ".Hero.QOZ.charac-saving", "left over");

        const FolderEntries entries = readFolder(dir.path());
        QCOMPARE(sorted(entries.files), sorted({nameFromNative(latin1), u"line\nbreak.qod"_s}));
        QCOMPARE(sorted(entries.folders), sorted({u"link to sub"_s, u"sub"_s}));
        for (const QString& name : entries.files) {
            QVERIFY(readWholeFile(joinPath(dir.path(), name), kSmallFileLimit).has_value());
        }
        // A save to the foreign name replaces that very file.
        QVERIFY(writeFileAtomically(joinPath(dir.path(), nameFromNative(latin1)), "again"));
        QCOMPARE(readFolder(dir.path()).files.size(), 2);
        QCOMPARE(*readWholeFile(joinPath(dir.path(), nameFromNative(latin1)), kSmallFileLimit), QByteArray("again"));
        QVERIFY(readFolder(joinPath(dir.path(), u"missing"_s)).files.isEmpty());
    }

    void onlyRegularFilesWithinTheBoundAreRead()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"big.qoz"_s);
        QVERIFY(writeFileAtomically(path, QByteArray(1000, 'x')));
        QCOMPARE(readWholeFile(path, 1000)->size(), 1000);
        QVERIFY(!readWholeFile(path, 999));
        QCOMPARE(*readWholeFile(path, 5000), QByteArray(1000, 'x'));

        // A sparse file of 200 MB is refused from its size alone, at once.
        const QString huge = dir.filePath(u"huge.qoz"_s);
        createRaw(dir.path(), "huge.qoz", "\"", qint64{200} << 20);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!readWholeFile(huge, kSmallFileLimit));
        QVERIFY(!readWholeFile(huge, kCatalogueFileLimit));
        QVERIFY(timer.elapsed() < 100);

        // A folder and a device are no files.
        QVERIFY(!readWholeFile(dir.path(), kSmallFileLimit));
#ifdef Q_OS_WIN
        QVERIFY(!readWholeFile(u"NUL"_s, kSmallFileLimit));
        QSKIP(kNoPipes);
#else
        QVERIFY(!readWholeFile(u"/dev/zero"_s, kSmallFileLimit));
#endif
        // A pipe would block a plain open until a writer came.
        const QString pipe = dir.filePath(u"pipe.qoz"_s);
        QVERIFY(makePipe(pipe));
        QVERIFY(!readWholeFile(pipe, kSmallFileLimit));
        QVERIFY(!readFolder(dir.path()).files.contains(u"pipe.qoz"_s));
    }

    // What the user set on a file outlives its saves: on Linux its permissions, on Windows its
    // attributes (a hidden file stays hidden, a read-only one is refused and keeps its bytes, as
    // writing it in place would be).
    void savesKeepWhatTheUserSetOnTheFile()
    {
#ifdef Q_OS_WIN
        savesKeepAttributes();
#else
        savesKeepPermissions();
#endif
    }

    void savesFollowLinksAndTakeLongNames()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Hero.QOZ"_s);
        QVERIFY(writeFileAtomically(path, "one"));
        // A name as long as the system allows still saves.
        const QString longest = dir.filePath(QString(251, u'n') + u".qod"_s);
        QVERIFY(writeFileAtomically(longest, "long"));
        QCOMPARE(*readWholeFile(longest, kSmallFileLimit), QByteArray("long"));
        QVERIFY(!writeFileAtomically(dir.filePath(u"Hero.QOZ/x"_s), "into a file"));
        QVERIFY(!writeFileAtomically(dir.path(), "over a folder"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);

        const QString link = dir.filePath(u"Link.QOZ"_s);
        if (!makeSymbolicLink(u"Hero.QOZ"_s, link)) QSKIP(kNoLinks);
        QVERIFY(writeFileAtomically(link, "three"));
        QCOMPARE(*readWholeFile(path, kSmallFileLimit), QByteArray("three"));
        QVERIFY(QFileInfo(link).isSymLink());
    }

    // A save of a character or a possession follows a link only to another file of its own folder,
    // and never puts a file where the system keeps something else; the path files follow links
    // anywhere. A refusal says why in errno, for the caller to name, and writes nothing anywhere.
    void savesFollowLinksOnlyWithinTheFolder_data()
    {
        // In order: "dir D", "file F" (holding "mine"), "pipe P", "link L TARGET" ("@" is the test's
        // folder), "hard L F".
        QTest::addColumn<QStringList>("made");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("anywhere");  // the path files' rule
        QTest::addColumn<int>("error");      // 0: saved
        QTest::addColumn<QString>("holder"); // the file that holds what was saved
        const QStringList elsewhere{u"dir sub"_s, u"dir other"_s, u"file other/Far.QOZ"_s};
        QTest::newRow("a link to a file not made yet")
            << QStringList{u"link Ahead.QOZ New.QOZ"_s} << u"Ahead.QOZ"_s << false << EPERM << QString();
        QTest::newRow("a relative link into another folder")
            << elsewhere + QStringList{u"link sub/Link.QOZ ../other/Far.QOZ"_s} << u"sub/Link.QOZ"_s << false << EPERM
            << QString();
        QTest::newRow("a symbolic link out of the folder")
            << elsewhere + QStringList{u"link sub/Link.QOZ @/other/Far.QOZ"_s} << u"sub/Link.QOZ"_s << false << EPERM
            << QString();
        QTest::newRow("a dangling link into a sub-folder") << QStringList{u"dir sub"_s, u"link Link.QOZ sub/New.QOZ"_s}
                                                           << u"Link.QOZ"_s << false << EPERM << QString();
        QTest::newRow("a chain that leaves at its second link")
            << elsewhere + QStringList{u"link A.QOZ B.QOZ"_s, u"link B.QOZ other/Far.QOZ"_s} << u"A.QOZ"_s << false
            << EPERM << QString();
        QTest::newRow("a link to its own folder")
            << QStringList{u"link Dot.QOZ ."_s} << u"Dot.QOZ"_s << false << EPERM << QString();
        QTest::newRow("a link through a link back to its own folder")
            << QStringList{u"dir sub"_s, u"file sub/Hero.QOZ"_s, u"link sub/here ."_s,
                           u"link sub/L.QOZ here/Hero.QOZ"_s}
            << u"sub/L.QOZ"_s << false << 0 << u"sub/Hero.QOZ"_s;
        QTest::newRow("links to another file of the folder")
            << QStringList{u"dir sub"_s, u"file sub/Hero.QOZ"_s, u"link sub/Second.QOZ ../sub/./Hero.QOZ"_s,
                           u"link sub/First.QOZ @/sub/Second.QOZ"_s}
            << u"sub/First.QOZ"_s << false << 0 << u"sub/Hero.QOZ"_s;
        QTest::newRow("a planted hard link at the old temporary name")
            << elsewhere + QStringList{u"hard .Sword.qod.charac-saving other/Far.QOZ"_s} << u"Sword.qod"_s << false << 0
            << u"Sword.qod"_s;
        QTest::newRow("a path file through a link into another folder")
            << elsewhere + QStringList{u"link sub/pathC.txt ../other/Far.QOZ"_s} << u"sub/pathC.txt"_s << true << 0
            << u"other/Far.QOZ"_s;
        QTest::newRow("a path file through a link to a file not made yet")
            << QStringList{u"link Ahead.txt New.txt"_s} << u"Ahead.txt"_s << true << 0 << u"New.txt"_s;
        QTest::newRow("a loop of links") << QStringList{u"link Loop.QOZ Loop.QOZ"_s} << u"Loop.QOZ"_s << false << ELOOP
                                         << QString();
        QTest::newRow("a pipe") << QStringList{u"pipe Pipe.QOZ"_s} << u"Pipe.QOZ"_s << false << EEXIST << QString();
        QTest::newRow("a folder") << QStringList{u"dir Sub"_s} << u"Sub"_s << false << EISDIR << QString();
        QTest::newRow("below a file") << QStringList{u"file Hero.QOZ"_s} << u"Hero.QOZ/x"_s << false << ENOTDIR
                                      << QString();
    }
    void savesFollowLinksOnlyWithinTheFolder()
    {
        QFETCH(QStringList, made);
        QFETCH(QString, target);
        QFETCH(bool, anywhere);
        QFETCH(int, error);
        QFETCH(QString, holder);
        QTemporaryDir dir;
        QStringList mine;
        for (const QString& step : made) {
            const QStringList words = step.split(u' ');
            const QString path = dir.filePath(words[1]);
            const QString named = words.size() > 2 ? QString(words[2]).replace(u'@', dir.path()) : QString();
            if (words[0] == u"dir"_s) QVERIFY(QDir().mkdir(path));
            if (words[0] == u"file"_s) QVERIFY(writeFileAtomically(path, "mine"));
            if (words[0] == u"file"_s) mine.append(words[1]);
            if (words[0] == u"pipe"_s && !makePipe(path)) QSKIP(kNoPipes);
            if (words[0] == u"link"_s && !makeSymbolicLink(named, path)) QSKIP(kNoLinks);
            if (words[0] == u"hard"_s) QVERIFY(makeHardLink(dir.filePath(words[2]), path));
        }
        const auto everything = [&] {
            QStringList names;
            QDirIterator all(dir.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
            while (all.hasNext()) names.append(all.next());
            names.sort();
            return names;
        };
        const QStringList before = everything();
        const QString was = kindAt(dir.filePath(target));

        errno = 0;
        const common::LinkRule rule = anywhere ? LinkRule::FollowAnywhere : LinkRule::StayInFolder;
        QCOMPARE(writeFileAtomically(dir.filePath(target), "saved", rule), error == 0);
        if (error != 0) QCOMPARE(errno, error);
        if (error != 0) QCOMPARE(everything(), before);
        else QCOMPARE(*readWholeFile(dir.filePath(holder), kSmallFileLimit), QByteArray("saved"));
        for (const QString& file : std::as_const(mine)) {
            if (file != holder) QCOMPARE(*readWholeFile(dir.filePath(file), kSmallFileLimit), QByteArray("mine"));
        }
        // What stood at the target is still what it was: the link a link, the pipe a pipe.
        if (was != u"none"_s) QCOMPARE(kindAt(dir.filePath(target)), was);
        const QStringList leftovers = everything().filter(u".charac-saving"_s);
        QVERIFY2(leftovers.size() <= int(made.filter(u"charac-saving"_s).size()), qPrintable(leftovers.join(u' ')));
    }

    // Two copies of the program saving one name never share a temporary file: every save succeeds,
    // and the file is always one of them whole.
    void twoWritersOfOneName()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Hero.QOZ"_s);
        const QByteArray versions[] = {QByteArray(3000, 'a'), QByteArray(10, 'b')};
        std::atomic<int> failures = 0;
        const auto writer = [&](int version) {
            for (int i = 0; i < 300; ++i) {
                if (!writeFileAtomically(path, versions[version], LinkRule::StayInFolder)) ++failures;
            }
        };
        std::thread first(writer, 0), second(writer, 1);
        first.join();
        second.join();
        QCOMPARE(failures.load(), 0);
        const QByteArray last = *readWholeFile(path, kSmallFileLimit);
        QVERIFY(last == versions[0] || last == versions[1]);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"Hero.QOZ"_s});
    }

    // A listing names the temporaries of saves apart from the files; of those only the ones an hour
    // old go, never a name that is not of their kind.
    void staleTemporariesGoAndAUsersDotFilesStay()
    {
        QTemporaryDir dir;
        const QStringList old{u".Hero.QOZ.x1y2z3.charac-saving"_s, u".profile"_s, u".Hero.QOZ.charac-saving.txt"_s};
        const QStringList fresh{u".Rope.qod.a1b2c3.charac-saving"_s, u"Hero.QOZ"_s};
        for (const QString& name : old + fresh) createRaw(dir.path(), QFile::encodeName(name), "bytes");
        for (const QString& name : old) makeTwoHoursOld(dir.filePath(name));
        const FolderEntries entries = readFolder(dir.path());
        QCOMPARE(sorted(entries.interruptedSaves), sorted({old[0], fresh[0]}));
        QVERIFY(!entries.files.contains(old[0]) && entries.files.contains(old[1]));
        removeStaleSaves(dir.path(), entries.interruptedSaves + entries.files);
        QCOMPARE(sorted(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)),
                 sorted({old[1], old[2], fresh[0], fresh[1]}));
    }

private:
#ifdef Q_OS_WIN
    static void savesKeepAttributes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Hero.QOZ"_s);
        const std::wstring wide = QDir::toNativeSeparators(path).toStdWString();
        QVERIFY(writeFileAtomically(path, "one"));
        QVERIFY(SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_HIDDEN));
        createRaw(dir.path(), ".Hero.QOZ.charac-saving", "killed");
        QVERIFY(writeFileAtomically(path, "two"));
        QVERIFY(GetFileAttributesW(wide.c_str()) & FILE_ATTRIBUTE_HIDDEN);
        QVERIFY(SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_READONLY));
        errno = 0;
        QVERIFY(!writeFileAtomically(path, "three"));
        QCOMPARE(errno, EACCES);
        QCOMPARE(*readWholeFile(path, kSmallFileLimit), QByteArray("two"));
        QVERIFY(SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                 (QStringList{u".Hero.QOZ.charac-saving"_s, u"Hero.QOZ"_s}));
    }
#else
    static void savesKeepPermissions()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Hero.QOZ"_s);
        QVERIFY(writeFileAtomically(path, "one"));
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0600) == 0);
        // A save killed before its rename left its complete temporary file behind. It may be another
        // copy of the program's, still writing: a save leaves it alone (a save's refresh takes it
        // away once it is an hour old).
        createRaw(dir.path(), ".Hero.QOZ.charac-saving", "killed");
        QVERIFY(writeFileAtomically(path, "two"));
        struct stat info {};
        QVERIFY(::stat(QFile::encodeName(path).constData(), &info) == 0);
        QCOMPARE(info.st_mode & 0777, 0600u);
        // A new file has what the umask leaves of a plain create's mode.
        const mode_t mask = ::umask(027);
        QVERIFY(writeFileAtomically(dir.filePath(u"New.QOZ"_s), "new"));
        ::umask(mask);
        QVERIFY(::stat(QFile::encodeName(dir.filePath(u"New.QOZ"_s)).constData(), &info) == 0);
        QCOMPARE(info.st_mode & 0777, 0640u);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                 (QStringList{u".Hero.QOZ.charac-saving"_s, u"Hero.QOZ"_s, u"New.QOZ"_s}));
    }
#endif
};

QTEST_APPLESS_MAIN(TestFiles)
#include "test_files.moc"
