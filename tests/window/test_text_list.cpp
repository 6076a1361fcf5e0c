// The drawn list box alone: which row the keys and the mouse choose, and what each choice tells.
#include "window/widgets/text_list.h"

#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
constexpr int kPage = -2; // the row a page below the first
const QStringList kRows{u"apple"_s, u"banana"_s, u"berry"_s, u"cherry"_s, u"blue"_s, u"date"_s, u"elder"_s,
                        u"fig"_s,   u"grape"_s,  u"kiwi"_s,  u"lime"_s,   u"mango"_s};
} // namespace

class TestTextList : public QObject {
    Q_OBJECT
private slots:
    void keysChooseRows_data()
    {
        QTest::addColumn<QString>("keys"); // a letter is typed; otherwise a key by name, space-separated
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("chosen"); // how often rowChosen was sent
        // The list has the focus, and the focus on its first row, which is not chosen yet.
        QTest::newRow("Space chooses the focus row") << "Space" << 0 << 1;
        QTest::newRow("Down leaves the focus row") << "Down" << 1 << 1;
        QTest::newRow("Down, Down, Up") << "Down Down Up" << 1 << 3;
        QTest::newRow("Up at the top chooses nothing") << "Up" << -1 << 0;
        QTest::newRow("Up at the top stays, told once") << "Down Up Up" << 0 << 2;
        QTest::newRow("End, then Down stays") << "End Down" << 11 << 1;
        QTest::newRow("a page down") << "PageDown" << kPage << 1;
        QTest::newRow("Home") << "End Home" << 0 << 2;
        QTest::newRow("a typed word") << "b e" << 2 << 2;
        QTest::newRow("a word nothing starts with") << "b b b" << 1 << 1;
        QTest::newRow("nothing starts so") << "z" << -1 << 0;
    }
    void keysChooseRows()
    {
        QFETCH(QString, keys);
        QFETCH(int, row);
        QFETCH(int, chosen);
        window::TextList list;
        list.resize(120, 5 * 20); // about five rows high
        list.setTexts(kRows);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QVERIFY(list.hasFocus());
        QSignalSpy told(&list, &window::TextList::rowChosen);
        static const QHash<QString, Qt::Key> named{{u"Down"_s, Qt::Key_Down}, {u"Up"_s, Qt::Key_Up},
                                                   {u"End"_s, Qt::Key_End},   {u"Home"_s, Qt::Key_Home},
                                                   {u"PageDown"_s, Qt::Key_PageDown}, {u"Space"_s, Qt::Key_Space}};
        const int top = list.rowRect(0).height(); // measured before the list scrolls
        for (const QString& key : keys.split(u' ')) {
            if (named.contains(key)) QTest::keyClick(&list, named.value(key));
            else QTest::keyClicks(&list, key);
        }
        if (row == kPage) row = list.viewport()->height() / top - 1;
        QCOMPARE(list.isRowSelected(list.currentRow()) ? list.currentRow() : -1, row);
        QCOMPARE(told.size(), chosen);
        if (row >= 0) QVERIFY(!list.rowRect(row).isEmpty()); // the chosen row is scrolled into view
    }

    void clicksAndDragsChooseRows()
    {
        window::TextList list;
        list.resize(120, 400);
        list.setTexts(kRows);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy told(&list, &window::TextList::rowChosen);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.rowRect(1).center());
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.rowRect(1).center()); // the chosen row again
        QTest::mousePress(list.viewport(), Qt::LeftButton, {}, list.rowRect(2).center());
        QTest::mouseMove(list.viewport(), list.rowRect(4).center());
        QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, list.rowRect(4).center());
        QCOMPARE(told.size(), 3 + 1); // row 1 twice, then 2, and 4 as the drag reached it
        QCOMPARE(told.last().constFirst().toInt(), 4);
        QVERIFY(list.isRowSelected(4));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, QPoint(5, list.viewport()->height() - 2));
        QVERIFY(list.isRowSelected(4)); // below the last row: nothing
        list.setRows(3, [](int r) { return QString::number(r); });
        QCOMPARE(list.currentRow(), -1);
        QCOMPARE(list.text(2), u"2"_s);
        QCOMPARE(list.text(3), QString());
    }
};

QTEST_MAIN(TestTextList)
#include "test_text_list.moc"
