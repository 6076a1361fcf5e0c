// Rolling a random character: races, attribute ranges, favoured attributes, health and words, and
// that one seed always gives the same character.
#include "creation/random_character.h"

#include "support/scripted_random.h"

#include <QtTest>

using namespace creation;
using namespace sheet;

class TestRandomCharacter : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { reference::fillRaces(names_, favoured_); }

    void raceChoice_data()
    {
        QTest::addColumn<int>("requested"); // -1: the box is not checked
        QTest::addColumn<int>("race");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("fixed valid") << 17 << 17 << false;
        QTest::newRow("fixed last") << 120 << 120 << false;
        QTest::newRow("fixed zero draws") << 0 << 61 << true;
        QTest::newRow("fixed above count draws") << 121 << 61 << true;
        QTest::newRow("fixed negative draws") << -5 << 61 << true;
        QTest::newRow("not fixed draws") << -1 << 61 << true;
    }
    void raceChoice()
    {
        QFETCH(int, requested);
        QFETCH(int, race);
        QFETCH(bool, drawn);
        ScriptedRandom random({0.5});
        const std::optional<int> asked = requested == -1 ? std::nullopt : std::optional<int>(requested);
        const RaceChoice choice = chooseRace(asked, random, reference::kRaceCount);
        QCOMPARE(choice.race, race);
        QCOMPARE(choice.drawn, drawn);
        QCOMPARE(random.drawn, drawn ? 1 : 0);
    }

    void drawnRaceCoversOneToCount()
    {
        ScriptedRandom lowest({0.0});
        QCOMPARE(drawRace(lowest, 120), 1);
        ScriptedRandom highest({0.99999999});
        QCOMPARE(drawRace(highest, 120), 120);
    }

    void scriptedRoll()
    {
        // Dice of 0 everywhere but Heart's (5, 5, 5) and a sex draw of 0.6; race 82 favours Strength.
        QList<double> draws(21, 0.0);
        draws[9] = draws[10] = draws[11] = 0.99;
        draws.append(0.6);
        ScriptedRandom random(draws);
        Character c;
        c.CharText[slot::text::Row0Name] = QStringLiteral("kept");
        rollCharacter(c, 82, {names_, favoured_, reference::kRaceCount}, random);
        QCOMPARE(random.drawn, 22);
        const QList<int> attributes{c.CharValue.numbered(1), c.CharValue.numbered(2), c.CharValue.numbered(3),
                                    c.CharValue.numbered(4), c.CharValue.numbered(5), c.CharValue.numbered(6),
                                    c.CharValue.numbered(7)};
        QCOMPARE(attributes, (QList<int>{5, 5, 5, 20, 5, 12, 5}));
        QCOMPARE(c.CharText[slot::text::Health], QStringLiteral("5"));
        QCOMPARE(c.CharText[slot::text::Race], QStringLiteral("Minotaur"));
        QCOMPARE(c.CharText[slot::text::Sex], QStringLiteral("male"));
        QCOMPARE(c.CharText[slot::text::Kind], QStringLiteral("humanoid"));
        QCOMPARE(c.CharText[slot::text::Condition], QStringLiteral("being"));
        QCOMPARE(c.CharText[slot::text::Row0Name], QStringLiteral("kept"));
    }

    void thousandsOfSeeds()
    {
        common::SeededRandom random;
        for (int seed = 0; seed < 3000; ++seed) {
            random.reseed(seed);
            const int race = drawRace(random, reference::kRaceCount);
            QVERIFY(race >= 1 && race <= 120);
            Character c;
            rollCharacter(c, race, {names_, favoured_, reference::kRaceCount}, random);
            for (int i = 1; i <= 7; ++i)
                QVERIFY2(c.CharValue.numbered(i) >= 5 && c.CharValue.numbered(i) <= 20,
                         qPrintable(QString::number(seed)));
            QVERIFY(c.CharValue.numbered(favoured_[race]) >= 12);
            QCOMPARE(c.CharText[slot::text::Health], QString::number(c.CharValue[slot::value::Power]));
            QVERIFY(c.CharText[slot::text::Sex] == u"male" || c.CharText[slot::text::Sex] == u"female");
            QCOMPARE(c.CharText[slot::text::Kind], QStringLiteral("humanoid"));
            QCOMPARE(c.CharText[slot::text::Condition], QStringLiteral("being"));
            QCOMPARE(c.CharText[slot::text::Race], names_[race]);
        }
    }

    void seedMapsToTheEngineTheSameEverywhere()
    {
        // The seed number's bit pattern is the engine's seed, and each draw is the top 53 bits of
        // one 64-bit output: these exact draws must come out on every machine and compiler.
        QCOMPARE(common::SeededRandom::engineSeed(1.0), quint64(0x3FF0000000000000ULL));
        QCOMPARE(common::SeededRandom::engineSeed(-0.0), quint64(0));
        common::SeededRandom random;
        random.reseed(1);
        QCOMPARE(random.draw(), 0.80938816940729352);
        QCOMPARE(random.draw(), 0.56819079578630105);
        QCOMPARE(random.draw(), 0.17145475439422808);
        random.reseed(1);
        QCOMPARE(random.draw(), 0.80938816940729352);
    }

private:
    reference::RaceNameTable names_;
    reference::RaceChakraTable favoured_{};
};

QTEST_APPLESS_MAIN(TestRandomCharacter)
#include "test_random_character.moc"
