#include "window/widgets/text_list_accessible.h"

#include "window/widgets/text_list.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace window {
namespace {

class RowAccessible final : public QAccessibleInterface {
public:
    RowAccessible(TextList* list, int row) : list_(list), row_(row) {}

    int row() const { return row_; }
    bool isValid() const override { return list_ && row_ < list_->count(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(list_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? list_->text(row_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QRect rect() const override
    {
        if (!isValid()) return QRect();
        const QRect shown = list_->rowRect(row_);
        if (shown.isEmpty()) return QRect();
        return QRect(list_->viewport()->mapToGlobal(shown.topLeft()), shown.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.selectable = s.focusable = true;
        if (!isValid()) return s;
        s.selected = list_->isRowSelected(row_);
        s.focused = list_->hasFocus() && list_->currentRow() == row_;
        s.invisible = list_->rowRect(row_).isEmpty();
        return s;
    }

private:
    QPointer<TextList> list_;
    int row_;
};

class ListAccessible final : public QAccessibleWidget {
public:
    explicit ListAccessible(TextList* list) : QAccessibleWidget(list, QAccessible::List) {}
    ~ListAccessible() override
    {
        for (const QAccessible::Id id : std::as_const(rows_)) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return list()->count(); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= list()->count()) return nullptr;
        // Each row has one interface for as long as the list has it, as readers expect.
        if (const auto id = rows_.constFind(index); id != rows_.cend()) return QAccessible::accessibleInterface(*id);
        auto* row = new RowAccessible(list(), index);
        rows_.insert(index, QAccessible::registerAccessibleInterface(row));
        return row;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* row = child && child->role() == QAccessible::ListItem ? static_cast<const RowAccessible*>(child)
                                                                          : nullptr;
        const bool ours = row && rows_.contains(row->row())
                          && QAccessible::accessibleInterface(rows_.value(row->row())) == child;
        return ours ? row->row() : -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        const int row = list()->rowAt(list()->viewport()->mapFromGlobal(QPoint(x, y)));
        return row >= 0 ? child(row) : nullptr;
    }

    QAccessibleInterface* focusChild() const override
    {
        return list()->hasFocus() ? child(list()->currentRow()) : nullptr;
    }

private:
    TextList* list() const { return static_cast<TextList*>(widget()); }
    mutable QHash<int, QAccessible::Id> rows_; // the rows a reader has asked for
};

QAccessibleInterface* describe(const QString& className, QObject* object)
{
    if (className != QLatin1String(TextList::staticMetaObject.className())) return nullptr;
    auto* list = qobject_cast<TextList*>(object);
    return list ? new ListAccessible(list) : nullptr;
}

} // namespace

void installTextListAccessibility()
{
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(describe);
        return true;
    }();
}

void announceRowsChanged(TextList* list)
{
    if (!QAccessible::isActive()) return;
    QAccessibleTableModelChangeEvent event(list, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
}

void announceChosenRow(TextList* list, int row)
{
    if (!QAccessible::isActive()) return;
    QAccessibleEvent selection(list, QAccessible::SelectionAdd);
    selection.setChild(row);
    QAccessible::updateAccessibility(&selection);
    if (!list->hasFocus()) return;
    QAccessibleEvent focus(list, QAccessible::Focus);
    focus.setChild(row);
    QAccessible::updateAccessibility(&focus);
}

} // namespace window
