#include "window/file_list.h"

#include "common/folder_entries.h"
#include "common/native_names.h"

#include <QSignalBlocker>

#include <algorithm>

namespace window {

FileList::FileList(QWidget* parent) : QListWidget(parent)
{
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemClicked, this, [this] { emit entryChosen(); });
}

void FileList::setPattern(const QString& pattern)
{
    // The folder's names are already at hand; only the filter changes.
    pattern_ = common::WildcardPattern(pattern);
    showFolder(folder_, folderFiles_);
}

void FileList::setFolder(const QString& folder) { showFolder(folder, common::readFolder(folder).files); }

void FileList::showFolder(const QString& folder, const QStringList& files)
{
    folder_ = folder;
    folderFiles_ = files;
    QStringList shown;
    for (const QString& name : files) {
        if (pattern_.matches(name)) shown.append(name);
    }
    std::sort(shown.begin(), shown.end(), [](const QString& a, const QString& b) {
        const int byCase = a.compare(b, Qt::CaseInsensitive);
        return byCase != 0 ? byCase < 0 : a < b;
    });
    const QSignalBlocker quiet(this);
    clear();
    for (const QString& name : shown) {
        auto* item = new QListWidgetItem(common::displayName(name), this);
        item->setData(Qt::UserRole, name);
    }
}

void FileList::refresh() { setFolder(folder_); }

QString FileList::selectedFileName() const
{
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->data(Qt::UserRole).toString() : QString();
}

QListWidgetItem* FileList::itemOfFile(const QString& name) const
{
    for (int row = 0; row < count(); ++row) {
        if (item(row)->data(Qt::UserRole).toString() == name) return item(row);
    }
    return nullptr;
}

bool FileList::chooseFile(const QString& name)
{
    QListWidgetItem* entry = itemOfFile(name);
    if (entry) setCurrentItem(entry);
    return entry != nullptr;
}

void FileList::keyPressEvent(QKeyEvent* event)
{
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentRow() >= 0) emit entryChosen();
}

} // namespace window
