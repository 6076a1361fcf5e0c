// A save that is killed part way leaves the earlier file or the new one, whole, and nothing the file
// lists would show; every version it kept of what it replaced is whole too. The test runs itself a
// second time as the saver: a process that saves a character file and a possession file over and
// over, the way the window saves them, and kills it at random moments.
#include "charfile/character_file.h"
#include "common/files.h"
#include "common/folder_entries.h"
#include "common/wildcard.h"
#include "possessions/possession_file.h"
#include "versions/version_store.h"

#include "support/raw_files.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <cstring>

using namespace Qt::StringLiterals;

namespace {

constexpr int kKills = 200;
const QString kCharacterName = u"Hero.QOZ"_s;
const QString kPossessionName = u"Rope.qod"_s;
const QString kProgramFolder = u"program"_s; // where the saver keeps its versions

// Two versions of each file, of different lengths, so that a cut or a mix of the two shows.
QByteArray characterVersion(int version)
{
    sheet::Character c;
    c.CharText.numbered(1) = version == 0 ? u"Sea Elf"_s : u"Mountain Dwarf of the Deep Halls"_s;
    c.CharValue.numbered(1) = static_cast<std::int16_t>(version == 0 ? 12 : 17);
    for (int i = 2; i < 20; ++i) c.CharText.numbered(i) = QString(40 * (version + 1), QChar(u'a' + i));
    return charfile::characterFileBytes(c);
}

QByteArray possessionVersion(int version)
{
    possessions::Lines lines;
    lines[0] = u"w"_s;
    lines[1] = version == 0 ? u"Rope"_s : u"Rope of climbing, fifty feet"_s;
    lines[2] = version == 0 ? u"2"_s : u"12.5"_s;
    lines[3] = QString(300 * (version + 1), u'r');
    return possessions::possessionFileBytes(lines);
}

// The saver: both files, again and again, alternating versions, until it is killed. It starts with
// the version the character file does not hold, so that its first save, too, keeps a version.
[[noreturn]] void saveForever(const QString& folder)
{
    const versions::Store store(common::joinPath(folder, kProgramFolder));
    const auto held = common::readWholeFile(common::joinPath(folder, kCharacterName), common::kSmallFileLimit);
    for (int round = held == characterVersion(0) ? 1 : 0;; ++round) {
        store.save(common::joinPath(folder, kCharacterName), characterVersion(round % 2));
        store.save(common::joinPath(folder, kPossessionName), possessionVersion(round % 2));
    }
}

} // namespace

class TestKillDuringSave : public QObject {
    Q_OBJECT
private slots:
    void killedSavesLeaveWholeFilesAndNothingListed()
    {
        QTemporaryDir dir;
        const QString character = common::joinPath(dir.path(), kCharacterName);
        const QString possession = common::joinPath(dir.path(), kPossessionName);
        const versions::Store store(common::joinPath(dir.path(), kProgramFolder));
        QVERIFY(common::writeFileAtomically(character, characterVersion(0)));
        QVERIFY(common::writeFileAtomically(possession, possessionVersion(0)));
        const QList<common::WildcardPattern> lists{
            common::WildcardPattern(u"*.qoz"_s), common::WildcardPattern(u"*.qoa"_s),
            common::WildcardPattern(u"*.qod"_s), common::WildcardPattern(u"*.qon"_s),
            common::WildcardPattern(u"*.qoc"_s), common::WildcardPattern(u"*"_s)};
        int leftovers = 0;
        for (int kill = 0; kill < kKills; ++kill) {
            const QByteArray before = common::readWholeFile(character, common::kSmallFileLimit).value_or("");
            const qsizetype versionsBefore = store.versionsOf(character).size();
            QProcess saver;
            saver.start(QCoreApplication::applicationFilePath(), {u"--save-forever"_s, dir.path()});
            QVERIFY(saver.waitForStarted());
            QThread::usleep(QRandomGenerator::global()->bounded(500u, 12000u));
            saver.kill();
            QVERIFY(saver.waitForFinished());

            const QByteArray c = common::readWholeFile(character, common::kSmallFileLimit).value_or("(missing)");
            QVERIFY2(c == characterVersion(0) || c == characterVersion(1), c.left(80).constData());
            // A file replaced has had what it held kept first.
            if (c != before) QVERIFY(store.versionsOf(character).size() > versionsBefore);
            const QByteArray p = common::readWholeFile(possession, common::kSmallFileLimit).value_or("(missing)");
            QVERIFY2(p == possessionVersion(0) || p == possessionVersion(1), p.left(80).constData());
            for (const versions::Version& version : store.versionsOf(character) + store.versionsOf(possession)) {
                const QByteArray kept = common::readWholeFile(version.copy, common::kSmallFileLimit).value_or("");
                QVERIFY2(kept == characterVersion(0) || kept == characterVersion(1) || kept == possessionVersion(0)
                             || kept == possessionVersion(1),
                         qPrintable(version.copy));
            }

            // Whatever the kill left, every list shows just the two files.
            const QStringList files = common::readFolder(dir.path()).files;
            for (const common::WildcardPattern& pattern : lists) {
                for (const QString& name : files) {
                    if (pattern.matches(name))
                        QVERIFY2(name == kCharacterName || name == kPossessionName, qPrintable(name));
                }
            }
            leftovers += int(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size()) - 2;
        }
        qInfo("%d kills, %d temporary files left at the moments of the kills, %lld versions kept", kKills, leftovers,
              static_cast<long long>(store.versionsOf(character).size() + store.versionsOf(possession).size()));

        // What the kills left goes with a save's refresh once it is an hour old, when no save can
        // still be writing it.
        for (const QString& name : common::readFolder(dir.path()).interruptedSaves) makeTwoHoursOld(dir.filePath(name));
        common::removeStaleSaves(dir.path(), common::readFolder(dir.path()).interruptedSaves);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                 (QStringList{kCharacterName, kPossessionName}));
    }
};

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--save-forever") == 0) saveForever(QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    TestKillDuringSave test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_kill_during_save.moc"
