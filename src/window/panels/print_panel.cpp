// The window is scaled to fill the page's printable area at the printer's resolution without
// distortion, and centred on it.
#include "window/panels/print_panel.h"

#include "window/panels/sheet_panel.h"
#include "window/platform/services.h"

#include <QPushButton>

#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace window {

PrintPanel::PrintPanel(const PrintingControls& controls, QWidget& window, const SheetPanel& sheet,
                       Printing& printing, Messages& messages, QObject* parent)
    : QObject(parent), window_(window), sheet_(sheet), printing_(printing), messages_(messages)
{
    connect(controls.Command1, &QPushButton::clicked, this, &PrintPanel::printSheet);
}

void PrintPanel::printSheet()
{
    QPrinter printer(QPrinter::HighResolution);
    // The name the print queue shows, and the file name the dialog suggests for a PDF.
    const QString name = sheet_.name().trimmed();
    printer.setDocName(name.isEmpty() ? QString::fromLatin1(kProgramTitle) : name);
    if (!printing_.choosePrinter(printer, &window_)) return;

    QPainter painter;
    if (!painter.begin(&printer)) {
        messages_.say(QStringLiteral("The sheet could not be printed."));
        return;
    }
    // The painter's origin is the top left corner of the printable area.
    const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    const QSizeF sheet = window_.size();
    const qreal scale = std::min(page.width() / sheet.width(), page.height() / sheet.height());
    painter.translate((page.width() - sheet.width() * scale) / 2, (page.height() - sheet.height() * scale) / 2);
    painter.scale(scale, scale);
    window_.render(&painter);
    painter.end();
}

} // namespace window
