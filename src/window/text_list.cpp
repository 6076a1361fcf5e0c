#include "window/text_list.h"

#include <QScrollBar>

namespace window {

void TextListModel::setRows(int count, TextOf textOf)
{
    beginResetModel();
    count_ = count;
    textOf_ = std::move(textOf);
    endResetModel();
}

QVariant TextListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= count_) return {};
    return textOf_(index.row());
}

TextList::TextList(QWidget* parent) : QListView(parent)
{
    setModel(&model_);
    setUniformItemSizes(true); // every row one line high: laid out in one step, however many rows
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const int row = currentRow();
        if (row < 0 || !isRowSelected(row)) return;
        chosenByPress_ = true;
        emit rowChosen(row);
    });
    // A click on the row that is chosen already changes no selection, and still chooses it.
    connect(this, &QListView::clicked, this, [this](const QModelIndex& index) {
        if (!chosenByPress_) emit rowChosen(index.row());
    });
}

void TextList::mousePressEvent(QMouseEvent* event)
{
    chosenByPress_ = false;
    QListView::mousePressEvent(event);
}

QString TextList::text(int row) const { return model_.data(model_.index(row), Qt::DisplayRole).toString(); }

int TextList::currentRow() const { return currentIndex().isValid() ? currentIndex().row() : -1; }

void TextList::setCurrentRow(int row)
{
    selectionModel()->setCurrentIndex(model_.index(row), QItemSelectionModel::ClearAndSelect);
}

bool TextList::isRowSelected(int row) const { return selectionModel()->isRowSelected(row, QModelIndex()); }

QRect TextList::rowRect(int row) const { return visualRect(model_.index(row)); }

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

void TextList::setRows(int count, TextListModel::TextOf textOf)
{
    if (count == 0) texts_.clear();
    model_.setRows(count, std::move(textOf));
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
