// Rolling, naming and editing a character through the window.
#include "support/window_fixture.h"

#include "window/widgets/caption_label.h"
#include "window/widgets/edit_box.h"
#include "window/form_charac.h"
#include "window/widgets/tile_strip.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using window::FormCharac;
using namespace sheet;

class TestWindowCreation : public QObject, public WindowFixture {
    Q_OBJECT
private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void seedBoxCountsAndWraps()
    {
        form->Timer1Tick();
        form->Timer1Tick();
        QCOMPARE(form->TXseed->text(), QStringLiteral("2"));
        form->state().SeedTicker = 32000;
        form->Timer1Tick();
        QCOMPARE(form->TXseed->text(), QStringLiteral("-32000"));
    }

    void firstRollReseedsFromTheBoxAndLaterOnesDoNot()
    {
        form->TXseed->setText(QStringLiteral("77"));
        form->CMran->click();
        QCOMPARE(env->random->reseeds, QList<double>{77.0});
        QVERIFY(!form->Timer1->isActive());
        form->CMran->click();
        QCOMPARE(env->random->reseeds.size(), 1);
        form->TXseed->setText(QStringLiteral("abc"));
        form->CDseed->click();
        QCOMPARE(env->random->reseeds.last(), 0.0);
    }

    void rollShowsTheRecord()
    {
        env->random->script({0.0}); // race 1, every die 1, female, the name "Abababa"
        form->state().Character.CharText[slot::Row0Name] = QStringLiteral("juggling");
        form->CMran->click();
        const Character& c = form->state().Character;
        QCOMPARE(form->txDice->text(), QStringLiteral("1"));
        QCOMPARE(c.CharText[slot::Race], QStringLiteral("Dwarf of Valley"));
        QCOMPARE(form->Labfull->caption(), c.CharText[slot::Race]);
        QCOMPARE(form->Labnam->caption(), QStringLiteral("Abababa"));
        QCOMPARE(c.CharText[slot::Name], QStringLiteral("Abababa"));
        QCOMPARE(form->LabDetail->caption(), QStringLiteral("female, humanoid, being"));
        QCOMPARE(form->Chakra[1]->caption(), QStringLiteral("12")); // Wisdom is favoured: 3 becomes 10
        QCOMPARE(form->Chakra[2]->caption(), QStringLiteral("5"));
        QCOMPARE(form->Chakra[8]->caption(), form->Chakra[7]->caption());
        QCOMPARE(c.CharText[slot::Health], QStringLiteral("5"));
        QCOMPARE(form->LabAb[2]->caption(), QStringLiteral("climbing"));
        QCOMPARE(form->LabPer[7]->caption(), QStringLiteral("70"));
        QCOMPARE(form->LabAb[0]->caption(), QStringLiteral("juggling"));
        for (int row = 1; row < 8; ++row) {
            QCOMPARE(form->LabPer[row]->caption(), QString::number(c.CharValue[row + 7]));
            QCOMPARE(form->LabAb[row]->caption(), c.CharText[row + 7]);
        }
    }

    void sameSeedSameCharacterAndName()
    {
        const auto rollWithSeed = [](const QString& seed) {
            TestServices seeded;
            seeded.services.random = std::make_shared<common::SeededRandom>();
            FormCharac window(seeded.services);
            window.TXseed->setText(seed);
            window.CMran->click();
            window.CMran->click(); // the second roll goes on with the sequence
            return window.state().Character;
        };
        const Character first = rollWithSeed(QStringLiteral("4711"));
        const Character again = rollWithSeed(QStringLiteral("4711"));
        const Character other = rollWithSeed(QStringLiteral("4712"));
        QCOMPARE(again.CharText, first.CharText);
        QCOMPARE(again.CharValue, first.CharValue);
        QVERIFY(!first.CharText[slot::Name].isEmpty());
        QVERIFY(other.CharText != first.CharText || other.CharValue != first.CharValue);
    }

    void fixedRace_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("after");
        QTest::newRow("valid stays") << "17" << "17";
        QTest::newRow("zero draws") << "0" << "61";
        QTest::newRow("above draws") << "121" << "61";
        QTest::newRow("text draws") << "abc" << "61";
    }
    void fixedRace()
    {
        QFETCH(QString, box);
        QFETCH(QString, after);
        env->random->script({0.5});
        form->CHdice->setChecked(true);
        form->txDice->setText(box);
        form->CMran->click();
        QCOMPARE(form->txDice->text(), after);
        QCOMPARE(form->state().Character.CharText[slot::Race], form->state().RaceName[after.toInt()]);
    }

    void doubleClickDrawsARaceNumber()
    {
        env->random->script({0.99999});
        QTest::mouseDClick(form->txDice, Qt::LeftButton);
        QCOMPARE(form->txDice->text(), QStringLiteral("120"));
    }

    void attributeEditShowsTypedAndStoresRounded()
    {
        QTest::mouseClick(form->Chakra[6], Qt::LeftButton);
        QVERIFY(form->TXchedit->isVisible());
        QCOMPARE(form->TXchedit->y(), form->Chakra[6]->y());
        QCOMPARE(form->TXchedit->text(), QStringLiteral("00"));
        form->TXchedit->setText(QStringLiteral("12.5"));
        QTest::keyClick(form->TXchedit, Qt::Key_Return);
        QVERIFY(!form->TXchedit->isVisible());
        QCOMPARE(form->Chakra[6]->caption(), QStringLiteral("12.5"));
        QCOMPARE(int(form->state().Character.CharValue[slot::Strength]), 12);
        QCOMPARE(form->LabPer[3]->caption(), QStringLiteral("6"));
        form->Numero();
        QCOMPARE(form->Chakra[6]->caption(), QStringLiteral("12"));
    }

    void healthEditIsCappedAtPower()
    {
        form->state().Character.CharValue[slot::Power] = 14;
        QTest::mouseClick(form->Chakra[8], Qt::LeftButton);
        form->TXchedit->setText(QStringLiteral("20"));
        QTest::keyClick(form->TXchedit, Qt::Key_Return);
        QCOMPARE(form->state().Character.CharText[slot::Health], QStringLiteral("14"));
        QCOMPARE(form->TXchedit->text(), QStringLiteral("14"));
        QCOMPARE(form->Chakra[8]->caption(), QStringLiteral("14"));
    }

    void healthTextIsKeptAsTyped()
    {
        form->state().Character.CharValue[slot::Power] = 14;
        QTest::mouseClick(form->Chakra[8], Qt::LeftButton);
        form->TXchedit->setText(QStringLiteral("7 hp"));
        QTest::keyClick(form->TXchedit, Qt::Key_Return);
        QCOMPARE(form->Chakra[8]->caption(), QStringLiteral("7"));
        form->Numero();
        QCOMPARE(form->Chakra[8]->caption(), QStringLiteral("7 hp"));
    }

    void contextMenuDoesNotCloseTheEditor()
    {
        QTest::mouseClick(form->LabAb[2], Qt::LeftButton);
        QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
        QApplication::sendEvent(form->TXab, &popup);
        QVERIFY(form->TXab->isVisible());
        QFocusEvent away(QEvent::FocusOut, Qt::MouseFocusReason);
        QApplication::sendEvent(form->TXab, &away);
        QVERIFY(!form->TXab->isVisible());
    }

    void editCommitsWhenTheFocusLeaves()
    {
        QTest::mouseClick(form->LabPer[4], Qt::LeftButton);
        form->TXedit->setText(QStringLiteral("3"));
        QTest::mouseClick(form->Chakra[5], Qt::LeftButton); // the attribute editor takes the focus
        QCOMPARE(int(form->state().Character.CharValue[slot::Armour]), 3);
        QCOMPARE(form->LabPer[4]->caption(), QStringLiteral("3"));
        QVERIFY(!form->TXedit->isVisible());
        QCOMPARE(int(form->state().EditAttr), 5);
    }

    void secondNameClickMovesTheBoxWithoutStoring()
    {
        QTest::mouseClick(form->LabAb[1], Qt::LeftButton);
        form->TXab->setText(QStringLiteral("first"));
        QTest::mouseClick(form->LabAb[4], Qt::LeftButton);
        QCOMPARE(form->TXab->y(), form->LabAb[4]->y());
        QCOMPARE(form->TXab->text(), QStringLiteral("armour"));
        form->TXab->setText(QStringLiteral("chain"));
        QTest::keyClick(form->TXab, Qt::Key_Return);
        const Character& c = form->state().Character;
        QCOMPARE(c.CharText[slot::Prayer], QString());
        QCOMPARE(c.CharText[slot::Armour], QStringLiteral("chain"));
        QCOMPARE(form->LabAb[1]->caption(), QStringLiteral("prayer"));
        QCOMPARE(form->LabAb[4]->caption(), QStringLiteral("chain"));
    }

    void renameAndNewNameFromRace()
    {
        QTest::mouseClick(form->Labnam, Qt::LeftButton);
        QCOMPARE(form->TXrename->text(), QStringLiteral("Name"));
        form->TXrename->setText(QStringLiteral("Tessa"));
        QTest::keyClick(form->TXrename, Qt::Key_Return);
        QCOMPARE(form->state().Character.CharText[slot::Name], QStringLiteral("Tessa"));
        QCOMPARE(form->Labnam->caption(), QStringLiteral("Tessa"));

        form->state().Character.CharText[slot::Race] = QStringLiteral("Imp");
        form->Labfull->setCaption(QStringLiteral("Imp"));
        env->random->script({0.9999});
        QTest::mouseClick(form->Labfull, Qt::LeftButton);
        QCOMPARE(form->Labnam->caption(), QStringLiteral("Susus"));
        QCOMPARE(form->state().Character.CharText[slot::Name], QStringLiteral("Susus"));
        QCOMPARE(form->Labfull->caption(), QStringLiteral("Imp"));
    }

    void tileStripPutsTheItemInHandToUse()
    {
        Character& c = form->state().Character;
        c.CharValue[slot::Nimbleness] = 12;
        c.CharValue[slot::Strength] = 15;
        c.CharValue[slot::Power] = 14;
        const auto use = [&](const char* kind, const char* name, const char* value) {
            form->TXline[0]->setText(QString::fromLatin1(kind));
            form->TXline[1]->setText(QString::fromLatin1(name));
            form->TXline[2]->setText(QString::fromLatin1(value));
            QTest::mouseClick(form->Pcha, Qt::LeftButton, {}, QPoint(20, 100));
        };
        use("h", "helm", "2");
        use("d", "shield", "3");
        QCOMPARE(form->LabPer[5]->caption(), QStringLiteral("17"));
        QCOMPARE(form->LabAb[5]->caption(), QStringLiteral("helm\rshield"));
        QCOMPARE(c.CharText[slot::Defense], QStringLiteral("helm\rshield"));
        use("w", "sword", "3");
        QCOMPARE(form->LabPer[6]->caption(), QStringLiteral("8"));
        QCOMPARE(form->LabPer[7]->caption(), QStringLiteral("88"));
        QCOMPARE(form->LabAb[1]->caption(), QStringLiteral("prayer"));
    }

private:
};

QTEST_MAIN(TestWindowCreation)
#include "test_window_creation.moc"
