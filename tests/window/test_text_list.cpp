// The drawn list box alone: which row the keys and the mouse choose, and what each choice tells.
#include "window/widgets/text_list.h"

#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
constexpr int kPage = -2; // the row a page below the first
const QStringList kRows{u"apple"_s, u"banana"_s, u"berry"_s, u"cherry"_s, u"blue"_s, u"date"_s,
                        u"elder"_s, u"fig"_s,    u"grape"_s, u"kiwi"_s,   u"lime"_s, u"mango"_s};

// One step of a row of the table: a key by name, letters typed, a click on a row ("click1"), a drag
// from one row to another ("drag2-4"), or new rows for the list ("reset").
void act(window::TextList& list, const QString& step)
{
    static const QHash<QString, Qt::Key> named{{u"Down"_s, Qt::Key_Down},         {u"Up"_s, Qt::Key_Up},
                                               {u"End"_s, Qt::Key_End},           {u"Home"_s, Qt::Key_Home},
                                               {u"PageDown"_s, Qt::Key_PageDown}, {u"Space"_s, Qt::Key_Space}};
    QWidget* rows = list.viewport();
    const auto at = [&](const QString& row) { return list.rowRect(row.toInt()).center(); };
    if (named.contains(step)) {
        QTest::keyClick(&list, named.value(step));
    } else if (step.startsWith(u"click")) {
        QTest::mouseClick(rows, Qt::LeftButton, {}, at(step.mid(5)));
    } else if (step.startsWith(u"drag")) {
        const QStringList ends = step.mid(4).split(u'-');
        QTest::mousePress(rows, Qt::LeftButton, {}, at(ends[0]));
        QTest::mouseMove(rows, at(ends[1]));
        QTest::mouseRelease(rows, Qt::LeftButton, {}, at(ends[1]));
    } else if (step == u"reset") {
        list.setRows(3, [](int r) { return QString::number(r); });
        QCOMPARE(list.text(3), QString()); // past the last row: nothing, not a crash
    } else {
        QTest::keyClicks(&list, step);
    }
}

} // namespace

class TestTextList : public QObject {
    Q_OBJECT
private slots:
    void stepsChooseRows_data()
    {
        QTest::addColumn<QString>("steps"); // space-separated, see act()
        QTest::addColumn<int>("row");       // the chosen row afterwards, -1 none
        QTest::addColumn<int>("chosen");    // how often rowChosen was sent
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
        QTest::newRow("a click on the chosen row chooses it again") << "click1 click1" << 1 << 2;
        QTest::newRow("a drag moves the choice along") << "drag2-4" << 4 << 2;
        QTest::newRow("new rows forget the choice") << "click1 reset" << -1 << 1;
    }
    void stepsChooseRows()
    {
        QFETCH(QString, steps);
        QFETCH(int, row);
        QFETCH(int, chosen);
        window::TextList list;
        list.resize(120, 5 * 20); // about five rows high
        list.setTexts(kRows);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QVERIFY(list.hasFocus());
        QSignalSpy told(&list, &window::TextList::rowChosen);
        const int top = list.rowRect(0).height(); // measured before the list scrolls
        for (const QString& step : steps.split(u' ')) act(list, step);
        if (row == kPage) row = list.viewport()->height() / top - 1;
        QCOMPARE(list.isRowSelected(list.currentRow()) ? list.currentRow() : -1, row);
        QCOMPARE(told.size(), chosen);
        if (row >= 0) QVERIFY(!list.rowRect(row).isEmpty()); // the chosen row is scrolled into view
    }
};

QTEST_MAIN(TestTextList)
#include "test_text_list.moc"
