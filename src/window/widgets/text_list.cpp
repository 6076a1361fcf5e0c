// Data flow: setRows() keeps the count and the text function; paintEvent() asks it for the rows in
// view only and draws each as the toolkit's item views do (CE_ItemViewItem), so the list looks like
// every other list of the sheet. The scroll bar counts rows; a click, a drag, a key or
// setCurrentRow() moves the focus row, and a change of the chosen row is announced by rowChosen.
#include "window/widgets/text_list.h"

#include "window/widgets/text_list_accessible.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionViewItem>

#include <algorithm>

namespace window {

TextList::TextList(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    installTextListAccessibility();
}

QString TextList::text(int row) const
{
    if (row < 0 || row >= count_ || !textOf_) return QString();
    return textOf_(row);
}

int TextList::rowHeight() const
{
    if (rowHeight_ == 0) {
        // As an item view measures a row of one line of text in this font and style.
        QStyleOptionViewItem option;
        initRowOption(option, -1);
        option.text = QStringLiteral("X");
        rowHeight_ = std::max(1, style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).height());
    }
    return rowHeight_;
}

int TextList::firstShownRow() const { return verticalScrollBar()->value(); }

int TextList::rowsInView() const { return viewport()->height() / rowHeight(); }

int TextList::rowAt(QPoint point) const
{
    if (point.y() < 0 || point.x() < 0 || point.x() >= viewport()->width()) return -1;
    const int row = firstShownRow() + point.y() / rowHeight();
    return row < count_ ? row : -1;
}

QRect TextList::rowRect(int row) const
{
    const int shown = row - firstShownRow();
    if (row < 0 || row >= count_ || shown < 0 || shown > rowsInView()) return QRect();
    return QRect(0, shown * rowHeight(), viewport()->width(), rowHeight());
}

void TextList::scrollToRow(int row)
{
    if (row < 0 || row >= count_) return;
    const int first = firstShownRow();
    const int rows = std::max(1, rowsInView());
    if (row < first) verticalScrollBar()->setValue(row);
    else if (row >= first + rows) verticalScrollBar()->setValue(row - rows + 1);
}

void TextList::updateScrollRange()
{
    // One step a row, and the last page ends with the last row, as the toolkit's lists scroll.
    const int rows = rowsInView();
    QScrollBar* bar = verticalScrollBar();
    bar->setSingleStep(1);
    bar->setPageStep(rows);
    bar->setRange(0, std::max(0, count_ - rows));
}

void TextList::setTexts(QStringList texts)
{
    texts_ = std::move(texts);
    setRows(int(texts_.size()), [this](int row) { return texts_.at(row); });
}

void TextList::addText(const QString& text)
{
    QStringList texts = texts_;
    texts.append(text);
    setTexts(std::move(texts));
}

void TextList::setRows(int count, TextOf textOf)
{
    if (count == 0) texts_.clear();
    count_ = count;
    textOf_ = std::move(textOf);
    current_ = selected_ = pressed_ = -1;
    verticalScrollBar()->setValue(0);
    updateScrollRange();
    viewport()->update();
    announceRowsChanged(this);
}

void TextList::setCurrent(int row)
{
    if (row == current_) return;
    current_ = row;
    viewport()->update();
    if (row >= 0 && isVisible()) scrollToRow(row);
}

void TextList::choose(int row)
{
    setCurrent(row);
    if (row == selected_) return; // no change of the chosen row, nothing to tell
    selected_ = row;
    viewport()->update();
    if (row < 0) return;
    chosenByPress_ = true;
    announceChosenRow(this, row);
    emit rowChosen(row);
}

void TextList::setCurrentRow(int row) { choose(row >= 0 && row < count_ ? row : -1); }

void TextList::initRowOption(QStyleOptionViewItem& option, int row) const
{
    // What an item view hands its delegate for a row of plain text.
    option.initFrom(this);
    option.state &= ~(QStyle::State_MouseOver | QStyle::State_HasFocus);
    if (!hasFocus()) option.state &= ~QStyle::State_Active;
    option.font = font();
    option.fontMetrics = QFontMetrics(option.font);
    const int icon = style()->pixelMetric(QStyle::PM_ListViewIconSize, nullptr, this);
    option.decorationSize = QSize(icon, icon);
    option.decorationPosition = QStyleOptionViewItem::Left;
    option.decorationAlignment = Qt::AlignCenter;
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.textElideMode = Qt::ElideRight;
    option.showDecorationSelected = style()->styleHint(QStyle::SH_ItemView_ShowDecorationSelected, nullptr, this);
    option.locale = locale();
    option.locale.setNumberOptions(QLocale::OmitGroupSeparator);
    option.widget = this;
    option.features = QStyleOptionViewItem::HasDisplay;
    if (row < 0) return;
    option.rect = rowRect(row);
    option.text = text(row).replace(u'\n', QChar::LineSeparator);
    option.palette.setCurrentColorGroup(isEnabled() ? QPalette::Normal : QPalette::Disabled);
    if (row == selected_) option.state |= QStyle::State_Selected;
    if (row == current_ && hasFocus()) option.state |= QStyle::State_HasFocus;
}

void TextList::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const int first = firstShownRow();
    const int last = std::min(count_ - 1, first + rowsInView());
    QStyleOptionViewItem option;
    for (int row = first; row <= last; ++row) {
        if (!event->rect().intersects(rowRect(row))) continue;
        option = QStyleOptionViewItem();
        initRowOption(option, row);
        style()->drawControl(QStyle::CE_ItemViewItem, &option, &painter, this);
    }
}

void TextList::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void TextList::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        rowHeight_ = 0;
        updateScrollRange();
    }
}

void TextList::scrollContentsBy(int, int) { viewport()->update(); }

void TextList::mousePressEvent(QMouseEvent* event)
{
    chosenByPress_ = false;
    pressed_ = event->button() == Qt::LeftButton ? rowAt(event->position().toPoint()) : -1;
    if (pressed_ >= 0) choose(pressed_);
}

void TextList::mouseMoveEvent(QMouseEvent* event)
{
    // Dragging with the button held moves the choice along, as in the toolkit's lists.
    if (!(event->buttons() & Qt::LeftButton) || pressed_ < 0) return;
    const int row = rowAt(event->position().toPoint());
    if (row >= 0) choose(row);
}

void TextList::mouseReleaseEvent(QMouseEvent* event)
{
    // A click on the row that is chosen already changes no selection, and still chooses it.
    const int row = rowAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && row >= 0 && row == pressed_ && !chosenByPress_) {
        announceChosenRow(this, row);
        emit rowChosen(row);
    }
    pressed_ = -1;
}

void TextList::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    // The focus shows on a row, without choosing it, so that the keys have a place to start.
    // It does not scroll there: the rows the user looks at stay in view.
    if (current_ < 0 && count_ > 0 && event->reason() != Qt::MouseFocusReason) current_ = 0;
    viewport()->update();
}

void TextList::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void scrollTogether(std::initializer_list<TextList*> lists)
{
    for (TextList* from : lists) {
        for (TextList* to : lists) {
            if (from == to) continue;
            // Setting the value it already has emits nothing, so the lists do not echo each other.
            QObject::connect(from->verticalScrollBar(), &QScrollBar::valueChanged, to->verticalScrollBar(),
                             &QScrollBar::setValue);
        }
    }
}

} // namespace window
