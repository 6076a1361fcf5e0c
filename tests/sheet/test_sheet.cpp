// What the sheet shows for a record, the condition word, damage and healing.
#include "sheet/condition.h"
#include "sheet/damage.h"
#include "sheet/sheet_captions.h"

#include <QtTest>

using namespace sheet;

namespace {
Character withHealth(const QString& health, int power, int wisdom = 9, int armour = 1)
{
    Character c;
    c.CharText[TextSlot::Health] = health;
    c.CharValue[ValueSlot::Power] = std::int16_t(power);
    c.CharValue[ValueSlot::Wisdom] = std::int16_t(wisdom);
    c.CharValue[ValueSlot::Armour] = std::int16_t(armour);
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
        c.CharText[TextSlot::Sex] = QStringLiteral("female");
        c.CharText[TextSlot::Kind] = QStringLiteral("humanoid");
        c.CharText[TextSlot::Condition] = QStringLiteral("wounded");
        c.CharText[TextSlot::Health] = QStringLiteral("12.0");
        c.CharValue[ValueSlot::Perception] = -3;
        c.CharValue[ValueSlot::Armour] = 2;
        c.CharText[TextSlot::Armour] = QStringLiteral("chain");
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
        QTest::newRow("number") << "45" << "45";
        QTest::newRow("fraction") << "12.5" << "12.5";
        QTest::newRow("percent") << "45%" << "45";
        QTest::newRow("text") << "abc" << "0";
        QTest::newRow("empty") << "" << "0";
    }
    void row0Value()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        Character c;
        c.CharText[TextSlot::Row0Value] = stored;
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
        QTest::newRow("wounded") << "5" << 12 << 9 << "12" << "wounded" << "5";
        QTest::newRow("mutilated") << "1" << 12 << 9 << "12" << "mutilated" << "1";
        QTest::newRow("barely conscious") << "0" << 12 << 9 << "12" << "barely conscious" << "0";
        QTest::newRow("unconscious") << "-2" << 12 << 9 << "12" << "unconscious" << "-2";
        QTest::newRow("at minus Wisdom still unconscious") << "-9" << 12 << 9 << "12" << "unconscious" << "-9";
        QTest::newRow("ghosted") << "-10" << 12 << 9 << "12" << "ghosted" << "-10";
        QTest::newRow("between 0 and 1") << "0.5" << 12 << 9 << "12" << "wounded" << "0.5";
        QTest::newRow("above Power takes the caption") << "20" << 12 << 9 << "12" << "being" << "12";
        QTest::newRow("design caption taken as it is") << "15" << 12 << 9 << "00" << "being" << "00";
        QTest::newRow("Power 1 health 1") << "1" << 1 << 9 << "1" << "being" << "1";
        QTest::newRow("negative Wisdom ghosts positive health") << "2" << 12 << -3 << "12" << "ghosted" << "2";
        QTest::newRow("negative Wisdom ghosts health 1") << "1" << 12 << -3 << "12" << "ghosted" << "1";
        QTest::newRow("lowest Wisdom") << "0" << 12 << -32768 << "12" << "ghosted" << "0";
        QTest::newRow("text health counts as 0") << "abc" << 12 << 9 << "12" << "barely conscious" << "abc";
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
        QCOMPARE(c.CharText[TextSlot::Condition], word);
        QCOMPARE(c.CharText[TextSlot::Health], healthAfter);
    }

    void damage_data()
    {
        QTest::addColumn<QString>("health");
        QTest::addColumn<int>("armour");
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("after");
        QTest::newRow("no armour takes it all") << "12" << 1 << "5" << "7";
        QTest::newRow("armour 2 halves, rounded down") << "12" << 2 << "5" << "10";
        QTest::newRow("armour 3 takes nothing of 2") << "12" << 3 << "2" << "12";
        QTest::newRow("threshold not passed") << "12" << -4 << "4" << "12";
        QTest::newRow("threshold passed takes all") << "12" << -4 << "5" << "7";
        QTest::newRow("armour 0 takes nothing") << "12" << 0 << "50" << "12";
        QTest::newRow("negative damage heals, floor") << "10" << 2 << "-3" << "12";
        QTest::newRow("negative damage under threshold") << "10" << -1 << "-3" << "10";
        QTest::newRow("2.5 counts as 2") << "12" << 1 << "2.5" << "10";
        QTest::newRow("3.5 counts as 4") << "12" << 1 << "3.5" << "8";
        QTest::newRow("text counts as 0") << "12" << 1 << "ouch" << "12";
        QTest::newRow("empty counts as 0") << "12" << 1 << "" << "12";
        QTest::newRow("fractional health rounded first") << "12.5" << 1 << "0" << "12";
        QTest::newRow("huge damage saturates") << "-30000" << 1 << "99999" << "-32768";
        QTest::newRow("huge healing saturates") << "30000" << 1 << "-99999" << "32767";
        QTest::newRow("lowest armour threshold") << "12" << -32768 << "32767" << "12";
    }
    void damage()
    {
        QFETCH(QString, health);
        QFETCH(int, armour);
        QFETCH(QString, damage);
        QFETCH(QString, after);
        Character c = withHealth(health, 14, 9, armour);
        applyDamage(c, damage);
        QCOMPARE(c.CharText[TextSlot::Health], after);
    }

    void heal()
    {
        Character c = withHealth(QStringLiteral("-3"), 14);
        healToFull(c);
        QCOMPARE(c.CharText[TextSlot::Health], QStringLiteral("14"));
    }
};

QTEST_APPLESS_MAIN(TestSheet)
#include "test_sheet.moc"
