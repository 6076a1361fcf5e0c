// Undo benchmark: one undo and one redo of a roll (every sheet label put back) and of damage (one
// label changed), next to the click that made the step, each with the window events it leaves
// behind processed, measured in turns; and the memory of the process after 1,000, 10,000 and 20,000
// steps, which the kept 1,000 steps bound. Prints medians against one frame (16 ms).
#include "timing.h"

#include "support/test_services.h"

#include "window/form_charac.h"
#include "window/panels/sheet_panel.h"
#include "window/widgets/edit_box.h"

#include <QApplication>
#include <QFile>
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
    const window::ControlSet& c = form.controls();
    const double started = residentMiB();

    std::printf("undo and redo: one step each, window events processed; medians in ms\n");
    std::printf("  %-8s %8s %8s %8s   %s\n", "step", "action", "undo", "redo", "of a 16 ms frame: undo redo");
    c.CMran->click();
    for (auto [name, button] : {std::pair{"roll", c.CMran}, std::pair{"damage", c.CDdam}}) {
        // Damage of 1 takes one health away at an armour of 1, as often as it is taken.
        sheet::Character armoured = form.sheet().character();
        armoured.CharValue[sheet::slot::value::Armour] = 1;
        form.sheet().setCharacter(armoured);
        const auto [action, undo, redo] = timeStep(form, button);
        std::printf("  %-8s %8.3f %8.3f %8.3f %30.1f%% %4.1f%%\n", name, action / 1000, undo / 1000, redo / 1000,
                    100 * undo / kFrameMicroseconds, 100 * redo / kFrameMicroseconds);
    }

    std::printf("memory after rolls, each a step that changes every label; resident MiB, %.1f at start\n", started);
    int made = 0;
    for (const int steps : {1000, 10000, 20000}) {
        for (; made < steps; ++made) c.CMran->click();
        settle();
        std::printf("  %6d steps %8.1f MiB   %d kept\n", steps, residentMiB(), form.sheet().history().steps().count());
    }
    return 0;
}
