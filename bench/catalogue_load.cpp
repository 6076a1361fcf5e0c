// Catalogue benchmark: one load of a catalogue file through the window (the click on the file: the
// file read, its records read, the three lists filled) next to reading and splitting the same file
// with the field reader alone, measured in turns in the same run, for catalogues of 1,000, 10,000 and
// 100,000 entries. Prints the median time of each and their ratio.
#include "timing.h"

#include "support/test_services.h"

#include "window/file_list.h"
#include "window/folder_list.h"
#include "window/form_charac.h"
#include "window/text_list.h"

#include "common/codepage.h"
#include "common/fields.h"
#include "common/files.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
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
    form.CDnew->click();

    std::printf("%8s %12s %16s %7s\n", "entries", "load (us)", "fields only (us)", "ratio");
    for (const int entries : {1000, 10000, 100000}) {
        const QString name = QStringLiteral("bench %1.qoc").arg(entries);
        const QString path = env.programDir.filePath(name);
        common::writeFileAtomically(path, catalogueOf(entries));
        form.DirA->reread(env.programDir.path());
        QListWidgetItem* item = form.FileF->findItems(name, Qt::MatchExactly).value(0);
        if (!item) return 1;
        const QPoint at = form.FileF->visualItemRect(item).center();

        const int runs = entries >= 100000 ? 11 : 51;
        std::vector<double> loads, fields;
        for (int i = 0; i < runs; ++i) {
            loads.push_back(microseconds([&] {
                QTest::mouseClick(form.FileF->viewport(), Qt::LeftButton, {}, at);
                QCoreApplication::processEvents();
            }));
            fields.push_back(microseconds([&] {
                common::FieldReader reader(common::decodeCodePage(*common::readWholeFile(path)));
                qsizetype count = 0;
                while (reader.next()) ++count;
                if (count == 0) std::abort();
            }));
        }
        if (form.ListStuff->count() != entries) return 1;
        const double load = median(loads);
        const double field = median(fields);
        std::printf("%8d %12.0f %16.0f %7.2f\n", entries, load, field, load / field);
    }
    return 0;
}
