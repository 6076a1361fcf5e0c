// Where the program keeps its own files: the choice of folder, its first start, and the failures.
#include "shell/program_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

using namespace shell;

class TestProgramFolder : public QObject {
    Q_OBJECT

    QTemporaryDir root;
    QString at(const QString& relative) const { return QDir::toNativeSeparators(root.filePath(relative)); }
    void touch(const QString& relative, const QByteArray& bytes = {})
    {
        QDir().mkpath(QFileInfo(root.filePath(relative)).absolutePath());
        QFile file(root.filePath(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void choosesTheFolder_data()
    {
        QTest::addColumn<QString>("characHome");
        QTest::addColumn<bool>("portable");
        QTest::addColumn<bool>("buildFolder");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("CHARAC_HOME wins") << "own" << true << false << "own";
        QTest::newRow("portable copy beside the program") << "" << true << false << "bin";
        QTest::newRow("otherwise under the home folder") << "" << false << false << "home/QOD/Charac";
        QTest::newRow("a build folder is no portable copy") << "" << true << true << "home/QOD/Charac";
    }
    void choosesTheFolder()
    {
        QFETCH(QString, characHome);
        QFETCH(bool, portable);
        QFETCH(bool, buildFolder);
        QFETCH(QString, chosen);
        QVERIFY(QDir(root.path()).mkpath(u"bin"_s));
        if (portable) touch(u"bin/pa 0.txt"_s);
        if (buildFolder) touch(u"bin/CMakeCache.txt"_s);
        touch(u"bin/stuff.qoc"_s, "w,Dagger,3\r\nz,end,0\r\n");
#ifdef Q_OS_WIN
        // Windows keeps characters in one fixed folder, not below the home folder: only chosen here,
        // as making it would reach outside the test's own folder.
        if (chosen.startsWith(u"home"_s)) {
            QCOMPARE(chooseProgramFolder(QString(), at(u"bin"_s), at(u"home"_s)), u"c:\\QOD\\Charac"_s);
            return;
        }
#endif
        const ProgramFolder folder = prepareProgramFolder(characHome.isEmpty() ? QString() : at(characHome),
                                                          at(u"bin"_s), at(u"home"_s),
                                                          {at(u"none.qoc"_s), at(u"bin/stuff.qoc"_s)});
        QCOMPARE(folder.failure, QString());
        QCOMPARE(folder.path, at(chosen));
        // Created with its parents, and given the first starter catalogue there is.
        QCOMPARE(QFile(at(chosen) + u"/stuff.qoc"_s).size(), qint64(21));
    }

    void keepsAStarterCatalogueThatIsThere()
    {
        touch(u"own/stuff.qoc"_s, "mine");
        touch(u"bin/stuff.qoc"_s, "w,Dagger,3\r\n");
        QCOMPARE(prepareProgramFolder(at(u"own"_s), at(u"bin"_s), at(u"home"_s), {at(u"bin/stuff.qoc"_s)}).failure,
                 QString());
        QFile kept(at(u"own/stuff.qoc"_s));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("mine"));
    }

    void aFolderThatCannotBeUsedIsNamedWithTheReason_data()
    {
        QTest::addColumn<QString>("characHome");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("reason");
        QTest::newRow("CHARAC_HOME is a file") << u"file"_s << u"home"_s << u"not a folder"_s;
        QTest::newRow("CHARAC_HOME below a file")
            << u"file/Charac"_s << u"home"_s
            << u"cannot be created (%1)"_s.arg(QString::fromLocal8Bit(std::strerror(ENOTDIR)));
        QTest::newRow("home below a file")
            << u""_s << u"file"_s << u"cannot be created (%1)"_s.arg(QString::fromLocal8Bit(std::strerror(ENOTDIR)));
    }
    void aFolderThatCannotBeUsedIsNamedWithTheReason()
    {
        QFETCH(QString, characHome);
        QFETCH(QString, home);
        QFETCH(QString, reason);
#ifdef Q_OS_WIN
        if (characHome.isEmpty()) QSKIP("Windows keeps characters in one fixed folder, not below the home folder");
#endif
        touch(u"file"_s, "x");
        const ProgramFolder folder =
            prepareProgramFolder(characHome.isEmpty() ? QString() : at(characHome), at(u"bin"_s), at(home), {});
        QVERIFY2(folder.failure.contains(folder.path) && folder.failure.contains(reason), qPrintable(folder.failure));
        QVERIFY(!QFileInfo::exists(at(u"file/QOD"_s)));
    }

    void cleanup()
    {
        QDir(root.path()).removeRecursively();
        QDir().mkpath(root.path());
    }
};

QTEST_APPLESS_MAIN(TestProgramFolder)
#include "test_program_folder.moc"
