// Versions of replaced files: what a save keeps, where, and what thinning leaves.
#include "versions/version_changes.h"
#include "versions/version_store.h"

#include "common/files.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace versions;

namespace {

const QDateTime kNow(QDate(2026, 12, 9), QTime(9, 41, 7), Qt::UTC);

QByteArray contentOf(const QString& path) { return common::readWholeFile(path, common::kSmallFileLimit).value_or("-"); }

} // namespace

class TestVersions : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString folder(const QString& name)
    {
        const QString path = common::joinPath(dir_.path(), name);
        common::makeFolders(path);
        return path;
    }

private slots:
    // A save over a file keeps what it replaced, newest first; the same bytes again keep nothing; a
    // file of the same name in another folder has versions of its own; a file of another kind none.
    void savesKeepWhatTheyReplace()
    {
        const Store store(folder(u"program"_s));
        const QString tessa = common::joinPath(folder(u"a"_s), u"Tessa.QOZ"_s);
        const QString otherTessa = common::joinPath(folder(u"b"_s), u"Tessa.QOZ"_s);
        const QString notes = common::joinPath(folder(u"a"_s), u"notes.txt"_s);
        for (const char* bytes : {"one", "two", "two", "three"}) QVERIFY(store.save(tessa, bytes, kNow));
        QVERIFY(store.save(otherTessa, "other", kNow) && store.save(otherTessa, "other 2", kNow));
        QVERIFY(store.save(notes, "x", kNow) && store.save(notes, "y", kNow));

        const QList<Version> versions = store.versionsOf(tessa);
        QCOMPARE(versions.size(), 2);
        QCOMPARE(contentOf(versions[0].copy), "two");
        QCOMPARE(contentOf(versions[1].copy), "one");
        QCOMPARE(QFileInfo(versions[1].copy).fileName(), u"2026-12-09 09.41.07.QOZ"_s);
        QCOMPARE(QFileInfo(versions[0].copy).fileName(), u"2026-12-09 09.41.07-2.QOZ"_s);
        QCOMPARE(versions[0].size, 3);
        QCOMPARE(store.versionsOf(otherTessa).size(), 1);
        QCOMPARE(contentOf(store.versionsOf(otherTessa)[0].copy), "other");
        QVERIFY(store.versionsOf(notes).isEmpty());
        QVERIFY(Store(QString()).save(tessa, "four", kNow) && Store(QString()).versionsOf(tessa).isEmpty());
    }

    // The newest 20 always stay; of the others every one of the last day, then one a day for 30
    // days, then one a week.
    void thinningKeepsOneAPeriod_data()
    {
        QTest::addColumn<QList<double>>("hoursAgo");
        QTest::addColumn<QList<qsizetype>>("thinned");
        const QList<double> recent(20, 0.5);
        QTest::newRow("few") << QList<double>{1, 50, 50, 2000} << QList<qsizetype>{};
        QTest::newRow("the last day") << recent + QList<double>{1, 2, 23} << QList<qsizetype>{};
        QTest::newRow("calendar days") << recent + QList<double>{30, 40, 49, 50, 73} << QList<qsizetype>{22, 23};
        QTest::newRow("calendar weeks") << recent + QList<double>{800, 900, 1000, 1100, 1300} << QList<qsizetype>{23};
        QTest::newRow("the newest 20 stay") << QList<double>(25, 100) << QList<qsizetype>{20, 21, 22, 23, 24};
    }
    void thinningKeepsOneAPeriod()
    {
        QFETCH(QList<double>, hoursAgo);
        QFETCH(QList<qsizetype>, thinned);
        QList<QDateTime> times;
        for (const double hours : hoursAgo) times.append(kNow.addSecs(qint64(-hours * 3600)));
        QCOMPARE(thinnedOut(times, kNow), thinned);
    }

    // Saved again and again and thinned after each save, a file keeps versions of long ago: the one
    // kept for a day or a week is not replaced by a newer one as it ages.
    void thinningKeepsTheOldOnes_data()
    {
        QTest::addColumn<int>("everyHours");
        QTest::newRow("hourly") << 1;
        QTest::newRow("twice a day") << 12;
        QTest::newRow("every 20 hours") << 20;
    }
    void thinningKeepsTheOldOnes()
    {
        QFETCH(int, everyHours);
        QList<QDateTime> kept; // newest first
        QDateTime now = kNow;
        for (int save = 0; save < 60 * 24 / everyHours; ++save, now = now.addSecs(everyHours * 3600)) {
            kept.prepend(now);
            const QList<qsizetype> out = thinnedOut(kept, now);
            for (auto i = out.rbegin(); i != out.rend(); ++i) kept.removeAt(*i);
        }
        QVERIFY2(kept.last().daysTo(now) >= 52, qPrintable(kept.last().toString()));
        QVERIFY2(kept.size() <= kAlwaysKept + 24 + 31 + 9, qPrintable(QString::number(kept.size())));
    }

    // What differs, by the names the sheet gives the fields, from the version to the file now.
    void changesAreNamed_data()
    {
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<QByteArray>("now");
        QTest::addColumn<QString>("changes");
        const QByteArray tessa =
            "\"Sea Elf\",\"being\",\"Tessa\",\"\",\"\",\"\",\"\"\r\n12,9,14,8,11,14,13\r\n"
            "\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n0,0,0,0,0,0,0\r\n\"7\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
        const QByteArray tess =
            QByteArray(tessa).replace("Tessa", "Tess").replace("14,13", "15,13").replace("\"7\"", "\"12\"");
        QTest::newRow("a character") << tessa << tess
                                     << u"name Tessa \u2192 Tess, Strength 14 \u2192 15, Health 7 \u2192 12"_s;
        QTest::newRow("the same character") << tessa << tessa << u"no change"_s;
        QTest::newRow("no character") << QByteArray("junk") << tessa << u"cannot be read"_s;
        QTest::newRow("an item") << QByteArray("i\r\nRope\r\n2\r\n") << QByteArray("i\r\nRope\r\n3\r\n")
                                 << u"line 3: 2 \u2192 3"_s;
    }
    void changesAreNamed()
    {
        QFETCH(QByteArray, version);
        QFETCH(QByteArray, now);
        QFETCH(QString, changes);
        const bool character = !version.startsWith("i\r\n");
        QCOMPARE(character ? characterChanges(version, now) : possessionChanges(version, now), changes);
    }

    // Names that are no copy of that ending are left alone.
    void copyNamesReadBack_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("copy");
        QTest::newRow("first") << u"2026-12-09 09.41.07.qod"_s << true;
        QTest::newRow("third") << u"2026-12-09 09.41.07-3.qod"_s << true;
        // Windows takes an ending in another case for the same ending.
        QTest::newRow("ending in another case") << u"2026-12-09 09.41.07.QOD"_s << (kNameCase == Qt::CaseInsensitive);
        QTest::newRow("another ending") << u"2026-12-09 09.41.07.qoa"_s << false;
        QTest::newRow("the path file") << u"2026-12-09 09.41.07.qod.from"_s << false;
        QTest::newRow("no time") << u"2026-13-09 09.41.07.qod"_s << false;
        QTest::newRow("first numbered") << u"2026-12-09 09.41.07-1.qod"_s << false;
    }
    void copyNamesReadBack()
    {
        QFETCH(QString, name);
        QFETCH(bool, copy);
        const std::optional<VersionTime> time = timeOfCopy(name, u".qod"_s);
        QCOMPARE(time.has_value(), copy);
        if (copy) QCOMPARE(copyName(*time, name.right(4)), name);
    }
};

QTEST_GUILESS_MAIN(TestVersions)
#include "test_versions.moc"
