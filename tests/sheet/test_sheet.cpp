// What the sheet shows for a record, the condition word, damage and healing.
#include "sheet/condition.h"
#include "sheet/damage.h"
#include "sheet/sheet_captions.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace sheet;

namespace {
Character withHealth(const QString& health, int power, int wisdom = 9, int armour = 1)
{
    Character c;
    c.CharText[slot::text::Health] = health;
    c.CharValue[slot::value::Power] = std::int16_t(power);
    c.CharValue[slot::value::Wisdom] = std::int16_t(wisdom);
    c.CharValue[slot::value::Armour] = std::int16_t(armour);
    return c;
}
} // namespace

class TestSheet : public QObject {
    Q_OBJECT
private slots:
    void emptyRecordCaptions()
    {
        const SheetCaptions s = sheetCaptions(Character{});
        QCOMPARE(s.row0Value, QStringLiteral("0"));
        QCOMPARE(s.detail, QStringLiteral(", , "));
        QCOMPARE(s.attributes[1], QStringLiteral("0"));
        QCOMPARE(s.attributes[8], QString());
        QCOMPARE(s.abilityValues[7], QStringLiteral("0"));
        QCOMPARE(s.abilityNames[7], QString());
    }

    void captions()
    {
        Character c;
        c.CharText[slot::text::Sex] = QStringLiteral("female");
        c.CharText[slot::text::Kind] = QStringLiteral("humanoid");
        c.CharText[slot::text::Condition] = QStringLiteral("wounded");
        c.CharText[slot::text::Health] = QStringLiteral("12.0");
        c.CharValue[slot::value::Perception] = -3;
        c.CharValue[slot::value::Armour] = 2;
        c.CharText[slot::text::Armour] = QStringLiteral("chain");
        const SheetCaptions s = sheetCaptions(c);
        QCOMPARE(s.detail, QStringLiteral("female, humanoid, wounded"));
        QCOMPARE(s.attributes[8], QStringLiteral("12.0")); // health verbatim
        QCOMPARE(s.attributes[3], QStringLiteral("-3"));
        QCOMPARE(s.abilityValues[4], QStringLiteral("2"));
        QCOMPARE(s.abilityNames[4], QStringLiteral("chain"));
    }

    void row0Value_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("number") << u"45"_s << u"45"_s;
        QTest::newRow("fraction") << u"12.5"_s << u"12.5"_s;
        QTest::newRow("percent") << u"45%"_s << u"45"_s;
        QTest::newRow("text") << u"abc"_s << u"0"_s;
        QTest::newRow("empty") << u""_s << u"0"_s;
    }
    void row0Value()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        Character c;
        c.CharText[slot::text::Row0Value] = stored;
        QCOMPARE(sheetCaptions(c).row0Value, shown);
    }

    void condition_data()
    {
        QTest::addColumn<QString>("health");
        QTest::addColumn<int>("power");
        QTest::addColumn<int>("wisdom");
        QTest::addColumn<QString>("powerCaption");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("healthAfter");
        QTest::newRow("wounded") << u"5"_s << 12 << 9 << u"12"_s << u"wounded"_s << u"5"_s;
        QTest::newRow("mutilated") << u"1"_s << 12 << 9 << u"12"_s << u"mutilated"_s << u"1"_s;
        QTest::newRow("barely conscious") << u"0"_s << 12 << 9 << u"12"_s << u"barely conscious"_s << u"0"_s;
        QTest::newRow("unconscious") << u"-2"_s << 12 << 9 << u"12"_s << u"unconscious"_s << u"-2"_s;
        QTest::newRow("at minus Wisdom still unconscious")
            << u"-9"_s << 12 << 9 << u"12"_s << u"unconscious"_s << u"-9"_s;
        QTest::newRow("ghosted") << u"-10"_s << 12 << 9 << u"12"_s << u"ghosted"_s << u"-10"_s;
        QTest::newRow("between 0 and 1") << u"0.5"_s << 12 << 9 << u"12"_s << u"wounded"_s << u"0.5"_s;
        QTest::newRow("above Power takes the caption") << u"20"_s << 12 << 9 << u"12"_s << u"being"_s << u"12"_s;
        QTest::newRow("design caption taken as it is") << u"15"_s << 12 << 9 << u"00"_s << u"being"_s << u"00"_s;
        QTest::newRow("Power 1 health 1") << u"1"_s << 1 << 9 << u"1"_s << u"being"_s << u"1"_s;
        QTest::newRow("negative Wisdom ghosts positive health")
            << u"2"_s << 12 << -3 << u"12"_s << u"ghosted"_s << u"2"_s;
        QTest::newRow("negative Wisdom ghosts health 1") << u"1"_s << 12 << -3 << u"12"_s << u"ghosted"_s << u"1"_s;
        QTest::newRow("lowest Wisdom") << u"0"_s << 12 << -32768 << u"12"_s << u"ghosted"_s << u"0"_s;
        QTest::newRow("text health counts as 0") << u"abc"_s << 12 << 9 << u"12"_s << u"barely conscious"_s << u"abc"_s;
    }
    void condition()
    {
        QFETCH(QString, health);
        QFETCH(int, power);
        QFETCH(int, wisdom);
        QFETCH(QString, powerCaption);
        QFETCH(QString, word);
        QFETCH(QString, healthAfter);
        Character c = withHealth(health, power, wisdom);
        updateCondition(c, powerCaption);
        QCOMPARE(c.CharText[slot::text::Condition], word);
        QCOMPARE(c.CharText[slot::text::Health], healthAfter);
    }

    void damage_data()
    {
        QTest::addColumn<QString>("health");
        QTest::addColumn<int>("armour");
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("after");
        QTest::newRow("no armour takes it all") << u"12"_s << 1 << u"5"_s << u"7"_s;
        QTest::newRow("armour 2 halves, rounded down") << u"12"_s << 2 << u"5"_s << u"10"_s;
        QTest::newRow("armour 3 takes nothing of 2") << u"12"_s << 3 << u"2"_s << u"12"_s;
        QTest::newRow("threshold not passed") << u"12"_s << -4 << u"4"_s << u"12"_s;
        QTest::newRow("threshold passed takes all") << u"12"_s << -4 << u"5"_s << u"7"_s;
        QTest::newRow("armour 0 takes nothing") << u"12"_s << 0 << u"50"_s << u"12"_s;
        QTest::newRow("negative damage heals, floor") << u"10"_s << 2 << u"-3"_s << u"12"_s;
        QTest::newRow("negative damage under threshold") << u"10"_s << -1 << u"-3"_s << u"10"_s;
        QTest::newRow("2.5 counts as 2") << u"12"_s << 1 << u"2.5"_s << u"10"_s;
        QTest::newRow("3.5 counts as 4") << u"12"_s << 1 << u"3.5"_s << u"8"_s;
        QTest::newRow("text counts as 0") << u"12"_s << 1 << u"ouch"_s << u"12"_s;
        QTest::newRow("empty counts as 0") << u"12"_s << 1 << u""_s << u"12"_s;
        QTest::newRow("fractional health rounded first") << u"12.5"_s << 1 << u"0"_s << u"12"_s;
        QTest::newRow("huge damage saturates") << u"-30000"_s << 1 << u"99999"_s << u"-32768"_s;
        QTest::newRow("huge healing saturates") << u"30000"_s << 1 << u"-99999"_s << u"32767"_s;
        QTest::newRow("lowest armour threshold") << u"12"_s << -32768 << u"32767"_s << u"12"_s;
    }
    void damage()
    {
        QFETCH(QString, health);
        QFETCH(int, armour);
        QFETCH(QString, damage);
        QFETCH(QString, after);
        Character c = withHealth(health, 14, 9, armour);
        applyDamage(c, damage);
        QCOMPARE(c.CharText[slot::text::Health], after);
    }

    void heal()
    {
        Character c = withHealth(QStringLiteral("-3"), 14);
        healToFull(c);
        QCOMPARE(c.CharText[slot::text::Health], QStringLiteral("14"));
    }
};

QTEST_APPLESS_MAIN(TestSheet)
#include "test_sheet.moc"
