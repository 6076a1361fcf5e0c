// Folder change benchmark: one change of the folder list (all five file lists re-read and the place
// label set) in folders of 100, 1,000 and 10,000 files, next to one plain directory listing of the
// same folder (QDir::entryList of its files, sorted by name as a listing is), measured in turns in
// the same run. Prints the median time of each and their ratio.
#include "timing.h"

#include "support/test_services.h"

#include "window/folder_list.h"
#include "window/form_charac.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Files of every kind the lists show, and others they do not.
void fill(const QString& folder, int count)
{
    static const char* kExtensions[] = {".QOZ", ".qoa", ".qod", ".qon", ".qoc", ".txt"};
    for (int i = 0; i < count; ++i) {
        QFile file(QDir(folder).filePath(QStringLiteral("file %1%2").arg(i, 5, 10, QLatin1Char('0')).arg(QLatin1String(kExtensions[i % 6]))));
        file.open(QIODevice::WriteOnly);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestServices env;
    window::FormCharac form(env.services);

    std::printf("%8s %14s %14s %7s\n", "files", "change (us)", "listing (us)", "ratio");
    for (const int count : {100, 1000, 10000}) {
        QTemporaryDir first, second;
        fill(first.path(), count);
        fill(second.path(), count);
        // The two are measured in turns, so that whatever else the machine does weighs on both.
        const int runs = count >= 10000 ? 31 : 201;
        std::vector<double> changes, listings;
        for (int i = 0; i < runs; ++i) {
            changes.push_back(microseconds([&] { form.DirA->setPath(i % 2 ? first.path() : second.path()); }));
            listings.push_back(microseconds([&] {
                const QStringList names = QDir(first.path()).entryList(QDir::Files);
                Q_UNUSED(names);
            }));
        }
        const double change = median(changes);
        const double listing = median(listings);
        std::printf("%8d %14.0f %14.0f %7.2f\n", count, change, listing, change / listing);
    }
    return 0;
}
