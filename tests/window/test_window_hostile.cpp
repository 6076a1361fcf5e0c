// Folders nobody would make on purpose, met with the window open: every change and click finishes
// within a second, lists what it can, and says the file kind's own failure for what it cannot read.
#include "support/raw_files.h"
#include "support/window_fixture.h"

#include "charfile/character_file.h"
#include "common/native_names.h"
#include "window/widgets/caption_button.h"
#include "window/widgets/caption_label.h"
#include "window/widgets/edit_box.h"
#include "window/widgets/folder_list.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {

QByteArray characterBytes(const QString& name)
{
    sheet::Character c;
    c.CharText[sheet::slot::text::Name] = name;
    return charfile::characterFileBytes(c);
}

} // namespace

class TestWindowHostile : public QObject, public WindowFixture {
    Q_OBJECT
private slots:
    void init()
    {
        start();
        env->messages->texts.clear();
    }
    void cleanup() { stop(); }

    void twentyThousandFiles()
    {
        QTemporaryDir dir;
        const char* endings[] = {".qoz", ".qoa", ".qod", ".qon", ".qoc"};
        for (int i = 0; i < 20000; ++i) createRaw(dir.path(), QByteArray::number(i) + endings[i % 5]);
        const qint64 change = millisecondsOf([&] { QVERIFY(ui().DirA->setPath(dir.path())); });
        QVERIFY2(change < kPatience, qPrintable(QString::number(change)));
        QCOMPARE(ui().FileD->count(), 4000);
        QCOMPARE(ui().FileA[2]->count(), 4000);
    }

    void hugeFilesAreRefusedAtOnce_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("failure");
        QTest::newRow("character, one long text") << u"huge.QOZ"_s << (qint64{200} << 20) << u"alien invader"_s;
        QTest::newRow("character, just too big") << u"big.QOZ"_s << (qint64{1} << 20) + 1 << u"alien invader"_s;
        QTest::newRow("item") << u"huge.qod"_s << (qint64{200} << 20) << u"not valid qod file"_s;
        QTest::newRow("catalogue") << u"huge.qoc"_s << (qint64{200} << 20) << u"not valid qod file"_s;
    }

    void hugeFilesAreRefusedAtOnce()
    {
        QFETCH(QString, name);
        QFETCH(qint64, size);
        QFETCH(QString, failure);
        createRaw(program, QFile::encodeName(name), characterBytes(u"Valid"_s) + '"', size);
        ui().DirA->reread(program);
        const QString before = ui().Labnam->caption();
        if (name.endsWith(u".qoc"_s)) QTest::mouseClick(ui().CDnew, Qt::LeftButton);
        window::FileList* list = name.endsWith(u".QOZ"_s)   ? ui().FileD
                                 : name.endsWith(u".qod"_s) ? ui().FileA[1]
                                                            : ui().FileF;
        const qint64 click = millisecondsOf([&] { clickEntry(list, name); });
        QVERIFY2(click < kPatience, qPrintable(QString::number(click)));
        QCOMPARE(env->messages->texts, QStringList{failure});
        QCOMPARE(ui().Labnam->caption(), before);
    }

    void aLongTextIsKeptWholeButNotLaidOut()
    {
        const QString longName = QString(900000, u'x');
        writeFile(program + u"/long.QOZ"_s, characterBytes(longName));
        ui().DirA->reread(program);
        const qint64 click = millisecondsOf([&] { clickEntry(ui().FileD, u"long.QOZ"_s); });
        QVERIFY2(click < kPatience, qPrintable(QString::number(click)));
        QVERIFY(env->messages->texts.isEmpty());
        const auto labels = form->findChildren<window::CaptionLabel*>();
        const auto holder = std::find_if(labels.begin(), labels.end(),
                                         [&](const window::CaptionLabel* l) { return l->caption() == longName; });
        QVERIFY(holder != labels.end());
        QVERIFY((*holder)->text().size() < 100000);
        // Made wider, the label shows more of the text it kept.
        const qsizetype shown = (*holder)->text().size();
        (*holder)->resize((*holder)->width() * 2, (*holder)->height());
        QVERIFY((*holder)->text().size() > shown);
    }

    void strangeNamesAreListedAndOpen()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows keeps every name as UTF-16 and takes no line break in a name: there are no strange names");
#else
        QTemporaryDir dir;
        const auto tidy = qScopeGuard([&] { emptyFolder(dir.path()); });
        createRaw(dir.path(), "caf\xe9.QOZ", characterBytes(u"Latin"_s));
        createRaw(dir.path(), "line\nbreak.qod", "w\r\nRope\r\n2\r\n___\r\n");
        QVERIFY(::mkdir(rawPath(dir.path(), "d\xe9j\xe0").constData(), 0755) == 0);
        QVERIFY(::symlink("loop.qoz", rawPath(dir.path(), "loop.qoz").constData()) == 0);
        QVERIFY(::symlink(".", rawPath(dir.path(), "self").constData()) == 0);
        QVERIFY(::mkdir(rawPath(dir.path(), "locked").constData(), 0) == 0);

        const qint64 change = millisecondsOf([&] { QVERIFY(ui().DirA->setPath(dir.path())); });
        QVERIFY2(change < kPatience, qPrintable(QString::number(change)));
        QCOMPARE(ui().FileD->count(), 1);
        QCOMPARE(ui().FileD->item(0)->text(), u"café.QOZ"_s);
        clickEntry(ui().FileD, common::nameFromNative("caf\xe9.QOZ"));
        QCOMPARE(ui().Labnam->caption(), u"Latin"_s);
        ui().DirA->setPath(program); // and from the command line, as the file manager passes it
        form->openCharacterFile(common::joinPath(dir.path(), common::nameFromNative("caf\xe9.QOZ")));
        QCOMPARE(ui().DirA->path(), dir.path());
        QCOMPARE(ui().FileD->currentItem()->text(), u"café.QOZ"_s);
        clickEntry(ui().FileA[1], u"line\nbreak.qod"_s);
        QCOMPARE(ui().TXline[1]->text(), u"Rope"_s);
        QVERIFY(env->messages->texts.isEmpty());

        // The foreign folder opens too, and so do the link to itself and the locked folder.
        for (const QByteArray& name : {QByteArray("d\xe9j\xe0"), QByteArray("self"), QByteArray("locked")}) {
            const QString folder = common::joinPath(dir.path(), common::nameFromNative(name));
            const qint64 open = millisecondsOf([&] { QVERIFY(ui().DirA->setPath(folder)); });
            QVERIFY2(open < kPatience, name.constData());
            QCOMPARE(ui().DirA->path(), folder);
            QVERIFY(ui().LabPlace->caption().endsWith(common::displayName(common::nameFromNative(name))));
            ui().DirA->setPath(dir.path());
        }
#endif
    }

    void aFileGoneSinceListingGivesItsFailure()
    {
        writeFile(program + u"/gone.QOZ"_s, characterBytes(u"Gone"_s));
        writeFile(program + u"/gone.qoa"_s, "s\r\nclimbing\r\n45\r\n___\r\n");
        ui().DirA->reread(program);
        QVERIFY(QFile::remove(program + u"/gone.QOZ"_s));
        QVERIFY(QFile::remove(program + u"/gone.qoa"_s));
        clickEntry(ui().FileD, u"gone.QOZ"_s);
        clickEntry(ui().FileA[0], u"gone.qoa"_s);
        QCOMPARE(env->messages->texts, (QStringList{u"alien invader"_s, u"not valid qod file"_s}));
    }

    // The real message box, not the recorded one: every failed click shows it, over the window, with
    // the program's title, until OK is pressed.
    void aFailedLoadShowsItsBoxEveryTime()
    {
        form->hide(); // the program has one window
        window::Services services = env->services;
        services.messages = window::realServices(program).messages;
        window::FormCharac real(services);
        real.show();
        QVERIFY(QTest::qWaitForWindowActive(&real));
        writeFile(program + u"/bad.QOZ"_s, "not a character");
        real.controls().DirA->reread(program);
        for (int attempt = 0; attempt < 3; ++attempt) {
            bool shown = false;
            // Timers of this pass only: they stop with it, whatever happened.
            QTimer check;
            QTimer rescue;
            check.setSingleShot(true);
            rescue.setSingleShot(true);
            connect(&check, &QTimer::timeout, this, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                shown = box->isVisible() && box->text() == u"alien invader"_s && box->windowTitle() == u"Charac"_s
                        && box->parentWidget() && box->parentWidget()->window() == &real;
                box->button(QMessageBox::Ok)->click();
            });
            connect(&rescue, &QTimer::timeout, this, [] {
                if (QWidget* w = QApplication::activeModalWidget()) w->close();
            });
            check.start(0);
            rescue.start(3000);
            clickEntry(real.controls().FileD, u"bad.QOZ"_s);
            QVERIFY2(shown, qPrintable(QString::number(attempt)));
        }
    }
};

QTEST_MAIN(TestWindowHostile)
#include "test_window_hostile.moc"
