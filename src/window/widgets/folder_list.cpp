#include "window/widgets/folder_list.h"

#include "common/files.h"
#include "common/folder_entries.h"
#include "common/native_names.h"
#include "window/widgets/drawn_icon.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace window {
namespace {

// A small folder: open for the folders on the way to the current one, closed for the sub-folders (the
// style's own icons are read from many image files, which slows every start). It is drawn as figures
// at the size and scale the list shows it, so that it is sharp on a scaled screen; the lines lie on
// half pixels so that they fill whole pixels at 1x, 1.25x, 1.5x and 2x.
void drawFolder(QPainter& p, QSizeF size, bool open)
{
    p.scale(size.width() / 16, size.height() / 14);
    p.setPen(QColor(0x806000));
    p.setBrush(QColor(open ? 0xFFE080 : 0xE8C060));
    p.drawRect(QRectF(0.5, 2.5, 14, 10));
    p.drawRect(QRectF(0.5, 0.5, 6, 2));
    if (open) {
        p.setBrush(QColor(0xFFF0B0));
        p.drawPolygon(QPolygonF({QPointF(2.5, 5.5), QPointF(15.5, 5.5), QPointF(13.5, 12.5), QPointF(0.5, 12.5)}));
    }
}

QIcon folderIcon(bool open)
{
    return drawnIcon([open](QPainter& p, QSizeF size) { drawFolder(p, size, open); }, {QSize(16, 14)});
}

} // namespace

QString normalFolder(const QString& path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(path)).absoluteFilePath()));
}

FolderList::FolderList(QWidget* parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemDoubleClicked, this, &FolderList::open);
}

bool FolderList::setPath(const QString& path)
{
    if (!path.isEmpty() && normalFolder(path) == path_) return common::isFolder(path_);
    return reread(path);
}

bool FolderList::reread(const QString& path)
{
    if (path.isEmpty()) return false;
    const QString folder = normalFolder(path);
    if (!common::isFolder(folder)) return false;
    path_ = folder;
    refresh();
    emit pathChanged(path_);
    return true;
}

void FolderList::refresh()
{
    clear();
    static const QIcon openIcon = folderIcon(true);
    static const QIcon closedIcon = folderIcon(false);

    // The chain from the root down to the current folder, each one step further in. It is taken from
    // the path's text alone: a folder on the way may not be readable, or have a name Qt cannot open.
    QStringList chain;
    for (QString folder = QDir::fromNativeSeparators(path_);; folder = QFileInfo(folder).path()) {
        chain.prepend(folder);
        if (QDir(folder).isRoot() || QFileInfo(folder).path() == folder) break;
    }
    int depth = 0;
    for (const QString& folder : chain) {
        const QString name = QDir(folder).isRoot() ? QDir::toNativeSeparators(folder) : QDir(folder).dirName();
        auto* item = new QListWidgetItem(openIcon, QString(depth * 2, u' ') + common::displayName(name), this);
        item->setData(Qt::UserRole, folder);
        ++depth;
    }
    setCurrentRow(count() - 1);

    common::FolderEntries entries = common::readFolder(path_);
    files_ = std::move(entries.files);
    interruptedSaves_ = std::move(entries.interruptedSaves);
    QStringList& subFolders = entries.folders;
    std::sort(subFolders.begin(), subFolders.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    for (const QString& name : subFolders) {
        auto* item = new QListWidgetItem(closedIcon, QString(depth * 2, u' ') + common::displayName(name), this);
        item->setData(Qt::UserRole, QDir(path_).filePath(name));
    }
}

void FolderList::open(QListWidgetItem* item)
{
    if (item) setPath(item->data(Qt::UserRole).toString());
}

void FolderList::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        open(currentItem());
        return;
    }
    QListWidget::keyPressEvent(event);
}

} // namespace window
