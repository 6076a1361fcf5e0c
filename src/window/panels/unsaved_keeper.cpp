// Data flow: every change of the sheet restarts a one-second timer, which writes the sheet and the
// folder the list shows through charfile/unsaved_sheet.h, or, when the sheet is the saved one again,
// removes the kept file. At the start the file left before is read back into an offered step.
#include "window/panels/unsaved_keeper.h"

#include "window/panels/folder_panel.h"

#include "charfile/unsaved_sheet.h"
#include "common/files.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTimer>

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
    : QObject(parent), programFolder_(programFolder), readOnly_(readOnly), history_(history), folders_(folders),
      timer_(new QTimer(this))
{
    timer_->setObjectName(QStringLiteral("KeepUnsaved"));
    timer_->setSingleShot(true);
    timer_->setInterval(kKeepAfterMs);
    connect(timer_, &QTimer::timeout, this, &UnsavedKeeper::keep);
    // A change only restarts the timer: the click costs no more than that, and the sheet is looked
    // at once, when the timer runs out.
    if (!readOnly_) connect(&history_, &SheetHistory::changed, timer_, qOverload<>(&QTimer::start));
}

QString UnsavedKeeper::pathOf(const char* name) const
{
    return common::joinPath(programFolder_, QString::fromLatin1(name));
}

void UnsavedKeeper::startUp()
{
    saved_ = history_.current();
    if (readOnly_) return;
    // This run's changes go into a file of their own, so that they cannot overwrite the sheet the
    // earlier run left before it is brought back.
    if (QFile::exists(pathOf(kUnsaved))) {
        QFile::remove(pathOf(kPrevious));
        QFile::rename(pathOf(kUnsaved), pathOf(kPrevious));
    }
    if (const auto bytes = common::readWholeFile(pathOf(kPrevious), kLargestKept)) offer(*bytes);
}

void UnsavedKeeper::offer(const QByteArray& bytes)
{
    // A file that cannot be read is left as it is, and nothing is said: the start goes on.
    const auto kept = charfile::readUnsavedSheet(bytes, int(saved_.captions.size()));
    if (!kept) return;
    history_.offerBelow(kept->sheet, offerOf(*kept), [this, folder = kept->folder] {
        broughtBack_ = true;
        folders_.goTo(folder); // stays where it is when that folder is gone
    });
}

void UnsavedKeeper::sheetIsSaved()
{
    saved_ = history_.current();
    if (readOnly_) return;
    timer_->stop();
    QFile::remove(pathOf(kUnsaved));
    if (broughtBack_) QFile::remove(pathOf(kPrevious));
}

void UnsavedKeeper::keepNow()
{
    if (!timer_->isActive()) return;
    timer_->stop();
    keep();
}

// The sheet kept, or, when it is the saved one again, nothing left.
void UnsavedKeeper::keep()
{
    const charfile::UnsavedSheet unsaved{history_.current(), folders_.currentFolder(), QDateTime::currentDateTimeUtc()};
    if (unsaved.sheet == saved_) {
        QFile::remove(pathOf(kUnsaved));
        return;
    }
    if (common::writeFileAtomically(pathOf(kUnsaved), charfile::unsavedSheetBytes(unsaved))) return;
    std::fprintf(stderr, "charac: the unsaved sheet cannot be kept in %s (%s)\n",
                 qPrintable(QDir::toNativeSeparators(pathOf(kUnsaved))), qPrintable(common::systemReason()));
}

} // namespace window
