// Where the program keeps its own files: the choice of folder, its first start, and the failures.
#include "shell/program_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

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
        QVERIFY(QDir(root.path()).mkpath("bin"));
        if (portable) touch("bin/pa 0.txt");
        if (buildFolder) touch("bin/CMakeCache.txt");
        touch("bin/stuff.qoc", "w,Dagger,3\r\nz,end,0\r\n");
        const ProgramFolder folder = prepareProgramFolder(characHome.isEmpty() ? QString() : at(characHome),
                                                          at("bin"), at("home"), {at("none.qoc"), at("bin/stuff.qoc")});
        QCOMPARE(folder.failure, QString());
        QCOMPARE(folder.path, at(chosen));
        // Created with its parents, and given the first starter catalogue there is.
        QCOMPARE(QFile(at(chosen) + "/stuff.qoc").size(), qint64(21));
    }

    void keepsAStarterCatalogueThatIsThere()
    {
        touch("home/QOD/Charac/stuff.qoc", "mine");
        touch("bin/stuff.qoc", "w,Dagger,3\r\n");
        QCOMPARE(prepareProgramFolder({}, at("bin"), at("home"), {at("bin/stuff.qoc")}).failure, QString());
        QFile kept(at("home/QOD/Charac/stuff.qoc"));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("mine"));
    }

    void aFolderThatCannotBeUsedIsNamedWithTheReason_data()
    {
        QTest::addColumn<QString>("characHome");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("reason");
        QTest::newRow("CHARAC_HOME is a file") << "file" << "home" << "not a folder";
        QTest::newRow("home below a file") << "" << "file" << "cannot be created";
    }
    void aFolderThatCannotBeUsedIsNamedWithTheReason()
    {
        QFETCH(QString, characHome);
        QFETCH(QString, home);
        QFETCH(QString, reason);
        touch("file", "x");
        const ProgramFolder folder =
            prepareProgramFolder(characHome.isEmpty() ? QString() : at(characHome), at("bin"), at(home), {});
        QVERIFY2(folder.failure.contains(folder.path) && folder.failure.contains(reason), qPrintable(folder.failure));
        QVERIFY(!QFileInfo::exists(at("file/QOD")));
    }

    void cleanup()
    {
        QDir(root.path()).removeRecursively();
        QDir().mkpath(root.path());
    }
};

QTEST_APPLESS_MAIN(TestProgramFolder)
#include "test_program_folder.moc"
