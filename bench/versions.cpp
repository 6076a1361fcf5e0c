// Versions benchmark. "save" and "save item" as a user clicks them, with the window events they leave
// behind processed, in character folders of 1,000 and 10,000 files: once over the same bytes (nothing
// kept) and once over other bytes (what they replace kept as a version first), next to writing the
// file alone, in turns. A version should cost about one more durable write. Then thinning a store of
// 10,000 versions of one file: the first thinning, spread over a year, which removes most of them,
// and the thinning after a save among 10,000 versions of the last day, which removes none.
#include "timing.h"

#include "support/test_services.h"

#include "window/form_charac.h"
#include "window/panels/sheet_panel.h"
#include "window/widgets/edit_box.h"

#include "common/files.h"
#include "shell/paths.h"
#include "versions/version_store.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include <array>
#include <cstdio>
#include <vector>

namespace {

constexpr double kFrameMicroseconds = 16000; // one frame at 60 Hz

// A character whose name slot, and so its file's bytes, changes with n.
void showCharacter(window::FormCharac& form, int n)
{
    sheet::Character c = form.sheet().character();
    c.CharText[sheet::slot::text::Name] = QStringLiteral("Aaron");
    c.CharText[sheet::slot::text::Race] = QStringLiteral("Sea Elf %1").arg(n % 2);
    form.sheet().setCharacter(c);
    form.sheet().Numero();
}

// Medians in µs: save over the same bytes, save keeping a version, the write alone; the same for
// "save item".
std::array<double, 6> timeSaves(int count)
{
    TestServices env;
    const QString folder = env.programDir.path();
    if (!fillFolder(folder, count, QStringLiteral("someone"), {QStringLiteral(".QOZ"), QStringLiteral(".qod")})) {
        std::abort();
    }
    window::FormCharac form(env.services);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) std::abort();
    const window::ControlSet& c = form.controls();
    showCharacter(form, 0);
    c.CDsaveCH->click();
    c.TXfile->setText(QStringLiteral("Rope.qod"));
    const QString alone = folder + QStringLiteral("/alone.bin"); // a name no list shows
    std::array<std::vector<double>, 6> times;
    for (int i = 0; i < (count >= 10000 ? 31 : 101); ++i) {
        times[0].push_back(actionMicroseconds([&] { c.CDsaveCH->click(); }));
        showCharacter(form, i + 1);
        times[1].push_back(actionMicroseconds([&] { c.CDsaveCH->click(); }));
        times[2].push_back(microseconds([&] { common::writeFileAtomically(alone, QByteArray(200, 'x')); }));
        times[3].push_back(actionMicroseconds([&] { c.CDsave->click(); }));
        c.TXline[1]->setText(QStringLiteral("Rope %1").arg(i % 2));
        times[4].push_back(actionMicroseconds([&] { c.CDsave->click(); }));
        times[5].push_back(microseconds([&] { common::writeFileAtomically(alone, QByteArray(60, 'y')); }));
    }
    std::array<double, 6> medians{};
    for (std::size_t k = 0; k < times.size(); ++k) medians[k] = median(times[k]);
    return medians;
}

// A store of `count` versions of folder/Tessa.QOZ, `apart` seconds apart back from now, written
// plainly: setting it up is not what is measured.
void fillStore(const QString& store, const QString& folder, int count, qint64 apart, const QDateTime& now)
{
    const QString shelf = store + QStringLiteral("/versions/Tessa.QOZ/");
    QDir().mkpath(shelf);
    const QByteArray from = shell::pathFileBytes(QDir::toNativeSeparators(folder) + QDir::separator());
    for (int i = 0; i < count; ++i) {
        const QString copy = shelf + versions::copyName({now.addSecs(-apart * i - 1), 1}, QStringLiteral(".QOZ"));
        for (const auto& [name, bytes] :
             {std::pair{copy, QByteArray(300, 'c')}, std::pair{copy + versions::kSidecarEnding, from}}) {
            QFile file(name);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) std::abort();
        }
    }
}

double timeThinning(qint64 apart, int& left)
{
    TestServices env;
    const QString folder = env.programDir.path() + QStringLiteral("/Tessa");
    QDir().mkpath(folder);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    fillStore(env.programDir.path(), folder, 10000, apart, now);
    const versions::Store store(env.programDir.path());
    const QString file = folder + QStringLiteral("/Tessa.QOZ");
    const double time = microseconds([&] { store.thin(file, now); });
    left = int(store.versionsOf(file).size());
    return time;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf("saves keeping versions: one click each, window events processed; medians in ms\n");
    std::printf("  %6s %9s %9s %7s %9s | %9s %9s %7s %9s\n", "files", "save same", "+version", "write", "version",
                "item same", "+version", "write", "version");
    for (const int count : {1000, 10000}) {
        const auto t = timeSaves(count);
        std::printf("  %6d %9.2f %9.2f %7.2f %9.2f | %9.2f %9.2f %7.2f %9.2f\n", count, t[0] / 1000, t[1] / 1000,
                    t[2] / 1000, (t[1] - t[0]) / 1000, t[3] / 1000, t[4] / 1000, t[5] / 1000, (t[4] - t[3]) / 1000);
        std::printf("  %6s of a 16 ms frame: save with a version %.0f%%, save item with a version %.0f%%\n", "",
                    100 * t[1] / kFrameMicroseconds, 100 * t[4] / kFrameMicroseconds);
    }
    int left = 0;
    const double spread = timeThinning(53 * 60, left);
    std::printf("thinning 10,000 versions of one file: spread over a year %.1f ms (%d left)", spread / 1000, left);
    const double recent = timeThinning(8, left);
    std::printf(", all of the last day %.1f ms (%d left)\n", recent / 1000, left);
    return 0;
}
