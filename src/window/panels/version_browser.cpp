// Data flow: the store lists the file's versions; each row shows its time, its size and what
// versions/version_changes.h finds different from the file now; "Open" reads the chosen copy and
// hands its bytes on with the file's name, for the character files or the viewer to show.
#include "window/panels/version_browser.h"

#include "common/files.h"
#include "common/native_names.h"
#include "versions/version_changes.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace window {

namespace {

// The list of versions, newest first, each row keeping the path of its copy.
QTreeWidget* versionList(QWidget* parent, const QString& path, const QList<versions::Version>& kept)
{
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QStringLiteral("VersionList"));
    list->setAccessibleName(VersionBrowser::tr("Earlier versions"));
    list->setRootIsDecorated(false);
    list->setHeaderLabels({VersionBrowser::tr("Replaced"), VersionBrowser::tr("Size"),
                           VersionBrowser::tr("What differs from the file now")});
    const std::optional<QByteArray> now = common::readWholeFile(path, common::kSmallFileLimit);
    const bool character = path.endsWith(QStringLiteral(".qoz"), Qt::CaseInsensitive);
    const QLocale locale;
    for (const versions::Version& version : kept) {
        const QByteArray bytes = common::readWholeFile(version.copy, common::kSmallFileLimit).value_or(QByteArray());
        const QDateTime when = version.time.replaced.toLocalTime();
        const QString differs = !now        ? VersionBrowser::tr("the file now cannot be read")
                                : character ? versions::characterChanges(bytes, *now)
                                            : versions::possessionChanges(bytes, *now);
        auto* row = new QTreeWidgetItem(list, {locale.toString(when.date(), QLocale::ShortFormat) + u' '
                                                   + locale.toString(when.time(), QLocale::LongFormat),
                                               locale.formattedDataSize(version.size), differs});
        row->setData(0, Qt::UserRole, version.copy);
        row->setToolTip(2, differs);
    }
    for (int column : {0, 1}) list->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    list->setCurrentItem(list->topLevelItem(0));
    return list;
}

} // namespace

VersionBrowser::VersionBrowser(QWidget& window, const versions::Store& store, QObject* parent)
    : QObject(parent), window_(window), store_(store)
{
}

void VersionBrowser::offerVersions(const QString& path, const QPoint& globalPos)
{
    auto* menu = new QMenu(&window_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* earlier = menu->addAction(tr("Earlier versions\u2026"), this, [this, path] { showVersions(path); });
    earlier->setEnabled(!store_.versionsOf(path).isEmpty());
    menu->popup(globalPos);
}

QDialog* VersionBrowser::showVersions(const QString& path)
{
    const QString fileName = QFileInfo(path).fileName();
    auto* dialog = new QDialog(&window_);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("VersionDialog"));
    dialog->setWindowTitle(tr("Earlier versions of %1").arg(common::displayName(fileName)));
    QTreeWidget* list = versionList(dialog, path, store_.versionsOf(path));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    QPushButton* open = buttons->addButton(tr("Open"), QDialogButtonBox::ActionRole);
    open->setObjectName(QStringLiteral("OpenVersion"));
    open->setDefault(true);
    open->setEnabled(list->topLevelItemCount() > 0);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    // Return reaches "Open" as the dialog's default button.
    connect(list, &QTreeWidget::itemDoubleClicked, open, &QPushButton::click);
    connect(open, &QPushButton::clicked, dialog, [this, dialog, list, fileName] {
        const QTreeWidgetItem* row = list->currentItem();
        if (!row) return;
        dialog->accept();
        emit versionOpened(fileName,
                           common::readWholeFile(row->data(0, Qt::UserRole).toString(), common::kSmallFileLimit));
    });
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(list);
    layout->addWidget(buttons);
    dialog->resize(720, 300);
    dialog->open();
    list->setFocus();
    return dialog;
}

} // namespace window
