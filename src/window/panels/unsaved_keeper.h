// The unsaved sheet: while the sheet differs from what was last saved or loaded, it is kept in the
// program's own folder as "unsaved.sheet" (charfile/unsaved_sheet.h), a second after the last
// change and at once when the window closes, so that a close, a crash or a kill loses nothing. At
// the start, the one an earlier run left becomes "unsaved.previous.sheet" and is offered as the
// step below all of this run's: the first undo brings it back, and its folder with it.
#pragma once

#include "window/panels/sheet_history.h"

#include <QObject>
#include <QString>

class QTimer;

namespace window {

class FolderPanel;

class UnsavedKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int kKeepAfterMs = 1000;

    // Keeps nothing when the program only reads (a sheet printed from the command line).
    UnsavedKeeper(const QString& programFolder, bool readOnly, SheetHistory& history, FolderPanel& folders,
                  QObject* parent = nullptr);

    // Takes over the sheet an earlier run left unsaved, and offers it to be brought back.
    void startUp();
    // The sheet is what its file holds: a save or a load made it so.
    void sheetIsSaved();
    // The window closes: what waits to be kept is kept now.
    void keepNow();

private:
    QString pathOf(const char* name) const;
    void keep();
    void offer(const QByteArray& bytes);

    const QString programFolder_;
    bool keeping_; // false when the program only reads, or the last run's sheet could not be moved
    SheetHistory& history_;
    FolderPanel& folders_;
    QTimer* timer_;
    SheetSnapshot saved_;      // the sheet as last saved or loaded, or as the program started
    bool broughtBack_ = false; // the earlier run's sheet is back on the sheet, or was when it changed since
    bool pending_ = false;     // a change that could not be kept yet
};

} // namespace window
