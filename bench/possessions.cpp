// Possession benchmark: one view of an item file (a click in the items list: the file read, the line
// boxes, the sheet and the event log written), one step of the amount ("<"), and one "save item"
// (the file written whole into the character folder and that folder read again), each with the
// window events they leave behind processed, in a character folder of 200 possession files. Prints
// the median time of each against one frame (16 ms).
#include "timing.h"

#include "support/test_services.h"

#include "window/edit_box.h"
#include "window/file_list.h"
#include "window/folder_list.h"
#include "window/form_charac.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr double kFrameMicroseconds = 16000; // one frame

double medianMicroseconds(int runs, const std::function<void()>& once)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        times.push_back(microseconds([&] {
            once();
            QCoreApplication::processEvents();
        }));
    }
    return median(times);
}

void clickEntry(window::FileList* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestServices env;
    const QString folder = env.programDir.path();
    static const char* kExtensions[] = {".qoa", ".qod", ".qon", ".QOZ"};
    for (int i = 0; i < 200; ++i) {
        QFile file(folder + QStringLiteral("/thing %1%2").arg(i, 3, 10, QLatin1Char('0')).arg(QLatin1String(kExtensions[i % 4])));
        file.open(QIODevice::WriteOnly);
        file.write("w\r\nLong sword of the north\r\n12 gold\r\nsharp\r\n___\r\n");
    }
    window::FormCharac form(env.services);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;

    const int runs = 301;
    const double view = medianMicroseconds(runs, [&] { clickEntry(form.FileA[1], 7); });
    const double step = medianMicroseconds(runs, [&] { form.CMchange[0]->click(); });
    form.TXfile->setText(QStringLiteral("saved.qod"));
    const double save = medianMicroseconds(runs, [&] { form.CDsave->click(); });

    std::printf("%-12s %10s %14s\n", "action", "median (us)", "share of frame");
    for (const auto& [name, micros] : {std::pair{"view", view}, {"amount step", step}, {"save item", save}}) {
        std::printf("%-12s %10.0f %13.1f%%\n", name, micros, 100.0 * micros / kFrameMicroseconds);
    }
    return 0;
}
