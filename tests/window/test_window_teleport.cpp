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
        for (window::TextList* list : {form->ListTnum, form->LisE, form->ListWidget}) {
            QCOMPARE(list->currentRow(), row);
            QVERIFY(list->isRowSelected(row));
        }
        QCOMPARE(form->LaDetail->caption(), form->LisE->text(row));
    }

private slots:
    void init()
    {
        start();
        form->ChTe->click();
    }
    void cleanup() { stop(); }

    void aRangeListsItsTwentyErrors()
    {
        QTest::mouseClick(form->OptVingt[4], Qt::LeftButton);
        QCOMPARE(form->ListTnum->count(), 20);
        QCOMPARE(form->ListTnum->text(0), QStringLiteral("81"));
        QCOMPARE(form->ListTnum->text(19), QStringLiteral("100"));
        QCOMPARE(form->LisE->text(19), error(100));
        QCOMPARE(form->ListWidget->text(7), QStringLiteral("*"));
        QCOMPARE(form->LisE->currentRow(), -1);

        QTest::mouseClick(form->OptVingt[0], Qt::LeftButton);
        form->LisE->setFocus(); // the focus alone chooses no row
        QCOMPARE(form->LaDetail->caption(), QString());
        auto click = [](window::TextList* list, int row) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->rowRect(row).center());
        };
        click(form->LisE, 0);
        expectChosen(0);
        QCOMPARE(form->LaDetail->caption(), QStringLiteral("hi: 10, 20-50, 50-200,->4k"));

        // A click on the chosen row again brings the other lists back beside it.
        click(form->ListTnum, 4);
        click(form->LisE, 0);
        expectChosen(0);
        QTest::keyClick(form->LisE, Qt::Key_Down);
        expectChosen(1);

        // Another range keeps the text shown until a row of it is chosen.
        QTest::mouseClick(form->OptVingt[2], Qt::LeftButton);
        QCOMPARE(form->LaDetail->caption(), error(2));
    }

    // Scripted draws that land in the middle of each range and row reach every one of the hundred.
    void rollsReachEveryErrorAndChooseOneRowInAllLists()
    {
        std::set<QString> seen;
        for (int range = 0; range < 5; ++range) {
            for (int row = 0; row < 20; ++row) {
                env->random->script({(range + 0.5) / 5, (row + 0.5) / 20});
                QTest::mouseClick(form->CDrand, Qt::LeftButton);
                QVERIFY(form->OptVingt[range]->isChecked());
                expectChosen(row);
                QCOMPARE(form->LaDetail->caption(), error(20 * range + row + 1));
                seen.insert(form->LaDetail->caption());
            }
        }
        QCOMPARE(int(seen.size()), 100);

        // A click on the text rolls the row again within the range shown.
        env->random->script({0.35});
        QTest::mouseClick(form->LaDetail, Qt::LeftButton);
        expectChosen(7);
        QCOMPARE(form->LaDetail->caption(), error(88));
    }

    void textClickBeforeAnyRangeDoesNothing()
    {
        QTest::mouseClick(form->LaDetail, Qt::LeftButton);
        QCOMPARE(env->random->drawn, 0);
        QCOMPARE(form->LaDetail->caption(), QString());
    }

    void uncheckingTheBoxHidesButKeepsTheLists()
    {
        QVERIFY(form->FrameTele->isVisible());
        env->random->script({0.9999});
        QTest::mouseClick(form->CDrand, Qt::LeftButton);
        form->ChTe->click();
        QVERIFY(form->FrameTele->isHidden());
        form->ChTe->click();
        QCOMPARE(form->LisE->count(), 20);
        expectChosen(19);
        QCOMPARE(form->LaDetail->caption(), error(100));
    }
};

QTEST_MAIN(TestWindowTeleport)
#include "test_window_teleport.moc"
