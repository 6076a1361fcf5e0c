// The files of one folder that match one pattern, sorted by name without regard to case. The folder
// list reads a folder once and hands its file names to every file list that follows it.
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
    void setFolder(const QString& folder);
    void showFolder(const QString& folder, const QStringList& files);
    // Reads the folder again.
    void refresh();

    // The name of the selected file, or an empty text.
    QString selectedFileName() const;

signals:
    // The user chose an entry, by a click or by moving the selection with the keyboard.
    void entryChosen();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString folder_;
    QStringList folderFiles_; // every file of the folder, as last read
    common::WildcardPattern pattern_;
};

} // namespace window
