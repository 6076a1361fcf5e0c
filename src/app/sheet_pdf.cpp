#include "app/sheet_pdf.h"

#include "charfile/character_file.h"
#include "common/files.h"
#include "common/native_names.h"
#include "window/form_charac.h"
#include "window/panels/print_panel.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <cstdio>

namespace {

// Messages of a run that only reads: kept, never shown (the run reports its own failures).
class QuietMessages final : public window::Messages {
public:
    void say(const QString& text) override { texts.append(text); }
    void sayError(const QString& caption, const QString& text) override { texts.append(caption + u' ' + text); }
    QStringList texts;
};

// The name as the system has it: one in another encoding prints as its own bytes, to be copied back.
void complain(const QString& file, const QString& reason)
{
    std::fprintf(stderr, "charac: %s: %s\n", common::nativePath(QDir::toNativeSeparators(file)).constData(),
                 qPrintable(reason));
}

// A file named for printing: the character's name, or why the file is no character file to print.
struct Checked {
    QString name;
    QString refusal; // empty for a character file
};

Checked check(const QString& path)
{
    const auto refused = [](const QString& reason) { return Checked{QString(), reason}; };
    const common::PathFacts facts = common::inspectPath(path);
    if (facts.kind == common::PathKind::Missing) return refused(QStringLiteral("no such file"));
    if (facts.kind == common::PathKind::Unreachable) return refused(common::systemReason());
    if (facts.kind == common::PathKind::Folder) return refused(QStringLiteral("is a folder, not a character file"));
    // The sheet opens a character file as its folder list shows it, and the list shows only these.
    if (!path.endsWith(QStringLiteral(".qoz"), Qt::CaseInsensitive)) {
        return refused(QStringLiteral("is no character file: its name does not end in .QOZ"));
    }
    if (!facts.readable) return refused(QStringLiteral("cannot be read (permission denied)"));
    const auto bytes = common::readWholeFile(path, common::kSmallFileLimit);
    if (!bytes) return refused(QStringLiteral("cannot be read as a character file (too big, or not a plain file)"));
    sheet::Character character;
    if (!charfile::readCharacterFile(*bytes, character)) return refused(QStringLiteral("is no valid character file"));
    return Checked{character.CharText[sheet::slot::text::Name], QString()};
}

// Whether a PDF may be written where the user named it: a new file, an empty one (made for it, as
// mktemp does), or a PDF replaced. Anything else there is the user's own (a character file typed
// where the PDF's name belongs, a device, a folder) and stays as it is.
QString outputRefusal(const QString& out)
{
    const common::PathFacts facts = common::inspectPath(out);
    switch (facts.kind) {
    case common::PathKind::Missing:
    case common::PathKind::Unreachable: return QString(); // a new file; the write names any fault
    case common::PathKind::Folder: return QStringLiteral("is a folder");
    case common::PathKind::Other: return QStringLiteral("is no plain file, and is left as it is");
    case common::PathKind::File: break;
    }
    if (facts.size == 0) return QString();
    const QByteArray mark("%PDF-");
    const auto start = common::readFileStart(out, mark.size());
    if (!start) return QStringLiteral("is there already and cannot be read, so it is left as it is");
    return *start == mark ? QString() : QStringLiteral("is there already and is no PDF, so it is left as it is");
}

window::Services readOnlyServices(const std::shared_ptr<QuietMessages>& messages)
{
    window::Services services = window::realServices(window::realProgramFolderPath());
    services.messages = messages;
    services.readOnly = true;
    return services;
}

// One page: a window of its own for each sheet, so that every page starts from the same sheet.
bool paintSheet(QPainter& painter, QPdfWriter& writer, const QString& file)
{
    const auto messages = std::make_shared<QuietMessages>();
    window::FormCharac form(readOnlyServices(messages));
    if (!file.isEmpty()) {
        // The file itself was read and found good: what failed is opening it from its folder's list
        // (a folder that cannot be listed, or a file gone meanwhile).
        if (!form.openCharacterFile(file)) {
            complain(file, QStringLiteral("cannot be opened from its folder's list"));
            return false;
        }
    }
    window::paintWindowOnPage(form, painter, writer);
    return true;
}

} // namespace

int writeSheetsPdf(const QString& out, const QStringList& files)
{
    if (const QString refusal = outputRefusal(out); !refusal.isEmpty()) {
        complain(out, refusal);
        return 1;
    }
    QStringList titles; // the document is named after its characters
    for (const QString& file : files) {
        const Checked checked = check(file);
        if (!checked.refusal.isEmpty()) {
            complain(file, checked.refusal);
            return 1;
        }
        titles.append(window::documentTitle(checked.name));
    }
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageLayout(QPrinter(QPrinter::HighResolution).pageLayout()); // the page "!!" offers
        writer.setPageOrientation(QPageLayout::Landscape);
        writer.setCreator(QStringLiteral("Charac " CHARAC_VERSION));
        writer.setTitle(titles.isEmpty() ? window::documentTitle(QString()) : titles.join(QStringLiteral(", ")));
        QPainter painter(&writer);
        const QStringList pages = files.isEmpty() ? QStringList{QString()} : files;
        for (qsizetype i = 0; i < pages.size(); ++i) {
            if (i > 0) writer.newPage();
            if (!paintSheet(painter, writer, pages[i])) return 1;
        }
    }
    if (!common::writeFileAtomically(out, pdf.data())) {
        complain(out, QStringLiteral("cannot be written (%1)").arg(common::systemReason()));
        return 1;
    }
    return 0;
}
