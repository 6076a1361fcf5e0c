// The printed sheet's pages: which band goes onto which page, and where on it.
#include "window/printing/sheet_printer.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// "0@0 1@40 | 2@10": the bands of each page by number, each at its top.
QString placesOf(const std::vector<std::vector<window::PlacedBand>>& pages)
{
    QStringList words;
    for (const auto& page : pages) {
        if (!words.isEmpty()) words.append(u"|"_s);
        for (const window::PlacedBand& placed : page) words.append(u"%1@%2"_s.arg(placed.band).arg(placed.top));
    }
    return words.join(u' ');
}

} // namespace

class TestSheetPages : public QObject {
    Q_OBJECT
private slots:
    // Bands of those heights on pages 100 high, every further page under a head 10 high; "h" marks a
    // heading, which stays with the band after it.
    void pour_data()
    {
        QTest::addColumn<QStringList>("bands");
        QTest::addColumn<QString>("pages");
        QTest::newRow("all on one page") << QStringList{u"30"_s, u"30"_s, u"40"_s} << u"0@0 1@30 2@60"_s;
        QTest::newRow("the band that does not fit starts the next page, under the head")
            << QStringList{u"40"_s, u"40"_s, u"40"_s, u"50"_s} << u"0@0 1@40 | 2@10 3@50"_s;
        QTest::newRow("a heading goes with its row")
            << QStringList{u"40"_s, u"45"_s, u"10h"_s, u"20"_s} << u"0@0 1@40 | 2@10 3@20"_s;
        QTest::newRow("a heading that fits with its row stays")
            << QStringList{u"40"_s, u"40"_s, u"10h"_s, u"10"_s} << u"0@0 1@40 2@80 3@90"_s;
        QTest::newRow("a band taller than a page has a page to itself")
            << QStringList{u"10"_s, u"150"_s, u"10"_s} << u"0@0 | 1@10 | 2@10"_s;
        QTest::newRow("no blank page before a first band taller than a page") << QStringList{u"150"_s} << u"0@0"_s;
    }
    void pour()
    {
        QFETCH(QStringList, bands);
        QFETCH(QString, pages);
        std::vector<window::Band> made;
        for (QString band : bands) {
            const bool heading = band.endsWith(u'h');
            if (heading) band.chop(1);
            made.push_back({band.toDouble(), {}, {}, {}, heading});
        }
        QCOMPARE(placesOf(window::pour(made, 10, 100)), pages);
    }
};

QTEST_MAIN(TestSheetPages)
#include "test_sheet_pages.moc"
