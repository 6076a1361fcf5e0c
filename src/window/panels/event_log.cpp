#include "window/panels/event_log.h"

#include "window/layout/layout.h"
#include "window/widgets/caption_label.h"

#include <QPushButton>

#include <algorithm>

namespace window {

EventLog::EventLog(const EventLogControls& controls, QObject* parent) : QObject(parent), labels_(controls.Bapa)
{
    connect(controls.CDclearevent, &QPushButton::clicked, this, &EventLog::clear);
    for (int i = 0; i < kLabels; ++i) {
        const layout::ControlSpec& design = layout::designOf(u"Bapa", i);
        tops_[i] = design.top;
        heights_[i] = design.height;
    }
}

void EventLog::place(int label, int top, int height)
{
    tops_[label] = top;
    heights_[label] = height;
    labels_[label]->setGeometry(labels_[label]->x(), layout::pixels(top), labels_[label]->width(),
                                layout::pixels(height));
}

void EventLog::append(const QString& text)
{
    CaptionLabel* label = labels_[row_];
    label->setCaption(label->caption() + text);
}

void EventLog::endEntry(int shownLines)
{
    // The heading and the name share the entry's first line; an item without any line gets no
    // height at all rather than a negative one.
    place(row_, tops_[row_], std::max(0, shownLines - 1) * layout::kEventLineHeight);
    if (row_ < kLabels - 1) place(row_ + 1, tops_[row_] + heights_[row_], heights_[row_ + 1]);
    if (++row_ == kLabels) clear();
}

void EventLog::clear()
{
    row_ = 0;
    for (CaptionLabel* label : labels_) label->setCaption(QString());
}

void EventLog::layOutAnew()
{
    clear();
    for (int i = 0; i < kLabels; ++i) {
        place(i, i == 0 ? layout::kEventLogFirstTop : layout::kEventLogTop + layout::kEventLogStep * i,
              layout::kEventLogHeight);
    }
}

} // namespace window
