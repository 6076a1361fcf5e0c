// Files on disk as the program meets them: names in any encoding, files of any size and kind, links
// that go nowhere, and saves that were cut short.
#include "common/files.h"
#include "common/folder_entries.h"
#include "common/native_names.h"

#include "support/raw_files.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

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
        QTest::newRow("past U+FFFF, second half like an escape") << QByteArray("\xf0\x9f\x92\x80\xf0\x9f\x93\x81") << u"💀📁"_s;
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
        // A link to a file not made yet makes it; a loop of links and a pipe are no files to replace.
        QVERIFY(::symlink("New.QOZ", QFile::encodeName(dir.filePath(u"Ahead.QOZ"_s)).constData()) == 0);
        QVERIFY(writeFileAtomically(dir.filePath(u"Ahead.QOZ"_s), "four"));
        QCOMPARE(*readWholeFile(dir.filePath(u"New.QOZ"_s), kSmallFileLimit), QByteArray("four"));
        QVERIFY(QFileInfo(dir.filePath(u"Ahead.QOZ"_s)).isSymLink());
        QVERIFY(::symlink("Loop.QOZ", QFile::encodeName(dir.filePath(u"Loop.QOZ"_s)).constData()) == 0);
        QVERIFY(!writeFileAtomically(dir.filePath(u"Loop.QOZ"_s), "looped"));
        QVERIFY(QFileInfo(dir.filePath(u"Loop.QOZ"_s)).isSymLink());
        const QString pipe = dir.filePath(u"Pipe.QOZ"_s);
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0644) == 0);
        QVERIFY(!writeFileAtomically(pipe, "piped"));
        QVERIFY(::lstat(QFile::encodeName(pipe).constData(), &info) == 0 && S_ISFIFO(info.st_mode));

        // A name as long as the system allows still saves.
        const QString longest = dir.filePath(QString(251, u'n') + u".qod"_s);
        QVERIFY(writeFileAtomically(longest, "long"));
        QCOMPARE(*readWholeFile(longest, kSmallFileLimit), QByteArray("long"));
        QVERIFY(!writeFileAtomically(dir.filePath(u"Hero.QOZ/x"_s), "into a file"));
        QVERIFY(!writeFileAtomically(dir.path(), "over a folder"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 7);
    }
};

QTEST_APPLESS_MAIN(TestFiles)
#include "test_files.moc"
