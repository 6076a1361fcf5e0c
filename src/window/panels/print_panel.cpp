// Data flow: the window is recorded into a QPicture, which keeps every control's drawing as
// commands (a widget rendered straight onto a printer is turned into one picture of pixels first),
// and the picture is played on the page, scaled to fill it.
#include "window/panels/print_panel.h"

#include "window/panels/sheet_panel.h"
#include "window/platform/services.h"

#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPushButton>

#include <algorithm>

namespace window {

QPageLayout::Orientation orientationFor(const QWidget& window)
{
    return window.width() > window.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

QString documentTitle(const QString& characterName)
{
    const QString name = characterName.trimmed();
    return name.isEmpty() ? QString::fromLatin1(kProgramTitle) : name;
}

void paintWindowOnPage(QWidget& window, QPainter& painter, const QPagedPaintDevice& device)
{
    QPicture picture;
    {
        QPainter recorder(&picture);
        window.render(&recorder);
    }
    // A picture plays at its own 96 dots an inch: on the page one logical pixel of the window becomes
    // resolution / 96 device pixels before it is scaled to fill the page.
    const qreal dots = qreal(device.logicalDpiX()) / qreal(picture.logicalDpiX());
    const QSizeF page = device.pageLayout().paintRectPixels(device.logicalDpiX()).size();
    const QSizeF sheet = QSizeF(window.size()) * dots;
    const qreal scale = std::min(page.width() / sheet.width(), page.height() / sheet.height());
    painter.save();
    // The painter's origin is the top left corner of the printable area.
    painter.translate((page.width() - sheet.width() * scale) / 2, (page.height() - sheet.height() * scale) / 2);
    painter.scale(scale, scale);
    painter.drawPicture(0, 0, picture);
    painter.restore();
}

PrintPanel::PrintPanel(const PrintingControls& controls, QWidget& window, const SheetPanel& sheet, Printing& printing,
                       Messages& messages, QObject* parent)
    : QObject(parent), window_(window), sheet_(sheet), printing_(printing), messages_(messages)
{
    connect(controls.Command1, &QPushButton::clicked, this, &PrintPanel::printSheet);
}

void PrintPanel::printSheet()
{
    QPrinter printer(QPrinter::HighResolution);
    // The name the print queue shows, and the file name the dialog suggests for a PDF.
    printer.setDocName(documentTitle(sheet_.name()));
    printer.setPageOrientation(orientationFor(window_)); // proposed; the user may change it
    if (!printing_.choosePrinter(printer, &window_)) return;

    QPainter painter;
    if (!painter.begin(&printer)) {
        messages_.say(QStringLiteral("The sheet could not be printed."));
        return;
    }
    paintWindowOnPage(window_, painter, printer);
    painter.end();
}

} // namespace window
