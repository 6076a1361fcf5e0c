#include "creation/names.h"

#include "common/random_source.h"
#include "support/scripted_random.h"

#include <QtTest>

using creation::buildName;
using creation::SyllableTables;

namespace {

// The draw that picks row `row` of a table with `rows` rows.
double rowDraw(int row, int rows) { return (row + 0.5) / rows; }

// Passes a seeded sequence through and keeps every draw, so a name can be rebuilt from part of it.
class RecordingRandom final : public common::RandomSource {
public:
    double draw() override
    {
        const double x = inner.draw();
        draws.append(x);
        return x;
    }
    void reseed(double seed) override { inner.reseed(seed); }

    common::SeededRandom inner;
    QList<double> draws;
};

} // namespace

class TestNames : public QObject {
    Q_OBJECT

private:
    SyllableTables tables_;

private slots:
    void initTestCase()
    {
        // Stale rows must be cleared by the fill, not left past the filled ones.
        tables_.NameConsonantGroups.fill(QStringLiteral("stale"));
        creation::fillSyllableTables(tables_);
    }

    void filledRows_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("filled");
        QTest::newRow("vowels") << 0 << 5;
        QTest::newRow("consonants") << 1 << 12;
        QTest::newRow("vowel groups") << 2 << 25;
        QTest::newRow("consonant groups") << 3 << 61;
    }

    void filledRows()
    {
        QFETCH(int, table);
        QFETCH(int, filled);
        const QString* rows[] = {tables_.NameVowels.data(), tables_.NameConsonants.data(),
                                 tables_.NameVowelGroups.data(), tables_.NameConsonantGroups.data()};
        const int sizes[] = {51, 51, 101, 101};
        for (int i = 0; i < sizes[table]; ++i)
            QVERIFY2(rows[table][i].isEmpty() == (i >= filled), qPrintable(QString::number(i)));
    }

    // Draws counted by hand: 4 to set up, 3 per vowel step (k redrawn, group choice, row),
    // 4 per consonant step (k redrawn, group choice, row, end check).
    void constantDraws_data()
    {
        QTest::addColumn<double>("draw");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("drawn");
        // n = 4, vowel start, every step takes row 0 of a group table, the end check never fires.
        QTest::newRow("always 0") << 0.0 << "Abababa" << 4 + 4 * 3 + 3 * 4;
        // n = 3, consonant start; the first step is forced single (k redrawn, row, end check),
        // vowel steps draw choice and row, later consonant steps choice, row and end check.
        QTest::newRow("always 0.9999") << 0.9999 << "Susus" << 4 + 3 + 2 + 3 + 2 + 3;
    }

    void constantDraws()
    {
        QFETCH(double, draw);
        QFETCH(QString, name);
        QFETCH(int, drawn);
        ScriptedRandom random({draw});
        QCOMPARE(buildName(tables_, random), name);
        QCOMPARE(random.drawn, drawn);
    }

    // A consonant start whose first part is a group row, then a forced single vowel "i" and a
    // single consonant "t" that ends the name. The rows at the table's seams and the marks show
    // that each row sits at its place; a mark stays first and nothing after it is capitalised.
    void firstConsonantGroup_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::newRow("row 0") << 0 << "Bit";
        QTest::newRow("row 9") << 9 << "Fit";
        QTest::newRow("row 31") << 31 << "Qit";
        QTest::newRow("row 43") << 43 << "Wit";
        QTest::newRow("row 44") << 44 << "Whit";
        QTest::newRow("row 45") << 45 << "Wit";
        QTest::newRow("tilde at 48") << 48 << "~it";
        QTest::newRow("apostrophe at 54") << 54 << "'it";
        QTest::newRow("hyphen at 60") << 60 << "-it";
    }

    void firstConsonantGroup()
    {
        QFETCH(int, row);
        QFETCH(QString, name);
        ScriptedRandom random({
            0.0, 0.5, 0.5,    // n = 2, no extra steps
            0.5,              // s = 1: consonant start
            0.0,              // k redrawn to 0: not forced single
            0.0,              // group row ...
            rowDraw(row, 61), // ... this one
            0.0,              // end check 0: go on
            0.5,              // k redrawn to 1: forced single vowel
            0.0,              // group wanted, but ignored because the step is forced single
            rowDraw(2, 5),    // "i"; n = 1
            0.9,              // single consonant ...
            rowDraw(10, 12),  // ... "t"
            0.5,              // end check 1 with n = 1: the name ends here
            0.0,              // must not be reached
        });
        QCOMPARE(buildName(tables_, random), name);
        QCOMPARE(random.drawn, 14);
    }

    void vowelStartEndsOnVowel()
    {
        // n = 2, vowel start, k redrawn to 1 forcing "o" (the group choice is drawn all the same),
        // consonant group "sh" (k is 2 now, no redraw), end check 0, then the vowel group "oeu"
        // ends the name as n reaches 0.
        ScriptedRandom random(
            {0.0, 0.5, 0.5, 0.0, 0.5, 0.9, rowDraw(3, 5), 0.0, rowDraw(36, 61), 0.0, 0.0, rowDraw(17, 25), 0.0});
        QCOMPARE(buildName(tables_, random), QStringLiteral("Oshoeu"));
        QCOMPARE(random.drawn, 12);
    }

    void consecutiveNamesAreIndependent()
    {
        ScriptedRandom constant({0.0});
        QCOMPARE(buildName(tables_, constant), QStringLiteral("Abababa"));
        QCOMPARE(buildName(tables_, constant), QStringLiteral("Abababa"));

        // The second name depends only on the draws after the first name's.
        RecordingRandom random;
        random.reseed(7);
        const QString first = buildName(tables_, random);
        const qsizetype used = random.draws.size();
        const QString second = buildName(tables_, random);
        ScriptedRandom replay(random.draws.mid(used));
        QCOMPARE(buildName(tables_, replay), second);
        QCOMPARE(replay.drawn, random.draws.size() - used);
        QVERIFY(!second.startsWith(first));
    }

    void seededNamesUseOnlyTableCharacters()
    {
        QString allowed;
        for (const auto* table : {&tables_.NameVowelGroups, &tables_.NameConsonantGroups})
            for (const QString& row : *table) allowed += row;
        for (const QString& row : tables_.NameConsonants) allowed += row;

        common::SeededRandom random;
        random.reseed(2024);
        bool sawMarkFirst = false;
        for (int i = 0; i < 5000; ++i) {
            const QString name = buildName(tables_, random);
            // 2 to 10 parts of 1 to 3 characters; consonant parts have at most 2.
            QVERIFY2(name.size() >= 2 && name.size() <= 25, qPrintable(name));
            const QChar first = name[0];
            QVERIFY2(first.isUpper() || QStringLiteral("~'-").contains(first), qPrintable(name));
            sawMarkFirst = sawMarkFirst || !first.isLetter();
            QVERIFY2(allowed.contains(first.toLower()), qPrintable(name));
            for (qsizetype c = 1; c < name.size(); ++c) QVERIFY2(allowed.contains(name[c]), qPrintable(name));
        }
        QVERIFY(sawMarkFirst);
    }
};

QTEST_APPLESS_MAIN(TestNames)
#include "test_names.moc"
