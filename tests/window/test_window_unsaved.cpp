// The unsaved sheet outlives the window: kept in the program's folder a second after a change or
// when the window closes, and brought back by the first undo of the next start.
#include "support/window_fixture.h"

#include "window/panels/sheet_history.h"
#include "window/widgets/caption_label.h"
#include "window/widgets/edit_box.h"
#include "window/widgets/folder_list.h"

#include <QFile>
#include <QPushButton>

using namespace Qt::StringLiterals;

class TestWindowUnsaved : public QObject, public WindowFixture {
    Q_OBJECT

    window::SheetHistory& history() { return form->sheet().history(); }
    QString kept(const char* name) const { return program + sep() + QString::fromLatin1(name); }
    QStringList captions() const
    {
        QStringList shown;
        for (auto* label : form->findChildren<window::CaptionLabel*>()) {
            if (form->sheet().isSheetLabel(label)) shown << label->caption();
        }
        return shown;
    }
    // A rolled character with damage taken, in a folder of its own that the folder list shows.
    void damageInFolder()
    {
        QVERIFY(QDir(program).mkdir(u"Tessa"_s));
        QVERIFY(ui().DirA->setPath(program + sep() + u"Tessa"_s));
        ui().CMran->click();
        ui().TXdam->setText(u"5"_s);
        ui().CDdam->click();
    }
    // The program started again on the same folder; the window before it ends without closing
    // when `closed` is false, as a killed program does.
    void startAgain(bool closed)
    {
        if (closed) form->close();
        form = std::make_unique<window::FormCharac>(env->services);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    // Closed or killed a second after the change, the sheet comes back whole with the first undo,
    // the folder list where it was, and a save then writes it there; a redo empties it again.
    void theSheetComesBackWithTheFirstUndo_data()
    {
        QTest::addColumn<bool>("closed");
        QTest::newRow("closed at once") << true;
        QTest::newRow("killed after a second") << false;
    }
    void theSheetComesBackWithTheFirstUndo()
    {
        QFETCH(bool, closed);
        const QStringList fresh = captions();
        damageInFolder();
        const QString folder = ui().DirA->path();
        const QStringList shown = captions();
        const sheet::Character character = record();
        QVERIFY(!QFile::exists(kept("unsaved.sheet"))); // not before the second has passed
        if (!closed) QTRY_VERIFY(QFile::exists(kept("unsaved.sheet")));
        startAgain(closed);

        QCOMPARE(captions(), fresh);
        QVERIFY(!QFile::exists(kept("unsaved.sheet")) && QFile::exists(kept("unsaved.previous.sheet")));
        const QString name = character.CharText[sheet::slot::text::Name];
        QVERIFY2(history().undoEntry().startsWith(u"Bring back "_s + name + u" (not saved, "_s),
                 qPrintable(history().undoEntry()));
        QTest::keyClick(ui().CMran, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(captions(), shown);
        QVERIFY(record() == character);
        QCOMPARE(ui().DirA->path(), folder);
        QTest::keyClick(ui().CMran, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(captions(), fresh);
        QCOMPARE(ui().DirA->path(), folder);
        QTest::keyClick(ui().CMran, Qt::Key_Z, Qt::ControlModifier);
        ui().CDsaveCH->click();
        QVERIFY(QFile::exists(folder + sep() + name + u".QOZ"_s));
        QVERIFY(!QFile::exists(kept("unsaved.previous.sheet")) && !QFile::exists(kept("unsaved.sheet")));
    }

    // A sheet that is what its file holds, or what the start showed, leaves nothing to bring back;
    // neither does a kept file that cannot be read, which stays as it is, and no message is shown.
    void nothingIsLeftToBringBack_data()
    {
        QTest::addColumn<QString>("before");
        QTest::newRow("never changed") << QString();
        QTest::newRow("saved before closing") << u"save"_s;
        QTest::newRow("saved, undone and redone") << u"save undo redo"_s;
        QTest::newRow("changed back") << u"undo"_s;
        QTest::newRow("a file that cannot be read") << u"spoil"_s;
    }
    void nothingIsLeftToBringBack()
    {
        QFETCH(QString, before);
        if (!before.isEmpty()) damageInFolder();
        if (before.startsWith(u"save"_s)) ui().CDsaveCH->click();
        if (before.endsWith(u"redo"_s)) {
            history().undo();
            history().redo();
        }
        for (int step = 0; before == u"undo"_s && step < 2; ++step) history().undo();
        form->close();
        if (before == u"spoil"_s) writeFile(kept("unsaved.sheet"), contentOf(kept("unsaved.sheet")).chopped(9));
        QCOMPARE(QFile::exists(kept("unsaved.sheet")), before == u"spoil"_s);
        const qsizetype said = env->messages->texts.size();
        startAgain(false);
        QVERIFY(!history().steps().canUndo());
        QCOMPARE(env->messages->texts.size(), said);
        QCOMPARE(QFile::exists(kept("unsaved.previous.sheet")), before == u"spoil"_s);
    }

    // The last run's sheet stays until it has been brought back and then saved or loaded over.
    void theLastRunsSheetGoesOnceBroughtBackAndSaved_data()
    {
        QTest::addColumn<QString>("then");
        QTest::addColumn<bool>("stays");
        QTest::newRow("another sheet saved") << u"save"_s << true;
        QTest::newRow("brought back and saved") << u"back save"_s << false;
        QTest::newRow("brought back, turned down, a load") << u"back redo load"_s << true;
    }
    void theLastRunsSheetGoesOnceBroughtBackAndSaved()
    {
        QFETCH(QString, then);
        QFETCH(bool, stays);
        damageInFolder();
        const QString folder = ui().DirA->path();
        const QString file = ui().Labnam->caption() + u".QOZ"_s;
        ui().CDsaveCH->click();
        QTest::mouseClick(ui().Labnam, Qt::LeftButton);
        ui().TXrename->setText(u"Other"_s);
        QTest::keyClick(ui().TXrename, Qt::Key_Return);
        startAgain(true);
        for (const QString& action : then.split(u' ')) {
            if (action == u"back"_s) history().undo();
            if (action == u"redo"_s) history().redo();
            if (action == u"save"_s) ui().CDsaveCH->click();
            if (action == u"load"_s && ui().DirA->setPath(folder)) clickEntry(ui().FileD, file);
        }
        if (then.endsWith(u"load"_s)) QCOMPARE(ui().Labnam->caption() + u".QOZ"_s, file);
        QCOMPARE(QFile::exists(kept("unsaved.previous.sheet")), stays);
    }
};

QTEST_MAIN(TestWindowUnsaved)
#include "test_window_unsaved.moc"
