// Undo and redo of the sheet: every action that changes it is one step, which the keys and the
// sheet's menu undo and redo exactly, down to the pixels of its labels.
#include "support/window_fixture.h"

#include "window/panels/sheet_history.h"
#include "window/widgets/caption_label.h"
#include "window/widgets/edit_box.h"
#include "window/widgets/folder_list.h"
#include "window/widgets/text_list.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>

#include <functional>

using namespace Qt::StringLiterals;
using namespace sheet;

class TestWindowUndo;
using Act = std::function<void(TestWindowUndo&)>;
Q_DECLARE_METATYPE(Act)

class TestWindowUndo : public QObject, public WindowFixture {
    Q_OBJECT

    const QUndoStack& steps() { return form->sheet().history().steps(); }

    // What a step puts back, as the user sees it and as the program holds it (a caption may be
    // longer than its label shows).
    struct Seen {
        QStringList captions;
        QList<QImage> labels;
        Character record;
        DefenseInUse defense;
        bool operator==(const Seen&) const = default;
    };
    Seen seen()
    {
        Seen shown{{}, {}, record(), form->state().Defense};
        for (window::CaptionLabel* label : form->findChildren<window::CaptionLabel*>()) {
            if (!form->sheet().isSheetLabel(label)) continue;
            shown.captions << label->caption();
            shown.labels << label->grab().toImage();
        }
        return shown;
    }
    // A key pressed with the focus on a button, where the sheet's keys apply.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        ui().CMran->setFocus();
        QTest::keyClick(ui().CMran, key, modifiers);
    }

    // The actions of the table, as a user makes them.
    static Act roll(double draw)
    {
        return [=](TestWindowUndo& t) {
            t.env->random->script({draw, 0.6, 0.1, 0.9, 0.45});
            t.ui().CMran->click();
        };
    }
    static Act click(const char* control)
    {
        return [=](TestWindowUndo& t) {
            QTest::mouseClick(t.form->findChild<QWidget*>(QString::fromLatin1(control)), Qt::LeftButton);
        };
    }
    // The label's editor opened, what is typed put in it (what it opened with, for a null text), and Return.
    static Act type(const char* label, const QString& typed)
    {
        return [=](TestWindowUndo& t) {
            click(label)(t);
            auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            if (!typed.isNull()) box->setText(typed);
            QTest::keyClick(box, Qt::Key_Return);
        };
    }
    static Act damage(const QString& amount)
    {
        return [=](TestWindowUndo& t) {
            t.ui().TXdam->setText(amount);
            t.ui().CDdam->click();
        };
    }
    // A file written into the folder the lists show (unless bytes is null) and clicked in that list.
    static Act open(const char* list, const QString& name, const QByteArray& bytes = {})
    {
        return [=](TestWindowUndo& t) {
            if (!bytes.isNull()) writeFile(t.program + sep() + name, bytes);
            t.ui().DirA->reread(t.program);
            clickEntry(t.form->findChild<window::FileList*>(QString::fromLatin1(list)), name);
        };
    }
    static Act both(const Act& first, const Act& then)
    {
        return [=](TestWindowUndo& t) {
            first(t);
            then(t);
        };
    }

private slots:
    void init()
    {
        start();
        roll(0.3)(*this);
    }
    void cleanup() { stop(); }

    // Each action that changes the sheet is one step under its name: undo brings back the sheet of
    // before, to the pixel, and redo the sheet the action left, through each of the keys. An action
    // that changes nothing is no step.
    void everyChangeIsOneStepUndoneAndRedoneExactly_data()
    {
        QTest::addColumn<Act>("prepare");
        QTest::addColumn<Act>("act");
        QTest::addColumn<QString>("step");
        const Act none = [](TestWindowUndo&) {};
        const Act newName = both([](TestWindowUndo& t) { t.env->random->script({0.9, 0.2, 0.7}); }, click("Labfull"));
        const Act chooseSkill = [](TestWindowUndo& t) {
            QTest::mouseClick(t.ui().ListStuff->viewport(), Qt::LeftButton, {}, t.ui().ListStuff->rowRect(0).center());
        };
        QTest::newRow("a roll over a roll") << none << roll(0.8) << u"random character"_s;
        QTest::newRow("damage") << none << damage(u"5"_s) << u"damage 5"_s;
        QTest::newRow("negative damage") << damage(u"5"_s) << damage(u" -3 "_s) << u"damage -3"_s;
        QTest::newRow("heal to full") << damage(u"4"_s) << click("CDheal") << u"heal to full"_s;
        QTest::newRow("an attribute typed") << none << type("Chakra6", u"19"_s) << u"edit Strength"_s;
        QTest::newRow("the name typed") << none << type("Labnam", u"Tessa"_s) << u"edit name"_s;
        QTest::newRow("an ability's value typed") << none << type("LabPer2", u"77"_s) << u"edit open locks"_s;
        QTest::newRow("an ability renamed") << none << type("LabAb2", u"juggling\u0416"_s) << u"edit ability name"_s;
        QTest::newRow("a new name from the race") << none << newName << u"new name"_s;
        QTest::newRow("a helm put to use")
            << open("FileA1", u"Helm.qod"_s, "h\r\nIron helm\r\n2\r\n") << click("Pcha") << u"use item"_s;
        QTest::newRow("an ability viewed")
            << none << open("FileA0", u"Climbing.qoa"_s, "s\r\nclimbing\r\n45\r\n") << u"view Climbing.qoa"_s;
        QTest::newRow("a catalogue skill") << both(click("CDnew"), open("FileF", u"s.qoc"_s, "q,Tracking,-12\r\n"))
                                           << chooseSkill << u"catalogue entry"_s;
        QTest::newRow("a load") << both(type("Labnam", u"Tessa"_s), both(click("CDsaveCH"), roll(0.7)))
                                << open("FileD", u"Tessa.QOZ"_s) << u"load Tessa.QOZ"_s;

        QTest::newRow("heal at full health") << none << click("CDheal") << QString();
        QTest::newRow("the name typed again") << none << type("Labnam", QString()) << QString();
        QTest::newRow("an item viewed") << none << open("FileA1", u"Rope.qod"_s, "i\r\nRope\r\n1\r\n") << QString();
        QTest::newRow("an empty character file") << none << open("FileD", u"Empty.QOZ"_s, "") << QString();
        QTest::newRow("a save") << none << click("CDsaveCH") << QString();
    }
    void everyChangeIsOneStepUndoneAndRedoneExactly()
    {
        QFETCH(Act, prepare);
        QFETCH(Act, act);
        QFETCH(QString, step);
        prepare(*this);
        const int count = steps().count();
        const Seen before = seen();
        act(*this);
        const Seen after = seen();
        QCOMPARE(steps().count(), count + (step.isEmpty() ? 0 : 1));
        QCOMPARE(after == before, step.isEmpty());
        if (step.isEmpty()) return;
        QCOMPARE(steps().undoText(), step);
        for (const bool withY : {false, true}) {
            press(Qt::Key_Z, Qt::ControlModifier);
            QVERIFY(seen() == before);
            QCOMPARE(steps().redoText(), step);
            if (withY) press(Qt::Key_Y, Qt::ControlModifier);
            else press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            QVERIFY(seen() == after);
        }
    }

    // Each step runs once, the last thousand are kept, and a new action drops what was undone.
    void theLastThousandStepsAreKept()
    {
        changeRecord([](Character& c) {
            c.CharText[slot::text::Health] = u"12"_s;
            c.CharValue[slot::value::Armour] = 1;
        });
        ui().TXdam->setText(u"1"_s);
        for (int i = 0; i < window::SheetHistory::kStepsKept + 5; ++i) ui().CDdam->click();
        QCOMPARE(record().CharText[slot::text::Health], u"-993"_s);
        QCOMPARE(steps().count(), window::SheetHistory::kStepsKept);
        while (steps().canUndo()) form->sheet().history().undo();
        QCOMPARE(record().CharText[slot::text::Health], u"7"_s);
        form->sheet().history().redo();
        ui().CDheal->click();
        QVERIFY(!steps().canRedo());
        QCOMPARE(steps().count(), 2);
    }

    // In a text box the keys are the box's own, the other system's redo key too: the sheet stays.
    void theKeysInATextBoxAreTheBoxs()
    {
        ui().TXdam->setFocus();
        QTest::keyClicks(ui().TXdam, u"7"_s);
        QTest::keyClick(ui().TXdam, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(ui().TXdam->text(), u"1"_s);
        QTest::keyClick(ui().TXdam, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(ui().TXdam->text(), u"17"_s);
        QCOMPARE(steps().index(), 1);
    }

    // A right-click on the sheet offers the two steps by name, greyed out when there is none; on
    // another control it offers nothing.
    void theSheetsMenuNamesTheSteps_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("offered");
        QTest::newRow("the window") << QString() << true;
        QTest::newRow("the race label") << u"Labfull"_s << true;
        QTest::newRow("a button") << u"CDheal"_s << false;
    }
    void theSheetsMenuNamesTheSteps()
    {
        QFETCH(QString, control);
        QFETCH(bool, offered);
        form->sheet().history().undo();
        // An edit left open over a label is given up by an undo or a redo: Return then stores nothing.
        QTest::mouseClick(ui().Chakra[6], Qt::LeftButton);
        ui().TXchedit->setText(u"21"_s);
        QWidget* at = control.isEmpty() ? form.get() : form->findChild<QWidget*>(control);
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(2, 2), at->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(at, &rightClick);
        auto* menu = form->findChild<QMenu*>();
        QCOMPARE(menu != nullptr, offered);
        if (!menu) return;
        const auto shown = [&] {
            QStringList entries;
            for (const QAction* entry : menu->actions())
                entries << entry->text() + (entry->isEnabled() ? u""_s : u" (grey)"_s);
            return entries;
        };
        QCOMPARE(shown(), QStringList({u"Undo (grey)"_s, u"Redo random character"_s}));
        menu->actions().back()->trigger();
        QCOMPARE(shown(), QStringList({u"Undo random character"_s, u"Redo (grey)"_s}));
        menu->close();
        QTest::keyClick(ui().TXchedit, Qt::Key_Return);
        QCOMPARE(steps().count(), 1);
        QCOMPARE(ui().Chakra[6]->caption(), QString::number(record().CharValue[slot::value::Strength]));
    }
};

QTEST_MAIN(TestWindowUndo)
#include "test_window_undo.moc"
