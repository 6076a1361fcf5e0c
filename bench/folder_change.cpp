// Folder change benchmark: one change of the folder list (the folder read, all five file lists
// filled, the place label set, and the shown window repainted) in folders of 100, 1,000 and 10,000
// files, next to one plain listing of the same folder: QDir::entryList of its files (sorted by name,
// as a listing is), and readdir() alone, the floor any listing stands on. The three are measured in
// turns in the same run. Prints the median time of each, the change's ratio to each listing, and the
// time per file, which stays level at every size when the cost is linear in the folder's size.
#include "timing.h"

#include "support/test_services.h"

#include "window/form_charac.h"
#include "window/widgets/file_list.h"
#include "window/widgets/folder_list.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <dirent.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Files of every kind the lists show, and others they do not, their names beginning with stem.
void fill(const QString& folder, int count, const QString& stem)
{
    static const char* kExtensions[] = {".QOZ", ".qoa", ".qod", ".qon", ".qoc", ".txt"};
    for (int i = 0; i < count; ++i) {
        QFile file(QDir(folder).filePath(QStringLiteral("%1 %2%3")
                                             .arg(stem)
                                             .arg(i, 5, 10, QLatin1Char('0'))
                                             .arg(QLatin1String(kExtensions[i % 6]))));
        if (!file.open(QIODevice::WriteOnly)) std::abort();
    }
}

// Every name of the folder, read with readdir() and nothing more.
std::size_t readdirNames(const QByteArray& folder)
{
    std::vector<std::string> names;
    DIR* dir = opendir(folder.constData());
    if (!dir) std::abort();
    while (const dirent* entry = readdir(dir)) names.emplace_back(entry->d_name);
    closedir(dir);
    return names.size();
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

    std::printf("folder change (folder list and five file lists, repainted) vs listing the folder; medians\n");
    std::printf("  %6s %9s %9s %9s %8s %8s | %s\n", "files", "change", "QDir", "readdir", "ch/QDir", "ch/rdir",
                "per file: change  QDir  readdir (us)");
    for (const int count : {100, 1000, 10000}) {
        // Two folders of the same size and other names, so that every change is a change of every list.
        QTemporaryDir first, second;
        fill(first.path(), count, QStringLiteral("first"));
        fill(second.path(), count, QStringLiteral("second"));
        const int runs = count >= 10000 ? 31 : 201;
        std::vector<double> changes, listings, readdirs;
        for (int i = 0; i < runs; ++i) {
            const QString folder = i % 2 ? first.path() : second.path();
            changes.push_back(actionMicroseconds([&] { form.controls().DirA->setPath(folder); }));
            if (form.controls().DirA->path() != folder || form.controls().FileD->count() != (count + 5) / 6) return 1;
            listings.push_back(microseconds([&] {
                const QStringList names = QDir(folder).entryList(QDir::Files);
                if (names.size() != count) std::abort();
            }));
            readdirs.push_back(microseconds([&] {
                if (readdirNames(QFile::encodeName(folder)) != std::size_t(count) + 2) std::abort();
            }));
        }
        const double change = median(changes), listing = median(listings), floor = median(readdirs);
        std::printf("  %6d %7.2fms %7.2fms %7.2fms %8.2f %8.1f | %16.2f %5.2f %8.3f\n", count, change / 1000,
                    listing / 1000, floor / 1000, change / listing, change / floor, change / count, listing / count,
                    floor / count);
    }
    return 0;
}
