// Start-up probe: starts either the Charac window or a bare Qt window of the same size, the way the
// program starts, waits until the window is on screen, and exits. Timing many runs of each, as
// separate processes, compares what the sheet's start-up costs over Qt's own.
//   startup_probe charac|bare
#include "window/form_charac.h"
#include "window/sheet_style.h"

#include <QApplication>
#include <QTest>

#include <cstring>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(new window::SheetStyle);
    std::unique_ptr<QWidget> shown;
    if (argc > 1 && std::strcmp(argv[1], "bare") == 0) {
        shown = std::make_unique<QWidget>();
        shown->setFixedSize(984, 694);
    } else {
        shown = std::make_unique<window::FormCharac>(window::realServices(window::realProgramFolder().path));
    }
    shown->show();
    return QTest::qWaitForWindowExposed(shown.get()) ? 0 : 1;
}
