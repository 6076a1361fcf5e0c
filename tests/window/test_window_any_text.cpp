// Text in any script and of any length, through the window: a user whose home folder has a Cyrillic
// name works end to end; a name with a byte-order mark opens its own file; no line is cut short
// when it is saved, and nothing is written that the program would not read back; and no catalogue
// within the bound ties the window up, however its entries are shaped.
#include "support/raw_files.h"
#include "support/window_fixture.h"

#include "catalogue/catalogue.h"
#include "charfile/character_file.h"
#include "common/native_names.h"
#include "sheet/character.h"
#include "window/widgets/caption_label.h"
#include "window/widgets/edit_box.h"
#include "window/widgets/folder_list.h"
#include "window/widgets/text_list.h"

#include <QAccessible>
#include <QCheckBox>
#include <QFrame>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype kBound = common::kSmallFileLimit;

} // namespace

class TestWindowAnyText : public QObject, public WindowFixture {
    Q_OBJECT

    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    void clickRow(window::TextList* list, int row)
    {
        list->scrollToRow(row);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->rowRect(row).center());
    }

private slots:
    void cleanup() { stop(); }

    void aHomeFolderInCyrillicWorksEndToEnd()
    {
        env = std::make_unique<TestServices>();
        const QString home = shownPath(env->programDir.path() + u"/Дмитрий/QOD/Charac"_s);
        QVERIFY(QDir().mkpath(home));
        env->services.programFolder = env->services.startFolder = program = home;
        form = std::make_unique<window::FormCharac>(env->services);
        form->show();
        QCOMPARE(env->messages->texts, QStringList{u"new paths found"_s});
        QCOMPARE(ui().TXpath[0]->text(), home);

        changeRecord([](sheet::Character& c) { c.CharText[sheet::slot::text::Name] = u"Дмитрий"_s; });
        form->sheet().Numero();
        click(ui().CDmake);
        const QString folder = home + sep() + u"Дмитрий"_s;
        QCOMPARE(ui().DirA->path(), folder);
        click(ui().CDsaveCH);
        click(ui().CDnew);
        const QStringList taken{u"Ωmega.qod"_s, u"i"_s, u"Ωmega"_s, u"1"_s};
        for (int i = 0; i < taken.size(); ++i) ui().TXnew[i]->setText(taken[i]);
        click(ui().CMtake);
        QCOMPARE(env->messages->texts.size(), 1);

        // Quit and start again: every stored folder, name and line comes back exactly.
        form = std::make_unique<window::FormCharac>(env->services);
        form->show();
        QCOMPARE(env->messages->texts.size(), 1);
        QCOMPARE(ui().TXpath[0]->text(), home);
        QCOMPARE(ui().LaChPath->caption(), folder + sep());
        click(ui().CDtrigger);
        QCOMPARE(ui().DirA->path(), folder);
        clickEntry(ui().FileD, u"Дмитрий.QOZ"_s);
        QCOMPARE(ui().Labnam->caption(), u"Дмитрий"_s);
        clickEntry(ui().FileA[1], u"Ωmega.qod"_s);
        QCOMPARE(ui().TXline[1]->text(), u"Ωmega"_s);
        QCOMPARE(env->messages->texts.size(), 1);
    }

    void aNameWithAByteOrderMarkOpensItsOwnFile()
    {
        start();
        const auto tidy = qScopeGuard([&] { emptyFolder(program); });
        const QByteArray mark("\xef\xbb\xbf");
        sheet::Character marked, plain;
        marked.CharText[sheet::slot::text::Name] = u"Marked"_s;
        plain.CharText[sheet::slot::text::Name] = u"Plain"_s;
        createRaw(program, mark + "Hero.QOZ", charfile::characterFileBytes(marked));
        createRaw(program, "Hero.QOZ", charfile::characterFileBytes(plain));
        createRaw(program, mark + "Rope.qod", "i\r\nmarked rope\r\n___\r\n");
        createRaw(program, "Rope.qod", "i\r\nplain rope\r\n___\r\n");
        if (!QDir(program).entryList().contains(common::nameFromNative(mark + "Hero.QOZ")))
            QSKIP("this system drops the mark at the start of a name it lists (Wine does, Windows not)");
        ui().DirA->reread(program);

        clickEntry(ui().FileD, common::nameFromNative(mark + "Hero.QOZ"));
        QCOMPARE(ui().Labnam->caption(), u"Marked"_s);
        clickEntry(ui().FileA[1], common::nameFromNative(mark + "Rope.qod"));
        QCOMPARE(ui().TXline[1]->text(), u"marked rope"_s);
        ui().TXline[1]->setText(u"saved rope"_s);
        click(ui().CDsave);
        QCOMPARE(contentOf(program + u"/Rope.qod"_s), QByteArray("i\r\nplain rope\r\n___\r\n"));
        QCOMPARE(contentOf(common::nameFromNative(rawPath(program, mark + "Rope.qod"))),
                 QByteArray("i\r\nsaved rope\r\n___\r\n"));
    }

    // What a box holds is saved whole, and a file past what the program reads back is not written.
    void noTextIsCutShort_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<qsizetype>("length");
        QTest::addColumn<QString>("failure");
        QTest::newRow("viewed line past the toolkit's limit") << u"save item"_s << qsizetype{40000} << QString();
        QTest::newRow("viewed line of a nearly full file") << u"save item"_s << kBound - 10 << QString();
        QTest::newRow("taken line past the toolkit's limit") << u"Take"_s << qsizetype{40000} << QString();
        QTest::newRow("taken line as long as a box holds") << u"Take"_s << kBound << u"didn't make it"_s;
        QTest::newRow("character race past a file") << u"save"_s << kBound << u"alien invader"_s;
    }
    void noTextIsCutShort()
    {
        QFETCH(QString, how);
        QFETCH(qsizetype, length);
        QFETCH(QString, failure);
        start();
        env->messages->texts.clear();
        const QString line(length, u'x');
        const QByteArray file = "i\r\n" + line.toLatin1() + "\r\n___\r\n";
        if (how == u"save item") {
            writeFile(program + u"/Long.qod"_s, file);
            ui().DirA->reread(program);
            clickEntry(ui().FileA[1], u"Long.qod"_s);
            QCOMPARE(ui().TXline[1]->text().size(), length);
            QVERIFY(QFile::remove(program + u"/Long.qod"_s));
            click(ui().CDsave);
        } else if (how == u"Take") {
            ui().TXnew[0]->setText(u"Long.qod"_s);
            ui().TXnew[1]->setText(u"i"_s);
            ui().TXnew[2]->setText(line);
            QCOMPARE(ui().TXnew[2]->text().size(), length);
            click(ui().CMtake);
        } else {
            changeRecord([&](sheet::Character& c) {
                c.CharText[sheet::slot::text::Race] = line;
                c.CharText[sheet::slot::text::Name] = u"Long"_s;
            });
            form->sheet().Numero();
            click(ui().CDsaveCH);
        }
        QCOMPARE(env->messages->texts, failure.isEmpty() ? QStringList{} : QStringList{failure});
        const QStringList written = QDir(program).entryList({u"Long.*"_s}, QDir::Files);
        QCOMPARE(written.isEmpty(), !failure.isEmpty());
        if (how != u"save" && failure.isEmpty()) QCOMPARE(contentOf(program + u"/Long.qod"_s), file);
    }

    // However a catalogue within the bound is shaped, it is listed or refused at once, any entry is
    // chosen at once, whole, and screen readers reach its rows.
    void noCatalogueTiesTheWindowUp_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("entries"); // -1: refused
        QTest::addColumn<QString>("lastName");
        QTest::newRow("one name of 30 MiB") << "i," + QByteArray(30 << 20, 'n') + ",1" << -1 << QString();
        QTest::newRow("one name as long as a possession file")
            << "i," + QByteArray(kBound, 'n') + ",1" << 1 << QString(kBound, u'n');
        QTest::newRow("64 MiB of empty records")
            << QByteArray(common::kCatalogueFileLimit, ',') << 22369621 << QString();
    }
    void noCatalogueTiesTheWindowUp()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, entries);
        QFETCH(QString, lastName);
        start();
        env->messages->texts.clear();
        writeFile(program + u"/small.qoc"_s, "w,Sword,4\r\n");
        writeFile(program + u"/hostile.qoc"_s, bytes);
        bytes.clear();
        ui().DirA->reread(program);
        click(ui().CDnew);
        clickEntry(ui().FileF, u"small.qoc"_s);

        // The 64 MiB shapes take about 0.4 s alone (make bench), past a second beside other tests when
        // they share the caches; here the click only may not freeze.
        const qint64 load = millisecondsOf([&] { clickEntry(ui().FileF, u"hostile.qoc"_s); });
        QVERIFY2(load < 3 * kPatience, qPrintable(QString::number(load)));
        if (entries < 0) {
            QCOMPARE(env->messages->texts, QStringList{u"not valid qod file"_s});
            QCOMPARE(ui().ListStuff->text(0), u"Sword"_s); // the lists as they were
            return;
        }
        QCOMPARE(ui().ListStuff->count(), entries);
        // Choosing fills two boxes with the whole entry: a megabyte each is the slowest click there is,
        // about 0.6 s alone, more beside other tests. make bench times it; here it only may not freeze.
        const qint64 choose = millisecondsOf([&] { clickRow(ui().ListStuff, entries - 1); });
        QVERIFY2(choose < 3 * kPatience, qPrintable(QString::number(choose)));
        QCOMPARE(ui().TXnew[2]->text(), lastName);
        QCOMPARE(ui().LiThang->currentRow(), entries - 1);
        QVERIFY(ui().ListStuff->text(entries - 1).size() <= catalogue::Catalogue::kShownLength + 1);

        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(ui().ListStuff);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->childCount(), entries);
        QAccessibleInterface* row = list->child(entries - 1);
        QVERIFY(row->state().selected);
        QCOMPARE(row->text(QAccessible::Name), ui().ListStuff->text(entries - 1));
        QCOMPARE(list->indexOfChild(row), entries - 1);
        QCOMPARE(list->childAt(row->rect().center().x(), row->rect().center().y()), row);
    }
};

QTEST_MAIN(TestWindowAnyText)
#include "test_window_any_text.moc"
