#include "sheet_pdf.h"

#include "charfile/character_file.h"
#include "common/files.h"
#include "window/form_charac.h"
#include "window/panels/print_panel.h"
#include "window/panels/sheet_panel.h"

#include <QBuffer>
#include <QFileInfo>
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

void complain(const QString& file, const QString& reason)
{
    std::fprintf(stderr, "charac: %s: %s\n", qPrintable(file), qPrintable(reason));
}

// A file named for printing: the character's name, or why the file is no character file to print.
struct Checked {
    QString name;
    QString refusal; // empty for a character file
};

Checked check(const QString& path)
{
    const auto refused = [](const char* reason) { return Checked{QString(), QString::fromLatin1(reason)}; };
    const QFileInfo file(path);
    if (!file.exists()) return refused("no such file");
    if (file.isDir()) return refused("is a folder, not a character file");
    if (!file.isReadable()) return refused("cannot be read (permission denied)");
    const auto bytes = common::readWholeFile(path, common::kSmallFileLimit);
    if (!bytes) return refused("cannot be read as a character file (too big, or not a plain file)");
    sheet::Character character;
    if (!charfile::readCharacterFile(*bytes, character)) return refused("is no valid character file");
    return Checked{character.CharText[sheet::slot::Name], QString()};
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
        form.openCharacterFile(file);
        if (messages->texts.contains(QStringLiteral("alien invader"))) {
            complain(file, QStringLiteral("is no valid character file"));
            return false;
        }
    }
    window::paintWindowOnPage(form, painter, writer);
    return true;
}

} // namespace

int writeSheetsPdf(const QString& out, const QStringList& files)
{
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
        complain(out, QStringLiteral("cannot be written"));
        return 1;
    }
    return 0;
}
