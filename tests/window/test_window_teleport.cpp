// The teleport error roller: ranges, a chosen row, rolls, and the frame's "T" box.
#include "support/window_fixture.h"

#include "window/widgets/caption_label.h"
#include "window/widgets/text_list.h"

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>

#include <set>

class TestWindowTeleport : public QObject, public WindowFixture {
    Q_OBJECT

    QString error(int number) const { return form->state().TeleportError[number - 1]; }
    void expectChosen(int row) const
    {
        for (window::TextList* list : {ui().ListTnum, ui().LisE, ui().ListWidget}) {
            QCOMPARE(list->currentRow(), row);
            QVERIFY(list->isRowSelected(row));
        }
        QCOMPARE(ui().LaDetail->caption(), ui().LisE->text(row));
    }

private slots:
    void init()
    {
        start();
        ui().ChTe->click();
    }
    void cleanup() { stop(); }

    void aRangeListsItsTwentyErrors()
    {
        QTest::mouseClick(ui().OptVingt[4], Qt::LeftButton);
        QCOMPARE(ui().ListTnum->count(), 20);
        QCOMPARE(ui().ListTnum->text(0), QStringLiteral("81"));
        QCOMPARE(ui().ListTnum->text(19), QStringLiteral("100"));
        QCOMPARE(ui().LisE->text(19), error(100));
        QCOMPARE(ui().ListWidget->text(7), QStringLiteral("*"));
        QCOMPARE(ui().LisE->currentRow(), -1);

        QTest::mouseClick(ui().OptVingt[0], Qt::LeftButton);
        ui().LisE->setFocus(); // the focus alone chooses no row
        QCOMPARE(ui().LaDetail->caption(), QString());
        auto click = [](window::TextList* list, int row) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->rowRect(row).center());
        };
        click(ui().LisE, 0);
        expectChosen(0);
        QCOMPARE(ui().LaDetail->caption(), QStringLiteral("hi: 10, 20-50, 50-200,->4k"));

        // A click on the chosen row again brings the other lists back beside it.
        click(ui().ListTnum, 4);
        click(ui().LisE, 0);
        expectChosen(0);
        QTest::keyClick(ui().LisE, Qt::Key_Down);
        expectChosen(1);

        // Another range keeps the text shown until a row of it is chosen.
        QTest::mouseClick(ui().OptVingt[2], Qt::LeftButton);
        QCOMPARE(ui().LaDetail->caption(), error(2));
    }

    // Scripted draws that land in the middle of each range and row reach every one of the hundred.
    void rollsReachEveryErrorAndChooseOneRowInAllLists()
    {
        std::set<QString> seen;
        for (int range = 0; range < 5; ++range) {
            for (int row = 0; row < 20; ++row) {
                env->random->script({(range + 0.5) / 5, (row + 0.5) / 20});
                QTest::mouseClick(ui().CDrand, Qt::LeftButton);
                QVERIFY(ui().OptVingt[range]->isChecked());
                expectChosen(row);
                QCOMPARE(ui().LaDetail->caption(), error(20 * range + row + 1));
                seen.insert(ui().LaDetail->caption());
            }
        }
        QCOMPARE(int(seen.size()), 100);

        // A click on the text rolls the row again within the range shown.
        env->random->script({0.35});
        QTest::mouseClick(ui().LaDetail, Qt::LeftButton);
        expectChosen(7);
        QCOMPARE(ui().LaDetail->caption(), error(88));
    }

    void textClickBeforeAnyRangeDoesNothing()
    {
        QTest::mouseClick(ui().LaDetail, Qt::LeftButton);
        QCOMPARE(env->random->drawn, 0);
        QCOMPARE(ui().LaDetail->caption(), QString());
    }

    void uncheckingTheBoxHidesButKeepsTheLists()
    {
        QVERIFY(ui().FrameTele->isVisible());
        env->random->script({0.9999});
        QTest::mouseClick(ui().CDrand, Qt::LeftButton);
        ui().ChTe->click();
        QVERIFY(ui().FrameTele->isHidden());
        ui().ChTe->click();
        QCOMPARE(ui().LisE->count(), 20);
        expectChosen(19);
        QCOMPARE(ui().LaDetail->caption(), error(100));
    }
};

QTEST_MAIN(TestWindowTeleport)
#include "test_window_teleport.moc"
