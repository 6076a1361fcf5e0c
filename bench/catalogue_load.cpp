// Catalogue benchmark: one load of a catalogue file through the window (the click on the file: the
// file read, its records read, the three lists filled and repainted) next to reading the same file
// and its records with the catalogue reader alone (readWholeFile and readCatalogue), measured in turns
// in the same run, for catalogues of 1,000, 10,000 and 100,000 entries. Prints the median time of
// each, their ratio, and the time per entry, which stays level at every size when the cost is linear
// in the catalogue's size.
#include "timing.h"

#include "support/test_services.h"

#include "window/form_charac.h"
#include "window/widgets/file_list.h"
#include "window/widgets/folder_list.h"
#include "window/widgets/text_list.h"

#include "catalogue/catalogue.h"
#include "common/files.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <vector>

namespace {

QByteArray catalogueOf(int entries)
{
    static const char* kCodes[] = {"w", "a", "h", "d", "i", "o", "m", "s"};
    QByteArray bytes;
    for (int i = 0; i < entries; ++i) {
        bytes += kCodes[i % 8];
        bytes += i % 10 == 0 ? ",\"Thing, number " : ",Thing number ";
        bytes += QByteArray::number(i);
        bytes += i % 10 == 0 ? "\"," : ",";
        bytes += i % 8 == 7 ? "-14" : QByteArray::number(i % 97) + (i % 3 ? "" : ".5");
        bytes += "\r\n";
    }
    return bytes + "z,end,0\r\n";
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestServices env;
    window::FormCharac form(env.services);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) return 1;
    form.controls().CDnew->click();

    std::printf("catalogue load (a click on the file) vs the catalogue reader alone; medians\n");
    std::printf("  %7s %9s %9s %7s | %s\n", "entries", "load", "reader", "ratio", "per entry: load  reader (us)");
    for (const int entries : {1000, 10000, 100000}) {
        const QString name = QStringLiteral("bench %1.qoc").arg(entries);
        const QString path = env.programDir.filePath(name);
        common::writeFileAtomically(path, catalogueOf(entries));
        form.controls().DirA->reread(env.programDir.path());
        QListWidgetItem* item = form.controls().FileF->findItems(name, Qt::MatchExactly).value(0);
        if (!item) return 1;
        const QPoint at = form.controls().FileF->visualItemRect(item).center();

        const int runs = entries >= 100000 ? 11 : 51;
        std::vector<double> loads, readings;
        for (int i = 0; i < runs; ++i) {
            loads.push_back(actionMicroseconds(
                [&] { QTest::mouseClick(form.controls().FileF->viewport(), Qt::LeftButton, {}, at); }));
            readings.push_back(microseconds([&] {
                if (catalogue::readCatalogue(*common::readWholeFile(path, common::kCatalogueFileLimit))->size()
                    != entries)
                    std::abort();
            }));
        }
        if (form.controls().ListStuff->count() != entries) return 1;
        const double load = median(loads);
        const double reading = median(readings);
        std::printf("  %7d %7.2fms %7.2fms %7.2f | %15.3f %7.3f\n", entries, load / 1000, reading / 1000,
                    load / reading, load / entries, reading / entries);
    }
    return 0;
}
