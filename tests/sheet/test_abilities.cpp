#include "sheet/abilities.h"

#include <QtTest>

using namespace Qt::StringLiterals;

using namespace sheet;

namespace {

// Attributes Wisdom..Power in slots 1..7; everything else empty.
Character withAttributes(int wisdom, int intellect, int perception, int heart, int nimbleness, int strength, int power)
{
    Character c;
    const int values[] = {wisdom, intellect, perception, heart, nimbleness, strength, power};
    for (int i = 0; i < 7; ++i) c.CharValue.numbered(int(slot::value::Wisdom) + i) = std::int16_t(values[i]);
    return c;
}

Character average() { return withAttributes(10, 10, 10, 10, 10, 10, 10); }

} // namespace

class TestAbilities : public QObject {
    Q_OBJECT

private slots:
    void fullDerivationNamesEveryRow()
    {
        Character c = withAttributes(13, 12, 11, 10, 12, 14, 14);
        populate(c, QStringLiteral("12"));
        const QStringList names{u"prayer"_s,  u"open locks"_s,   u"initiative"_s,  u"no armour"_s,
                                u"defense"_s, u"weapon: hand"_s, u"system shock"_s};
        const QList<int> values{3, 4 + 2 + 4, 6 + 1 + 2, 1, 12, 4, 88};
        for (int row = 1; row <= 7; ++row) {
            QCOMPARE(c.CharText[slot::rowName(row)], names[row - 1]);
            QCOMPARE(int(c.CharValue[slot::rowValue(row)]), values[row - 1]);
        }
    }

    // Prayer is the same in both derivations.
    void prayer_data()
    {
        QTest::addColumn<int>("wisdom");
        QTest::addColumn<int>("prayer");
        QTest::newRow("11 is not enough") << 11 << 1;
        QTest::newRow("12") << 12 << 2;
        QTest::newRow("3") << 3 << 1;
        QTest::newRow("negative") << -20 << 1;
        QTest::newRow("largest") << 32767 << 32757;
    }

    void prayer()
    {
        QFETCH(int, wisdom);
        QFETCH(int, prayer);
        Character full = average();
        full.CharValue[slot::value::Wisdom] = std::int16_t(wisdom);
        Character click = full;
        DefenseInUse defense;
        populate(full, QStringLiteral("10"));
        useItem(click, {}, defense);
        QCOMPARE(int(full.CharValue[slot::value::Prayer]), prayer);
        QCOMPARE(int(click.CharValue[slot::value::Prayer]), prayer);
        QCOMPARE(click.CharText[slot::text::Prayer], QStringLiteral("prayer"));
    }

    void rowTwo_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("intellect");
        QTest::addColumn<int>("perception");
        QTest::addColumn<int>("nimbleness");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("value");
        // Heart 14 and Strength 9 throughout, so climbing is 3 x Nimbleness + 23.
        QTest::newRow("4 halved once") << "12" << 12 << 9 << 15 << "open locks" << 12;
        QTest::newRow("7.5 rounds to 8, then 4") << "15" << 15 << 10 << 10 << "open locks" << 4;
        QTest::newRow("1.5 rounds to 2") << "13" << 13 << 10 << 10 << "open locks" << 2;
        QTest::newRow("10.5 rounds to 10") << "17" << 17 << 10 << 11 << "open locks" << 10 + 2;
        QTest::newRow("0.5 rounds to 0, raised to 1") << "11" << 11 << 5 << 5 << "open locks" << 1;
        QTest::newRow("x2 up to 14") << "14" << 14 << 11 << 11 << "open locks" << 8 + 2 + 2;
        QTest::newRow("x3 from 15") << "15" << 15 << 11 << 11 << "open locks" << 15 + 2 + 2;
        QTest::newRow("x3 up to 17") << "17" << 17 << 11 << 11 << "open locks" << 21 + 2 + 2;
        QTest::newRow("x4 from 18") << "18" << 18 << 11 << 11 << "open locks" << 32 + 2 + 2;
        QTest::newRow("intellect 10 climbs") << "10" << 10 << 12 << 12 << "climbing" << 59;
        QTest::newRow("climbing has no floor") << "3" << 3 << 5 << -20 << "climbing" << -37;
        // The caption decides the row; the slot gives the value.
        QTest::newRow("caption 12, slot 10") << "12" << 10 << 12 << 13 << "open locks" << 0 + 4 + 6;
        QTest::newRow("caption 12.5, slot 9") << "12.5" << 9 << 5 << 5 << "open locks" << 1;
        QTest::newRow("caption 9, slot 15") << "9" << 15 << 12 << 12 << "climbing" << 59;
        QTest::newRow("design caption 00") << "00" << 15 << 12 << 12 << "climbing" << 59;
        QTest::newRow("caption without number") << "x12" << 12 << 12 << 12 << "climbing" << 59;
        // Worked out in full before it is stored: (30000 - 10) x 4 halved twice.
        QTest::newRow("huge intellect") << "30000" << 30000 << 5 << 5 << "open locks" << 29990;
        QTest::newRow("saturates") << "30000" << 30000 << 30000 << 30000 << "open locks" << 32767;
    }

    void rowTwo()
    {
        QFETCH(QString, caption);
        QFETCH(int, intellect);
        QFETCH(int, perception);
        QFETCH(int, nimbleness);
        QFETCH(QString, name);
        QFETCH(int, value);
        Character c = withAttributes(10, intellect, perception, 14, nimbleness, 9, 10);
        populate(c, caption);
        QCOMPARE(c.CharText[slot::text::OpenLocks], name);
        QCOMPARE(int(c.CharValue[slot::value::OpenLocks]), value);
    }

    void initiative_data()
    {
        QTest::addColumn<int>("perception");
        QTest::addColumn<int>("nimbleness");
        QTest::addColumn<int>("full");
        QTest::addColumn<int>("click");
        QTest::newRow("both high") << 14 << 16 << 16 << 16;
        QTest::newRow("between the thresholds") << 12 << 13 << 11 << 6;
        QTest::newRow("just above 10") << 11 << 11 << 8 << 6;
        QTest::newRow("at 10") << 10 << 10 << 6 << 6;
        QTest::newRow("one above 13") << 14 << 9 << 10 << 10;
        QTest::newRow("saturates") << 32767 << 32767 << 32767 << 32767;
    }

    void initiative()
    {
        QFETCH(int, perception);
        QFETCH(int, nimbleness);
        QFETCH(int, full);
        QFETCH(int, click);
        Character derived = withAttributes(10, 10, perception, 10, nimbleness, 10, 10);
        Character clicked = derived;
        DefenseInUse defense;
        populate(derived, QStringLiteral("10"));
        useItem(clicked, {}, defense);
        QCOMPARE(int(derived.CharValue[slot::value::Initiative]), full);
        QCOMPARE(int(clicked.CharValue[slot::value::Initiative]), click);
        QCOMPARE(clicked.CharText[slot::text::Initiative], QStringLiteral("initiative"));
    }

    void systemShock_data()
    {
        QTest::addColumn<int>("power");
        QTest::addColumn<int>("shock");
        QTest::newRow("14") << 14 << 88;
        QTest::newRow("0") << 0 << 60;
        QTest::newRow("huge saturates") << 20000 << 32767;
        QTest::newRow("very negative saturates") << -20000 << -32768;
    }

    void systemShock()
    {
        QFETCH(int, power);
        QFETCH(int, shock);
        Character derived = average();
        derived.CharValue[slot::value::Power] = std::int16_t(power);
        Character clicked = derived;
        DefenseInUse defense;
        populate(derived, QStringLiteral("10"));
        useItem(clicked, {}, defense);
        QCOMPARE(int(derived.CharValue[slot::value::SystemShock]), shock);
        QCOMPARE(int(clicked.CharValue[slot::value::SystemShock]), shock);
        QCOMPARE(clicked.CharText[slot::text::SystemShock], QStringLiteral("system shock"));
    }

    void bareHandWeapon_data()
    {
        QTest::addColumn<int>("strength");
        QTest::addColumn<int>("weapon");
        QTest::newRow("12") << 12 << 2;
        QTest::newRow("11") << 11 << 1;
        QTest::newRow("3") << 3 << 1;
    }

    void bareHandWeapon()
    {
        QFETCH(int, strength);
        QFETCH(int, weapon);
        Character c = average();
        c.CharValue[slot::value::Strength] = std::int16_t(strength);
        populate(c, QStringLiteral("10"));
        QCOMPARE(int(c.CharValue[slot::value::Weapon]), weapon);
    }

    // Kind code, name and value typed into the viewer, and what the click makes of them.
    void itemKind_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("strength");
        QTest::addColumn<int>("use");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("stored");
        const int armour = int(ItemUse::Armour);
        const int weapon = int(ItemUse::Weapon);
        QTest::newRow("armour") << u"a"_s << u"3"_s << 10 << armour << int(slot::value::Armour) << 3;
        QTest::newRow("armour threshold") << u"a"_s << u"-4"_s << 10 << armour << int(slot::value::Armour) << -4;
        QTest::newRow("armour without value") << u"a"_s << u""_s << 10 << armour << int(slot::value::Armour) << 0;
        QTest::newRow("armour too large") << u"a"_s << u"99999"_s << 10 << armour << int(slot::value::Armour) << 32767;
        QTest::newRow("weapon, Strength 12") << u"w"_s << u"3"_s << 12 << weapon << int(slot::value::Weapon) << 3;
        QTest::newRow("weapon, Strength 13") << u"w"_s << u"3"_s << 13 << weapon << int(slot::value::Weapon) << 3;
        QTest::newRow("weapon, Strength 14") << u"w"_s << u"3"_s << 14 << weapon << int(slot::value::Weapon) << 7;
        QTest::newRow("weapon, Strength 15") << u"w"_s << u"3 hp"_s << 15 << weapon << int(slot::value::Weapon) << 8;
        QTest::newRow("weapon sum saturates")
            << u"w"_s << u"32767"_s << 20 << weapon << int(slot::value::Weapon) << 32767;
        QTest::newRow("upper-case A") << u"A"_s << u"3"_s << 15 << int(ItemUse::None) << 0 << 0;
        QTest::newRow("a and a blank") << u"a "_s << u"3"_s << 15 << int(ItemUse::None) << 0 << 0;
        QTest::newRow("item") << u"i"_s << u"3"_s << 15 << int(ItemUse::None) << 0 << 0;
        QTest::newRow("empty viewer") << u""_s << u""_s << 15 << int(ItemUse::None) << 0 << 0;
    }

    void itemKind()
    {
        QFETCH(QString, kind);
        QFETCH(QString, value);
        QFETCH(int, strength);
        QFETCH(int, use);
        QFETCH(int, slot);
        QFETCH(int, stored);
        Character before = average();
        before.CharValue[slot::value::Strength] = std::int16_t(strength);
        populate(before, QStringLiteral("10"));
        Character c = before;
        DefenseInUse defense;
        QCOMPARE(int(useItem(c, {kind, QStringLiteral("the item"), value}, defense)), use);
        // Only the applied row changes among rows 4, 5 and 6.
        for (int s : {int(slot::value::Armour), int(slot::value::Defense), int(slot::value::Weapon)}) {
            if (s == slot) {
                QCOMPARE(int(c.CharValue.numbered(s)), stored);
                QCOMPARE(c.CharText.numbered(s), QStringLiteral("the item"));
            } else {
                QCOMPARE(c.CharValue.numbered(s), before.CharValue.numbered(s));
                QCOMPARE(c.CharText.numbered(s), before.CharText.numbered(s));
            }
        }
        QCOMPARE(c.CharValue[slot::value::OpenLocks], before.CharValue[slot::value::OpenLocks]);
        QCOMPARE(defense.DefenseBonusName[1], QString());
        QCOMPARE(defense.DefenseBonusName[2], QString());
    }

    void helmThenShield()
    {
        Character c = average();
        c.CharValue[slot::value::Nimbleness] = 12;
        DefenseInUse defense;
        QCOMPARE(useItem(c, {u"h"_s, u"helm"_s, u"2"_s}, defense), ItemUse::Helm);
        QCOMPARE(int(c.CharValue[slot::value::Defense]), 14);
        QCOMPARE(c.CharText[slot::text::Defense], QStringLiteral("helm\r"));
        QCOMPARE(useItem(c, {u"d"_s, u"shield"_s, u"3"_s}, defense), ItemUse::Shield);
        QCOMPARE(int(c.CharValue[slot::value::Defense]), 17);
        QCOMPARE(c.CharText[slot::text::Defense], QStringLiteral("helm\rshield"));
        QCOMPARE(defenseValueCaption(defense, 12), QStringLiteral("17"));
        QCOMPARE(defenseNameCaption(defense), QStringLiteral("helm\rshield"));

        // A new helm replaces the old one; the shield stays.
        QCOMPARE(useItem(c, {u"h"_s, u"cap"_s, u"1"_s}, defense), ItemUse::Helm);
        QCOMPARE(int(c.CharValue[slot::value::Defense]), 16);
        QCOMPARE(c.CharText[slot::text::Defense], QStringLiteral("cap\rshield"));
    }

    void shieldBeforeAnyHelm()
    {
        Character c = average();
        DefenseInUse defense;
        useItem(c, {u"d"_s, u"buckler"_s, u"3"_s}, defense);
        QCOMPARE(c.CharText[slot::text::Defense], QStringLiteral("\rbuckler"));
        QCOMPARE(int(c.CharValue[slot::value::Defense]), 13);
        QCOMPARE(int(defense.DefenseBonus[2]), 3);
    }

    void defenseSumBeyondTheSlot()
    {
        Character c = average();
        c.CharValue[slot::value::Nimbleness] = 12;
        DefenseInUse defense;
        useItem(c, {u"h"_s, u"helm"_s, u"30000"_s}, defense);
        useItem(c, {u"d"_s, u"shield"_s, u"30000"_s}, defense);
        // The caption shows the whole sum; the slot keeps what fits.
        QCOMPARE(defenseValueCaption(defense, 12), QStringLiteral("60012"));
        QCOMPARE(int(c.CharValue[slot::value::Defense]), 32767);
    }
};

QTEST_APPLESS_MAIN(TestAbilities)
#include "test_abilities.moc"
