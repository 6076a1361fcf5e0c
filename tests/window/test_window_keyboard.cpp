// The window on the keyboard: Escape in an in-place editor, Return on buttons, Ctrl+Q, the Tab chain,
// and the names screen readers give the text boxes and lists.
#include "support/window_fixture.h"

#include "window/layout/layout.h"
#include "window/widgets/caption_label.h"
#include "window/widgets/edit_box.h"
#include "window/widgets/folder_list.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

using namespace sheet;

namespace {
bool sameRecord(const Character& a, const Character& b)
{
    return a.CharText == b.CharText && a.CharValue == b.CharValue;
}
} // namespace

class TestWindowKeyboard : public QObject, public WindowFixture {
    Q_OBJECT

    template <typename T> T* control(const QString& name) const
    {
        auto* found = form->findChild<T*>(name);
        if (!found) qFatal("no control %s", qPrintable(name));
        return found;
    }

    // Opens the editor over the label with a click and types into it.
    void typeOver(window::CaptionLabel* label, window::EditBox* box, const QString& typed)
    {
        QTest::mouseClick(label, Qt::LeftButton);
        QVERIFY(box->isVisible() && box->hasFocus());
        box->selectAll();
        QTest::keyClicks(box, typed);
    }

    // The names of the controls Tab visits from CDexit until it comes back there.
    QStringList tabWalk()
    {
        ui().CDexit->setFocus();
        QStringList visited{ui().CDexit->objectName()};
        for (int step = 0; step < 300; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const QWidget* now = QApplication::focusWidget();
            if (now == ui().CDexit) return visited;
            visited.append(now ? now->objectName() : QStringLiteral("(none)"));
        }
        return visited;
    }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    // Escape closes the editor and stores nothing; the same typing ended by Return would have stored.
    void escapeCancelsAnInPlaceEdit_data()
    {
        QTest::addColumn<QString>("editor");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("typed");
        QTest::newRow("attribute") << u"TXchedit"_s << u"Chakra3"_s << u"17"_s;
        QTest::newRow("ability name") << u"TXab"_s << u"LabAb2"_s << u"juggling"_s;
        QTest::newRow("ability value") << u"TXedit"_s << u"LabPer2"_s << u"45"_s;
        QTest::newRow("character name") << u"TXrename"_s << u"Labnam"_s << u"Tom"_s;
    }
    void escapeCancelsAnInPlaceEdit()
    {
        QFETCH(QString, editor);
        QFETCH(QString, label);
        QFETCH(QString, typed);
        auto* box = control<window::EditBox>(editor);
        auto* over = control<window::CaptionLabel>(label);
        const QString caption = over->caption();
        const Character before = record();

        typeOver(over, box, typed);
        QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(box->isHidden());
        QCOMPARE(over->caption(), caption);
        QVERIFY(sameRecord(record(), before));
        ui().TXdam->setFocus(); // nothing is left open to commit later
        QVERIFY(sameRecord(record(), before));

        typeOver(over, box, typed);
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(box->isHidden());
        QCOMPARE(over->caption(), typed);
        QVERIFY(!sameRecord(record(), before));
    }

    void escapeLeavesOtherTextBoxesAlone_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("damage") << "TXdam";
        QTest::newRow("amount step") << "TXamo";
        QTest::newRow("item line") << "TXline3";
        QTest::newRow("root folder") << "TXpath1";
    }
    void escapeLeavesOtherTextBoxesAlone()
    {
        QFETCH(QString, name);
        auto* box = control<window::EditBox>(name);
        box->setFocus();
        box->setText(QStringLiteral("7"));
        QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(box->isVisible() && box->hasFocus());
        QCOMPARE(box->text(), QStringLiteral("7"));
    }

    void returnPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("key");
        QTest::newRow("button, Return") << "CDheal" << int(Qt::Key_Return);
        QTest::newRow("button, keypad Enter") << "CMran" << int(Qt::Key_Enter);
        QTest::newRow("toggle") << "CDnew" << int(Qt::Key_Return);
        QTest::newRow("check box") << "CHdice" << int(Qt::Key_Return);
        QTest::newRow("option") << "Opli1" << int(Qt::Key_Return);
        QTest::newRow("button in a frame") << "CDrand" << int(Qt::Key_Return);
    }
    void returnPressesTheFocusedButton()
    {
        QFETCH(QString, name);
        QFETCH(int, key);
        ui().ChTe->setChecked(true); // shows the teleport frame
        auto* button = control<QAbstractButton>(name);
        button->setFocus();
        QVERIFY(button->hasFocus());
        QSignalSpy clicks(button, &QAbstractButton::clicked);
        const Qt::KeyboardModifiers modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::keyClick(button, Qt::Key(key), modifiers);
        QCOMPARE(clicks.count(), 1);

        // Holding the key down presses once; Ctrl+Return is no press.
        QKeyEvent held(QEvent::KeyPress, key, modifiers, QString(), true);
        QApplication::sendEvent(button, &held);
        QTest::keyClick(button, Qt::Key(key), modifiers | Qt::ControlModifier);
        QCOMPARE(clicks.count(), 1);
    }

    // Ctrl+Q closes the window wherever the focus is; a plain Q is only a letter.
    void ctrlQClosesTheWindow_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("ctrl");
        QTest::newRow("button") << "CDtrigger" << true;
        QTest::newRow("text box") << "TXdam" << true;
        QTest::newRow("folder list") << "DirA" << true;
        QTest::newRow("file list") << "FileD" << true;
        QTest::newRow("q in a text box") << "TXdam" << false;
        QTest::newRow("q in a file list") << "FileD" << false;
    }
    void ctrlQClosesTheWindow()
    {
        QFETCH(QString, focus);
        QFETCH(bool, ctrl);
        auto* widget = control<QWidget>(focus);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_Q, ctrl ? Qt::ControlModifier : Qt::NoModifier);
        QCOMPARE(form->isVisible(), !ctrl);
    }

    // Tab reads the left column, then the middle one, then the right one, each top to bottom; a
    // frame's controls where the frame lies, and of a group of options the chosen one.
    void tabReadsTheColumnsLeftMiddleRight_data()
    {
        QTest::addColumn<bool>("acquiring");
        QTest::addColumn<QStringList>("anchors");
        QTest::newRow("teleport frame") << false
                                        << QStringList{u"CDexit"_s,  u"CMran"_s,    u"txDice"_s,       u"CDsaveCH"_s,
                                                       u"DirA"_s,    u"FileD"_s,    u"Opli3"_s,        u"FileA1"_s,
                                                       u"TXdam"_s,   u"CDdam"_s,    u"TXfile"_s,       u"TXline0"_s,
                                                       u"TXline6"_s, u"Command4"_s, u"ListTee"_s,      u"OptVingt2"_s,
                                                       u"LisE"_s,    u"ChTe"_s,     u"CDclearevent"_s, u"CMpath0"_s,
                                                       u"TXpath2"_s};
        QTest::newRow("acquire panel") << true
                                       << QStringList{u"CDsaveCH"_s, u"FileA1"_s,    u"TXline6"_s, u"Command4"_s,
                                                      u"OpNew1"_s,   u"CMtake"_s,    u"TXnew0"_s,  u"TXnew7"_s,
                                                      u"FileF"_s,    u"ListStuff"_s, u"LiThang"_s, u"ChTe"_s,
                                                      u"CMpath0"_s};
    }
    void tabReadsTheColumnsLeftMiddleRight()
    {
        QFETCH(bool, acquiring);
        QFETCH(QStringList, anchors);
        QTest::mouseClick(ui().Opli[3], Qt::LeftButton);
        if (acquiring) {
            writeFile(program + u"/one.qoc"_s, "w,Club,2\r\nz,end,0\r\n");
            ui().DirA->reread(program);
            QTest::mouseClick(ui().CDnew, Qt::LeftButton);
            clickEntry(ui().FileF, u"one.qoc"_s); // shows the panel's boxes
            ui().OpNew[1]->click();
        } else {
            ui().ChTe->setChecked(true);
            ui().OptVingt[2]->click();
        }
        const QStringList visited = tabWalk();
        qsizetype last = -1;
        for (const QString& anchor : std::as_const(anchors)) {
            const qsizetype at = visited.indexOf(anchor);
            QVERIFY2(at > last, qPrintable(anchor + u' ' + visited.join(u',')));
            last = at;
        }

        // Every control that can take the focus by Tab now is visited, once.
        QStringList reachable;
        for (const QWidget* widget : ui().all()) {
            if (widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus)) {
                reachable.append(widget->objectName());
            }
        }
        QCOMPARE(visited.size(), QSet<QString>(visited.begin(), visited.end()).size());
        QCOMPARE(QSet<QString>(visited.begin(), visited.end()), QSet<QString>(reachable.begin(), reachable.end()));
    }

    // A text box or list is named by what it holds (its tooltip where it has one), each differently;
    // another control keeps the name its caption gives it unless the table names it.
    void textBoxesAndListsHaveAccessibleNames()
    {
        QSet<QString> names;
        for (const layout::ControlSpec& entry : layout::controls()) {
            const QWidget* widget = control<QWidget>(layout::objectName(entry));
            const QString name = widget->accessibleName();
            const bool holdsText = entry.kind == layout::Kind::TextBox || entry.kind == layout::Kind::ListBox
                                   || entry.kind == layout::Kind::FileList || entry.kind == layout::Kind::FolderList;
            if (!holdsText) {
                QCOMPARE(name, QString::fromUtf8(entry.accessibleName));
                continue;
            }
            QVERIFY2(!name.isEmpty(), entry.name);
            if (*entry.tooltip) QCOMPARE(name, widget->toolTip());
            QVERIFY2(!names.contains(name), qPrintable(name));
            names.insert(name);
        }
        QCOMPARE(ui().TXline[0]->accessibleName(), QStringLiteral("item line 1"));
        QCOMPARE(ui().txDice->accessibleName(), QStringLiteral("race number"));
    }
};

QTEST_MAIN(TestWindowKeyboard)
#include "test_window_keyboard.moc"
