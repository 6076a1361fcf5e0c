// The path files and the place text.
#include "common/native_names.h"
#include "shell/paths.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace shell;

class TestPaths : public QObject {
    Q_OBJECT
private slots:
    void place_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("place");
        QTest::newRow("character folder") << u"C:\\QOD\\Charac\\Hero"_s << u"\\"_s << u"Charac\\Hero"_s;
        QTest::newRow("root folder") << u"C:\\QOD\\Charac"_s << u"\\"_s << u"QOD\\Charac"_s;
        QTest::newRow("one separator") << u"C:\\QOD"_s << u"\\"_s << u""_s;
        QTest::newRow("drive") << u"C:\\"_s << u"\\"_s << u""_s;
        QTest::newRow("slashes do not count on Windows") << u"C:/QOD/Charac"_s << u"\\"_s << u""_s;
        QTest::newRow("home") << u"/home/ann/QOD/Charac"_s << u"/"_s << u"QOD/Charac"_s;
        QTest::newRow("top folder") << u"/home"_s << u"/"_s << u""_s;
        QTest::newRow("second level") << u"/home/ann"_s << u"/"_s << u"home/ann"_s;
        QTest::newRow("empty") << u""_s << u"/"_s << u""_s;
    }
    void place()
    {
        QFETCH(QString, path);
        QFETCH(QString, separator);
        QFETCH(QString, place);
        QCOMPARE(placeOf(path, separator[0]), place);
    }

    void fileNames()
    {
        QCOMPARE(rootPathFileName(0), QStringLiteral("pa 0.txt"));
        QCOMPARE(rootPathFileName(2), QStringLiteral("pa 2.txt"));
        QCOMPARE(characterPathFileName(), QStringLiteral("pathC.txt"));
    }

    void writtenForm()
    {
        QCOMPARE(pathFileBytes(QStringLiteral("C:\\QOD\\Charac")), QByteArray("\"C:\\QOD\\Charac\"\r\n"));
    }

    void read_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("path");
        QTest::newRow("quoted") << QByteArray("\"D:\\Games\\Chars\"\r\n") << true << "D:\\Games\\Chars";
        QTest::newRow("bare") << QByteArray("D:\\Games\\Chars\r\n") << true << "D:\\Games\\Chars";
        QTest::newRow("leading blanks") << QByteArray("   \"/a b/c\"") << true << "/a b/c";
        QTest::newRow("bare ends at comma") << QByteArray("/a,b") << true << "/a";
        QTest::newRow("quoted keeps comma") << QByteArray("\"/a,b\",x") << true << "/a,b";
        QTest::newRow("empty file") << QByteArray() << false << "";
        // A folder the code page cannot hold, and a byte of a name in another encoding, come back.
        const QString foreign = QStringLiteral(u"/home/Дмитрий/") + common::nameFromNative("caf\xe9");
        QTest::newRow("written folder in any script") << pathFileBytes(foreign) << true << foreign;
    }
    void read()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, found);
        QFETCH(QString, path);
        const auto field = readPathFile(content);
        QCOMPARE(field.has_value(), found);
        if (found) QCOMPARE(*field, path);
    }
};

QTEST_APPLESS_MAIN(TestPaths)
#include "test_paths.moc"
