// Printing benchmark. charac --pdf as a user runs it: of one character and of 100 characters, each in
// a folder of its own with 20 possessions, timed in processor time (user and system) of the whole
// process, next to reading the same character files and possession files alone, in turns. The aim:
// 100 characters in under 3 s of processor time.
#include "support/possession_bytes.h"
#include "timing.h"

#include "charfile/character_file.h"
#include "common/files.h"
#include "printout/printed_sheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kCharacters = 100;
constexpr int kPossessions = 20;
constexpr int kRounds = 5;

// kCharacters folders, each with a character file and kPossessions abilities, items and notes.
QStringList writeParty(const QString& root)
{
    QStringList files;
    for (int n = 0; n < kCharacters; ++n) {
        const QString folder = QStringLiteral("%1/Hero %2").arg(root).arg(n);
        sheet::Character hero;
        hero.CharText[sheet::slot::text::Name] = QStringLiteral("Hero %1").arg(n);
        hero.CharText[sheet::slot::text::Race] = QStringLiteral("Sea Elf");
        for (int k = 1; k <= 7; ++k) hero.CharValue.numbered(k) = std::int16_t(10 + k);
        bool written = common::makeFolder(folder);
        files.append(folder + QStringLiteral("/Hero.QOZ"));
        written = written && common::writeFileAtomically(files.back(), charfile::characterFileBytes(hero));
        for (int i = 0; i < kPossessions; ++i) {
            const QString name = QStringLiteral("Thing %1").arg(i);
            const QString ending = i % 3 == 0   ? QStringLiteral(".qoa")
                                   : i % 3 == 1 ? QStringLiteral(".qod")
                                                : QStringLiteral(".qon");
            written = written
                      && common::writeFileAtomically(folder + u'/' + name + ending,
                                                     possessionBytes({QStringLiteral("w"), name, QString::number(i),
                                                                      QStringLiteral("sharp"), QStringLiteral("old")}));
        }
        if (!written) std::abort();
    }
    return files;
}

// The processor time, in seconds, of the program run with those arguments to its end.
double processorSeconds(const QStringList& arguments)
{
    std::vector<QByteArray> words;
    for (const QString& argument : arguments) words.push_back(QFile::encodeName(argument));
    std::vector<char*> argv;
    for (QByteArray& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) std::abort();
    int status = 0;
    rusage used{};
    if (wait4(child, &status, 0, &used) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) std::abort();
    return double(used.ru_utime.tv_sec + used.ru_stime.tv_sec)
           + double(used.ru_utime.tv_usec + used.ru_stime.tv_usec) / 1e6;
}

// What printing them must read at the least: each character file and its folder's possessions.
double readSeconds(const QStringList& files)
{
    return microseconds([&] {
               for (const QString& file : files) {
                   sheet::Character character;
                   const auto bytes = common::readWholeFile(file, common::kSmallFileLimit);
                   if (!bytes || !charfile::readCharacterFile(*bytes, character)) std::abort();
                   if (printout::possessionFiles(QFileInfo(file).absolutePath()).files.size() != kPossessions)
                       std::abort();
               }
           })
           / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir scratch;
    const QStringList files = writeParty(scratch.path());
    const QString charac = QCoreApplication::applicationDirPath() + QStringLiteral("/charac");
    const QString out = scratch.filePath(QStringLiteral("party.pdf"));
    std::vector<double> one, hundred, reads;
    for (int round = 0; round < kRounds; ++round) {
        one.push_back(processorSeconds({charac, QStringLiteral("--pdf"), out, files.front()}));
        hundred.push_back(processorSeconds(QStringList{charac, QStringLiteral("--pdf"), out} + files));
        reads.push_back(readSeconds(files));
    }
    std::printf("charac --pdf, %d possessions a character, processor time (median of %d):\n", kPossessions, kRounds);
    std::printf("  1 character     %7.3f s\n", median(one));
    std::printf("  100 characters  %7.3f s   (aim: under 3 s; %.1f ms a character beyond the first)\n", median(hundred),
                (median(hundred) - median(one)) * 1000 / (kCharacters - 1));
    std::printf("  reading the 100 characters' files alone %7.3f s\n", median(reads));
    return 0;
}
