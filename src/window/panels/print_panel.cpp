// Data flow: "!!" sets up the printer (its own paper, portrait, 15 mm margins, the PDF file offered)
// and hands it to the preview; each time the preview or the printer asks for the pages, the sheet
// is read off the sheet's labels, the character folder is read again, and the pages are drawn.
#include "window/panels/print_panel.h"

#include "window/layout/layout.h"
#include "window/panels/folder_panel.h"
#include "window/panels/sheet_panel.h"
#include "window/platform/services.h"

#include "common/files.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>

namespace window {

namespace {

// A print to a PDF file is offered this file. Where a printer is at hand the print dialog still
// starts with it: on Windows, whose dialog would send every printer's output to a file named on
// the printer, the file is offered only when there is no printer and the preview asks for a file.
void offerPdfFile(QPrinter& printer, const QString& path)
{
    const bool toPrinter = printer.outputFormat() == QPrinter::NativeFormat;
#ifdef Q_OS_WIN
    if (!toPrinter) printer.setOutputFileName(path);
#else
    printer.setOutputFileName(path); // a name ending in .pdf turns the printer into a PDF file
    if (toPrinter) printer.setOutputFormat(QPrinter::NativeFormat);
#endif
}

} // namespace

QString documentTitle(const QString& characterName)
{
    const QString name = characterName.trimmed();
    return name.isEmpty() ? QString::fromLatin1(kProgramTitle) : name;
}

printout::ShownSheet designedSheet()
{
    const auto caption = [](QStringView name, int index = -1) {
        return QString::fromUtf8(layout::designOf(name, index).caption);
    };
    printout::ShownSheet shown{caption(u"Labnam"), caption(u"Labfull"), caption(u"LabDetail"), {}, {}, {}, {}};
    for (int i = 0; i < sheet::kAttributeLabels; ++i) shown.attributes[std::size_t(i)] = caption(u"Chakra", i);
    for (int row = 0; row < sheet::kAbilityRows; ++row) {
        shown.abilityNames[std::size_t(row)] = caption(u"LabAb", row);
        shown.abilityValues[std::size_t(row)] = caption(u"LabPer", row);
    }
    return shown;
}

PrintedSheet printedSheet(const printout::ShownSheet& shown, const QString& folder, const QString& fileName,
                          QDate printed)
{
    return {printout::sheetBlocks(shown, printout::possessionFiles(folder)), fileName, printed};
}

PrintPanel::PrintPanel(const PrintingControls& controls, QWidget& window, const SheetPanel& sheet,
                       const FolderPanel& folders, Printing& printing, const Clock& clock, Messages& messages,
                       QObject* parent)
    : QObject(parent), window_(window), sheet_(sheet), folders_(folders), printing_(printing), clock_(clock),
      messages_(messages)
{
    connect(controls.Command1, &QPushButton::clicked, this, &PrintPanel::printSheet);
}

void PrintPanel::printSheet()
{
    QPrinter printer(QPrinter::HighResolution);
    // The name the print queue shows, and the file name a PDF printer proposes.
    const QString title = documentTitle(sheet_.name());
    printer.setDocName(title);
    printer.setPageLayout(sheetPageLayout(printer.pageLayout().pageSize())); // the printer's own paper
    // Offered only as a plain name in a character folder that is there: a hand-edited path file
    // with an empty or relative folder would offer a file somewhere nobody asked for.
    const QString pdfName = title + QStringLiteral(".pdf");
    const QString folder = folders_.characterFolder();
    if (QFileInfo(folder).isAbsolute() && common::isFolder(folder) && common::isValidFileName(pdfName)) {
        offerPdfFile(printer, common::joinPath(folder, pdfName));
    }
    printing_.preview(printer, &window_, [this](QPrinter& target) { paint(target); });
}

void PrintPanel::paint(QPrinter& printer)
{
    const PrintedSheet sheet =
        printedSheet(sheet_.shownSheet(), folders_.characterFolder(), sheet_.file(), clock_.today());
    QPainter painter;
    if (!painter.begin(&printer)) {
        messages_.say(QStringLiteral("The sheet could not be printed."));
        return;
    }
    printSheets(painter, printer, {&sheet, 1});
}

} // namespace window
