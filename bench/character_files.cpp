// Character file benchmark: one save ("save": the character file written whole, the folder read
// again, the character path stored) and one load (a click on the file in the character list: the file
// read, the character path stored, the sheet shown), each as a user clicks and with the window events
// it leaves behind processed, in folders of 100, 1,000 and 10,000 files. Each is shown next to what
// the disk alone costs: writing the same file atomically, and reading and decoding it; the save less
// the write is what reading the folder again and refreshing the lists and the sheet cost. All four are
// measured in turns in the same run. Prints the median time of each and how it grows per 1,000 files.
#include "timing.h"

#include "support/test_services.h"

#include "window/form_charac.h"
#include "window/panels/sheet_panel.h"
#include "window/widgets/file_list.h"

#include "charfile/character_file.h"
#include "common/files.h"
#include "sheet/character.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include <array>
#include <cstdio>
#include <vector>

namespace {

constexpr double kFrameMicroseconds = 16000; // one frame at 60 Hz

// A character as a roll leaves it, with every slot of the file in use.
sheet::Character aCharacter()
{
    sheet::Character c;
    for (int i = 0; i < 31; ++i) {
        c.CharText.numbered(i) = QStringLiteral("text of slot %1").arg(i);
        c.CharValue.numbered(i) = std::int16_t(i * 7);
    }
    c.CharText[sheet::slot::text::Name] = QStringLiteral("Aaron"); // listed first, where a click finds it
    return c;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    std::printf("character save and load: one click each, window events processed; medians in ms\n");
    std::printf("  %6s %8s %8s %8s %8s %8s   %s\n", "files", "save", "write", "refresh", "load", "read",
                "of a 16 ms frame: save refresh load");
    constexpr std::array kSizes = {100, 1000, 10000};
    std::array<std::array<double, 4>, kSizes.size()> figures{};
    for (std::size_t s = 0; s < kSizes.size(); ++s) {
        const int count = kSizes[s];
        TestServices env;
        const QString folder = env.programDir.path();
        const QStringList endings{QStringLiteral(".QOZ"), QStringLiteral(".qoa"), QStringLiteral(".qod"),
                                  QStringLiteral(".qon")};
        if (!fillFolder(folder, count, QStringLiteral("someone"), endings)) return 1;
        window::FormCharac form(env.services);
        form.show();
        if (!QTest::qWaitForWindowExposed(&form)) return 1;
        const sheet::Character character = aCharacter();
        form.sheet().setCharacter(character);
        form.sheet().Numero();
        const QString path = folder + QStringLiteral("/Aaron.QOZ");
        const QString copy = folder + QStringLiteral("/copy.bin"); // a name no list shows
        const QByteArray bytes = charfile::characterFileBytes(character);

        const int runs = count >= 10000 ? 31 : 101;
        std::array<std::vector<double>, 4> times;
        for (int i = 0; i < runs; ++i) {
            times[0].push_back(actionMicroseconds([&] { form.controls().CDsaveCH->click(); }));
            times[1].push_back(microseconds([&] {
                if (!common::writeFileAtomically(copy, bytes)) std::abort();
            }));
            form.sheet().setCharacter(sheet::Character{}); // so that the load has something to do
            const QListWidgetItem* item = form.controls().FileD->item(0);
            if (!item || item->text() != QStringLiteral("Aaron.QOZ")) return 1;
            times[2].push_back(actionMicroseconds([&] {
                QTest::mouseClick(form.controls().FileD->viewport(), Qt::LeftButton, {},
                                  form.controls().FileD->visualItemRect(item).center());
            }));
            if (form.sheet().character().CharText[sheet::slot::text::Name] != QStringLiteral("Aaron")) return 1;
            times[3].push_back(microseconds([&] {
                sheet::Character read;
                if (!charfile::readCharacterFile(*common::readWholeFile(path, common::kSmallFileLimit), read))
                    std::abort();
            }));
        }
        if (!env.messages->texts.filter(QStringLiteral("alien invader")).isEmpty()) return 1;
        for (std::size_t a = 0; a < 4; ++a) figures[s][a] = median(times[a]);
        const auto& f = figures[s];
        const double refresh = f[0] - f[1]; // the lists read again after the write, and the sheet
        std::printf("  %6d %8.2f %8.2f %8.2f %8.2f %8.3f %24.0f%% %6.0f%% %4.0f%%\n", count, f[0] / 1000, f[1] / 1000,
                    refresh / 1000, f[2] / 1000, f[3] / 1000, 100 * f[0] / kFrameMicroseconds,
                    100 * refresh / kFrameMicroseconds, 100 * f[2] / kFrameMicroseconds);
    }
    const auto growth = [&](std::size_t a) {
        return (figures[2][a] - figures[1][a]) / 1000 / ((kSizes[2] - kSizes[1]) / 1000.0);
    };
    std::printf("  growth per 1,000 files (1,000 to 10,000): save %+.3f ms, load %+.3f ms\n", growth(0), growth(2));
    return 0;
}
