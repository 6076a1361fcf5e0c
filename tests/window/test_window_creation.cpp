// Rolling, naming and editing a character through the window.
#include "support/window_fixture.h"

#include "window/form_charac.h"
#include "window/widgets/caption_label.h"
#include "window/widgets/edit_box.h"
#include "window/widgets/tile_strip.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;
using window::FormCharac;
using namespace sheet;

class TestWindowCreation : public QObject, public WindowFixture {
    Q_OBJECT
private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void seedBoxCountsAndWraps()
    {
        form->creation().Timer1Tick();
        form->creation().Timer1Tick();
        QCOMPARE(ui().TXseed->text(), QStringLiteral("2"));
        for (int tick = 2; tick < 32000; ++tick) form->creation().Timer1Tick();
        QCOMPARE(ui().TXseed->text(), QStringLiteral("32000"));
        form->creation().Timer1Tick();
        QCOMPARE(ui().TXseed->text(), QStringLiteral("-32000"));
    }

    void firstRollReseedsFromTheBoxAndLaterOnesDoNot()
    {
        ui().TXseed->setText(QStringLiteral("77"));
        ui().CMran->click();
        QCOMPARE(env->random->reseeds, QList<double>{77.0});
        QVERIFY(!form->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
        ui().CMran->click();
        QCOMPARE(env->random->reseeds.size(), 1);
        ui().TXseed->setText(QStringLiteral("abc"));
        ui().CDseed->click();
        QCOMPARE(env->random->reseeds.last(), 0.0);
    }

    void rollShowsTheRecord()
    {
        env->random->script({0.0}); // race 1, every die 1, female, the name "Abababa"
        changeRecord([](Character& c) { c.CharText[slot::text::Row0Name] = QStringLiteral("juggling"); });
        ui().CMran->click();
        const Character& c = record();
        QCOMPARE(ui().txDice->text(), QStringLiteral("1"));
        QCOMPARE(c.CharText[slot::text::Race], QStringLiteral("Dwarf of Valley"));
        QCOMPARE(ui().Labfull->caption(), c.CharText[slot::text::Race]);
        QCOMPARE(ui().Labnam->caption(), QStringLiteral("Abababa"));
        QCOMPARE(c.CharText[slot::text::Name], QStringLiteral("Abababa"));
        QCOMPARE(ui().LabDetail->caption(), QStringLiteral("female, humanoid, being"));
        QCOMPARE(ui().Chakra[1]->caption(), QStringLiteral("12")); // Wisdom is favoured: 3 becomes 10
        QCOMPARE(ui().Chakra[2]->caption(), QStringLiteral("5"));
        QCOMPARE(ui().Chakra[8]->caption(), ui().Chakra[7]->caption());
        QCOMPARE(c.CharText[slot::text::Health], QStringLiteral("5"));
        QCOMPARE(ui().LabAb[2]->caption(), QStringLiteral("climbing"));
        QCOMPARE(ui().LabPer[7]->caption(), QStringLiteral("70"));
        QCOMPARE(ui().LabAb[0]->caption(), QStringLiteral("juggling"));
        for (int row = 1; row < 8; ++row) {
            QCOMPARE(ui().LabPer[row]->caption(), QString::number(c.CharValue[slot::rowValue(row)]));
            QCOMPARE(ui().LabAb[row]->caption(), c.CharText[slot::rowName(row)]);
        }
    }

    void sameSeedSameCharacterAndName()
    {
        const auto rollWithSeed = [](const QString& seed) {
            TestServices seeded;
            seeded.services.random = std::make_shared<common::SeededRandom>();
            FormCharac window(seeded.services);
            window.controls().TXseed->setText(seed);
            window.controls().CMran->click();
            window.controls().CMran->click(); // the second roll goes on with the sequence
            return window.sheet().character();
        };
        const Character first = rollWithSeed(QStringLiteral("4711"));
        const Character again = rollWithSeed(QStringLiteral("4711"));
        const Character other = rollWithSeed(QStringLiteral("4712"));
        QCOMPARE(again.CharText, first.CharText);
        QCOMPARE(again.CharValue, first.CharValue);
        QVERIFY(!first.CharText[slot::text::Name].isEmpty());
        QVERIFY(other.CharText != first.CharText || other.CharValue != first.CharValue);
    }

    void fixedRace_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("after");
        QTest::newRow("valid stays") << u"17"_s << u"17"_s;
        QTest::newRow("zero draws") << u"0"_s << u"61"_s;
        QTest::newRow("above draws") << u"121"_s << u"61"_s;
        QTest::newRow("text draws") << u"abc"_s << u"61"_s;
    }
    void fixedRace()
    {
        QFETCH(QString, box);
        QFETCH(QString, after);
        env->random->script({0.5});
        ui().CHdice->setChecked(true);
        ui().txDice->setText(box);
        ui().CMran->click();
        QCOMPARE(ui().txDice->text(), after);
        QCOMPARE(record().CharText[slot::text::Race], form->state().RaceName[after.toInt()]);
    }

    void doubleClickDrawsARaceNumber()
    {
        env->random->script({0.99999});
        QTest::mouseDClick(ui().txDice, Qt::LeftButton);
        QCOMPARE(ui().txDice->text(), QStringLiteral("120"));
    }

    void attributeEditShowsTypedAndStoresRounded()
    {
        QTest::mouseClick(ui().Chakra[6], Qt::LeftButton);
        QVERIFY(ui().TXchedit->isVisible());
        QCOMPARE(ui().TXchedit->y(), ui().Chakra[6]->y());
        QCOMPARE(ui().TXchedit->text(), QStringLiteral("00"));
        ui().TXchedit->setText(QStringLiteral("12.5"));
        QTest::keyClick(ui().TXchedit, Qt::Key_Return);
        QVERIFY(!ui().TXchedit->isVisible());
        QCOMPARE(ui().Chakra[6]->caption(), QStringLiteral("12.5"));
        QCOMPARE(int(record().CharValue[slot::value::Strength]), 12);
        QCOMPARE(ui().LabPer[3]->caption(), QStringLiteral("6"));
        form->sheet().Numero();
        QCOMPARE(ui().Chakra[6]->caption(), QStringLiteral("12"));
    }

    void healthEditIsCappedAtPower()
    {
        changeRecord([](Character& c) { c.CharValue[slot::value::Power] = 14; });
        QTest::mouseClick(ui().Chakra[8], Qt::LeftButton);
        ui().TXchedit->setText(QStringLiteral("20"));
        QTest::keyClick(ui().TXchedit, Qt::Key_Return);
        QCOMPARE(record().CharText[slot::text::Health], QStringLiteral("14"));
        QCOMPARE(ui().TXchedit->text(), QStringLiteral("14"));
        QCOMPARE(ui().Chakra[8]->caption(), QStringLiteral("14"));
    }

    void healthTextIsKeptAsTyped()
    {
        changeRecord([](Character& c) { c.CharValue[slot::value::Power] = 14; });
        QTest::mouseClick(ui().Chakra[8], Qt::LeftButton);
        ui().TXchedit->setText(QStringLiteral("7 hp"));
        QTest::keyClick(ui().TXchedit, Qt::Key_Return);
        QCOMPARE(ui().Chakra[8]->caption(), QStringLiteral("7"));
        form->sheet().Numero();
        QCOMPARE(ui().Chakra[8]->caption(), QStringLiteral("7 hp"));
    }

    void contextMenuDoesNotCloseTheEditor()
    {
        QTest::mouseClick(ui().LabAb[2], Qt::LeftButton);
        QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
        QApplication::sendEvent(ui().TXab, &popup);
        QVERIFY(ui().TXab->isVisible());
        QFocusEvent away(QEvent::FocusOut, Qt::MouseFocusReason);
        QApplication::sendEvent(ui().TXab, &away);
        QVERIFY(!ui().TXab->isVisible());
    }

    void editCommitsWhenTheFocusLeaves()
    {
        QTest::mouseClick(ui().LabPer[4], Qt::LeftButton);
        ui().TXedit->setText(QStringLiteral("3"));
        QTest::mouseClick(ui().Chakra[5], Qt::LeftButton); // the attribute editor takes the focus
        QCOMPARE(int(record().CharValue[slot::value::Armour]), 3);
        QCOMPARE(ui().LabPer[4]->caption(), QStringLiteral("3"));
        QVERIFY(!ui().TXedit->isVisible());
        ui().TXchedit->setText(QStringLiteral("13")); // and stores into the attribute it was opened for
        QTest::keyClick(ui().TXchedit, Qt::Key_Return);
        QCOMPARE(int(record().CharValue[slot::value::Nimbleness]), 13);
    }

    void secondNameClickMovesTheBoxWithoutStoring()
    {
        QTest::mouseClick(ui().LabAb[1], Qt::LeftButton);
        ui().TXab->setText(QStringLiteral("first"));
        QTest::mouseClick(ui().LabAb[4], Qt::LeftButton);
        QCOMPARE(ui().TXab->y(), ui().LabAb[4]->y());
        QCOMPARE(ui().TXab->text(), QStringLiteral("armour"));
        ui().TXab->setText(QStringLiteral("chain"));
        QTest::keyClick(ui().TXab, Qt::Key_Return);
        const Character& c = record();
        QCOMPARE(c.CharText[slot::text::Prayer], QString());
        QCOMPARE(c.CharText[slot::text::Armour], QStringLiteral("chain"));
        QCOMPARE(ui().LabAb[1]->caption(), QStringLiteral("prayer"));
        QCOMPARE(ui().LabAb[4]->caption(), QStringLiteral("chain"));
    }

    void renameAndNewNameFromRace()
    {
        QTest::mouseClick(ui().Labnam, Qt::LeftButton);
        QCOMPARE(ui().TXrename->text(), QStringLiteral("Name"));
        ui().TXrename->setText(QStringLiteral("Tessa"));
        QTest::keyClick(ui().TXrename, Qt::Key_Return);
        QCOMPARE(record().CharText[slot::text::Name], QStringLiteral("Tessa"));
        QCOMPARE(ui().Labnam->caption(), QStringLiteral("Tessa"));

        changeRecord([](Character& c) { c.CharText[slot::text::Race] = QStringLiteral("Imp"); });
        ui().Labfull->setCaption(QStringLiteral("Imp"));
        env->random->script({0.9999});
        QTest::mouseClick(ui().Labfull, Qt::LeftButton);
        QCOMPARE(ui().Labnam->caption(), QStringLiteral("Susus"));
        QCOMPARE(record().CharText[slot::text::Name], QStringLiteral("Susus"));
        QCOMPARE(ui().Labfull->caption(), QStringLiteral("Imp"));
    }

    void tileStripPutsTheItemInHandToUse()
    {
        changeRecord([](Character& c) {
            c.CharValue[slot::value::Nimbleness] = 12;
            c.CharValue[slot::value::Strength] = 15;
            c.CharValue[slot::value::Power] = 14;
        });
        const Character& c = record();
        const auto use = [&](const char* kind, const char* name, const char* value) {
            ui().TXline[0]->setText(QString::fromLatin1(kind));
            ui().TXline[1]->setText(QString::fromLatin1(name));
            ui().TXline[2]->setText(QString::fromLatin1(value));
            QTest::mouseClick(ui().Pcha, Qt::LeftButton, {}, QPoint(20, 100));
        };
        use("h", "helm", "2");
        use("d", "shield", "3");
        QCOMPARE(ui().LabPer[5]->caption(), QStringLiteral("17"));
        QCOMPARE(ui().LabAb[5]->caption(), QStringLiteral("helm\rshield"));
        QCOMPARE(c.CharText[slot::text::Defense], QStringLiteral("helm\rshield"));
        use("w", "sword", "3");
        QCOMPARE(ui().LabPer[6]->caption(), QStringLiteral("8"));
        QCOMPARE(ui().LabPer[7]->caption(), QStringLiteral("88"));
        QCOMPARE(ui().LabAb[1]->caption(), QStringLiteral("prayer"));
    }

private:
};

QTEST_MAIN(TestWindowCreation)
#include "test_window_creation.moc"
