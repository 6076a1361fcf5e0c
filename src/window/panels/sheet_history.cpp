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

// One step: the sheet before the action and after it. A step offered at the start has an entry
// of its own for its undo, and something to do once it is undone.
class SheetStep final : public QUndoCommand {
public:
    SheetStep(const QString& name, SheetSnapshot before, SheetSnapshot after, const SheetHistory::Put& put)
        : QUndoCommand(name), before_(std::move(before)), after_(std::move(after)), put_(put)
    {
    }
    void offer(const QString& undoEntry, std::function<void(bool)> undone)
    {
        undoEntry_ = undoEntry;
        undone_ = std::move(undone);
    }
    const QString& undoEntry() const { return undoEntry_; }
    // The sheet this step leaves, taken again: something that is no step of its own (a save) changed
    // the sheet since, and a redo must bring back what the user last saw of it.
    void retakeAfter(SheetSnapshot after) { after_ = std::move(after); }

    void undo() override
    {
        put_(before_);
        if (undone_) undone_(true);
    }
    void redo() override
    {
        // The stack redoes a step as it is pushed; by then the action has already made the sheet so.
        if (std::exchange(pushed_, false)) return;
        put_(after_);
        if (undone_) undone_(false);
    }

private:
    const SheetSnapshot before_;
    SheetSnapshot after_;
    const SheetHistory::Put& put_;
    bool pushed_ = true;
    QString undoEntry_;
    std::function<void(bool)> undone_;
};

// The focused text box, which the keys belong to while it has the focus.
QLineEdit* focusedTextBox() { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }

} // namespace

SheetHistory::SheetHistory(Take take, Put put, QObject* parent)
    : QObject(parent), take_(std::move(take)), put_(std::move(put))
{
    stack_.setUndoLimit(kStepsKept); // taken only while the stack is empty
    connect(&stack_, &QUndoStack::indexChanged, this, &SheetHistory::changed);
}

void SheetHistory::retakeLast()
{
    if (stack_.index() == 0) return;
    // Only this class puts steps on the stack, and all of them are SheetSteps.
    auto* last = static_cast<SheetStep*>(const_cast<QUndoCommand*>(stack_.command(stack_.index() - 1)));
    last->retakeAfter(take_());
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

SheetHistory::~SheetHistory()
{
    // The stack tells that it is emptied as it goes; nothing is to hear it by then.
    stack_.disconnect();
}

void SheetHistory::offerBelow(const SheetSnapshot& earlier, const QString& offer, std::function<void(bool)> broughtBack)
{
    Q_ASSERT(stack_.count() == 0);
    auto* step = new SheetStep(tr("empty sheet"), earlier, take_(), put_);
    step->offer(offer, std::move(broughtBack));
    stack_.push(step);
}

// Not while an action runs: its step is still to be made.
void SheetHistory::undo()
{
    if (!inStep_) stack_.undo();
}

void SheetHistory::redo()
{
    if (!inStep_) stack_.redo();
}

QString SheetHistory::undoEntry() const
{
    if (!stack_.canUndo()) return tr("Undo");
    const auto* step = static_cast<const SheetStep*>(stack_.command(stack_.index() - 1));
    return step->undoEntry().isEmpty() ? tr("Undo %1").arg(step->text()) : step->undoEntry();
}

QString SheetHistory::redoEntry() const { return stack_.canRedo() ? tr("Redo %1").arg(stack_.redoText()) : tr("Redo"); }

QMenu* SheetHistory::makeMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The keys shown beside the entries are those bindKeys() gives the window.
    QAction* undo = menu->addAction(QString(), this, &SheetHistory::undo);
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = menu->addAction(QString(), this, &SheetHistory::redo);
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    // An ampersand of a file name is shown, not taken for the key of the entry.
    const auto shown = [](QString entry) { return entry.replace(u'&', QStringLiteral("&&")); };
    const auto showEntries = [this, undo, redo, shown] {
        undo->setText(shown(undoEntry()));
        undo->setEnabled(stack_.canUndo());
        redo->setText(shown(redoEntry()));
        redo->setEnabled(stack_.canRedo());
    };
    showEntries();
    connect(&stack_, &QUndoStack::indexChanged, menu, showEntries);
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
    QString named = what.first(lineEnd < 0 ? what.size() : lineEnd).replace(u'\t', u' ').trimmed();
    if (named.size() > kLongestNamed) {
        qsizetype cut = kLongestNamed - 1;
        if (named.at(cut - 1).isHighSurrogate()) --cut; // a character is not cut in two
        named = named.first(cut) + QChar(0x2026);
    }
    return named.isEmpty() ? action : action + u' ' + named;
}

} // namespace window
