#include "window/event_log.h"

#include "window/caption_label.h"
#include "window/layout.h"

#include <algorithm>

namespace window {

void EventLog::append(const QString& text)
{
    CaptionLabel* label = labels_[row_];
    label->setCaption(label->caption() + text);
}

void EventLog::endEntry(int shownLines)
{
    // The heading line is counted into the label's first line; an item without any line gets no
    // height at all rather than a negative one.
    CaptionLabel* label = labels_[row_];
    label->resize(label->width(), layout::pixels(std::max(0, shownLines - 1) * layout::kEventLineHeight));
    if (row_ < kLabels - 1) {
        CaptionLabel* next = labels_[row_ + 1];
        next->move(next->x(), label->y() + label->height());
    }
    if (++row_ == kLabels) clear();
}

void EventLog::clear()
{
    row_ = 0;
    emptyCaptions();
}

void EventLog::layOutAnew()
{
    clear();
    for (int i = 0; i < kLabels; ++i) {
        labels_[i]->setGeometry(labels_[i]->x(), layout::pixels(layout::kEventLogTop + layout::kEventLogStep * i),
                                labels_[i]->width(), layout::pixels(layout::kEventLogHeight));
    }
    labels_[0]->move(labels_[0]->x(), layout::pixels(layout::kEventLogFirstTop));
}

void EventLog::emptyCaptions()
{
    for (CaptionLabel* label : labels_) label->setCaption(QString());
}

} // namespace window
