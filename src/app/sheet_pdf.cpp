#include "app/sheet_pdf.h"

#include "charfile/character_file.h"
#include "common/files.h"
#include "common/native_names.h"
#include "window/panels/print_panel.h"
#include "window/printing/sheet_printer.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>

namespace {

// The name as the system has it: one in another encoding prints as its own bytes, to be copied back.
void complain(const QString& file, const QString& reason)
{
    std::fprintf(stderr, "charac: %s: %s\n", common::nativePath(QDir::toNativeSeparators(file)).constData(),
                 qPrintable(reason));
}

// A file named for printing: the character it holds, or why the file is no character file to print.
struct Checked {
    sheet::Character character;
    QString refusal; // empty for a character file
};

Checked check(const QString& path)
{
    const auto refused = [](const QString& reason) { return Checked{{}, reason}; };
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
    return Checked{character, QString()};
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

} // namespace

int writeSheetsPdf(const QString& out, const QStringList& files, QDate printed)
{
    if (const QString refusal = outputRefusal(out); !refusal.isEmpty()) {
        complain(out, refusal);
        return 1;
    }
    std::vector<window::PrintedSheet> sheets;
    QStringList titles; // the document is named after its characters
    for (const QString& file : files) {
        const Checked checked = check(file);
        if (!checked.refusal.isEmpty()) {
            complain(file, checked.refusal);
            return 1;
        }
        // A character is printed as a load shows it, with the possessions of the folder it lies in.
        const QFileInfo info(file);
        sheets.push_back(window::printedSheet(printout::shownSheet(checked.character), info.absolutePath(),
                                              info.fileName(), printed));
        titles.append(window::documentTitle(checked.character.CharText[sheet::slot::text::Name]));
    }
    if (files.isEmpty()) sheets.push_back({printout::sheetBlocks(window::designedSheet(), {}), QString(), printed});
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageLayout(window::sheetPageLayout(window::localPaper()));
        writer.setCreator(QStringLiteral("Charac " CHARAC_VERSION));
        writer.setTitle(titles.isEmpty() ? window::documentTitle(QString()) : titles.join(QStringLiteral(", ")));
        QPainter painter(&writer);
        window::printSheets(painter, writer, sheets);
    }
    if (!common::writeFileAtomically(out, pdf.data())) {
        complain(out, QStringLiteral("cannot be written (%1)").arg(common::systemReason()));
        return 1;
    }
    return 0;
}
