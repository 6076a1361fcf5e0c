// A list box: rows of one line of text each, one of which may be chosen. The rows come from a list
// of texts, or from a function that gives a row's text when the list draws it. The list keeps
// nothing per row and draws only the rows in view, so a catalogue of twenty million entries is
// listed, scrolled and chosen from as quickly as one of twenty, and its memory is gone when the
// rows are replaced. Rows look as the toolkit's item views draw them, one row a scroll step; the
// keyboard, the mouse and screen readers (text_list_accessible.h) reach every row.
#pragma once

#include <QAbstractScrollArea>
#include <QElapsedTimer>
#include <QStringList>

#include <functional>
#include <initializer_list>

class QStyleOptionViewItem;

namespace window {

class TextList : public QAbstractScrollArea {
    Q_OBJECT
public:
    using TextOf = std::function<QString(int row)>;

    explicit TextList(QWidget* parent = nullptr);

    int count() const { return count_; }
    QString text(int row) const;

    // The row with the keyboard focus, or -1; it is the chosen row once selected.
    int currentRow() const { return current_; }
    // Chooses and selects a row (-1: none), as a click on it does.
    void setCurrentRow(int row);
    bool isRowSelected(int row) const { return row >= 0 && row == selected_; }
    // Where a row is drawn, in the coordinates of the viewport (empty when it is scrolled away).
    QRect rowRect(int row) const;
    // The row drawn at a point of the viewport, or -1.
    int rowAt(QPoint point) const;
    // Scrolls as little as needed to show the row.
    void scrollToRow(int row);

    void clear() { setRows(0, nullptr); }
    void setTexts(QStringList texts);
    void addText(const QString& text);
    // Rows whose texts are asked for as they are drawn; textOf must stay valid until the next change.
    void setRows(int count, TextOf textOf);

signals:
    // The user chose a row: a click on it (also on the row chosen already), a move of the selection
    // with the keyboard or the mouse, or setCurrentRow. A row that only has the focus is not chosen.
    void rowChosen(int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    int rowHeight() const;
    int firstShownRow() const;
    int rowsInView() const;
    int rowAfterKey(int key) const;
    bool searchFor(const QString& typed);
    void choose(int row);
    void setCurrent(int row);
    void updateScrollRange();
    void initRowOption(QStyleOptionViewItem& option, int row) const;

    int count_ = 0;
    TextOf textOf_;
    QStringList texts_;          // the rows given as texts
    int current_ = -1;           // the row with the keyboard focus
    int selected_ = -1;          // the chosen row
    int pressed_ = -1;           // the row a press began on
    bool chosenByPress_ = false; // the press that starts a click chose its row already
    mutable int rowHeight_ = 0;  // measured once for the list's font and style
    QString typed_;              // letters typed in a row, to find a row by its start
    QElapsedTimer typedAt_;
};

// Parallel lists (row j of each belongs to the same entry) scroll together, so that their rows stay
// side by side whichever of them the user scrolls.
void scrollTogether(std::initializer_list<TextList*> lists);

} // namespace window
