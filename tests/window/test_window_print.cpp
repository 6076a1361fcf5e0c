// The sheet off the ordinary screen: drawn sharp on a 200 % screen (this whole program runs at twice
// the logical size), and put on paper by the print button.
#include "support/window_fixture.h"

#include "window/widgets/artwork.h"
#include "window/widgets/folder_list.h"
#include "window/widgets/tile_strip.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

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

    void printButton_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("outputFile"); // in the program folder
        QTest::addColumn<bool>("written");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("printed") << true << "sheet.pdf" << true << QStringList();
        QTest::newRow("cancelled") << false << "sheet.pdf" << false << QStringList();
        QTest::newRow("file cannot be made")
            << true << "missing/sheet.pdf" << false << QStringList{QStringLiteral("The sheet could not be printed.")};
    }
    void printButton()
    {
        QFETCH(bool, accept);
        QFETCH(QString, outputFile);
        QFETCH(bool, written);
        QFETCH(QStringList, messages);
        env->printing->accept = accept;
        env->printing->outputFile = QDir(program).filePath(outputFile);
        if (accept && !written) QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");

        QCOMPARE(ui().Command1->toolTip(), QStringLiteral("print sheet"));
        env->messages->texts.clear(); // the first start's own message
        QTest::mouseClick(ui().Command1, Qt::LeftButton);

        QCOMPARE(env->printing->dialogs, 1);
        QCOMPARE(env->messages->texts, messages);
        const QByteArray pdf = contentOf(env->printing->outputFile);
        QCOMPARE(pdf != "(missing)", written);
        if (!written) return;
        QVERIFY(pdf.startsWith("%PDF"));
        // A page object; the page tree is "/Pages".
        QCOMPARE(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 1);
        // Drawing commands with the fonts in, on a page proposed landscape for the wide window: the
        // tiles as figures, not a picture of the window.
        QVERIFY(pdf.contains("/FontFile2"));
        QVERIFY(pdf.size() < 300 * 1024);
        const auto box = QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
                             .match(QString::fromLatin1(pdf));
        QVERIFY(box.hasMatch() && box.captured(1).toDouble() > box.captured(2).toDouble());
        // What images are left are the style's own (button faces, marks), never the sheet as a whole.
        auto widths = QRegularExpression(QStringLiteral("/Width (\\d+)")).globalMatch(QString::fromLatin1(pdf));
        while (widths.hasNext()) QVERIFY(widths.next().captured(1).toInt() < form->width());
    }
};

QTEST_MAIN(TestWindowPrint)
#include "test_window_print.moc"
