// Earlier versions of a listed file, from a right-click on it: the dialog lists them with what
// differs, and "Open" shows the one chosen without writing anything.
#include "support/window_fixture.h"

#include "window/panels/sheet_history.h"
#include "window/widgets/caption_label.h"
#include "window/widgets/edit_box.h"

#include "charfile/character_file.h"
#include "versions/version_store.h"

#include <QContextMenuEvent>
#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

class TestWindowVersions : public QObject, public WindowFixture {
    Q_OBJECT

    // The menu a right-click on the file's entry opens, and its one entry.
    QAction* earlierVersions(window::FileList* list, const QString& name)
    {
        const QPoint at = list->visualItemRect(list->itemOfFile(name)).center();
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
        QApplication::sendEvent(list->viewport(), &rightClick);
        for (QMenu* menu : form->findChildren<QMenu*>()) {
            if (menu->isVisible() && menu->actions().size() == 1) return menu->actions().first();
        }
        return nullptr;
    }
    // The rows of the dialog the entry opens: what differs in each.
    QStringList rowsOf(QAction* entry)
    {
        entry->trigger();
        auto* dialog = form->findChild<QDialog*>(u"VersionDialog"_s);
        QStringList differences;
        auto* list = dialog ? dialog->findChild<QTreeWidget*>() : nullptr;
        for (int row = 0; list && row < list->topLevelItemCount(); ++row)
            differences << list->topLevelItem(row)->text(2);
        return differences;
    }
    void openRow(int row)
    {
        auto* dialog = form->findChild<QDialog*>(u"VersionDialog"_s);
        auto* list = dialog->findChild<QTreeWidget*>();
        list->setCurrentItem(list->topLevelItem(row));
        dialog->findChild<QPushButton*>(u"OpenVersion"_s)->click();
    }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    // Saved four times with another Strength, a character has three versions, each row naming what
    // differs from the file now. The oldest, opened, is on the sheet as a load shows it, one step to
    // undo, with nothing written; saved, the file is that version again, and the file it replaced is
    // a version in turn. The right-click itself chose nothing.
    void aCharactersVersionsListedOpenedAndSavedBack()
    {
        ui().CMran->click();
        const QString file = program + sep() + ui().Labnam->caption() + u".QOZ"_s;
        QList<QByteArray> saved;
        for (const int strength : {14, 15, 16, 17}) {
            QTest::mouseClick(ui().Chakra[6], Qt::LeftButton);
            ui().TXchedit->setText(QString::number(strength));
            QTest::keyClick(ui().TXchedit, Qt::Key_Return);
            ui().CDsaveCH->click();
            saved << contentOf(file);
        }
        const sheet::Character shown = record();
        const QByteArray characterPath = contentOf(program + sep() + u"pathC.txt"_s);
        const QListWidgetItem* listed = ui().FileD->itemOfFile(QFileInfo(file).fileName());
        QTest::mouseClick(ui().FileD->viewport(), Qt::RightButton, {}, ui().FileD->visualItemRect(listed).center());
        QAction* entry = earlierVersions(ui().FileD, QFileInfo(file).fileName());
        QVERIFY(entry && entry->isEnabled());
        QVERIFY(ui().FileD->selectedItems().isEmpty() && record() == shown);
        QCOMPARE(rowsOf(entry),
                 QStringList({u"Strength 16 \u2192 17"_s, u"Strength 15 \u2192 17"_s, u"Strength 14 \u2192 17"_s}));

        openRow(2);
        sheet::Character oldest;
        QVERIFY(charfile::readCharacterFile(saved[0], oldest));
        QVERIFY(record() == oldest);
        QCOMPARE(ui().Chakra[6]->caption(), u"14"_s);
        QCOMPARE(form->sheet().history().steps().undoText(), u"open a version of "_s + QFileInfo(file).fileName());
        QCOMPARE(contentOf(file), saved[3]);
        QCOMPARE(contentOf(program + sep() + u"pathC.txt"_s), characterPath);
        ui().CDsaveCH->click();
        QCOMPARE(contentOf(file), saved[0]);
        QCOMPARE(versions::Store(program).versionsOf(file).size(), 4);
    }

    // A possession: greyed out while it has no versions; then its first changed line, and the version
    // opened into the viewer's boxes.
    void aPossessionsVersionOpensInTheViewer()
    {
        ui().CMran->click();
        ui().CDsaveCH->click(); // the character folder, where items are saved
        ui().TXfile->setText(u"Rope.qod"_s);
        ui().TXline[0]->setText(u"i"_s);
        ui().TXline[1]->setText(u"Rope"_s);
        ui().CDsave->click();
        QAction* entry = earlierVersions(ui().FileA[1], u"Rope.qod"_s);
        QVERIFY(entry && !entry->isEnabled());
        qobject_cast<QMenu*>(entry->parent())->close();
        ui().TXline[1]->setText(u"Rope, fifty feet"_s);
        ui().CDsave->click();
        QCOMPARE(rowsOf(earlierVersions(ui().FileA[1], u"Rope.qod"_s)),
                 QStringList({u"line 2: Rope \u2192 Rope, fifty feet"_s}));
        openRow(0);
        QCOMPARE(ui().TXline[1]->text(), u"Rope"_s);
        QCOMPARE(ui().TXfile->text(), u"Rope.qod"_s);
    }
};

QTEST_MAIN(TestWindowVersions)
#include "test_window_versions.moc"
