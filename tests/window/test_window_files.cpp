// Folders and path files through the window: the first start, the roots, make dir and the character folder.
#include "support/window_fixture.h"

#include "window/form_charac.h"
#include "window/widgets/caption_label.h"
#include "window/widgets/edit_box.h"
#include "window/widgets/file_list.h"
#include "window/widgets/folder_list.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

using window::FormCharac;
using namespace sheet;

namespace {

// The second and third root folders a first start suggests: fixed ones on drive C on Windows, the
// home folder's elsewhere.
QStringList suggestedRoots()
{
#ifdef Q_OS_WIN
    return {u"c:\\QOD\\"_s, u"c:"_s};
#else
    return {QDir::homePath() + u"/QOD/"_s, QDir::homePath()};
#endif
}

// A path file naming that folder (the tests' folders have plain names).
QByteArray pathFile(const QString& folder) { return "\"" + folder.toUtf8() + "\"\r\n"; }

} // namespace

class TestWindowFiles : public QObject, public WindowFixture {
    Q_OBJECT
private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void firstStartWritesThePathFiles()
    {
        QCOMPARE(env->messages->texts, QStringList{u"new paths found"_s});
        QCOMPARE(contentOf(program + u"/pa 0.txt"_s), pathFile(program));
        QCOMPARE(contentOf(program + u"/pa 1.txt"_s), pathFile(suggestedRoots()[0]));
        QCOMPARE(contentOf(program + u"/pa 2.txt"_s), pathFile(suggestedRoots()[1]));
        QCOMPARE(contentOf(program + u"/pathC.txt"_s), pathFile(program + sep()));
        QCOMPARE(ui().TXpath[0]->text(), program);
        QCOMPARE(ui().LaChPath->caption(), program + sep());

        // The next start reads them without a word.
        FormCharac again(env->services);
        QCOMPARE(env->messages->texts.size(), 1);
        QCOMPARE(again.controls().TXpath[1]->text(), suggestedRoots()[0]);
        QCOMPARE(again.controls().LaChPath->caption(), program + sep());
    }

    void oneMissingPathFileResetsRootZeroAndTheCharacterPath_data()
    {
        QTest::addColumn<bool>("deleted");
        QTest::newRow("deleted") << true;
        QTest::newRow("empty") << false;
    }
    void oneMissingPathFileResetsRootZeroAndTheCharacterPath()
    {
        QFETCH(bool, deleted);
        writeFile(program + u"/pa 0.txt"_s, "\"/elsewhere\"\r\n");
        writeFile(program + u"/pa 2.txt"_s, "\"/roots/two\"\r\n");
        writeFile(program + u"/pathC.txt"_s, "\"/chars/\"\r\n");
        if (deleted) QVERIFY(QFile::remove(program + u"/pa 1.txt"_s));
        else writeFile(program + u"/pa 1.txt"_s, "");
        FormCharac again(env->services);
        QCOMPARE(env->messages->texts, (QStringList{u"new paths found"_s, u"new paths found"_s}));
        // Root 0 goes back to the program's folder although its file was read; roots 1 and 2 get the
        // design folders, because the reading stopped at root 1.
        QCOMPARE(contentOf(program + u"/pa 0.txt"_s), pathFile(program));
        QCOMPARE(contentOf(program + u"/pa 1.txt"_s), pathFile(suggestedRoots()[0]));
        QCOMPARE(contentOf(program + u"/pa 2.txt"_s), pathFile(suggestedRoots()[1]));
        QCOMPARE(contentOf(program + u"/pathC.txt"_s), pathFile(program + sep()));
        QCOMPARE(again.controls().TXpath[0]->text(), program);
        QCOMPARE(again.controls().LaChPath->caption(), program + sep());
    }

    void placeLabelFollowsTheFolderList()
    {
        // Started in its own folder: the place keeps its design caption until the first change.
        QCOMPARE(ui().LabPlace->caption(), QStringLiteral("Place"));
        QTemporaryDir elsewhere;
        TestServices started(elsewhere.path());
        FormCharac other(started.services);
        const QStringList parts = started.services.programFolder.split(sep());
        QVERIFY(parts.size() >= 2);
        QCOMPARE(other.controls().LabPlace->caption(), parts[parts.size() - 2] + sep() + parts.last());
        QCOMPARE(other.controls().FileD->folder(), started.services.programFolder);
    }

    void makeDirTwiceAndBack()
    {
        ui().Labnam->setCaption(QStringLiteral("Tessa"));
        QFile::copy(program + u"/pa 0.txt"_s, program + u"/x.qoz"_s);
        ui().CDmake->click();
        const QString tessa = program + sep() + u"Tessa"_s;
        QCOMPARE(ui().DirA->path(), tessa);
        QCOMPARE(ui().FileD->count(), 0);
        QCOMPARE(ui().LabPlace->caption(), QDir(program).dirName() + sep() + u"Tessa"_s);
        ui().CDmake->click();
        QCOMPARE(ui().DirA->path(), tessa + sep() + u"Tessa"_s);
        QVERIFY(ui().DirA->setPath(program));
        QCOMPARE(ui().FileD->count(), 1);
        ui().CDmake->click();
        QCOMPARE(env->messages->texts.last(), QStringLiteral("mkdir contradiction"));
        QCOMPARE(ui().DirA->path(), program);

        ui().Labnam->setCaption(QStringLiteral("a/b"));
        ui().CDmake->click();
        QCOMPARE(env->messages->texts.last(), QStringLiteral("mkdir contradiction"));
        QVERIFY(!QFileInfo::exists(program + u"/a"_s));
    }

    void storeAndRecallRoots()
    {
        QTemporaryDir gamesDir;
        const QString games = shownPath(gamesDir.path());
        QVERIFY(ui().DirA->setPath(games));
        ui().CMpath[4]->click();
        QCOMPARE(ui().TXpath[1]->text(), games);
        QCOMPARE(contentOf(program + u"/pa 1.txt"_s), "\"" + games.toLocal8Bit() + "\"\r\n");

        // Recall: the file wins over an edited box; a bare path reads as well as a quoted one.
        QVERIFY(ui().DirA->setPath(program));
        writeFile(program + u"/pa 1.txt"_s, games.toLocal8Bit() + "\r\n");
        ui().TXpath[1]->setText(program);
        ui().CMpath[1]->click();
        QCOMPARE(ui().DirA->path(), games);
        QCOMPARE(ui().TXpath[1]->text(), games);

        ui().TXpath[2]->setText(program + u"/no such folder"_s);
        ui().CMpath[2]->click();
        QCOMPARE(env->messages->texts.last(), QStringLiteral("no path"));
        QCOMPARE(ui().DirA->path(), games);
    }

    void characterFolderButtons()
    {
        QTemporaryDir elsewhere;
        QVERIFY(ui().DirA->setPath(elsewhere.path()));
        ui().CDtrigger->click(); // after the recovery the character path is the program's folder
        QCOMPARE(ui().DirA->path(), program);
        ui().LaChPath->setCaption(program + u"/gone/"_s);
        ui().CDtrigger->click();
        QCOMPARE(env->messages->texts.last(), QStringLiteral("nah"));
        QTest::mouseClick(ui().LaChPath, Qt::LeftButton);
        QCOMPARE(env->messages->texts.last(), QStringLiteral("no can do"));
        QVERIFY(ui().DirA->setPath(elsewhere.path()));
        ui().CDlist->click();
        QCOMPARE(ui().DirA->path(), program);
    }
};

QTEST_MAIN(TestWindowFiles)
#include "test_window_files.moc"
