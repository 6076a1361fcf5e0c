// Possession benchmark: one view of an item file (a click in the items list: the file read, the line
// boxes, the sheet and the event log written), one step of the amount ("<"), and one "save item" (the
// file written whole into the character folder and that folder read again), each with the window
// events it leaves behind processed, in character folders of 100, 1,000 and 10,000 possession files.
// "save item" is shown next to writing the same file alone, which is what the disk costs, and the
// difference, the lists' refresh after the write, against one frame. The actions
// are measured in turns within each folder. Prints the median time of each against one frame (16 ms)
// and how each grows per 1,000 files of the folder.
#include "timing.h"

#include "support/test_services.h"

#include "window/form_charac.h"
#include "window/widgets/edit_box.h"
#include "window/widgets/file_list.h"
#include "window/widgets/folder_list.h"

#include "common/files.h"
#include "possessions/possession_file.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include <array>
#include <cstdio>
#include <vector>

namespace {

constexpr double kFrameMicroseconds = 16000; // one frame at 60 Hz

void clickEntry(window::FileList* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

const QByteArray kItem = "w\r\nLong sword of the north\r\n12 gold\r\nsharp\r\n___\r\n";

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    std::printf("possessions: one click each, window events processed; medians in ms (%% of a 16 ms frame)\n");
    std::printf("  %6s %14s %14s %14s %10s %16s\n", "files", "view", "amount step", "save item", "write alone",
                "refresh (save-write)");
    constexpr std::array kSizes = {100, 1000, 10000};
    std::array<std::array<double, 4>, kSizes.size()> figures{};
    for (std::size_t s = 0; s < kSizes.size(); ++s) {
        const int count = kSizes[s];
        TestServices env;
        const QString folder = env.programDir.path();
        const QStringList endings{QStringLiteral(".qoa"), QStringLiteral(".qod"), QStringLiteral(".qon"),
                                  QStringLiteral(".QOZ")};
        if (!fillFolder(folder, count, QStringLiteral("thing"), endings, kItem)) return 1;
        window::FormCharac form(env.services);
        form.show();
        if (!QTest::qWaitForWindowExposed(&form)) return 1;
        form.controls().TXfile->setText(QStringLiteral("saved.qod"));
        const QString saved = folder + QStringLiteral("/saved.qod");
        const QByteArray savedBytes = possessions::possessionFileBytes(
            {QStringLiteral("w"), QStringLiteral("Long sword of the north"), QStringLiteral("12 gold"),
             QStringLiteral("sharp"), QStringLiteral("___"), QString(), QString()});

        const int runs = count >= 10000 ? 31 : 201;
        std::array<std::vector<double>, 4> times;
        for (int i = 0; i < runs; ++i) {
            times[0].push_back(actionMicroseconds([&] { clickEntry(form.controls().FileA[1], 7); }));
            if (form.controls().TXline[1]->text() != QStringLiteral("Long sword of the north")) return 1;
            times[1].push_back(actionMicroseconds([&] { form.controls().CMchange[0]->click(); }));
            times[2].push_back(actionMicroseconds([&] { form.controls().CDsave->click(); }));
            times[3].push_back(microseconds([&] {
                if (!common::writeFileAtomically(saved, savedBytes)) std::abort();
            }));
        }
        if (!env.messages->texts.filter(QStringLiteral("didn't make it")).isEmpty()) return 1;
        for (std::size_t a = 0; a < 4; ++a) figures[s][a] = median(times[a]);
        const auto& f = figures[s];
        const double refresh = f[2] - f[3];
        std::printf("  %6d %6.2f (%4.1f%%) %6.2f (%4.1f%%) %6.2f (%4.1f%%) %10.2f %12.2f (%4.1f%%)\n", count,
                    f[0] / 1000, 100 * f[0] / kFrameMicroseconds, f[1] / 1000, 100 * f[1] / kFrameMicroseconds,
                    f[2] / 1000, 100 * f[2] / kFrameMicroseconds, f[3] / 1000, refresh / 1000,
                    100 * refresh / kFrameMicroseconds);
    }
    const auto growth = [&](std::size_t a) {
        return (figures[2][a] - figures[1][a]) / 1000 / ((kSizes[2] - kSizes[1]) / 1000.0);
    };
    std::printf("  growth per 1,000 files (1,000 to 10,000): view %+.3f ms, step %+.3f ms, save item %+.3f ms\n",
                growth(0), growth(1), growth(2));
    return 0;
}
