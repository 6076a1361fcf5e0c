// Start-up probe: starts one of three windows the way the program starts (a QApplication with the
// sheet's style, the window built and shown), waits until the window is on screen, and exits.
//   startup_probe bare     a bare Qt window of the sheet's size
//   startup_probe plain    the sheet's widget tree in plain Qt: every row of the layout table made by
//                          the control factory, with its caption, colours and font, on a top-level
//                          widget with the window's size, colour and font; no FormCharac, no
//                          handlers, no files
//   startup_probe charac   the real Charac window, with the real services
//   startup_probe plain+icon, plain+folder, plain+icon+folder
//                          the plain tree with the window's drawn icon, or with the program folder
//                          made ready and the real services, as the window has them
// On its first exposed frame (the expose event handled, which paints the window and hands it to the
// window system) it notes the CLOCK_MONOTONIC time; once QTest::qWaitForWindowExposed sees the window
// on screen it prints that time in nanoseconds, the number of widgets the window holds, the times at
// which main() was entered, the QApplication was made, the window was built and show() returned, and
// the processor time it had used at its first frame, and exits.
// bench/startup_runner starts many probes of each kind in turns and takes the time from the start of
// each process to its first frame, and to its exit.
#include "window/form_charac.h"
#include "window/layout/control_factory.h"
#include "window/layout/layout.h"
#include "window/widgets/artwork.h"
#include "window/widgets/sheet_style.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHash>
#include <QTest>
#include <QWindow>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

namespace {

long long nanoseconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

long long monotonicNanoseconds() { return nanoseconds(CLOCK_MONOTONIC); }

// Notes the moment the watched window's first expose event has been handled: handling it paints the
// widgets and flushes the backing store, so that is the first frame. QTest::qWaitForWindowExposed
// only looks every 10 ms; the note keeps that polling step out of the figure.
class FirstFrame final : public QObject {
public:
    explicit FirstFrame(const QWidget* watched) : watched_(watched) { qApp->installEventFilter(this); }
    long long at = 0;
    long long cpu = 0; // processor time the process (all its threads) had used by then

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (at != 0 || event->type() != QEvent::Expose || object != watched_->windowHandle()) return false;
        object->event(event); // handled here, in full, so that the time is taken after the paint
        if (watched_->windowHandle()->isExposed()) {
            at = monotonicNanoseconds();
            cpu = nanoseconds(CLOCK_PROCESS_CPUTIME_ID);
        }
        return true;
    }

private:
    const QWidget* watched_;
};

void setWindowLook(QWidget& window)
{
    // As FormCharac sets itself up: size, parchment colour, and the sheet's font, chosen the same way
    // (Georgia, else a serif of similar width that the machine has).
    window.setFixedSize(layout::pixels(layout::kWindowWidthTwips), layout::pixels(layout::kWindowHeightTwips));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(QRgb(layout::kWindowBack)));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    QString family = QStringLiteral("serif");
    const QStringList present = QFontDatabase::families();
    for (const char* candidate : {layout::kFontFamily, "Gelasio", "Liberation Serif", "DejaVu Serif"}) {
        if (present.contains(QString::fromLatin1(candidate))) {
            family = QString::fromLatin1(candidate);
            break;
        }
    }
    QFont font(family);
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(layout::kDefaultPoints);
    font.setBold(true);
    window.setFont(font);
}

std::unique_ptr<QWidget> plainWidgetTree()
{
    auto window = std::make_unique<QWidget>();
    setWindowLook(*window);
    QHash<QString, QWidget*> made;
    for (const layout::ControlSpec& entry : layout::controls()) {
        QWidget* parent = entry.container ? made.value(QString::fromLatin1(entry.container)) : window.get();
        made.insert(layout::objectName(entry), window::createControl(entry, parent));
    }
    // The sheet is first shown with the teleport frame closed ("T" unchecked); the tree shows the same
    // controls, so that both paint the same first frame.
    made.value(QStringLiteral("FrameTele"))->hide();
    return window;
}

} // namespace

int main(int argc, char* argv[])
{
    const long long entered = monotonicNanoseconds();
    const char* kind = argc > 1 ? argv[1] : "charac";
    QApplication app(argc, argv);
    QApplication::setStyle(new window::SheetStyle);
    const long long appMade = monotonicNanoseconds();
    std::unique_ptr<QWidget> shown;
    if (std::strcmp(kind, "bare") == 0) {
        shown = std::make_unique<QWidget>();
        shown->setFixedSize(layout::pixels(layout::kWindowWidthTwips), layout::pixels(layout::kWindowHeightTwips));
    } else if (std::strncmp(kind, "plain", 5) == 0) {
        // "plain+icon", "plain+folder": the tree with one piece of the window's own start-up added, to
        // weigh that piece alone.
        if (std::strstr(kind, "+folder")) window::realServices(window::realProgramFolder().path);
        shown = plainWidgetTree();
        if (std::strstr(kind, "+icon")) shown->setWindowIcon(window::windowIcon());
    } else if (std::strcmp(kind, "charac") == 0) {
        shown = std::make_unique<window::FormCharac>(window::realServices(window::realProgramFolder().path));
    } else {
        std::fprintf(stderr, "usage: startup_probe bare|plain[+icon][+folder]|charac\n");
        return 2;
    }
    const long long built = monotonicNanoseconds();
    FirstFrame frame(shown.get());
    shown->show();
    const long long showCalled = monotonicNanoseconds();
    if (!QTest::qWaitForWindowExposed(shown.get()) || frame.at == 0) return 1;
    std::printf("%lld %lld %lld %lld %lld %lld %lld\n", frame.at,
                static_cast<long long>(shown->findChildren<QWidget*>().size()), entered, appMade, built, showCalled,
                frame.cpu);
    std::fflush(stdout);
    return 0;
}
