// Hostile catalogues: files within the catalogue bound made to be as costly as a catalogue can be,
// each loaded through the window in a process of its own (so that its peak memory is its own):
//
//   one 30 MiB name        a name far past what a possession file holds: refused
//   one 1 MiB name         the longest name taken, chosen into two text boxes
//   9.6 million entries    64 MiB of "i,x,1" records
//   22.4 million records   64 MiB of commas, three empty fields a record: the most a file can hold
//
//   catalogue_hostile KIND      KIND: name30 name1 tiny empty; prints one line of the table
//   catalogue_hostile --heading prints the table's heading
//
// Times are the process's processor time (user and system) and wall time of one click each: the
// load, then the choice of the last entry; memory is the peak resident size of the process, and the
// resident size once a small catalogue has replaced the hostile one.
#include "support/test_services.h"

#include "window/form_charac.h"
#include "window/widgets/file_list.h"
#include "window/widgets/folder_list.h"
#include "window/widgets/text_list.h"

#include "common/files.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <cstring>
#include <sys/resource.h>

namespace {

struct Kind {
    const char* name;
    const char* title;
    QByteArray (*bytes)();
};

constexpr qsizetype kMiB = qsizetype{1} << 20;

QByteArray repeated(const QByteArray& unit, qsizetype total) { return unit.repeated(total / unit.size()); }

const Kind kKinds[] = {
    {"name30", "one 30 MiB name", [] { return "i," + QByteArray(30 * kMiB, 'n') + ",1\r\nz,,\r\n"; }},
    {"name1", "one 1 MiB name", [] { return "i," + QByteArray(kMiB, 'n') + ",1\r\nz,,\r\n"; }},
    {"tiny", "64 MiB of i,x,1", [] { return repeated("i,x,1\r\n", common::kCatalogueFileLimit); }},
    {"empty", "64 MiB of commas", [] { return repeated(",", common::kCatalogueFileLimit); }},
};

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// A line of /proc/self/status in MB ("VmHWM", the peak resident size; "VmRSS", the resident size).
double statusMegabytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qsizetype(std::strlen(field)) + 1).trimmed().split(' ').front().toDouble() / 1024.0;
    }
    return -1;
}

// Starts the peak resident size afresh from the present size, so that making the files does not count.
void resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (!refs.open(QIODevice::WriteOnly) || refs.write("5") != 1)
        std::fprintf(stderr, "catalogue_hostile: peak not reset\n");
}

struct Cost {
    double cpu = 0;
    double wall = 0;
};

template <class Action> Cost costOf(Action action)
{
    QCoreApplication::processEvents();
    const double cpu = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    action();
    QCoreApplication::processEvents();
    return {cpuSeconds() - cpu, double(wall.nsecsElapsed()) / 1e9};
}

void clickFile(window::FormCharac& form, const QString& name)
{
    QListWidgetItem* item = form.controls().FileF->findItems(name, Qt::MatchExactly).value(0);
    if (!item) std::exit(1);
    QTest::mouseClick(form.controls().FileF->viewport(), Qt::LeftButton, {},
                      form.controls().FileF->visualItemRect(item).center());
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 2 && std::strcmp(argv[1], "--heading") == 0) {
        std::printf("hostile catalogues, a process each: one click to load, one to choose the last entry\n");
        std::printf("  %-18s %9s | %-14s | %-14s | %8s %8s %8s\n", "file", "entries", "load cpu/wall s",
                    "choose cpu/wall", "base MB", "peak MB", "after MB");
        return 0;
    }
    const Kind* kind = nullptr;
    for (const Kind& k : kKinds) {
        if (argc == 2 && std::strcmp(argv[1], k.name) == 0) kind = &k;
    }
    if (!kind) {
        std::fprintf(stderr, "usage: catalogue_hostile --heading | name30 | name1 | tiny | empty\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestServices env;
    common::writeFileAtomically(env.programDir.filePath(QStringLiteral("hostile.qoc")), kind->bytes());
    common::writeFileAtomically(env.programDir.filePath(QStringLiteral("small.qoc")), "w,Sword,4\r\n");
    window::FormCharac form(env.services);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;
    form.controls().CDnew->click();
    form.controls().DirA->reread(env.programDir.path());
    QCoreApplication::processEvents();
    resetPeak();
    const double base = statusMegabytes("VmRSS:");

    const Cost load = costOf([&] { clickFile(form, QStringLiteral("hostile.qoc")); });
    const int entries = form.controls().ListStuff->count();
    Cost choose;
    if (entries > 0) {
        choose = costOf([&] {
            form.controls().ListStuff->scrollToRow(entries - 1);
            QTest::mouseClick(form.controls().ListStuff->viewport(), Qt::LeftButton, {},
                              form.controls().ListStuff->rowRect(entries - 1).center());
        });
    }
    const double peak = statusMegabytes("VmHWM:");
    clickFile(form, QStringLiteral("small.qoc"));
    QCoreApplication::processEvents();
    const double after = statusMegabytes("VmRSS:");

    const bool refused = env.messages->texts.contains(QStringLiteral("not valid qod file"));
    const QString count = refused ? QStringLiteral("refused") : QString::number(entries);
    std::printf("  %-18s %9s | %6.2f %6.2f  | %6.2f %6.2f  | %8.0f %8.0f %8.0f\n", kind->title, qPrintable(count),
                load.cpu, load.wall, choose.cpu, choose.wall, base, peak, after);
    return 0;
}
