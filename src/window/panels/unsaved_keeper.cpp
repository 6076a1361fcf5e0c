// Data flow: every change of the sheet restarts a one-second timer, which writes the sheet and the
// folder the list shows through charfile/unsaved_sheet.h, or, when the sheet is the saved one again,
// removes the kept file. At the start the file left before is read back into an offered step.
#include "window/panels/unsaved_keeper.h"

#include "window/panels/folder_panel.h"

#include "charfile/unsaved_sheet.h"
#include "common/files.h"

#include <QDir>
#include <QLocale>
#include <QTimer>

#include <cerrno>
#include <cstdio>

namespace window {

namespace {

constexpr const char* kUnsaved = "unsaved.sheet";
constexpr const char* kPrevious = "unsaved.previous.sheet";
// Every sheet label may hold a megabyte; a larger file is no unsaved sheet of this program.
constexpr qint64 kLargestKept = common::kCatalogueFileLimit;

// "Bring back Tessa (not saved, 9 Dec 09:41)", in the time of the user's clock.
QString offerOf(const charfile::UnsavedSheet& kept)
{
    const QString when = QLocale(QLocale::English).toString(kept.kept.toLocalTime(), QStringLiteral("d MMM HH:mm"));
    const QString name = kept.sheet.character.CharText[sheet::slot::text::Name];
    return UnsavedKeeper::tr("%1 (not saved, %2)").arg(stepName(UnsavedKeeper::tr("Bring back"), name), when);
}

} // namespace

UnsavedKeeper::UnsavedKeeper(const QString& programFolder, bool readOnly, SheetHistory& history, FolderPanel& folders,
                             QObject* parent)
    : QObject(parent), programFolder_(programFolder), keeping_(!readOnly), history_(history), folders_(folders),
      timer_(new QTimer(this))
{
    timer_->setObjectName(QStringLiteral("KeepUnsaved"));
    timer_->setSingleShot(true);
    timer_->setInterval(kKeepAfterMs);
    connect(timer_, &QTimer::timeout, this, &UnsavedKeeper::keep);
}

QString UnsavedKeeper::pathOf(const char* name) const
{
    return common::joinPath(programFolder_, QString::fromLatin1(name));
}

void UnsavedKeeper::startUp()
{
    saved_ = history_.current();
    if (!keeping_) return;
    // This run's changes go into a file of their own, so that they cannot overwrite the sheet the
    // earlier run left before it is brought back. Where that file cannot be made, the earlier sheet
    // is offered from where it is, and this run keeps nothing over it.
    QString earlier = pathOf(kPrevious);
    if (common::inspectPath(pathOf(kUnsaved)).kind == common::PathKind::File
        && !common::renameFile(pathOf(kUnsaved), earlier)) {
        std::fprintf(stderr, "charac: the unsaved sheet of the last run stays in %s, and this run keeps none (%s)\n",
                     qPrintable(QDir::toNativeSeparators(pathOf(kUnsaved))), qPrintable(common::systemReason()));
        earlier = pathOf(kUnsaved);
        keeping_ = false;
    }
    if (const auto bytes = common::readWholeFile(earlier, kLargestKept)) offer(*bytes);
    // From here on every change restarts the timer; the click costs no more than that, and the
    // sheet is looked at once, when the timer runs out.
    if (keeping_) connect(&history_, &SheetHistory::changed, timer_, qOverload<>(&QTimer::start));
}

void UnsavedKeeper::offer(const QByteArray& bytes)
{
    // A file that cannot be read is left as it is, and nothing is said: the start goes on.
    const auto kept = charfile::readUnsavedSheet(bytes, int(saved_.captions.size()));
    if (!kept) return;
    history_.offerBelow(kept->sheet, offerOf(*kept), [this, folder = kept->folder](bool back) {
        broughtBack_ = back;
        if (back) folders_.goTo(folder); // stays where it is when that folder is gone
    });
}

void UnsavedKeeper::sheetIsSaved()
{
    saved_ = history_.current();
    if (!keeping_) return;
    timer_->stop();
    pending_ = false;
    common::removeFile(pathOf(kUnsaved));
    if (broughtBack_) common::removeFile(pathOf(kPrevious));
}

void UnsavedKeeper::keepNow()
{
    if (!timer_->isActive() && !pending_) return;
    timer_->stop();
    keep();
}

// The sheet kept, or, when it is the saved one again, nothing left. A sheet that could not be kept
// is tried again at the next change and when the window closes.
void UnsavedKeeper::keep()
{
    const charfile::UnsavedSheet unsaved{history_.current(), folders_.currentFolder(), QDateTime::currentDateTimeUtc()};
    pending_ = false;
    if (unsaved.sheet == saved_) {
        common::removeFile(pathOf(kUnsaved));
        return;
    }
    const QByteArray bytes = charfile::unsavedSheetBytes(unsaved);
    errno = EFBIG;
    if (bytes.size() <= kLargestKept && common::writeFileAtomically(pathOf(kUnsaved), bytes)) return;
    pending_ = true;
    std::fprintf(stderr, "charac: the unsaved sheet cannot be kept in %s (%s)\n",
                 qPrintable(QDir::toNativeSeparators(pathOf(kUnsaved))), qPrintable(common::systemReason()));
}

} // namespace window
