// The current folder: the chain of folders down to it, then its sub-folders. Double-click or Return
// on an entry opens that folder. pathChanged is emitted when the path changes, whether the user
// opened a folder or code assigned one, and by reread(), which reports the same folder read again.
#pragma once

#include <QListWidget>

namespace window {

class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent = nullptr);

    const QString& path() const { return path_; }
    // The files of the current folder as read by the last change or refresh, and the temporary files
    // of saves found there.
    const QStringList& files() const { return files_; }
    const QStringList& interruptedSaves() const { return interruptedSaves_; }

    // Opens an existing folder; false (and no change) when it does not exist. The same folder again
    // is no change.
    bool setPath(const QString& path);

    // Opens an existing folder and reads it again even when it is the current one, reporting it as
    // a change, so that every list that follows shows what was just written there. False (and no
    // change) when the folder does not exist.
    bool reread(const QString& path);

    // Reads the sub-folders again.
    void refresh();

signals:
    void pathChanged(const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void open(QListWidgetItem* item);
    QString path_;
    QStringList files_;
    QStringList interruptedSaves_;
};

// A folder path made absolute, cleaned, and written with the platform's separator.
QString normalFolder(const QString& path);

} // namespace window
