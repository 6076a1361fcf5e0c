#include "reference/reference_tables.h"

#include <QtTest>

#include <memory>

using namespace reference;

class TestReferenceTables : public QObject {
    Q_OBJECT

private:
    // The tables are large; keep them off the stack.
    std::unique_ptr<RaceNameTable> names = std::make_unique<RaceNameTable>();
    std::unique_ptr<RaceChakraTable> chakra = std::make_unique<RaceChakraTable>();
    std::unique_ptr<TeleportErrorTable> errors = std::make_unique<TeleportErrorTable>();

private slots:
    void initTestCase()
    {
        // Stale content must be cleared by the fill, not left in the unused entries.
        names->fill(QStringLiteral("stale"));
        chakra->fill(9);
        errors->fill(QStringLiteral("stale"));
        fillRaces(*names, *chakra);
        fillTeleportErrors(*errors);
    }

    // Rows at the column seams of the printed tables catch shifted or swapped transcriptions.
    void race_data()
    {
        QTest::addColumn<int>("race");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("attribute");
        QTest::newRow("first") << 1 << "Dwarf of Valley" << 1;
        QTest::newRow("Minotaur 25") << 25 << "Minotaur" << 7;
        QTest::newRow("end of column 1") << 40 << "Rain Barbarian" << 4;
        QTest::newRow("start of column 2") << 41 << "Moon Barbarian" << 7;
        QTest::newRow("end of column 2") << 80 << "Leprechaun" << 4;
        QTest::newRow("start of column 3") << 81 << "Nessi" << 7;
        QTest::newRow("Minotaur 82") << 82 << "Minotaur" << 6;
        QTest::newRow("last") << 120 << "Obsydian Elf" << 6;
        QTest::newRow("race 0 is unused") << 0 << "" << int(kNoAttribute);
        QTest::newRow("race 121 is unused") << 121 << "" << int(kNoAttribute);
        QTest::newRow("last entry is unused") << kRaceCapacity - 1 << "" << int(kNoAttribute);
    }

    void race()
    {
        QFETCH(int, race);
        QFETCH(QString, name);
        QFETCH(int, attribute);
        QCOMPARE(names->at(race), name);
        QCOMPARE(int(chakra->at(race)), attribute);
    }

    void everyRaceFavoursAnAttribute()
    {
        for (int r = 1; r <= kRaceCount; ++r) {
            QVERIFY2(!names->at(r).isEmpty(), qPrintable(QString::number(r)));
            QVERIFY2(chakra->at(r) >= 1 && chakra->at(r) <= 7, qPrintable(QString::number(r)));
        }
    }

    void teleportError_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::newRow("first") << 0 << "hi: 10, 20-50, 50-200,->4k";
        QTest::newRow("end of column 1") << 49 << "bring room with you";
        QTest::newRow("start of column 2") << 50 << "acquire rnd racial traits";
        QTest::newRow("trailing space kept") << 92 << "arrive in shower of rocks d12@d12 ";
        QTest::newRow("last") << 99 << "get roped into godly business";
        QTest::newRow("row 100 is unused") << 100 << "";
    }

    void teleportError()
    {
        QFETCH(int, row);
        QFETCH(QString, text);
        QCOMPARE(errors->at(row), text);
    }

    void everyTeleportErrorHasText()
    {
        for (int i = 0; i < 100; ++i) QVERIFY2(!errors->at(i).isEmpty(), qPrintable(QString::number(i)));
    }

    void legendIsEightLinesEndedByCarriageReturns()
    {
        QCOMPARE(categoryLegend(), QStringLiteral("Armour\rDefense shield\rHelm\rItem\rMagic Spell\r"
                                                  "Object\rSkill\rWeapon\r"));
    }
};

QTEST_APPLESS_MAIN(TestReferenceTables)
#include "test_reference_tables.moc"
