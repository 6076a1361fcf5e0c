// Undo and redo of the sheet. Every user action that changes what the sheet holds or shows is one
// step, kept as the sheet before the action and as the action left it: the record, the helm and
// shield in use, and the caption of every sheet label. Undo and redo put one of the two back whole,
// straight onto the labels; the sheet's refresh does not rewrite every label, so it could not
// rebuild them. The steps are kept by Qt's QUndoStack: the last 1,000 of them, with the steps that
// were undone dropped when a new action follows.
#pragma once

#include "sheet/sheet_snapshot.h"

#include <QObject>
#include <QUndoStack>

#include <functional>

class QMenu;
class QWidget;

namespace window {

using sheet::SheetSnapshot;

class SheetHistory : public QObject {
    Q_OBJECT
public:
    static constexpr int kStepsKept = 1000;

    using Take = std::function<SheetSnapshot()>;
    using Put = std::function<void(const SheetSnapshot&)>;
    // take() reads the sheet as it stands; put() makes the sheet what a snapshot holds.
    SheetHistory(Take take, Put put, QObject* parent = nullptr);
    ~SheetHistory() override;
    SheetHistory(const SheetHistory&) = delete;
    SheetHistory& operator=(const SheetHistory&) = delete;

    // Runs action as the step called name, which is kept when the action changed the sheet. An
    // action that another action runs belongs to the outer one's step.
    void step(const QString& name, const std::function<void()>& action);

    // Offers an earlier sheet as the step below every other: undoing that step brings it back,
    // redoing it puts back the sheet that was there when it was offered, and each calls
    // broughtBack(whether it is back). The undo entry reads offer. Made on an empty history, at the
    // start; like every step it falls off the bottom after the 1,000 steps that follow it.
    void offerBelow(const SheetSnapshot& earlier, const QString& offer, std::function<void(bool)> broughtBack);

    void undo();
    void redo();
    // The last step done now leaves the sheet as it stands: a save, which is no step, changed it.
    void retakeLast();
    const QUndoStack& steps() const { return stack_; }
    // The sheet as it stands.
    SheetSnapshot current() const { return take_(); }
    // The entries for undo and redo: "Undo damage 5", "Redo" when there is nothing to redo.
    QString undoEntry() const;
    QString redoEntry() const;

    // A menu of the undo and redo entries, each greyed out when there is no such step. It deletes
    // itself once closed.
    QMenu* makeMenu(QWidget* parent);

    // Ctrl+Z undoes and Ctrl+Shift+Z or Ctrl+Y redo, anywhere in window but in a text box: there
    // the keys undo and redo the box's own typing.
    void bindKeys(QWidget& window);

signals:
    // The sheet changed by a step, an undo or a redo.
    void changed();

private:
    Take take_;
    Put put_; // the steps on the stack hold on to it: it is made before the stack and goes after it
    QUndoStack stack_;
    bool inStep_ = false;
};

// A step's name with what it names in it: the first line of what, cut to a length a menu can show.
QString stepName(const QString& action, const QString& what);

} // namespace window
