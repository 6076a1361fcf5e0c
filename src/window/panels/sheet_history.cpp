// Data flow: step() reads the sheet before and after the action and pushes both onto the stack; undo
// and redo hand one of them back to the sheet through put().
#include "window/panels/sheet_history.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QShortcut>

#include <utility>

namespace window {

namespace {

constexpr qsizetype kLongestNamed = 40; // characters of a caption or file name in a step's name

// One step: the sheet before the action and after it.
class SheetStep final : public QUndoCommand {
public:
    SheetStep(const QString& name, SheetSnapshot before, SheetSnapshot after, const SheetHistory::Put& put)
        : QUndoCommand(name), before_(std::move(before)), after_(std::move(after)), put_(put)
    {
    }

    void undo() override { put_(before_); }
    void redo() override
    {
        // The stack redoes a step as it is pushed; by then the action has already made the sheet so.
        if (std::exchange(pushed_, false)) return;
        put_(after_);
    }

private:
    const SheetSnapshot before_;
    const SheetSnapshot after_;
    const SheetHistory::Put& put_;
    bool pushed_ = true;
};

// The focused text box, which the keys belong to while it has the focus.
QLineEdit* focusedTextBox() { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }

} // namespace

SheetHistory::SheetHistory(Take take, Put put, QObject* parent)
    : QObject(parent), take_(std::move(take)), put_(std::move(put))
{
    stack_.setUndoLimit(kStepsKept); // taken only while the stack is empty
}

void SheetHistory::step(const QString& name, const std::function<void()>& action)
{
    if (inStep_) return action();
    inStep_ = true;
    const auto done = qScopeGuard([this] { inStep_ = false; });
    SheetSnapshot before = take_();
    action();
    SheetSnapshot after = take_();
    if (after == before) return;
    stack_.push(new SheetStep(name, std::move(before), std::move(after), put_));
}

void SheetHistory::undo() { stack_.undo(); }

void SheetHistory::redo() { stack_.redo(); }

QMenu* SheetHistory::makeMenu(QWidget* parent) const
{
    auto* menu = new QMenu(parent);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* undo = stack_.createUndoAction(menu, tr("Undo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = stack_.createRedoAction(menu, tr("Redo"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    menu->addActions({undo, redo});
    return menu;
}

void SheetHistory::bindKeys(QWidget& window)
{
    const auto bind = [&](QKeySequence keys, void (SheetHistory::*onSheet)(), void (QLineEdit::*inBox)()) {
        auto* shortcut = new QShortcut(keys, &window);
        connect(shortcut, &QShortcut::activated, this, [this, onSheet, inBox] {
            // A box takes Ctrl+Z and its system's redo keys itself; the other redo key is handed to it.
            if (QLineEdit* box = focusedTextBox()) {
                if (!box->isReadOnly()) (box->*inBox)();
                return;
            }
            (this->*onSheet)();
        });
    };
    bind(QKeySequence(Qt::CTRL | Qt::Key_Z), &SheetHistory::undo, &QLineEdit::undo);
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &SheetHistory::redo, &QLineEdit::redo);
    bind(QKeySequence(Qt::CTRL | Qt::Key_Y), &SheetHistory::redo, &QLineEdit::redo);
}

QString stepName(const QString& action, const QString& what)
{
    const qsizetype lineEnd = what.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    QString named = what.first(lineEnd < 0 ? what.size() : lineEnd).trimmed();
    if (named.size() > kLongestNamed) named = named.first(kLongestNamed - 1) + QChar(0x2026);
    return named.isEmpty() ? action : action + u' ' + named;
}

} // namespace window
