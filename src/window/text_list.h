// A list box: rows of one line of text each, one of which may be chosen. The rows come from a list
// of texts, or from a function that gives a row's text when the view draws it, so that a catalogue of
// a hundred thousand entries is shown without a text, an item or a size computed for every row.
#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <QStringList>

#include <functional>
#include <initializer_list>

namespace window {

class TextListModel final : public QAbstractListModel {
public:
    using TextOf = std::function<QString(int row)>;
    using QAbstractListModel::QAbstractListModel;

    void setRows(int count, TextOf textOf);
    int rowCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : count_; }
    QVariant data(const QModelIndex& index, int role) const override;

private:
    int count_ = 0;
    TextOf textOf_;
};

class TextList : public QListView {
    Q_OBJECT
public:
    explicit TextList(QWidget* parent = nullptr);

    int count() const { return model_.rowCount(); }
    QString text(int row) const;

    // The chosen row, or -1.
    int currentRow() const;
    // Chooses and selects a row (-1: none), as a click on it does.
    void setCurrentRow(int row);
    bool isRowSelected(int row) const;
    // Where a row is drawn, in the coordinates of the viewport.
    QRect rowRect(int row) const;

    void clear() { setRows(0, nullptr); }
    void setTexts(QStringList texts);
    void addText(const QString& text);
    // Rows whose texts are asked for as they are drawn; textOf must stay valid until the next change.
    void setRows(int count, TextListModel::TextOf textOf);

signals:
    // The user chose a row: a click on it (also on the row chosen already), a move of the selection
    // with the keyboard, or setCurrentRow. A row that only has the focus is not chosen.
    void rowChosen(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    TextListModel model_;
    QStringList texts_;          // the rows given as texts
    bool chosenByPress_ = false; // the press that starts a click chose its row already
};

// Parallel lists (row j of each belongs to the same entry) scroll together, so that their rows stay
// side by side whichever of them the user scrolls.
void scrollTogether(std::initializer_list<TextList*> lists);

} // namespace window
