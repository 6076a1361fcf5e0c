// Undo benchmark: one undo and one redo of a roll (every sheet label put back) and of damage (one
// label changed), next to the click that made the step, each with the window events it leaves
// behind processed, measured in turns; the memory of the process after 1,000, 10,000 and 20,000
// steps, which the kept 1,000 steps bound; and the unsaved sheet: a click that starts its timer
// next to the same click in a window that keeps nothing, and the keeping itself. Prints medians
// against one frame (16 ms).
#include "timing.h"

#include "support/test_services.h"

#include "window/form_charac.h"
#include "window/panels/sheet_panel.h"
#include "window/panels/unsaved_keeper.h"
#include "window/widgets/edit_box.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>

#include <array>
#include <cstdio>
#include <vector>

namespace {

constexpr double kFrameMicroseconds = 16000; // one frame at 60 Hz

// The resident memory of this process, in MiB.
double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').front().toDouble() / 1024;
    }
    return 0;
}

// Undo and redo of the step that click makes, with the click itself, in turns; medians in µs.
std::array<double, 3> timeStep(window::FormCharac& form, QPushButton* button)
{
    window::SheetHistory& history = form.sheet().history();
    std::array<std::vector<double>, 3> times;
    for (int i = 0; i < 201; ++i) {
        times[0].push_back(actionMicroseconds([&] { button->click(); }));
        times[1].push_back(actionMicroseconds([&] { history.undo(); }));
        times[2].push_back(actionMicroseconds([&] { history.redo(); }));
    }
    return {median(times[0]), median(times[1]), median(times[2])};
}

// Damage of 1 then takes one health away, as often as it is taken.
void armourOfOne(window::FormCharac& form)
{
    sheet::Character armoured = form.sheet().character();
    armoured.CharValue[sheet::slot::value::Armour] = 1;
    form.sheet().setCharacter(armoured);
}

void timeUndo(window::FormCharac& form)
{
    const window::ControlSet& c = form.controls();
    std::printf("undo and redo: one step each, window events processed; medians in ms\n");
    std::printf("  %-8s %8s %8s %8s   %s\n", "step", "action", "undo", "redo", "of a 16 ms frame: undo redo");
    c.CMran->click();
    for (auto [name, button] : {std::pair{"roll", c.CMran}, std::pair{"damage", c.CDdam}}) {
        armourOfOne(form);
        const auto [action, undo, redo] = timeStep(form, button);
        std::printf("  %-8s %8.3f %8.3f %8.3f %30.1f%% %4.1f%%\n", name, action / 1000, undo / 1000, redo / 1000,
                    100 * undo / kFrameMicroseconds, 100 * redo / kFrameMicroseconds);
    }
}

void measureMemory(window::FormCharac& form, double started)
{
    std::printf("memory after rolls, each a step that changes every label; resident MiB, %.1f at start\n", started);
    int made = 0;
    for (const int steps : {1000, 10000, 20000}) {
        for (; made < steps; ++made) form.controls().CMran->click();
        settle();
        std::printf("  %6d steps %8.1f MiB   %d kept\n", steps, residentMiB(), form.sheet().history().steps().count());
    }
}

// Damage in a window that keeps the unsaved sheet and in one that keeps nothing (it only reads), in
// turns, and the keeping that the first one's timer starts: the sheet written whole and durably.
bool timeKeeping()
{
    TestServices keeping;
    TestServices reading;
    reading.services.readOnly = true;
    window::FormCharac kept(keeping.services);
    window::FormCharac notKept(reading.services);
    for (window::FormCharac* form : {&kept, &notKept}) {
        form->show();
        if (!QTest::qWaitForWindowExposed(form)) return false;
        form->controls().CMran->click();
        armourOfOne(*form);
    }
    std::array<std::vector<double>, 3> times;
    for (int i = 0; i < 401; ++i) {
        // Each goes first in every other turn, so that neither pays for what the other left.
        const std::size_t first = i % 2;
        times[first].push_back(actionMicroseconds([&] { (first ? notKept : kept).controls().CDdam->click(); }));
        times[1 - first].push_back(actionMicroseconds([&] { (first ? kept : notKept).controls().CDdam->click(); }));
        times[2].push_back(microseconds([&] { kept.unsaved().keepNow(); }));
    }
    const QFileInfo file(keeping.programDir.filePath(QStringLiteral("unsaved.sheet")));
    std::printf("the unsaved sheet: damage, window events processed, and the keeping; medians in ms\n");
    std::printf(
        "  damage, kept %.3f, keeping nothing %.3f (ratio %.3f); keeping %.3f (%.0f%% of a frame), %lld bytes\n",
        median(times[0]) / 1000, median(times[1]) / 1000, median(times[0]) / median(times[1]), median(times[2]) / 1000,
        100 * median(times[2]) / kFrameMicroseconds, file.size());
    return file.exists();
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestServices env;
    env.services.random = std::make_shared<common::SeededRandom>();
    window::FormCharac form(env.services);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;
    const double started = residentMiB();
    timeUndo(form);
    measureMemory(form, started);
    return timeKeeping() ? 0 : 1;
}
