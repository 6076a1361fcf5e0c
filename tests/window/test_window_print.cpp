// The sheet off the ordinary screen: drawn sharp on a 200 % screen (this whole program runs at twice
// the logical size), and put on paper by the print button.
#include "support/pdf_text.h"
#include "support/window_fixture.h"

#include "charfile/character_file.h"
#include "window/panels/print_panel.h"

#include "window/widgets/artwork.h"
#include "window/widgets/folder_list.h"
#include "window/widgets/tile_strip.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

// Read by the application object, so set before it is made.
[[maybe_unused]] static const bool doubledScreen = qputenv("QT_SCALE_FACTOR", "2");

namespace {
QImage asRgb(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }
} // namespace

class TestWindowPrint : public QObject, public WindowFixture {
    Q_OBJECT
private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void tileStripIsDrawnAtTheScreenResolution()
    {
        QCOMPARE(ui().Pcha->devicePixelRatioF(), 2.0);
        const QImage shown = asRgb(ui().Pcha->grab().toImage()).copy(0, 0, 110, 564);
        QCOMPARE(ui().Pcha->image().size(), QSize(110, 564));
        QCOMPARE(shown, asRgb(window::tileStripImage(2.0)));
        QVERIFY(shown != asRgb(window::tileStripImage(1.0).scaled(110, 564))); // not pixel-doubled

        QSignalSpy clicks(ui().Pcha, &window::TileStrip::clicked);
        QTest::mouseClick(ui().Pcha, Qt::LeftButton, {}, QPoint(27, 250));
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(clicks[0][0].toPoint(), QPoint(27, 250)); // logical pixels, as the tiles are laid out
    }

    void windowIconIsDrawnAtEachSize_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : {16, 32, 48, 128, 256}) QTest::addRow("%d", size) << size;
    }
    void windowIconIsDrawnAtEachSize()
    {
        QFETCH(int, size);
        QTRY_VERIFY(!form->windowIcon().isNull()); // given once the first frame is drawn
        const QIcon icon = form->windowIcon();
        const QImage drawn = icon.pixmap(QSize(size, size), 1.0).toImage();
        QCOMPARE(drawn.size(), QSize(size, size));
        const QImage scaled = icon.pixmap(QSize(64, 64), 1.0)
                                  .toImage()
                                  .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY(drawn.convertToFormat(QImage::Format_ARGB32) != scaled.convertToFormat(QImage::Format_ARGB32));
    }

    void folderIconsHaveScaledPixmaps()
    {
        const QIcon icon = ui().DirA->item(0)->icon();
        QCOMPARE(icon.pixmap(QSize(16, 14), 1.5).size(), QSize(24, 21));
        QCOMPARE(icon.pixmap(QSize(16, 14), 2.0).size(), QSize(32, 28));
    }

    // "!!" shows what the sheet shows, as the command line prints a character file it loads, and as
    // a fresh window shows it.
    void printedSheetIsTheSheetAsShown()
    {
        QCOMPARE(form->sheet().shownSheet(), window::designedSheet());
        writeCharacter();
        QVERIFY(form->openCharacterFile(QDir(program).filePath(u"Tessa.QOZ"_s)));
        QCOMPARE(form->sheet().shownSheet(), printout::shownSheet(record()));
        QCOMPARE(form->sheet().shownSheet().attributes[0], u"00"_s);
    }

    void printButton_data()
    {
        QTest::addColumn<QString>("outputFile"); // in the program folder
        QTest::addColumn<QString>("then");       // after the load
        QTest::addColumn<QString>("footer");     // "" when nothing is printed
        QTest::addColumn<QStringList>("messages");
        const QString date = u" \u00b7 printed 9 Dec 2026 \u00b7 page 1 of 1"_s;
        QTest::newRow("printed") << "sheet.pdf" << QString() << u"Tessa.QOZ"_s + date << QStringList();
        QTest::newRow("a new character") << "sheet.pdf" << u"roll"_s << u"(not saved)"_s + date << QStringList();
        QTest::newRow("a new character undone")
            << "sheet.pdf" << u"roll undo"_s << u"Tessa.QOZ"_s + date << QStringList();
        QTest::newRow("a new character saved, undone and redone")
            << "sheet.pdf" << u"roll save undo redo"_s << u"%1.QOZ"_s + date << QStringList();
        QTest::newRow("file cannot be made")
            << "missing/sheet.pdf" << QString() << QString() << QStringList{u"The sheet could not be printed."_s};
    }
    void printButton()
    {
        QFETCH(QString, outputFile);
        QFETCH(QString, then);
        QFETCH(QString, footer);
        QFETCH(QStringList, messages);
        writeCharacter();
        QVERIFY(form->openCharacterFile(QDir(program).filePath(u"Tessa.QOZ"_s)));
        for (const QString& action : then.split(u' ', Qt::SkipEmptyParts)) {
            if (action == u"roll"_s) ui().CMran->click();
            if (action == u"save"_s) ui().CDsaveCH->click();
            if (action == u"undo"_s) form->sheet().history().undo();
            if (action == u"redo"_s) form->sheet().history().redo();
        }
        const QString name = form->sheet().name();
        footer = footer.arg(name);
        env->printing->outputFile = QDir(program).filePath(outputFile);
        if (footer.isEmpty()) QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");

        QCOMPARE(ui().Command1->toolTip(), u"print sheet"_s);
        env->messages->texts.clear(); // the first start's own message
        QTest::mouseClick(ui().Command1, Qt::LeftButton);

        QCOMPARE(env->printing->dialogs, 1);
        QCOMPARE(env->messages->texts, messages);
        // Offered: a portrait page with 15 mm margins, and <name>.pdf in the character folder.
        QCOMPARE(env->printing->offeredFile, program + QDir::separator() + name + u".pdf"_s);
        QCOMPARE(env->printing->offeredLayout.orientation(), QPageLayout::Portrait);
        QCOMPARE(env->printing->offeredLayout.margins(QPageLayout::Millimeter), QMarginsF(15, 15, 15, 15));
        const QByteArray pdf = contentOf(env->printing->outputFile);
        QCOMPARE(pdf != "(missing)", !footer.isEmpty());
        if (footer.isEmpty()) return;
        QCOMPARE(QString::fromLatin1(pdf).count(QRegularExpression(u"/Type\\s*/Page\\b"_s)), 1);
        const auto box =
            QRegularExpression(u"/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"_s).match(QString::fromLatin1(pdf));
        QVERIFY(box.hasMatch() && box.captured(1).toDouble() < box.captured(2).toDouble());
        // Text with its fonts in, and no picture: nothing of the window is drawn.
        QVERIFY(pdf.contains("/FontFile2"));
        QVERIFY(!pdf.contains("/Subtype /Image"));
#ifdef Q_OS_WIN
        QSKIP("pdftotext reads the printed text in the Linux run");
#endif
        const QString text = pdfText(env->printing->outputFile);
        for (const QString& shown : {name, u"Rope"_s, u"Owes us 30 gold."_s, footer}) {
            QVERIFY2(text.contains(shown), qPrintable(shown + u" is not in: "_s + text));
        }
        QVERIFY(!text.contains(program));
    }

private:
    // Tessa, with an item and a note beside her in the program folder.
    void writeCharacter()
    {
        sheet::Character tessa;
        tessa.CharText[sheet::slot::text::Name] = u"Tessa"_s;
        writeFile(QDir(program).filePath(u"Tessa.QOZ"_s), charfile::characterFileBytes(tessa));
        writeFile(QDir(program).filePath(u"Rope.qod"_s), "i\r\nRope\r\n3\r\n___\r\n");
        writeFile(QDir(program).filePath(u"Journal.qon"_s), "Owes us 30 gold.\r\n___\r\n");
        ui().DirA->reread(program);
    }
};

QTEST_MAIN(TestWindowPrint)
#include "test_window_print.moc"
