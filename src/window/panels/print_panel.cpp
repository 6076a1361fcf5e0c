// The print button: the user chooses a printer or a PDF file in the print dialog (through the
// printing service), and the whole window goes onto one page as it looks on screen, scaled to fill
// the page's printable area at the printer's resolution without distortion, and centred on it.
#include "window/form_charac.h"

#include "window/widgets/caption_label.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace window {

void FormCharac::printSheet()
{
    QPrinter printer(QPrinter::HighResolution);
    // The name the print queue shows, and the file name the dialog suggests for a PDF.
    const QString name = Labnam->caption().trimmed();
    printer.setDocName(name.isEmpty() ? QString::fromLatin1(kProgramTitle) : name);
    if (!services_.printing->choosePrinter(printer, this)) return;

    QPainter painter;
    if (!painter.begin(&printer)) {
        say(QStringLiteral("The sheet could not be printed."));
        return;
    }
    // The painter's origin is the top left corner of the printable area.
    const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    const QSizeF sheet = size();
    const qreal scale = std::min(page.width() / sheet.width(), page.height() / sheet.height());
    painter.translate((page.width() - sheet.width() * scale) / 2, (page.height() - sheet.height() * scale) / 2);
    painter.scale(scale, scale);
    render(&painter);
    painter.end();
}

} // namespace window
