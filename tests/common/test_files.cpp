// Files on disk as the program meets them: names in any encoding, files of any size and kind, links
// that go nowhere, and saves that were cut short.
#include "common/files.h"
#include "common/folder_entries.h"
#include "common/native_names.h"

#include "support/raw_files.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

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
        QTemporaryDir dir;
        const auto tidy = qScopeGuard([&] { emptyFolder(dir.path()); });
        const QByteArray latin1("caf\xe9.QOZ");
        createRaw(dir.path(), latin1, "latin");
        createRaw(dir.path(), "line\nbreak.qod", "break");
        QVERIFY(QDir(dir.path()).mkdir(u"sub"_s));
        QVERIFY(::symlink("loop", QFile::encodeName(dir.filePath(u"loop"_s)).constData()) == 0);
        QVERIFY(::symlink("missing", QFile::encodeName(dir.filePath(u"broken.qoz"_s)).constData()) == 0);
        QVERIFY(::symlink("sub", QFile::encodeName(dir.filePath(u"link to sub"_s)).constData()) == 0);
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

        // A pipe would block a plain open until a writer came; a folder and a device are no files.
        const QString pipe = dir.filePath(u"pipe.qoz"_s);
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0644) == 0);
        QVERIFY(!readWholeFile(pipe, kSmallFileLimit));
        QVERIFY(!readWholeFile(dir.path(), kSmallFileLimit));
        QVERIFY(!readWholeFile(u"/dev/zero"_s, kSmallFileLimit));
        QVERIFY(!readFolder(dir.path()).files.contains(u"pipe.qoz"_s));
    }

    void savesKeepPermissionsFollowLinksAndClearLeftovers()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Hero.QOZ"_s);
        QVERIFY(writeFileAtomically(path, "one"));
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0600) == 0);
        // A save killed before its rename left its complete temporary file behind.
        createRaw(dir.path(), ".Hero.QOZ.charac-saving", "killed");
        QVERIFY(writeFileAtomically(path, "two"));
        struct stat info {};
        QVERIFY(::stat(QFile::encodeName(path).constData(), &info) == 0);
        QCOMPARE(info.st_mode & 0777, 0600u);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"Hero.QOZ"_s});

        const QString link = dir.filePath(u"Link.QOZ"_s);
        QVERIFY(::symlink("Hero.QOZ", QFile::encodeName(link).constData()) == 0);
        QVERIFY(writeFileAtomically(link, "three"));
        QCOMPARE(*readWholeFile(path, kSmallFileLimit), QByteArray("three"));
        QVERIFY(QFileInfo(link).isSymLink());
        // A name as long as the system allows still saves.
        const QString longest = dir.filePath(QString(251, u'n') + u".qod"_s);
        QVERIFY(writeFileAtomically(longest, "long"));
        QCOMPARE(*readWholeFile(longest, kSmallFileLimit), QByteArray("long"));
        QVERIFY(!writeFileAtomically(dir.filePath(u"Hero.QOZ/x"_s), "into a file"));
        QVERIFY(!writeFileAtomically(dir.path(), "over a folder"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
    }

    // A save goes through links, to the file they name, and never puts a file where the system keeps
    // something else; a refusal says why in errno, for the caller to name.
    void savesGoThroughLinksAndAroundWhatIsNoFile_data()
    {
        QTest::addColumn<QStringList>("made"); // "dir D", "file F", "pipe P", "link L TARGET", in order
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("error");      // 0: saved
        QTest::addColumn<QString>("holder"); // the file that holds what was saved
        QTest::newRow("a link to a file not made yet")
            << QStringList{u"link Ahead.QOZ New.QOZ"_s} << u"Ahead.QOZ"_s << 0 << u"New.QOZ"_s;
        QTest::newRow("a relative link into another folder")
            << QStringList{u"dir sub"_s, u"dir other"_s, u"link sub/Link.QOZ ../other/Far.QOZ"_s} << u"sub/Link.QOZ"_s
            << 0 << u"other/Far.QOZ"_s;
        QTest::newRow("a loop of links") << QStringList{u"link Loop.QOZ Loop.QOZ"_s} << u"Loop.QOZ"_s << ELOOP
                                         << QString();
        QTest::newRow("a pipe") << QStringList{u"pipe Pipe.QOZ"_s} << u"Pipe.QOZ"_s << EEXIST << QString();
        QTest::newRow("a folder") << QStringList{u"dir Sub"_s} << u"Sub"_s << EISDIR << QString();
        QTest::newRow("below a file") << QStringList{u"file Hero.QOZ"_s} << u"Hero.QOZ/x"_s << ENOTDIR << QString();
    }
    void savesGoThroughLinksAndAroundWhatIsNoFile()
    {
        QFETCH(QStringList, made);
        QFETCH(QString, target);
        QFETCH(int, error);
        QFETCH(QString, holder);
        QTemporaryDir dir;
        const auto native = [&](const QString& name) { return QFile::encodeName(dir.filePath(name)); };
        for (const QString& step : made) {
            const QStringList words = step.split(u' ');
            const QByteArray path = native(words[1]);
            if (words[0] == u"dir"_s) QVERIFY(::mkdir(path.constData(), 0755) == 0);
            if (words[0] == u"file"_s) QVERIFY(writeFileAtomically(dir.filePath(words[1]), "mine"));
            if (words[0] == u"pipe"_s) QVERIFY(::mkfifo(path.constData(), 0644) == 0);
            if (words[0] == u"link"_s)
                QVERIFY(::symlink(QFile::encodeName(words[2]).constData(), path.constData()) == 0);
        }
        struct stat before {};
        struct stat after {};
        const bool targetThere = ::lstat(native(target).constData(), &before) == 0;

        errno = 0;
        QCOMPARE(writeFileAtomically(dir.filePath(target), "saved"), error == 0);
        if (error != 0) QCOMPARE(errno, error);
        else QCOMPARE(*readWholeFile(dir.filePath(holder), kSmallFileLimit), QByteArray("saved"));
        // What stood at the target is still what it was: the link a link, the pipe a pipe.
        if (targetThere) {
            QVERIFY(::lstat(native(target).constData(), &after) == 0);
            QCOMPARE(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
        }
        QDirIterator leftovers(dir.path(), {u"*.charac-saving"_s}, QDir::Files | QDir::Hidden,
                               QDirIterator::Subdirectories);
        QVERIFY(!leftovers.hasNext());
    }
};

QTEST_APPLESS_MAIN(TestFiles)
#include "test_files.moc"
