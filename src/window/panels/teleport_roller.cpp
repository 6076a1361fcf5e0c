#include "window/panels/teleport_roller.h"

#include "window/layout/layout.h"
#include "window/widgets/caption_label.h"
#include "window/widgets/text_list.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

namespace window {

namespace {
constexpr int kRanges = 5;
constexpr int kRowsPerRange = 20;

// floor(n * draw), kept inside 0..n-1 whatever the source returns.
int drawBelow(common::RandomSource& random, int n) { return std::clamp(int(std::floor(n * random.draw())), 0, n - 1); }
} // namespace

TeleportRoller::TeleportRoller(const TeleportControls& controls, const reference::TeleportErrorTable& errors,
                               std::shared_ptr<common::RandomSource> random, QObject* parent)
    : QObject(parent), c_(controls), errors_(errors), random_(std::move(random))
{
    connect(c_.ChTe, &QCheckBox::toggled, c_.FrameTele, &QWidget::setVisible);
    scrollTogether({c_.ListTnum, c_.LisE, c_.ListWidget});
    for (int range = 0; range < kRanges; ++range) {
        connect(c_.OptVingt[range], &QRadioButton::clicked, this, [this, range] { showRange(range); });
    }
    // A row chosen by a click, by the keyboard or by a roll.
    connect(c_.LisE, &TextList::rowChosen, this, &TeleportRoller::showChosenRow);
    connect(c_.CDrand, &QPushButton::clicked, this, &TeleportRoller::roll);
    connect(c_.LaDetail, &CaptionLabel::clicked, this, &TeleportRoller::rollWithinRange);
    c_.ChTe->setChecked(true);
}

void TeleportRoller::startUp()
{
    c_.FrameTele->move(layout::pixels(layout::kFramesLeft), c_.FrameTele->y());
    c_.ChTe->setChecked(false);
    c_.ListTee->addText(QStringLiteral("Teleport Errors"));
}

void TeleportRoller::showRange(int range)
{
    QStringList numbers, texts, markers;
    for (int i = kRowsPerRange * range; i < kRowsPerRange * (range + 1); ++i) {
        texts.append(errors_[i]);
        numbers.append(QString::number(i + 1));
        markers.append(QStringLiteral("*"));
    }
    // Refilling a list chooses no row and tells nothing: the shown detail stays as it was.
    c_.LisE->setTexts(texts);
    c_.ListTnum->setTexts(numbers);
    c_.ListWidget->setTexts(markers);
}

void TeleportRoller::showChosenRow()
{
    const int row = c_.LisE->currentRow();
    if (row < 0 || !c_.LisE->isRowSelected(row)) return;
    c_.ListTnum->setCurrentRow(row);
    c_.ListWidget->setCurrentRow(row);
    c_.LaDetail->setCaption(c_.LisE->text(row));
}

void TeleportRoller::selectRow(int row)
{
    // The same row again chooses nothing new: show it all the same.
    if (c_.LisE->currentRow() == row && c_.LisE->isRowSelected(row)) showChosenRow();
    else c_.LisE->setCurrentRow(row);
}

void TeleportRoller::roll()
{
    // Both draws come first, the range and then the row, so that a seed gives the same error.
    const int range = drawBelow(*random_, kRanges);
    const int row = drawBelow(*random_, kRowsPerRange);
    c_.OptVingt[range]->setChecked(true);
    showRange(range);
    QCoreApplication::processEvents(); // the refilled lists are drawn before the row is chosen
    selectRow(row);
}

void TeleportRoller::rollWithinRange()
{
    if (c_.LisE->count() == 0) return; // no range shown yet: nothing to roll in
    selectRow(drawBelow(*random_, kRowsPerRange));
}

} // namespace window
