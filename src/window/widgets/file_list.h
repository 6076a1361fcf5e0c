// The files of one folder that match one pattern, sorted by name without regard to case. The folder
// list reads a folder once and hands its file names to every file list that follows it. Each entry
// shows its name as common::displayName makes it readable and keeps the name itself, which opens it.
#pragma once

#include "common/wildcard.h"

#include <QListWidget>
#include <QStringList>

namespace window {

class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);

    const QString& folder() const { return folder_; }
    const QString& pattern() const { return pattern_.text(); }
    void setPattern(const QString& pattern);

    // Shows the folder; its files are read here, or taken from a listing made once for several lists.
    // The list then shows no entry chosen, as a list made anew does.
    void setFolder(const QString& folder);
    void showFolder(const QString& folder, const QStringList& files);
    // Reads the folder again.
    void refresh();

    // The name of the selected file, or an empty text.
    QString selectedFileName() const;
    // The entry of a file, or nothing when the list does not show it.
    QListWidgetItem* itemOfFile(const QString& name) const;
    // Selects the entry of a file, as a click does but without telling; false when it is not listed.
    bool chooseFile(const QString& name);
    // Whether the list's pattern takes a file of that name.
    bool takes(const QString& name) const { return pattern_.matches(name); }

signals:
    // The user chose an entry, by a click or by moving the selection with the keyboard.
    void entryChosen();
    // A right-click (or the menu key) on the entry of that file: its menu is asked for, at globalPos.
    // It neither chooses nor selects the entry.
    void fileMenuAsked(const QString& fileName, const QPoint& globalPos);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    static QString fileNameOf(const QListWidgetItem* entry);
    static bool sameNames(const QStringList& names, const QStringList& others);
    void showNames(const QStringList& matching);
    QString folder_;
    QStringList folderFiles_; // every file of the folder, as last read
    QStringList matching_;    // those the pattern matches, in the order of the folder's listing
    common::WildcardPattern pattern_;
};

} // namespace window
