// What an in-place edit stores and shows.
#include "sheet/edits.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace sheet;

class TestEdits : public QObject {
    Q_OBJECT
private slots:
    void attribute_data()
    {
        QTest::addColumn<int>("label");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("caption");
        QTest::newRow("half to even down") << 6 << "12.5" << 12 << "12.5";
        QTest::newRow("half to even up") << 6 << "13.5" << 14 << "13.5";
        QTest::newRow("text stores 0") << 2 << "clever" << 0 << "0";
        QTest::newRow("spell essence") << 0 << "7" << 7 << "7";
        QTest::newRow("too large saturates") << 7 << "99999" << 32767 << "99999";
    }
    void attribute()
    {
        QFETCH(int, label);
        QFETCH(QString, typed);
        QFETCH(int, stored);
        QFETCH(QString, caption);
        Character c;
        const AttributeEdit edit = commitAttributeEdit(c, label, typed);
        QCOMPARE(int(c.CharValue.numbered(label)), stored);
        QCOMPARE(edit.caption, caption);
        QCOMPARE(edit.boxText, typed);
    }

    void health_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("caption");
        QTest::newRow("above Power becomes Power") << u"20"_s << u"14"_s << u"14"_s;
        QTest::newRow("unit kept in the record") << u"7 hp"_s << u"7 hp"_s << u"7"_s;
        QTest::newRow("at Power kept") << u"14"_s << u"14"_s << u"14"_s;
        QTest::newRow("fraction kept") << u"3.5"_s << u"3.5"_s << u"3.5"_s;
    }
    void health()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(QString, caption);
        Character c;
        c.CharValue[slot::value::Power] = 14;
        c.CharText[slot::text::Condition] = QStringLiteral("wounded");
        const AttributeEdit edit = commitAttributeEdit(c, kHealthLabel, typed);
        QCOMPARE(c.CharText[slot::text::Health], stored);
        QCOMPARE(edit.boxText, stored);
        QCOMPARE(edit.caption, caption);
        QCOMPARE(c.CharText[slot::text::Condition], QStringLiteral("wounded"));
        QCOMPARE(int(c.CharValue[slot::value::Power]), 14);
    }

    void initiative_data()
    {
        QTest::addColumn<QString>("perception");
        QTest::addColumn<QString>("nimbleness");
        QTest::addColumn<QString>("caption");
        QTest::newRow("only Perception above 13") << u"15"_s << u"11"_s << u"11"_s;
        QTest::newRow("both above 13") << u"14"_s << u"16"_s << u"16"_s;
        QTest::newRow("13 is not above") << u"13"_s << u"13"_s << u"6"_s;
        QTest::newRow("shown fraction counts") << u"14.5"_s << u"0"_s << u"10.5"_s;
        QTest::newRow("design captions") << u"00"_s << u"00"_s << u"6"_s;
    }
    void initiative()
    {
        QFETCH(QString, perception);
        QFETCH(QString, nimbleness);
        QFETCH(QString, caption);
        QCOMPARE(initiativeCaption(perception, nimbleness), caption);
    }

    void abilityRows()
    {
        Character c;
        c.CharValue[slot::value::Power] = 14;
        commitAbilityName(c, 0, QStringLiteral("juggling"));
        QCOMPARE(c.CharText[slot::text::Row0Name], QStringLiteral("juggling"));
        QCOMPARE(commitAbilityValue(c, 0, QStringLiteral("45%")), QStringLiteral("45"));
        QCOMPARE(c.CharText[slot::text::Row0Value], QStringLiteral("45"));
        QCOMPARE(int(c.CharValue[slot::value::Power]), 14); // row 0's value is not a slot of its own number

        commitAbilityName(c, 7, QStringLiteral("shock"));
        QCOMPARE(c.CharText[slot::text::SystemShock], QStringLiteral("shock"));
        QCOMPARE(commitAbilityValue(c, 3, QStringLiteral("12.5")), QStringLiteral("12.5"));
        QCOMPARE(int(c.CharValue[slot::value::Initiative]), 12);
    }
};

QTEST_APPLESS_MAIN(TestEdits)
#include "test_edits.moc"
