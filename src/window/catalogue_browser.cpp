#include "window/catalogue_browser.h"

#include "window/control_set.h"

#include "common/files.h"
#include "common/numbers.h"

#include <QListWidget>

namespace window {

bool CatalogueBrowser::load(const QString& path)
{
    const auto bytes = common::readWholeFile(path);
    if (!bytes) return false;
    const QList<catalogue::Entry> entries = catalogue::readCatalogue(*bytes);

    QStringList codes, names, numbers;
    codes.reserve(entries.size());
    names.reserve(entries.size());
    numbers.reserve(entries.size());
    for (const catalogue::Entry& entry : entries) {
        codes.append(entry.code);
        names.append(entry.name);
        numbers.append(common::FormatNumber(entry.value));
    }
    for (QListWidget* list : {c_.Liz, c_.ListStuff, c_.LiThang}) list->clear();
    c_.Liz->addItems(codes);
    c_.ListStuff->addItems(names);
    c_.LiThang->addItems(numbers);
    return true;
}

std::optional<catalogue::Entry> CatalogueBrowser::choose()
{
    const int row = c_.ListStuff->currentRow();
    if (row < 0 || !c_.ListStuff->item(row)->isSelected() || row >= c_.Liz->count() || row >= c_.LiThang->count()) {
        return std::nullopt;
    }
    c_.Liz->setCurrentRow(row);
    c_.LiThang->setCurrentRow(row);
    // The number is read back from its list, as the list shows it.
    return catalogue::Entry{c_.Liz->item(row)->text(), c_.ListStuff->item(row)->text(),
                            common::ParseNumber(c_.LiThang->item(row)->text())};
}

} // namespace window
