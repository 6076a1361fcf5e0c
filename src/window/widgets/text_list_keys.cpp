// The text list on the keyboard, as the toolkit's lists answer it: the arrows, the page keys, Home
// and End move the focus row and choose it; Space chooses the focus row; letters typed quickly in a
// row find the next row that starts with them. Return, Tab and the rest are left to the window.
#include "window/widgets/text_list.h"

#include <QApplication>
#include <QKeyEvent>

#include <algorithm>

namespace window {

namespace {
// A search for typed letters looks this many rows ahead, so that typing in a list of millions of
// rows answers at once; every row of an ordinary list is within reach.
constexpr int kSearchedRows = 100000;
} // namespace

int TextList::rowAfterKey(int key) const
{
    if (current_ < 0) return 0; // the first key into a list starts at its top
    // A page keeps one row of the last page in view, as the toolkit's lists do.
    const int page = std::max(1, rowsInView() - 1);
    switch (key) {
    case Qt::Key_Up: return std::max(0, current_ - 1);
    case Qt::Key_Down: return std::min(count_ - 1, current_ + 1);
    case Qt::Key_PageUp: return std::max(0, current_ - page);
    case Qt::Key_PageDown: return std::min(count_ - 1, current_ + page);
    case Qt::Key_Home: return 0;
    case Qt::Key_End: return count_ - 1;
    default: return current_;
    }
}

void TextList::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        // Only a move of the focus row chooses: a key that finds no row further chooses nothing.
        if (const int row = rowAfterKey(event->key()); count_ > 0 && row != current_) choose(row);
        return;
    case Qt::Key_Space:
    case Qt::Key_Select:
        if (current_ >= 0) choose(current_);
        return;
    default: break;
    }
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && !event->text().isEmpty() && event->text().front().isPrint() && searchFor(event->text())) return;
    event->ignore(); // Return, Tab and the rest belong to the window
}

bool TextList::searchFor(const QString& typed)
{
    // Letters typed quickly one after another make one word to look for, as in the toolkit's lists:
    // a new word starts after the focus row, a longer one at it.
    const bool newWord = !typedAt_.isValid() || typedAt_.elapsed() > QApplication::keyboardInputInterval();
    typedAt_.start();
    typed_ = newWord ? typed : typed_ + typed;
    const bool sameLetter = typed_.size() > 1 && typed_.count(typed_.back()) == typed_.size();
    const int start = std::max(0, current_ + (newWord || sameLetter ? 1 : 0));
    const int reach = std::min(count_, kSearchedRows);
    for (int i = 0; i < reach; ++i) {
        const int row = (start + i) % count_;
        if (text(row).startsWith(typed_, Qt::CaseInsensitive)) {
            choose(row);
            return true;
        }
    }
    return false;
}

} // namespace window
