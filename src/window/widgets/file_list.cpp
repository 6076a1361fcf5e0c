#include "window/widgets/file_list.h"

#include "common/folder_entries.h"
#include "common/native_names.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

#include <algorithm>
#include <utility>
#include <vector>

namespace window {

FileList::FileList(QWidget* parent) : QListWidget(parent)
{
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemClicked, this, [this] { emit entryChosen(); });
}

// A right-click asks for the entry's menu and leaves the list as it is: it neither selects nor chooses.
void FileList::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton) QListWidget::mousePressEvent(event);
}

void FileList::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton) QListWidget::mouseReleaseEvent(event);
}

// The menu is the entry's under the mouse, or, from the keyboard, the current entry's.
void FileList::contextMenuEvent(QContextMenuEvent* event)
{
    const bool byKeyboard = event->reason() == QContextMenuEvent::Keyboard;
    const QListWidgetItem* entry = byKeyboard ? currentItem() : itemAt(event->pos());
    if (!entry) return;
    const QPoint at = byKeyboard ? visualItemRect(entry).center() : event->pos();
    emit fileMenuAsked(fileNameOf(entry), viewport()->mapToGlobal(at));
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
    QStringList matching;
    for (const QString& name : files) {
        if (pattern_.matches(name)) matching.append(name);
    }
    const QSignalBlocker quiet(this);
    const bool same = sameNames(matching, matching_);
    matching_ = std::move(matching);
    if (!same) {
        showNames(matching_);
        return;
    }
    // The same names as shown, as after a save over a file of the list in a folder of thousands: the
    // entries stay, and only the chosen entry goes, as it goes from a list made anew.
    selectionModel()->clear();
}

// The same names, whatever the order: a listing may give them in another order after a save (some
// file systems list a renamed file first).
bool FileList::sameNames(const QStringList& names, const QStringList& others)
{
    if (names.size() != others.size()) return false;
    if (names == others) return true;
    QStringList a = names, b = others;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

void FileList::showNames(const QStringList& matching)
{
    // Sorted by the case-folded name, folded once per name rather than at every comparison.
    std::vector<std::pair<QString, QString>> byFolded;
    byFolded.reserve(std::size_t(matching.size()));
    for (const QString& name : matching) byFolded.emplace_back(name.toCaseFolded(), name);
    std::sort(byFolded.begin(), byFolded.end());
    QStringList shown;
    shown.reserve(qsizetype(byFolded.size()));
    for (auto& entry : byFolded) shown.append(std::move(entry.second));
    clear();
    // Added in one go, which the view takes far quicker than one entry at a time. An entry whose
    // shown text is not its name keeps its name beside it.
    QStringList texts;
    texts.reserve(shown.size());
    for (const QString& name : shown) texts.append(common::displayName(name));
    addItems(texts);
    for (int row = 0; row < int(shown.size()); ++row) {
        if (texts[row] != shown[row]) item(row)->setData(Qt::UserRole, shown[row]);
    }
}

QString FileList::fileNameOf(const QListWidgetItem* entry)
{
    const QVariant name = entry->data(Qt::UserRole);
    return name.isValid() ? name.toString() : entry->text();
}

void FileList::refresh() { setFolder(folder_); }

QString FileList::selectedFileName() const
{
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? fileNameOf(item) : QString();
}

QListWidgetItem* FileList::itemOfFile(const QString& name) const
{
    for (int row = 0; row < count(); ++row) {
        if (fileNameOf(item(row)) == name) return item(row);
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
