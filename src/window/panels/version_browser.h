// The earlier versions of a file, where the files are listed: a right-click on a character or a
// possession file offers "Earlier versions…" (greyed out when it has none), which opens a dialog that
// lists them newest first with what differs from the file as it is now. "Open" brings the chosen
// version into the window as a view or a load of it would show it, and writes nothing; a save then
// makes it the file again, keeping the file it replaces as a version in turn.
#pragma once

#include "versions/version_store.h"

#include <QObject>
#include <QPoint>

#include <optional>

class QDialog;
class QWidget;

namespace window {

class VersionBrowser : public QObject {
    Q_OBJECT
public:
    // The dialog opens over window.
    VersionBrowser(QWidget& window, const versions::Store& store, QObject* parent = nullptr);

    // The menu of a right-click on the file at path, at globalPos.
    void offerVersions(const QString& path, const QPoint& globalPos);
    // The dialog of the file's versions, shown; it deletes itself once closed.
    QDialog* showVersions(const QString& path);

signals:
    // The version chosen in the dialog, with the name of its file; nothing when its copy is gone.
    void versionOpened(const QString& fileName, const std::optional<QByteArray>& bytes);

private:
    QWidget& window_;
    const versions::Store& store_;
};

} // namespace window
